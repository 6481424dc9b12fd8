// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureStore.h"

#include <QCoreApplication>
#include <QPointer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace
{
// Decoded thumbnails kept at hand: several screens of slots (in bytes).
constexpr int ThumbnailsAtHandBytes = 8 * 1024 * 1024;
// Decoded flash pictures kept at hand: the next flash and a few recent ones.
constexpr int FlashAtHand = 4;
} // namespace

PictureStore::Entry PictureStore::queuedEntry(quint64 generation)
{
    Entry entry;
    entry.generation = generation;
    return entry;
}

struct PictureStore::Result {
    Job job;
    bool unreadable = false;
    QByteArray thumbnail; // packed
    QByteArray flash;     // packed, when the disk cache did not take it
    QImage thumbnailImage;
    QImage flashImage;
};

PictureStore::PictureStore(PictureSizes sizes, QObject* parent)
    : PictureStore(sizes, PictureCache::defaultFolder(), parent)
{
}

PictureStore::PictureStore(PictureSizes sizes, const QString& cacheFolder, QObject* parent)
    : QObject(parent), m_sizes(sizes), m_cache(cacheFolder, sizes),
      m_threads(qMax(1, QThread::idealThreadCount())), m_thumbnailsAtHand(ThumbnailsAtHandBytes),
      m_flashAtHand(FlashAtHand)
{
    setThreadCount(m_threads);
}

void PictureStore::setThreadCount(int threads)
{
    m_threads = qMax(1, threads);
    // One more thread than jobs handed out, for the cache's writes and clean-up.
    m_pool.setMaxThreadCount(m_threads + 1);
    dispatch();
}

PictureStore::~PictureStore()
{
    // Drop queued work and wait only for the jobs already running.
    m_pool.clear();
    m_pool.waitForDone();
}

void PictureStore::setPaths(const QStringList& paths)
{
    const QSet<QString> keep(paths.cbegin(), paths.cend());
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (keep.contains(it.key())) {
            ++it;
            continue;
        }
        m_pending.remove(it.key());
        m_thumbnailsAtHand.remove(it.key());
        m_flashAtHand.remove(it.key());
        if (it.key() == m_animation.path)
            m_animation = {};
        if (it.key() == m_fitted.path)
            m_fitted = {};
        it = m_entries.erase(it);
    }
    bool added = false;
    for (const QString& path : paths) {
        if (path.isEmpty() || m_entries.contains(path))
            continue;
        m_entries.insert(path, queuedEntry(m_nextGeneration++));
        m_pending.insert(path);
        m_queue.push_back(path);
        added = true;
    }
    m_sweepDue = !m_swept;
    if (added)
        emit progressChanged(m_arrived, requestedCount());
    dispatch();
    if (m_pending.isEmpty() && m_running == 0)
        becameIdle();
}

void PictureStore::setWanted(const QStringList& paths)
{
    // Pushed to the front in reverse, so the first on screen comes first.
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
        const auto entry = m_entries.find(*it);
        if (entry != m_entries.end() && entry->state == State::Queued) {
            entry->moved = true;
            m_wanted.push_front(*it);
        }
    }
    dispatch();
}

QImage PictureStore::thumbnail(const QString& path)
{
    if (const QImage* atHand = m_thumbnailsAtHand.object(path))
        return *atHand;
    const auto entry = m_entries.find(path);
    if (entry == m_entries.end())
        return {};
    if (entry->state == State::Prepared) {
        QImage picture = PictureDecoder::decompress(entry->thumbnail);
        keepThumbnail(path, picture);
        return picture;
    }
    if (entry->state == State::Queued && !entry->moved) {
        entry->moved = true;
        m_wanted.push_front(path);
        dispatch();
    }
    return {};
}

