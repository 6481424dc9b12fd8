#pragma once

#include <QByteArray>
#include <QString>

// Writes straight to a file descriptor, past any buffering, so that a failing
// write (a full disk, a file size limit) is seen at once and with its reason.
namespace FileWrite
{

// Returns false with the system's reason when not every byte was written.
bool all(int fd, const QByteArray& bytes, QString* error);

} // namespace FileWrite
