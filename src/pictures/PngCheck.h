// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Walks a PNG file's chunks without decoding them. libpng allocates each
// chunk's claimed length before it reads the chunk, so a few bytes that claim
// a gigabyte of text would cost a gigabyte; such a file is refused first.
namespace PngCheck
{

// False when a chunk claims more bytes than are left in the file.
bool chunksFit(const QString& path);

} // namespace PngCheck
