#include "library/PictureLibrary.h"

#include "library/PictureListFile.h"
#include "library/PlacedCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>

namespace
{

// Same file system object: on a file system that ignores letter case, two
// names can lead to one file.
bool sameFile(const QString& a, const QString& b)
{
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

PictureLibrary::PictureLibrary(const LibraryFolder& folder, PictureSizes sizes, QObject* parent)
    : QAbstractListModel(parent), m_folder(folder), m_store(sizes)
{
    connect(&m_store, &PictureStore::pictureArrived, this, &PictureLibrary::pictureArrived);
    connect(&m_store, &PictureStore::progressChanged, this, &PictureLibrary::decodingProgress);
    connect(&m_store, &PictureStore::flashPictureReady, this, &PictureLibrary::flashPictureReady);
}

void PictureLibrary::load()
{
    const QStringList loaded = PictureListFile::load(m_folder.listFile());
    // Saves and copies a crash cut short are of no use and would pile up.
    PictureListFile::removeLeftovers(m_folder.listFile());
    PlacedCopy::removeLeftovers(m_folder.copiesFolder(), loaded);
    beginResetModel();
    m_entries = loaded;
    m_addedHere = QList<bool>(loaded.size(), false);
    endResetModel();
    rebuildSlots();
}

bool PictureLibrary::save(QString* error) const
{
    return PictureListFile::save(m_folder.listFile(), m_entries, error);
}

PictureLibrary::Change PictureLibrary::add(const QString& path)
{
    const QString name = path.section(QLatin1Char('/'), -1);
    if (isListed(name))
        return {Change::Outcome::Duplicate, {}};
    if (!LibraryFolder::isBareFileName(name) || !PictureListFile::canHold(name))
        return refuse(tr("Its name holds a character that the picture list cannot keep "
                         "(a double quote, a line break or a backslash). Rename the "
                         "file and add it again."));

    // Decoded before anything is copied: a file that is no picture changes
    // nothing, and the picture is not decoded a second time for the viewer.
    DecodedPicture picture = PictureDecoder::decode(path, m_store.sizes());
    if (!picture.isValid())
        return refuse(picture.error);

    const QString copies = m_folder.copiesFolder();
    const bool madeFolder = !QFileInfo(copies).isDir();
    if (madeFolder && !QDir().mkpath(copies))
        return refuse(tr("The folder %1 for the copies of the pictures cannot be made.")
                          .arg(QDir::toNativeSeparators(copies)));

    const QString target = copies + QLatin1Char('/') + name;
    if (landsOnListedCopy(target))
        return {Change::Outcome::Duplicate, {}};

    PlacedCopy copy;
    QString error;
    if (!copy.place(path, target, &error)) {
        if (madeFolder)
            QDir().rmdir(copies);
        return refuse(error);
    }

    if (!PictureListFile::save(m_folder.listFile(), m_entries + QStringList{name}, &error)) {
        copy.rollback();
        if (madeFolder)
            QDir().rmdir(copies);
        return refuse(tr("The picture list %1 cannot be saved: %2")
                          .arg(QDir::toNativeSeparators(m_folder.listFile()), error));
    }
    copy.commit();

    const int row = int(m_entries.size());
    beginInsertRows({}, row, row);
    m_entries << name;
    m_addedHere << true;
    endInsertRows();
    m_store.insert(m_folder.copyPath(name).value_or(target), std::move(picture));
    rebuildSlots();
    return {};
}

PictureLibrary::Change PictureLibrary::remove(int row)
{
    if (row < 0 || row >= m_entries.size())
        return {};
    const QString name = m_entries.at(row);
    const bool shared = sharedWithAnotherEntry(name, row);

    // The list is saved before the copy goes: a crash in between leaves an
    // unlisted file, never an entry without its picture.
    QStringList remaining = m_entries;
    remaining.removeAt(row);
    QString error;
    if (!PictureListFile::save(m_folder.listFile(), remaining, &error))
        return refuse(tr("The picture list %1 cannot be saved: %2")
                          .arg(QDir::toNativeSeparators(m_folder.listFile()), error));

    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    m_addedHere.removeAt(row);
    endRemoveRows();
    if (!shared)
        if (const std::optional<QString> copy = m_folder.copyPath(name))
            QFile::remove(*copy); // a copy already gone is no matter
    rebuildSlots();
    return {};
}

void PictureLibrary::rebuildSlots()
{
    const int count = int(m_entries.size());
    m_slotPaths.clear();
    m_slotPaths.reserve(count);
    // An entry seen by the last rebuild keeps its copy path: its picture is
    // decoded already and the file is not read again, so only new entries
    // cost a look at the file system.
    QHash<QString, QString> copyPaths;
    copyPaths.reserve(count);
    for (const QString& entry : std::as_const(m_entries)) {
        const auto known = m_copyPaths.constFind(entry);
        const QString path =
            known != m_copyPaths.constEnd() ? *known : m_folder.copyPath(entry).value_or(QString());
        copyPaths.insert(entry, path);
        m_slotPaths << path;
    }
    m_copyPaths = std::move(copyPaths);

    // Pictures no entry names any more are let go; new ones are prepared.
    m_store.setPaths(m_slotPaths);
    emit slotsChanged();
}

QString PictureLibrary::slotPath(int slot) const
{
    return slot >= 1 && slot <= m_slotPaths.size() ? m_slotPaths.at(slot - 1) : QString();
}

PictureLibrary::Availability PictureLibrary::flashPicture(int slot, QImage* picture)
{
    const QString path = slotPath(slot);
    if (path.isEmpty())
        return Availability::Unreadable;
    switch (m_store.flashPicture(path, picture)) {
    case PictureStore::Availability::Ready:
        return Availability::Ready;
    case PictureStore::Availability::Pending:
        return Availability::Pending;
    case PictureStore::Availability::Unreadable:
        break;
    }
    return Availability::Unreadable;
}

void PictureLibrary::prefetch(int slot)
{
    if (const QString path = slotPath(slot); !path.isEmpty())
        m_store.flashPicture(path, nullptr);
}

QImage PictureLibrary::flashPictureNow(int slot)
{
    const QString path = slotPath(slot);
    return path.isEmpty() ? QImage() : m_store.flashPictureNow(path);
}

QImage PictureLibrary::thumbnail(int slot)
{
    const QString path = slotPath(slot);
    return path.isEmpty() ? QImage() : m_store.thumbnail(path);
}

int PictureLibrary::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant PictureLibrary::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_entries.at(index.row());
    case CheckedRole:
        return m_addedHere.at(index.row());
    default:
        return {};
    }
}

PictureLibrary::Change PictureLibrary::refuse(const QString& reason) const
{
    return {Change::Outcome::Refused, reason};
}

bool PictureLibrary::isListed(const QString& name) const
{
    return m_entries.contains(name);
}

bool PictureLibrary::landsOnListedCopy(const QString& target) const
{
    if (!QFileInfo::exists(target))
        return false;
    for (const QString& entry : m_entries) {
        const std::optional<QString> copy = m_folder.copyPath(entry);
        if (copy && sameFile(target, *copy))
            return true;
    }
    return false;
}

bool PictureLibrary::sharedWithAnotherEntry(const QString& name, int row) const
{
    const std::optional<QString> copy = m_folder.copyPath(name);
    for (int other = 0; other < m_entries.size(); ++other) {
        if (other == row)
            continue;
        const QString& text = m_entries.at(other);
        if (text == name)
            return true;
        if (copy && text.compare(name, Qt::CaseInsensitive) == 0) {
            const std::optional<QString> otherCopy = m_folder.copyPath(text);
            if (otherCopy && sameFile(*copy, *otherCopy))
                return true;
        }
    }
    return false;
}
