// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// A set of pictures as one file to take to another computer: a gzip-packed
// tar holding "set.txt" (its list, in the list's format), "settings.ini" (its
// own display settings, when it has any), "messages.txt" (its own messages,
// when it names any) and "pictures/<name>" for each of its pictures.
class SetArchive
{
    Q_DECLARE_TR_FUNCTIONS(SetArchive)

public:
    // What an archive may hold before it is refused unread: far more than a
    // set of pictures needs, far less than a full disk.
    static constexpr qint64 MaxArchiveBytes = 4LL << 30;
    static constexpr qint64 MaxPictureBytes = 1LL << 30;
    static constexpr qint64 MaxUnpackedBytes = 4LL << 30;
    static constexpr int MaxPictures = 10000;
    static constexpr qint64 MaxListBytes = 4LL << 20;
    static constexpr qint64 MaxSettingsBytes = 64 << 10;
    static constexpr qint64 MaxMessagesBytes = 8LL << 20;

    static const QString Suffix; // ".tar.gz"

    struct Picture {
        QString name; // as the set lists it
        QString path; // the file to pack
    };
    // Writes the archive whole or not at all; false with the reason.
    // messages: nothing for a set without messages of its own.
    static bool write(const QString& path, const QByteArray& list, const QByteArray& settings,
                      const std::optional<QByteArray>& messages, const QList<Picture>& pictures,
                      QString* error);

    struct Contents {
        QByteArray list;
        QByteArray settings;
        std::optional<QByteArray> messages;
        QStringList pictures; // each unpacked as folder/<name>
    };
    // Unpacks the pictures into folder, an empty one of the caller's. Refuses
    // with the reason, and unpacks nothing more, at the first member that is
    // not the list, the settings or a picture by a plain name (so no name
    // that climbs out or is absolute), that is a link, a device or any other
    // special file, that comes twice, or that would pass a limit above.
    static std::optional<Contents> unpack(const QString& path, const QString& folder,
                                          QString* error);
};
