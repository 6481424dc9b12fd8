// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Files that look like pictures and are not, or claim more than they hold.
namespace BadPictures
{

struct File {
    QString name;       // ends in a picture's suffix
    QByteArray content; // ignored for a folder
    bool folder = false;
    // Odd but readable: the decoder may make a picture of it (all black).
    bool mayDecode = false;
    qint64 sparseSize = 0;         // made this large with a hole after the content
    const char* refusal = nullptr; // when set, the refusal's words include it
};

QList<File> all();
// Writes the file (or makes the folder) at path.
bool write(const File& file, const QString& path);

} // namespace BadPictures

// The process's memory from /proc/self/status, in kB.
namespace ProcessMemory
{
qint64 peak();     // VmHWM
qint64 resident(); // VmRSS
// What the heap hands out right now, in kB: unlike resident memory it does
// not creep with fragmentation, so it is what a leak check compares.
qint64 heapInUse();
} // namespace ProcessMemory
