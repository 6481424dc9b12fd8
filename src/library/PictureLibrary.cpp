// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureLibrary.h"

#include "files/PlacedCopy.h"
#include "files/SideFiles.h"
#include "library/AddTransaction.h"
#include "library/LibraryFolder.h"
#include "library/PictureListFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

#include <sys/stat.h>

namespace
{

// Same file system object: on a file system that ignores letter case, two
// names can lead to one file.
bool sameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool sameBytes(const QString& a, const QString& b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.size() != second.size())
        return false;
    constexpr qint64 Chunk = 1 << 20;
    while (!first.atEnd()) {
        const QByteArray part = first.read(Chunk);
        if (part.isEmpty() || part != second.read(Chunk))
            return false;
    }
    return true;
}

// The list cannot be saved for want of room, and deleting the copy would
// give room on the list's file system.
bool copyMakesRoom(const QString& copy, const QString& listFile, const QStringList& entries)
{
    const QString folder = QFileInfo(listFile).absolutePath();
    struct stat copyStatus;
    struct stat folderStatus;
    if (::stat(QFile::encodeName(copy).constData(), &copyStatus) != 0 ||
        ::stat(QFile::encodeName(folder).constData(), &folderStatus) != 0 ||
        copyStatus.st_dev != folderStatus.st_dev || copyStatus.st_nlink != 1 ||
        !S_ISREG(copyStatus.st_mode))
        return false;
    constexpr qint64 Slack = 64 * 1024; // a few blocks, for the new file's own
    return QStorageInfo(folder).bytesAvailable() <
           PictureListFile::serialize(entries).size() + Slack;
}

} // namespace

PictureLibrary::PictureLibrary(const LibraryFolder& folder, PictureSizes sizes, QObject* parent)
    : QAbstractListModel(parent), m_folder(folder), m_pending(folder), m_store(sizes)
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
    PictureListFile::removeLeftovers(m_folder.originalsFile(), ReplaceFile::Links::Refuse);
    SideFiles::removeLeftovers(m_folder.copiesFolder(), SideFiles::Leftovers::allBut(loaded));
    m_originals.clear();
    for (const QString& name : PictureListFile::load(m_folder.originalsFile()))
        if (const std::optional<QString> file = m_folder.copyPath(name); file && somethingAt(*file))
            m_originals.insert(name);
    // Copies a kill left between placing and listing them, or between
    // unlisting and deleting them.
    m_pending.removeUnlisted(loaded, m_originals);
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
    AddTransaction add(*this);
    if (Change opened = add.open(); !opened.done())
        return opened;
    const AddTransaction::Admission admitted = add.admit(path);
    if (!admitted.change.done())
        return admitted.change;
    QList<Addition> additions{
        prepare(path, admitted.name, admitted.target, m_store.sizes(), add.journal())};
    const Change prepared = additions.constFirst().change;
    const Change listed = add.commit(additions);
    return prepared.done() ? listed : prepared;
}

PictureLibrary::Change PictureLibrary::check(const QString& source, const QSet<QString>& reserved,
                                             QString* name, QString* target) const
{
    *name = source.section(QLatin1Char('/'), -1);
    *target = m_folder.copiesFolder() + QLatin1Char('/') + *name;
    if (isListed(*name) || reserved.contains(*name))
        return {Change::Outcome::Duplicate, {}};
    if (!LibraryFolder::isBareFileName(*name) || !PictureListFile::canHold(*name))
        return refuse(tr("Its name holds a character that the picture list cannot keep "
                         "(a double quote, a line break or a backslash). Rename the "
                         "file and add it again."));
    if (landsOnListedCopy(*target))
        return {Change::Outcome::Duplicate, {}};
    // A file of the user's own that only shares the name is not replaced.
    if (m_originals.contains(*name) && somethingAt(*target) && !sameFile(source, *target))
        return refuse(tr("%1 is a file of your own of the same name, not a copy, and is not "
                         "replaced. Rename the file and add it again.")
                          .arg(QDir::toNativeSeparators(*target)));
    return {};
}

PictureLibrary::Change PictureLibrary::makeCopiesFolder(bool* made) const
{
    const QString copies = m_folder.copiesFolder();
    *made = !QFileInfo(copies).isDir();
    if (*made && !QDir().mkpath(copies))
        return refuse(tr("The folder %1 for the copies of the pictures cannot be made.")
                          .arg(QDir::toNativeSeparators(copies)));
    return {};
}

PictureLibrary::Addition PictureLibrary::prepare(const QString& source, const QString& name,
                                                 const QString& target, const PictureSizes& sizes,
                                                 PendingCopies* journal)
{
    Addition addition;
    addition.name = name;
    addition.source = source;
    addition.target = target;
    // Decoded before anything is copied: a file that is no picture changes
    // nothing, and the picture is not decoded a second time for the viewer.
    const DecodedPicture picture = PictureDecoder::decode(source, sizes);
    if (!picture.isValid()) {
        addition.change = refuse(picture.error);
        addition.unknownKind = picture.unknownKind;
        return addition;
    }
    // The chosen file is the very file its copy would be (picked from the
    // copies folder, or from a folder it links to): nothing to copy.
    addition.original = sameFile(source, target);
    if (!addition.original && somethingAt(target)) {
        // Not listed, so not a copy of ours: the user's own file, kept.
        addition.original = sameBytes(source, target);
        if (!addition.original) {
            addition.change = refuse(tr("%1 is a file of your own of the same name, not a "
                                        "copy, and is not replaced. Rename the file and add "
                                        "it again.")
                                         .arg(QDir::toNativeSeparators(target)));
            return addition;
        }
    } else if (!addition.original) {
        // Rolled back when it is let go without being listed.
        std::shared_ptr<PlacedCopy> copy(new PlacedCopy, [](PlacedCopy* placed) {
            placed->rollback();
            delete placed;
        });
        QString error;
        const auto noteInJournal = [journal, &target](int fd) {
            journal->notePlaced(QFileInfo(target).fileName(), fd);
        };
        if (!copy->place(source, target, &error,
                         journal ? std::function<void(int)>(noteInJournal) : nullptr)) {
            addition.change = refuse(error);
            return addition;
        }
        addition.copy = std::move(copy);
    }
    addition.picture = PackedPicture::pack(picture);
    return addition;
}

