// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// File writing with every step checked and its reason kept: writes go
// straight to the file descriptor, past any buffering, so that a failing
// write (a full disk, a file size limit) is seen at once.
namespace FileWrite
{

// Returns false with the system's reason when not every byte was written.
bool all(int fd, const QByteArray& bytes, QString* error);

// fsync(): false with the reason when the data may not be on the disk.
bool sync(int fd, QString* error);

// rename(): replaces whatever stands at to, in one step.
bool renameOver(const QString& from, const QString& to, QString* error = nullptr);

QString systemError(int error);

} // namespace FileWrite
