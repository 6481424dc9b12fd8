// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureDecoder.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What tells one version of a copy from another: a copy that was changed or
// replaced differs in at least one of these.
struct CopyIdentity {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const CopyIdentity&) const = default;

    // The identity of the file at path now; nothing when it cannot be read.
    static std::optional<CopyIdentity> of(const QString& path);
};

// The prepared pictures of the library's copies, one file each in the user's
// cache folder, so that a start decodes only what changed since the last.
// A cache file names the copy, its identity and the sizes it was made for,
// and carries a checksum; any file that does not match in every point is
// treated as absent, never shown. Losing the folder loses nothing, and when
// it cannot be written every write fails quietly and the program decodes as
// before. Every function is safe to call from any thread at once.
class PictureCache
{
public:
    static constexpr qint64 DefaultLimitBytes = 256LL * 1024 * 1024;

    PictureCache(QString folder, PictureSizes sizes, qint64 limitBytes = DefaultLimitBytes);

    // The user's cache folder for the program (XDG_CACHE_HOME is honoured).
    static QString defaultFolder();

    const QString& folder() const { return m_folder; }
    // The cache file of a copy at this cache's sizes.
    QString fileFor(const QString& copy) const;

    // The packed thumbnail of copy as it is now; nothing when not cached.
    std::optional<QByteArray> thumbnail(const QString& copy, const CopyIdentity& identity) const;
    // The flash-size picture of copy; null when not cached.
    QImage flash(const QString& copy, const CopyIdentity& identity) const;

    // Writes the packed pictures of copy; replaces the old file in one step.
    bool store(const QString& copy, const CopyIdentity& identity, const QByteArray& thumbnail,
               const QByteArray& flash, QString* error = nullptr) const;

    // Drops the files of copies that are gone or changed, broken files and
    // leftovers of interrupted writes, then the oldest files while the
    // folder holds more than the limit. Returns how many files it removed.
    int sweep() const;

private:
    struct Parts {
        QByteArray thumbnail;
        QByteArray flash;
    };
    std::optional<Parts> read(const QString& copy, const CopyIdentity& identity,
                              bool wantFlash) const;

    QString m_folder;
    PictureSizes m_sizes;
    qint64 m_limitBytes;
};