PictureStore::Availability PictureStore::flashPicture(const QString& path, QImage* picture)
{
    auto entry = m_entries.find(path);
    if (entry == m_entries.end()) {
        // Not in the list (yet): prepared like any other copy.
        entry = m_entries.insert(path, queuedEntry(m_nextGeneration++));
        m_pending.insert(path);
        emit progressChanged(m_arrived, requestedCount());
    }
    if (entry->state == State::Unreadable)
        return Availability::Unreadable;
    if (const QImage* atHand = m_flashAtHand.object(path)) {
        if (picture)
            *picture = *atHand;
        return Availability::Ready;
    }
    if (entry->state == State::Prepared && !entry->flash.isEmpty()) {
        const QImage unpacked = PictureDecoder::decompress(entry->flash);
        keepFlash(path, unpacked);
        if (picture)
            *picture = unpacked;
        return Availability::Ready;
    }
    entry->flashWaited = true;
    m_urgent.push_front(path);
    dispatch();
    return Availability::Pending;
}

QImage PictureStore::flashPictureNow(const QString& path)
{
    QImage picture;
    const auto entry = m_entries.constFind(path);
    if (entry != m_entries.constEnd() && entry->state == State::Prepared &&
        entry->flash.isEmpty() && !m_flashAtHand.contains(path)) {
        if (const auto identity = CopyIdentity::of(path)) {
            picture = m_cache.flash(path, *identity);
            if (!picture.isNull()) {
                keepFlash(path, picture);
                return picture;
            }
        }
    }
    return flashPicture(path, &picture) == Availability::Ready ? picture : QImage();
}

void PictureStore::prepareAnimation(const QString& path, QSize box)
{
    if (path == m_animation.path && box == m_animation.box)
        return;
    m_animation = {path, box, m_nextGeneration++, nullptr};
    QPointer<PictureStore> self(this);
    const QSize size = box.isEmpty() ? m_sizes.flash : box;
    m_pool.start([self, path, generation = m_animation.generation, size, fit = !box.isEmpty()] {
        auto frames = PictureAnimation::decode(path, size, fit);
        if (!frames || !self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, frames = std::move(frames)]() mutable {
                if (self && self->m_animation.generation == generation)
                    self->m_animation.frames = std::move(frames);
            },
            Qt::QueuedConnection);
    });
}

std::shared_ptr<const PictureAnimation> PictureStore::animation(const QString& path,
                                                                QSize box) const
{
    return path == m_animation.path && box == m_animation.box ? m_animation.frames : nullptr;
}

PictureStore::Availability PictureStore::fittedPicture(const QString& path, QSize box,
                                                       QImage* picture)
{
    const auto entry = m_entries.constFind(path);
    if (entry != m_entries.constEnd() && entry->state == State::Unreadable)
        return Availability::Unreadable;
    if (path == m_fitted.path && box == m_fitted.box) {
        if (!m_fitted.arrived)
            return Availability::Pending;
        if (m_fitted.picture.isNull())
            return Availability::Unreadable;
        if (picture)
            *picture = m_fitted.picture;
        return Availability::Ready;
    }
    m_fitted = {path, box, m_nextGeneration++, false, {}};
    QPointer<PictureStore> self(this);
    const PictureSizes sizes{box, m_sizes.thumbnail, true};
    // Kept in the disk cache beside the standard pictures, under their size.
    const PictureCache cache(m_cache.folder(), sizes);
    m_pool.start([self, path, sizes, cache, generation = m_fitted.generation] {
        QImage fitted;
        const auto identity = CopyIdentity::of(path);
        if (identity)
            fitted = cache.flash(path, *identity);
        if (fitted.isNull()) {
            const DecodedPicture decoded = PictureDecoder::decode(path, sizes);
            fitted = decoded.flash;
            if (identity && decoded.isValid())
                cache.store(path, *identity, PictureDecoder::compress(decoded.thumbnail),
                            PictureDecoder::compress(decoded.flash));
        }
        if (!self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, path, generation, fitted = std::move(fitted)]() mutable {
                if (!self || self->m_fitted.generation != generation)
                    return;
                self->m_fitted.arrived = true;
                self->m_fitted.picture = std::move(fitted);
                emit self->flashPictureReady(path);
            },
            Qt::QueuedConnection);
    });
    return Availability::Pending;
}

