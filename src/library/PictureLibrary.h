// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/LibraryFolder.h"
#include "library/PendingCopies.h"
#include "pictures/FlashPictures.h"
#include "pictures/PictureStore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <memory>

class PlacedCopy;

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

    // A picture made ready to be listed, on any thread: decoded and packed,
    // its copy in place but not committed (it goes again unless listed).
    struct Addition {
        QString name;
        QString source;
        QString target;
        Change change;            // Refused with the reason when it cannot be listed
        bool unknownKind = false; // no picture of a kind shown, by content
        bool original = false;    // the chosen file is its own copy: nothing was copied
        std::shared_ptr<PlacedCopy> copy;
        PackedPicture picture;
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

    // Copies the picture file at path into the library and lists it last,
    // as an add of one (an AddTransaction, which adds many the same way).
    Change add(const QString& path);

    // Decodes the picture and places its copy, for an add; safe on any
    // thread. A file already at the target is not replaced: the same bytes
    // are listed as the user's own file, other bytes are refused.
    // The journal records the copy before it is placed.
    static Addition prepare(const QString& source, const QString& name, const QString& target,
                            const PictureSizes& sizes, PendingCopies* journal);

    // While an add is open, other adds and deletes are refused, with this.
    bool isBusy() const { return m_busy; }
    Change refuseWhileBusy() const;
    // Takes entry row (from 0) off the list, then deletes its copy unless
    // another entry shares it.
    Change remove(int row);

    // FlashPictures
    int slotCount() const override { return int(m_slotPaths.size()); }
    Availability flashPicture(int slot, QImage* picture) override;
    void prefetch(int slot) override;
    std::shared_ptr<const PictureAnimation> animation(int slot) const override;
    void letGoOfPreparedFlashes() override;
    void setFlashBox(QSize box) override { m_flashBox = box; }
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
    // The steps of an add, taken only by AddTransaction.
    friend class AddTransaction;
    // Decides from the name alone, on this thread: a listed name or one in
    // reserved is a Duplicate; gives the entry's name and where its copy goes.
    Change check(const QString& source, const QSet<QString>& reserved, QString* name,
                 QString* target) const;
    // Makes the copies folder when it is missing; *made says whether it was.
    Change makeCopiesFolder(bool* made) const;
    // Lists the additions that are done, in order, with one save of the list;
    // on a refusal none is listed and their copies go.
    Change commit(QList<Addition>& additions);
    void setBusy(bool busy) { m_busy = busy; }
    // What is recorded of the copies placed but not yet listed.
    PendingCopies& pending() { return m_pending; }

    void rebuildSlots();
    static Change refuse(const QString& reason);
    bool saveOriginals(const QSet<QString>& originals, QString* error) const;
    bool isListed(const QString& name) const;
    bool landsOnListedCopy(const QString& target) const;
    bool sharedWithAnotherEntry(const QString& name, int row) const;

    LibraryFolder m_folder;
    PendingCopies m_pending; // outlives the store's jobs, which write to it
    PictureStore m_store;
    QSize m_flashBox; // empty: the standard flash window
    QStringList m_entries;
    QList<bool> m_addedHere; // per entry: added in this run
    QStringList m_slotPaths;
    QHash<QString, QString> m_copyPaths; // entry -> slot path, from the last rebuild
    QSet<QString> m_originals;           // names whose file the user owns: never deleted
    bool m_busy = false;
};
