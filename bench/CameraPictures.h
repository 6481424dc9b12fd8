// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

// Camera-size photos (4000 × 3000 unless told) with photo-like content for the benchmarks:
// JPEGs, or the kind $ZORVIK_BENCH_KIND names by its suffix (png, webp, tiff, heic, avif).
// A few distinct pictures are drawn once into a cache folder and reused; the
// requested number of files are hard links to them under their own names.
namespace CameraPictures
{

// The folder holding the distinct pictures: $ZORVIK_BENCH_DATA, or
// bench-data/ in the current folder.
QString cache();

// The suffix of the kind of picture drawn: "jpg" unless told.
QString kind();

// The path of distinct picture index (modulo their number), drawn if needed.
// The kind of picture index: kind(), or with ZORVIK_BENCH_KIND=mixed each of
// JPEG, PNG, WebP, TIFF, HEIC and AVIF in turn.
QString kindOf(int index);

QString picture(int index, QSize size = {4000, 3000});

// Puts a copy of source at target: a hard link where possible.
void place(const QString& source, const QString& target);

// Puts count pictures named camera0001.jpg … into folder; returns their names.
QStringList fill(const QString& folder, int count, QSize size = {4000, 3000});

} // namespace CameraPictures

// The middle value of repeated measurements.
double median(QList<double> values);