PackedPicture PackedPicture::pack(const DecodedPicture& picture)
{
    if (!picture.isValid())
        return {};
    return {picture.thumbnail, PictureDecoder::compress(picture.thumbnail),
            PictureDecoder::compress(picture.flash)};
}

void PictureStore::insert(const QString& path, const PackedPicture& picture)
{
    m_pending.remove(path);
    m_thumbnailsAtHand.remove(path);
    m_flashAtHand.remove(path);
    if (path == m_animation.path)
        m_animation = {};
    if (path == m_fitted.path)
        m_fitted = {};
    Entry entry = queuedEntry(m_nextGeneration++);
    entry.state = State::Unreadable;
    if (picture.isValid()) {
        entry.state = State::Prepared;
        entry.thumbnail = picture.packedThumbnail;
        entry.flash = picture.packedFlash;
        keepThumbnail(path, picture.thumbnail);
        persist(path, entry.generation, entry.thumbnail, entry.flash);
    }
    m_entries.insert(path, entry);
    emit pictureArrived(path);
}

void PictureStore::waitForAll()
{
    while (!m_pending.isEmpty() || m_running > 0) {
        m_pool.waitForDone(50);
        QCoreApplication::sendPostedEvents(this);
    }
}

PictureStore::Result PictureStore::run(const PictureCache& cache, const PictureSizes& sizes,
                                       const Job& job)
{
    Result result;
    result.job = job;
    const auto identity = CopyIdentity::of(job.path);
    if (identity && job.flashOnly) {
        result.flashImage = cache.flash(job.path, *identity);
        if (!result.flashImage.isNull())
            return result;
    } else if (identity) {
        if (const auto packed = cache.thumbnail(job.path, *identity)) {
            result.thumbnail = *packed;
            result.thumbnailImage = PictureDecoder::decompress(*packed);
            if (job.withFlash)
                result.flashImage = cache.flash(job.path, *identity);
            if (result.thumbnailImage.size() == sizes.thumbnail &&
                (!job.withFlash || !result.flashImage.isNull()))
                return result;
        }
    }

    // Not in the cache, or its file is broken: decoded from the copy, and
    // the cache file written (again).
    DecodedPicture decoded = PictureDecoder::decode(job.path, sizes);
    if (!decoded.isValid()) {
        result.unreadable = true;
        return result;
    }
    result.thumbnail = PictureDecoder::compress(decoded.thumbnail);
    const QByteArray flash = PictureDecoder::compress(decoded.flash);
    if (!identity || !cache.store(job.path, *identity, result.thumbnail, flash))
        result.flash = flash;
    result.thumbnailImage = std::move(decoded.thumbnail);
    result.flashImage = std::move(decoded.flash);
    return result;
}

void PictureStore::dispatch()
{
    Job job;
    while (m_running < m_threads && takeNext(&job))
        start(job);
}

bool PictureStore::takeNext(Job* job)
{
    while (!m_urgent.empty()) {
        const QString path = m_urgent.front();
        m_urgent.pop_front();
        const auto entry = m_entries.find(path);
        if (entry == m_entries.end() || !entry->flashWaited)
            continue;
        if (entry->state == State::Queued) {
            entry->state = State::Working;
            *job = Job{path, entry->generation, false, true};
            return true;
        }
        if (entry->state == State::Prepared && !entry->flashLoading) {
            entry->flashLoading = true;
            *job = Job{path, entry->generation, true, true};
            return true;
        }
    }
    for (std::deque<QString>* queue : {&m_wanted, &m_queue}) {
        while (!queue->empty()) {
            const QString path = queue->front();
            queue->pop_front();
            const auto entry = m_entries.find(path);
            if (entry == m_entries.end() || entry->state != State::Queued)
                continue;
            entry->state = State::Working;
            *job = Job{path, entry->generation, false, entry->flashWaited};
            return true;
        }
    }
    return false;
}

