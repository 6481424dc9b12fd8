// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/SetArchive.h"

#include "library/LibraryFolder.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

const QString SetArchive::Suffix = QStringLiteral(".tar.gz");

namespace
{

const QString ListMember = QStringLiteral("set.txt");
const QString SettingsMember = QStringLiteral("settings.ini");
const QString MessagesMember = QStringLiteral("messages.txt");
const QString PicturesFolder = QStringLiteral("pictures");

struct ArchiveFree {
    void operator()(archive* handle) const { archive_free(handle); }
};
using Archive = std::unique_ptr<archive, ArchiveFree>;

struct EntryFree {
    void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

QString archiveError(archive* handle)
{
    const char* text = archive_error_string(handle);
    return text ? QString::fromLocal8Bit(text) : QString();
}

bool writeMember(archive* handle, const QString& name, qint64 size, QIODevice& data, QString* error)
{
    std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
    archive_entry_set_size(entry.get(), size);
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    if (archive_write_header(handle, entry.get()) != ARCHIVE_OK) {
        *error = archiveError(handle);
        return false;
    }
    QByteArray block(1 << 16, Qt::Uninitialized);
    qint64 left = size;
    while (left > 0) {
        const qint64 read = data.read(block.data(), std::min<qint64>(left, block.size()));
        if (read <= 0) {
            *error = data.errorString();
            return false;
        }
        if (archive_write_data(handle, block.constData(), size_t(read)) != read) {
            *error = archiveError(handle);
            return false;
        }
        left -= read;
    }
    return true;
}

bool writeBytes(archive* handle, const QString& name, QByteArray bytes, QString* error)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return writeMember(handle, name, bytes.size(), buffer, error);
}

// A member's name as a set may hold it: what it is, and for a picture its name.
enum class Member { List, Settings, Messages, PicturesFolder, Picture, Other };

Member memberKind(const QString& name, QString* picture)
{
    if (name == ListMember)
        return Member::List;
    if (name == SettingsMember)
        return Member::Settings;
    if (name == MessagesMember)
        return Member::Messages;
    if (name == PicturesFolder || name == PicturesFolder + u'/')
        return Member::PicturesFolder;
    if (!name.startsWith(PicturesFolder + u'/'))
        return Member::Other;
    *picture = name.mid(PicturesFolder.size() + 1);
    return LibraryFolder::isBareFileName(*picture) ? Member::Picture : Member::Other;
}

} // namespace

bool SetArchive::write(const QString& path, const QByteArray& list, const QByteArray& settings,
                       const std::optional<QByteArray>& messages, const QList<Picture>& pictures,
                       QString* error)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = out.errorString();
        return false;
    }
    Archive handle(archive_write_new());
    archive_write_add_filter_gzip(handle.get());
    archive_write_set_format_pax_restricted(handle.get());
    if (archive_write_open_fd(handle.get(), out.handle()) != ARCHIVE_OK) {
        *error = archiveError(handle.get());
        return false;
    }
    bool written =
        writeBytes(handle.get(), ListMember, list, error) &&
        (settings.isEmpty() || writeBytes(handle.get(), SettingsMember, settings, error)) &&
        (!messages || writeBytes(handle.get(), MessagesMember, *messages, error));
    for (const Picture& picture : pictures) {
        if (!written)
            break;
        QFile in(picture.path);
        if (!in.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(picture.name, in.errorString());
            written = false;
            break;
        }
        written =
            writeMember(handle.get(), PicturesFolder + u'/' + picture.name, in.size(), in, error);
    }
    if (written && archive_write_close(handle.get()) != ARCHIVE_OK) {
        *error = archiveError(handle.get());
        written = false;
    }
    if (!written) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

