// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/PictureAnimation.h"
#include "pictures/PictureAvailability.h"
#include "pictures/PictureCache.h"
#include "pictures/PictureDecoder.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <deque>

// A decoded picture packed for the store, made on any thread.
struct PackedPicture {
    QImage thumbnail;
    QByteArray packedThumbnail;
    QByteArray packedFlash;

    bool isValid() const { return !packedThumbnail.isEmpty() && !packedFlash.isEmpty(); }
    static PackedPicture pack(const DecodedPicture& picture);
};

// The pictures of the library's copies. Each copy is prepared once (its
// thumbnail and flash-size picture, from the disk cache or decoded on every
// core) and then kept packed small: the thumbnail in memory, the flash-size
// picture in the disk cache (in memory when the cache cannot be written).
// Only the thumbnails on screen and the few flash pictures about to be shown
// are kept decoded, so memory stays flat however long the list is.
class PictureStore : public QObject
{
    Q_OBJECT
public:
    using Availability = PictureAvailability;

    // The cache folder defaults to the user's (PictureCache::defaultFolder()).
    explicit PictureStore(PictureSizes sizes, QObject* parent = nullptr);
    PictureStore(PictureSizes sizes, const QString& cacheFolder, QObject* parent = nullptr);
    ~PictureStore() override;

    const PictureSizes& sizes() const { return m_sizes; }
    const QString& cacheFolder() const { return m_cache.folder(); }
    // Jobs run side by side; one per core unless set.
    void setThreadCount(int threads);

    // The library's copies in list order: the others are forgotten, new ones
    // are queued. Empty paths (entries without a copy) are skipped.
    void setPaths(const QStringList& paths);
    // The copies on screen and near it: prepared before the rest.
    void setWanted(const QStringList& paths);

    // The thumbnail; null while it is being prepared (it is then moved ahead
    // of the rest) or when the copy is no readable picture.
    QImage thumbnail(const QString& path);

    // The flash-size picture. Pending: it is moved to the front of the queue
    // and flashPictureReady(path) follows; ask again then.
    Availability flashPicture(const QString& path, QImage* picture);
    // As flashPicture(), but a picture waiting in the disk cache is read at
    // once (a few milliseconds). Null while pending or when unreadable.
    QImage flashPictureNow(const QString& path);

    // The picture of the copy at path as large as fits in box (device
    // pixels), its proportions kept, for a flash window larger than the
    // standard one. Such pictures are prepared when asked for, one at a
    // time, from the disk cache or decoded from the copy and then kept
    // there (within the cache's limit), rather than for the whole library
    // at every size. Pending: flashPictureReady(path) follows.
    Availability fittedPicture(const QString& path, QSize box, QImage* picture);

    // Decodes the frames of the copy at path, when it is an animation, ahead
    // of its flash; the frames made for another copy are let go. An empty
    // box: at the standard flash size; otherwise as large as fits in it.
    void prepareAnimation(const QString& path, QSize box = {});
    // The frames prepareAnimation(path, box) made; null while they are being
    // made and when the copy is no animation that can be played.
    std::shared_ptr<const PictureAnimation> animation(const QString& path, QSize box = {}) const;
    // Frees the frames and the fitted picture made, and forgets those still
    // being made.
    void letGoOfPreparedFlashes()
    {
        m_animation = {};
        m_fitted = {};
    }

    // Takes a picture decoded elsewhere (a picture being added).
    void insert(const QString& path, const PackedPicture& picture);

    // The threads that prepare the pictures, for other picture work.
    QThreadPool& workers() { return m_pool; }

    // Copies still to be prepared, and all of those asked for since the
    // store was last idle (prepared or not).
    int pendingCount() const { return int(m_pending.size()); }
    int requestedCount() const { return m_arrived + pendingCount(); }

    // Blocks until every queued job has arrived (benchmarks and tests).
    void waitForAll();

signals:
    void pictureArrived(const QString& path);
    // The flash picture asked for is ready, or known to be unreadable.
    void flashPictureReady(const QString& path);
    // done of total pictures prepared since the store was last idle.
    void progressChanged(int done, int total);

private:
    enum class State { Queued, Working, Prepared, Unreadable };
    struct Entry {
        State state = State::Queued;
        quint64 generation = 0;
        QByteArray thumbnail; // packed
        QByteArray flash;     // packed; only when the disk cache did not take it
        bool flashWaited = false;
        bool flashLoading = false;
        bool moved = false; // already moved ahead as wanted
    };
    struct Job {
        QString path;
        quint64 generation = 0;
        bool flashOnly = false; // read the flash picture of a prepared copy
        bool withFlash = false; // hand back the flash picture too
    };
    struct Result;

    static Entry queuedEntry(quint64 generation);
    static Result run(const PictureCache& cache, const PictureSizes& sizes, const Job& job);
    void dispatch();
    bool takeNext(Job* job);
    void start(const Job& job);
    void arrive(Result result);
    void flashArrived(const QString& path, Entry& entry, const QImage& flash);
    void keepFlash(const QString& path, const QImage& flash);
    void keepThumbnail(const QString& path, const QImage& thumbnail);
    void persist(const QString& path, quint64 generation, const QByteArray& thumbnail,
                 const QByteArray& flash);
    void becameIdle();

    PictureSizes m_sizes;
    PictureCache m_cache;
    QThreadPool m_pool;
    int m_threads = 1;
    int m_running = 0;
    QHash<QString, Entry> m_entries;
    QSet<QString> m_pending;
    std::deque<QString> m_urgent; // flash pictures asked for
    std::deque<QString> m_wanted; // on screen
    std::deque<QString> m_queue;  // the rest, in list order
    QCache<QString, QImage> m_thumbnailsAtHand;
    QCache<QString, QImage> m_flashAtHand;
    struct Animation {
        QString path;
        QSize box;
        quint64 generation = 0;
        std::shared_ptr<const PictureAnimation> frames;
    };
    Animation m_animation; // the next flash's, or the last one asked for
    struct Fitted {
        QString path;
        QSize box;
        quint64 generation = 0;
        bool arrived = false;
        QImage picture; // null once arrived: the copy is unreadable
    };
    Fitted m_fitted; // the next flash's, or the last one asked for
    quint64 m_nextGeneration = 1;
    int m_arrived = 0;
    bool m_sweepDue = false;
    bool m_swept = false;
};
