#include "library/PictureStore.h"

#include <QCoreApplication>
#include <QPointer>

PictureStore::PictureStore(PictureSizes sizes, QObject* parent) : QObject(parent), m_sizes(sizes)
{
    m_pool.setMaxThreadCount(qMax(1, QThread::idealThreadCount()));
}

PictureStore::~PictureStore()
{
    // Drop queued work and wait only for the decodes already running.
    m_pool.clear();
    m_pool.waitForDone();
}

const DecodedPicture* PictureStore::picture(const QString& path)
{
    const auto found = m_pictures.constFind(path);
    if (found != m_pictures.constEnd())
        return found->isValid() ? &*found : nullptr;
    if (m_pending.contains(path))
        return nullptr;

    const quint64 ticket = m_nextTicket++;
    m_pending.insert(path, ticket);
    ++m_requested;
    emit progressChanged(m_arrived, m_requested);

    QPointer<PictureStore> self(this);
    const PictureSizes sizes = m_sizes;
    m_pool.start([self, path, ticket, sizes] {
        DecodedPicture decoded = PictureDecoder::decode(path, sizes);
        if (!self)
            return;
        QMetaObject::invokeMethod(
            self.data(),
            [self, path, ticket, decoded = std::move(decoded)]() mutable {
                if (self)
                    self->arrive(path, ticket, std::move(decoded));
            },
            Qt::QueuedConnection);
    });
    return nullptr;
}

void PictureStore::arrive(const QString& path, quint64 ticket, DecodedPicture picture)
{
    const auto pending = m_pending.constFind(path);
    if (pending == m_pending.constEnd() || *pending != ticket)
        return; // forgotten or replaced while it was decoding
    m_pending.erase(pending);
    m_pictures.insert(path, std::move(picture));
    ++m_arrived;
    emit pictureArrived(path);
    emit progressChanged(m_arrived, m_requested);
    if (m_pending.isEmpty())
        m_arrived = m_requested = 0;
}

void PictureStore::insert(const QString& path, DecodedPicture picture)
{
    m_pending.remove(path);
    m_pictures.insert(path, std::move(picture));
    emit pictureArrived(path);
}

void PictureStore::retainOnly(const QSet<QString>& keep)
{
    for (auto it = m_pictures.begin(); it != m_pictures.end();)
        it = keep.contains(it.key()) ? std::next(it) : m_pictures.erase(it);
    for (auto it = m_pending.begin(); it != m_pending.end();)
        it = keep.contains(it.key()) ? std::next(it) : m_pending.erase(it);
}

void PictureStore::waitForAll()
{
    while (!m_pending.isEmpty()) {
        m_pool.waitForDone(50);
        QCoreApplication::sendPostedEvents(this);
    }
}