std::optional<SetArchive::Contents> SetArchive::unpack(const QString& path, const QString& folder,
                                                       QString* error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = tr("%1 is not a file.").arg(path);
        return std::nullopt;
    }
    if (info.size() > MaxArchiveBytes) {
        *error = tr("The file is larger than %1 GB, far more than a set of pictures needs.")
                     .arg(MaxArchiveBytes >> 30);
        return std::nullopt;
    }
    Archive handle(archive_read_new());
    archive_read_support_filter_gzip(handle.get());
    archive_read_support_format_tar(handle.get());
    if (archive_read_open_filename(handle.get(), QFile::encodeName(path).constData(), 1 << 16) !=
        ARCHIVE_OK) {
        *error = tr("This is not a set of pictures: %1").arg(archiveError(handle.get()));
        return std::nullopt;
    }
    Contents contents;
    QSet<QString> seen;
    qint64 unpacked = 0;
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(handle.get(), &entry)) == ARCHIVE_OK) {
        const char* utf8 = archive_entry_pathname_utf8(entry);
        QString name =
            utf8 ? QString::fromUtf8(utf8) : QFile::decodeName(archive_entry_pathname(entry));
        if (name.startsWith(QLatin1String("./")))
            name.remove(0, 2);
        const auto refuse = [&](const QString& why) {
            *error = tr("The file holds \"%1\", which a set of pictures cannot: %2").arg(name, why);
            return std::nullopt;
        };
        QString picture;
        const Member kind = memberKind(name, &picture);
        const bool folderEntry = archive_entry_filetype(entry) == AE_IFDIR;
        if (kind == Member::Other)
            return refuse(tr("only its list, its settings and its pictures by their plain names "
                             "belong in it."));
        if (archive_entry_hardlink(entry) || archive_entry_symlink(entry) ||
            (archive_entry_filetype(entry) != AE_IFREG && !folderEntry) ||
            archive_entry_sparse_count(entry) > 0)
            return refuse(tr("it is a link or a special file."));
        if (folderEntry != (kind == Member::PicturesFolder))
            return refuse(tr("it is a folder where a file belongs, or a file where the pictures' "
                             "folder belongs."));
        if (folderEntry)
            continue;
        if (seen.contains(name))
            return refuse(tr("it comes twice."));
        seen.insert(name);
        const qint64 size = archive_entry_size(entry);
        const qint64 limit = kind == Member::List       ? MaxListBytes
                             : kind == Member::Settings ? MaxSettingsBytes
                             : kind == Member::Messages ? MaxMessagesBytes
                                                        : MaxPictureBytes;
        if (!archive_entry_size_is_set(entry) || size < 0 || size > limit)
            return refuse(tr("it is larger than %1 MB.").arg(double(limit) / (1 << 20)));
        unpacked += size;
        if (unpacked > MaxUnpackedBytes)
            return refuse(tr("with it, the set would unpack to more than %1 GB.")
                              .arg(MaxUnpackedBytes >> 30));
        if (kind == Member::Picture && contents.pictures.size() >= MaxPictures)
            return refuse(tr("a set holds at most %1 pictures.").arg(MaxPictures));

        QFile out(folder + u'/' + picture);
        if (kind == Member::Messages)
            contents.messages.emplace();
        QByteArray* bytes = kind == Member::List       ? &contents.list
                            : kind == Member::Settings ? &contents.settings
                            : kind == Member::Messages ? &*contents.messages
                                                       : nullptr;
        if (!bytes && !out.open(QIODevice::NewOnly | QIODevice::WriteOnly)) {
            *error = out.errorString();
            return std::nullopt;
        }
        QByteArray block(1 << 16, Qt::Uninitialized);
        qint64 read = 0;
        qint64 total = 0;
        while ((read = archive_read_data(handle.get(), block.data(), size_t(block.size()))) > 0) {
            total += read;
            if (total > size)
                return refuse(tr("it holds more than it says."));
            if (bytes)
                bytes->append(block.constData(), read);
            else if (out.write(block.constData(), read) != read) {
                *error = out.errorString();
                return std::nullopt;
            }
        }
        if (read < 0)
            return refuse(archiveError(handle.get()));
        if (!bytes)
            contents.pictures << picture;
    }
    if (status != ARCHIVE_EOF) {
        *error = tr("The file is damaged: %1").arg(archiveError(handle.get()));
        return std::nullopt;
    }
    if (!seen.contains(ListMember)) {
        *error = tr("The file holds no list of pictures (%1); it is not a set.").arg(ListMember);
        return std::nullopt;
    }
    return contents;
}