PictureLibrary::Change PictureLibrary::commit(QList<Addition>& additions)
{
    QStringList names;
    QSet<QString> originals = m_originals;
    for (const Addition& addition : std::as_const(additions)) {
        if (!addition.change.done())
            continue;
        names << addition.name;
        if (addition.original)
            originals.insert(addition.name);
        else
            originals.remove(addition.name); // gone, and now our copy stands there
    }
    if (names.isEmpty())
        return {};
    auto rollBack = [&additions] {
        for (Addition& addition : additions)
            if (addition.copy)
                addition.copy->rollback();
    };

    QString error;
    const bool originalsChanged = originals != m_originals;
    if (originalsChanged && !saveOriginals(originals, &error)) {
        rollBack();
        return refuse(tr("The list of your own files in %1 cannot be saved: %2")
                          .arg(QDir::toNativeSeparators(m_folder.originalsFile()), error));
    }
    if (!PictureListFile::save(m_folder.listFile(), m_entries + names, &error)) {
        rollBack();
        if (originalsChanged)
            saveOriginals(m_originals, nullptr);
        return refuse(tr("The picture list %1 cannot be saved: %2")
                          .arg(QDir::toNativeSeparators(m_folder.listFile()), error));
    }
    m_originals = std::move(originals);

    const int first = int(m_entries.size());
    beginInsertRows({}, first, first + int(names.size()) - 1);
    for (Addition& addition : additions) {
        if (!addition.change.done())
            continue;
        if (addition.copy)
            addition.copy->commit();
        m_entries << addition.name;
        m_addedHere << true;
        m_store.insert(m_folder.copyPath(addition.name).value_or(addition.target),
                       addition.picture);
    }
    endInsertRows();
    rebuildSlots();
    return {};
}

PictureLibrary::Change PictureLibrary::remove(int row)
{
    if (m_busy)
        return refuseWhileBusy();
    if (row < 0 || row >= m_entries.size())
        return {};
    const QString name = m_entries.at(row);
    // A file the user owns goes off the list, never off the disk.
    const bool keepFile = sharedWithAnotherEntry(name, row) || m_originals.contains(name);

    // The list is saved before the copy goes: a crash in between leaves an
    // unlisted file, which the journal names for the next start.
    QStringList remaining = m_entries;
    remaining.removeAt(row);
    QString error;
    if (!keepFile)
        m_pending.noteRemoving(name);
    const std::optional<QString> copy = keepFile ? std::nullopt : m_folder.copyPath(name);
    bool saved = PictureListFile::save(m_folder.listFile(), remaining, &error);
    if (!saved && copy && copyMakesRoom(*copy, m_folder.listFile(), remaining)) {
        // A full disk: the list is rewritten through a new file, so the
        // copy's room is freed first. Should the save still fail, the entry
        // stays listed without its picture: the list is never cut short.
        QFile::remove(*copy);
        saved = PictureListFile::save(m_folder.listFile(), remaining, &error);
    }
    if (!saved)
        return refuse(tr("The picture list %1 cannot be saved: %2")
                          .arg(QDir::toNativeSeparators(m_folder.listFile()), error));

    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    m_addedHere.removeAt(row);
    endRemoveRows();
    if (copy)
        QFile::remove(*copy); // a copy already gone is no matter
    m_pending.done({name});
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
    return m_flashBox.isEmpty() ? m_store.flashPicture(path, picture)
                                : m_store.fittedPicture(path, m_flashBox, picture);
}

void PictureLibrary::prefetch(int slot)
{
    if (const QString path = slotPath(slot); !path.isEmpty()) {
        flashPicture(slot, nullptr);
        m_store.prepareAnimation(path, m_flashBox);
    }
}

void PictureLibrary::letGoOfPreparedFlashes()
{
    m_store.letGoOfPreparedFlashes();
}

std::shared_ptr<const PictureAnimation> PictureLibrary::animation(int slot) const
{
    return m_store.animation(slotPath(slot), m_flashBox);
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

PictureLibrary::Change PictureLibrary::refuse(const QString& reason)
{
    return {Change::Outcome::Refused, reason};
}

PictureLibrary::Change PictureLibrary::refuseWhileBusy() const
{
    return refuse(tr("Pictures are being added. Wait until that is done, or cancel it."));
}

bool PictureLibrary::saveOriginals(const QSet<QString>& originals, QString* error) const
{
    QStringList names(originals.cbegin(), originals.cend());
    names.sort();
    return PictureListFile::save(m_folder.originalsFile(), names, error,
                                 ReplaceFile::Links::Refuse);
}

bool PictureLibrary::isListed(const QString& name) const
{
    return m_entries.contains(name);
}

bool PictureLibrary::landsOnListedCopy(const QString& target) const
{
    if (!QFileInfo::exists(target))
        return false;
    return std::ranges::any_of(m_entries, [&](const QString& entry) {
        const std::optional<QString> copy = m_folder.copyPath(entry);
        return copy && sameFile(target, *copy);
    });
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
