#pragma once

#include <QString>
#include <QStringList>

// Camera-size JPEGs (4000 × 3000) with photo-like content for the benchmarks.
// A few distinct pictures are drawn once into a cache folder and reused; the
// requested number of files are hard links to them under their own names.
namespace CameraPictures
{

// Returns the folder holding the distinct pictures, making them if needed.
QString cache();

// Puts count pictures named camera0001.jpg … into folder; returns their names.
QStringList fill(const QString& folder, int count);

} // namespace CameraPictures
