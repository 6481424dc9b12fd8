// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureCache.h"

#include "files/AtomicFile.h"
#include "files/SideFiles.h"
#include "platform/HomeFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <sys/stat.h>

namespace
{

constexpr char Magic[8] = {'Z', 'S', 'I', 'C', 'A', 'C', 'H', 'E'};
constexpr quint32 Version = 1;
constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
const QString Suffix = QStringLiteral(".pic");
// Interrupted writes leave their temporary files; a write in progress is
// never this old.
constexpr qint64 TemporaryAgeSeconds = 600;

quint64 checksum(const char* data, qsizetype size)
{
    // FNV-1a: cheap, and enough to tell a damaged file from a whole one.
    quint64 hash = 14695981039346656037ULL;
    for (qsizetype i = 0; i < size; ++i) {
        hash ^= quint8(data[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

template <typename T> void put(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Reads fields front to back; every read is checked against the end.
class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    template <typename T> bool get(T* value)
    {
        if (m_bytes.size() - m_at < qsizetype(sizeof(T)))
            return false;
        *value = qFromLittleEndian<T>(m_bytes.constData() + m_at);
        m_at += sizeof(T);
        return true;
    }
    bool take(qsizetype size, QByteArray* value)
    {
        if (size < 0 || m_bytes.size() - m_at < size)
            return false;
        *value = m_bytes.mid(m_at, size);
        m_at += size;
        return true;
    }
    qsizetype at() const { return m_at; }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

// What a cache file was made from: the sizes, the copy and its identity.
// Both reading a file and judging it in the sweep go by this.
struct Header {
    QSize flash;
    QSize thumbnail;
    CopyIdentity identity;
    QByteArray path;
};

QByteArray encode(const Header& header)
{
    QByteArray out(Magic, sizeof Magic);
    put<quint32>(out, Version);
    for (int value : {header.flash.width(), header.flash.height(), header.thumbnail.width(),
                      header.thumbnail.height()})
        put<qint32>(out, value);
    put<qint64>(out, header.identity.size);
    put<qint64>(out, header.identity.modifiedNs);
    put<quint64>(out, header.identity.inode);
    put<quint64>(out, header.identity.device);
    put<quint32>(out, quint32(header.path.size()));
    out.append(header.path);
    return out;
}

// Nothing when the file is no cache file of this version or is cut short.
std::optional<Header> decode(Reader& in)
{
    QByteArray magic;
    quint32 version = 0;
    if (!in.take(sizeof Magic, &magic) || magic != QByteArray(Magic, sizeof Magic) ||
        !in.get(&version) || version != Version)
        return std::nullopt;
    qint32 size[4] = {};
    for (qint32& value : size)
        if (!in.get(&value))
            return std::nullopt;
    Header header{QSize(size[0], size[1]), QSize(size[2], size[3]), {}, {}};
    CopyIdentity& stored = header.identity;
    quint32 pathLength = 0;
    if (!in.get(&stored.size) || !in.get(&stored.modifiedNs) || !in.get(&stored.inode) ||
        !in.get(&stored.device) || !in.get(&pathLength) || !in.take(pathLength, &header.path))
        return std::nullopt;
    return header;
}

} // namespace

std::optional<CopyIdentity> CopyIdentity::of(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return CopyIdentity{qint64(info.st_size),
                        qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                        quint64(info.st_ino), quint64(info.st_dev)};
}

PictureCache::PictureCache(QString folder, PictureSizes sizes, qint64 limitBytes)
    : m_folder(std::move(folder)), m_sizes(sizes), m_limitBytes(limitBytes)
{
}

QString PictureCache::defaultFolder()
{
    // No home folder, no cache: the flash pictures are kept packed in memory.
    const QString base = HomeFolder::cache();
    return base.isEmpty() ? QString() : base + QStringLiteral("/zorvik-subliminal-images");
}

QString PictureCache::fileFor(const QString& copy) const
{
    // The sizes are part of the name: pictures made for another scale
    // factor stay apart instead of being taken for these.
    const QByteArray key = copy.toUtf8() + '\n' + QByteArray::number(m_sizes.flash.width()) + 'x' +
                           QByteArray::number(m_sizes.flash.height()) + '\n' +
                           QByteArray::number(m_sizes.thumbnail.width()) + 'x' +
                           QByteArray::number(m_sizes.thumbnail.height());
    const QByteArray name = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return m_folder + u'/' + QString::fromLatin1(name) + Suffix;
}

std::optional<PictureCache::Parts>
PictureCache::read(const QString& copy, const CopyIdentity& identity, bool wantFlash) const
{
    QFile file(fileFor(copy));
    if (m_folder.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > MaxFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();

    Reader in(bytes);
    const std::optional<Header> header = decode(in);
    if (!header || header->flash != m_sizes.flash || header->thumbnail != m_sizes.thumbnail ||
        header->path != copy.toUtf8() || header->identity != identity)
        return std::nullopt;
    const qsizetype summed = in.at();
    quint32 thumbnailLength = 0, flashLength = 0;
    quint64 sum = 0;
    Parts parts;
    if (!in.get(&thumbnailLength) || !in.get(&flashLength) || !in.get(&sum) ||
        in.at() + qsizetype(thumbnailLength) + qsizetype(flashLength) != bytes.size())
        return std::nullopt;
    const qsizetype payload = in.at();
    if (!in.take(thumbnailLength, &parts.thumbnail) ||
        (wantFlash && !in.take(flashLength, &parts.flash)))
        return std::nullopt;
    quint64 expected = checksum(bytes.constData(), summed);
    expected ^= checksum(bytes.constData() + payload, bytes.size() - payload);
    if (sum != expected)
        return std::nullopt;
    return parts;
}

std::optional<QByteArray> PictureCache::thumbnail(const QString& copy,
                                                  const CopyIdentity& identity) const
{
    auto parts = read(copy, identity, false);
    if (!parts)
        return std::nullopt;
    return std::move(parts->thumbnail);
}

QImage PictureCache::flash(const QString& copy, const CopyIdentity& identity) const
{
    const auto parts = read(copy, identity, true);
    if (!parts)
        return {};
    QImage picture = PictureDecoder::decompress(parts->flash);
    return picture.size() == m_sizes.flash ? picture : QImage();
}

bool PictureCache::store(const QString& copy, const CopyIdentity& identity,
                         const QByteArray& thumbnail, const QByteArray& flash, QString* error) const
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("cannot make %1").arg(m_folder);
        return false;
    }
    QByteArray bytes = encode({m_sizes.flash, m_sizes.thumbnail, identity, copy.toUtf8()});
    const qsizetype summed = bytes.size();
    put<quint32>(bytes, quint32(thumbnail.size()));
    put<quint32>(bytes, quint32(flash.size()));
    const qsizetype sumAt = bytes.size();
    put<quint64>(bytes, 0);
    const qsizetype payload = bytes.size();
    bytes += thumbnail;
    bytes += flash;
    const quint64 sum = checksum(bytes.constData(), summed) ^
                        checksum(bytes.constData() + payload, bytes.size() - payload);
    qToLittleEndian(sum, bytes.data() + sumAt);

    // No sync: a file a crash cut short fails its checksum and is rebuilt.
    AtomicFile out(fileFor(copy), AtomicFile::Sync::Never);
    return out.open(error) && out.write(bytes, error) && out.commit(error);
}

int PictureCache::sweep() const
{
    if (m_folder.isEmpty()) // none: the working folder is not the cache
        return 0;
    int removed =
        SideFiles::removeLeftovers(m_folder, SideFiles::Leftovers::olderThan(TemporaryAgeSeconds));
    const QDir folder(m_folder);

    QFileInfoList kept;
    qint64 total = 0;
    const QFileInfoList files = folder.entryInfoList({u'*' + Suffix}, QDir::Files);
    for (const QFileInfo& file : files) {
        // Files of other sizes (another scale factor) are judged by their
        // path and identity only; their pictures are not looked at.
        QFile in(file.filePath());
        QByteArray head;
        if (in.open(QIODevice::ReadOnly))
            head = in.read(8192);
        Reader reader(head);
        const std::optional<Header> header = decode(reader);
        if (!header || CopyIdentity::of(QString::fromUtf8(header->path)) != header->identity) {
            removed += QFile::remove(file.filePath()) ? 1 : 0;
            continue;
        }
        kept << file;
        total += file.size();
    }

    if (total <= m_limitBytes)
        return removed;
    std::sort(kept.begin(), kept.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    for (const QFileInfo& file : std::as_const(kept)) {
        if (total <= m_limitBytes)
            break;
        if (QFile::remove(file.filePath())) {
            total -= file.size();
            ++removed;
        }
    }
    return removed;
}