void PictureStore::start(const Job& job)
{
    ++m_running;
    QPointer<PictureStore> self(this);
    m_pool.start([self, job, cache = m_cache, sizes = m_sizes] {
        Result result = run(cache, sizes, job);
        if (!self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, result = std::move(result)]() mutable {
                if (self)
                    self->arrive(std::move(result));
            },
            Qt::QueuedConnection);
    });
}

void PictureStore::arrive(Result result)
{
    --m_running;
    const QString& path = result.job.path;
    const auto entry = m_entries.find(path);
    // Forgotten, or replaced by insert(), while it was being prepared.
    if (entry == m_entries.end() || entry->generation != result.job.generation) {
        dispatch();
        return;
    }

    if (result.job.flashOnly) {
        entry->flashLoading = false;
        if (!result.flashImage.isNull()) {
            flashArrived(path, *entry, result.flashImage);
        } else {
            // The cache file went away or broke: prepared again, first.
            entry->state = State::Queued;
            m_pending.insert(path);
            m_urgent.push_front(path);
        }
        dispatch();
        return;
    }

    entry->state = result.unreadable ? State::Unreadable : State::Prepared;
    entry->thumbnail = std::move(result.thumbnail);
    entry->flash = std::move(result.flash);
    if (!result.unreadable)
        keepThumbnail(path, result.thumbnailImage);
    if (entry->flashWaited) {
        if (result.unreadable || !result.flashImage.isNull())
            flashArrived(path, *entry, result.flashImage);
        else
            m_urgent.push_front(path);
    }
    m_pending.remove(path);
    ++m_arrived;
    emit pictureArrived(path);
    emit progressChanged(m_arrived, requestedCount());
    dispatch();
    if (m_pending.isEmpty() && m_running == 0)
        becameIdle();
}

void PictureStore::flashArrived(const QString& path, Entry& entry, const QImage& flash)
{
    entry.flashWaited = false;
    if (!flash.isNull())
        keepFlash(path, flash);
    emit flashPictureReady(path);
}

void PictureStore::keepFlash(const QString& path, const QImage& flash)
{
    if (!flash.isNull())
        m_flashAtHand.insert(path, new QImage(flash), 1);
}

void PictureStore::keepThumbnail(const QString& path, const QImage& thumbnail)
{
    if (!thumbnail.isNull())
        m_thumbnailsAtHand.insert(path, new QImage(thumbnail), int(thumbnail.sizeInBytes()));
}

void PictureStore::persist(const QString& path, quint64 generation, const QByteArray& thumbnail,
                           const QByteArray& flash)
{
    QPointer<PictureStore> self(this);
    m_pool.start([self, path, generation, thumbnail, flash, cache = m_cache] {
        const auto identity = CopyIdentity::of(path);
        if (!identity || !cache.store(path, *identity, thumbnail, flash) || !self)
            return;
        // On disk now: the packed copy in memory can go.
        QMetaObject::invokeMethod(
            self.data(),
            [self, path, generation] {
                if (!self)
                    return;
                const auto entry = self->m_entries.find(path);
                if (entry != self->m_entries.end() && entry->generation == generation)
                    entry->flash.clear();
            },
            Qt::QueuedConnection);
    });
}

void PictureStore::becameIdle()
{
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
    // Decoding left the heap full of freed picture buffers: give them back.
    // (Not under the address sanitizer, whose own allocator holds the heap:
    // trimming glibc's unused one there breaks the leak check at exit.)
    if (m_arrived > 0)
        malloc_trim(0);
#endif
    m_arrived = 0;
    if (!m_sweepDue)
        return;
    m_sweepDue = false;
    m_swept = true;
    // Once, when the list is loaded: the files of copies no longer there go.
    m_pool.start([cache = m_cache] { cache.sweep(); }, -1);
}
