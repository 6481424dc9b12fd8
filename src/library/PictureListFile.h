// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/ReplaceFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The list file: one record per entry, a double quote, the entry's text, a
// double quote and CR LF. Text is in the system's locale encoding.
namespace PictureListFile
{

// Reads fields the way the writer quotes them: leading blanks are skipped; a
// quoted field runs to the next quote and the rest of its line up to the next
// comma is skipped; an unquoted field runs to the next comma or line end. CR LF,
// LF and CR all end a line; an empty line is an empty entry.
QStringList parse(const QByteArray& bytes);
QByteArray serialize(const QStringList& entries);

// Whether an entry comes back unchanged from the file: a double quote or a
// line break in it would split or cut it.
bool canHold(const QString& entry);

// A missing or unreadable file reads as an empty list. A line longer than
// any path (4096 bytes) is skipped.
QStringList load(const QString& path);

// Replaces the file atomically: afterwards it holds either the complete old list
// or the complete new one. Returns false with a reason when the file was kept.
bool save(const QString& path, const QStringList& entries, QString* error = nullptr,
          ReplaceFile::Links links = ReplaceFile::Links::FollowOwn);

// Clears what saves killed half-way left beside the file. Returns how many.
int removeLeftovers(const QString& path, ReplaceFile::Links links = ReplaceFile::Links::FollowOwn);

} // namespace PictureListFile
