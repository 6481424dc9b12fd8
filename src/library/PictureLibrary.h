#pragma once

#include "library/FlashPictures.h"
#include "library/LibraryFolder.h"
#include "library/PictureStore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

// The user's pictures: the ordered entries of the picture list, record.txt
// that keeps them, the copies in SystemFolder, and the decoded picture of
// every slot (slot k shows entry k, from 1). Every change is whole or not at
// all: the entries, record.txt and the copies agree afterwards, and a refused
// change says why. The list view shows it as a model of file names.
class PictureLibrary : public QAbstractListModel, public FlashPictures
{
    Q_OBJECT
public:
    // Set on entries added in this run; nothing reads it.
    static constexpr int CheckedRole = Qt::UserRole + 1;

    struct Change {
        enum class Outcome { Done, Duplicate, Refused };
        Outcome outcome = Outcome::Done;
        QString reason; // why a change was refused, for the user

        bool done() const { return outcome == Outcome::Done; }
    };

    PictureLibrary(const LibraryFolder& folder, PictureSizes sizes, QObject* parent = nullptr);

    const LibraryFolder& folder() const { return m_folder; }
    PictureStore& store() { return m_store; }
    QStringList entries() const { return m_entries; }

    // Reads record.txt, clears what crashed saves and copies left, and starts
    // decoding every listed picture.
    void load();
    // Writes the entries to record.txt; false with a reason when it failed.
    bool save(QString* error = nullptr) const;

    // Copies the picture file at path into the library and lists it last.
    Change add(const QString& path);
    // Takes entry row (from 0) off the list, then deletes its copy unless
    // another entry shares it.
    Change remove(int row);

    // FlashPictures
    int slotCount() const override { return int(m_slotPaths.size()); }
    Availability flashPicture(int slot, QImage* picture) override;
    void prefetch(int slot) override;
    // Slot k's flash picture, read from the disk cache at once when it has
    // to be; null while it is being prepared or when it has none.
    QImage flashPictureNow(int slot);

    QImage thumbnail(int slot);
    // The copy that slot k shows, or an empty text when its entry has none.
    QString slotPath(int slot) const;

    // QAbstractListModel
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    // The slots were built again after a change (their count or order).
    void slotsChanged();
    // A slot's picture arrived from decoding.
    void pictureArrived();
    // A flash picture that was not ready when asked for is now.
    void flashPictureReady();
    // done of total pictures decoded since decoding was last idle.
    void decodingProgress(int done, int total);

private:
    void rebuildSlots();
    Change refuse(const QString& reason) const;
    bool isListed(const QString& name) const;
    bool landsOnListedCopy(const QString& target) const;
    bool sharedWithAnotherEntry(const QString& name, int row) const;

    LibraryFolder m_folder;
    PictureStore m_store;
    QStringList m_entries;
    QList<bool> m_addedHere; // per entry: added in this run
    QStringList m_slotPaths;
    QHash<QString, QString> m_copyPaths; // entry -> slot path, from the last rebuild
};
