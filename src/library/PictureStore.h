#pragma once

#include "library/PictureDecoder.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>

// Decoded pictures by file path. Each file is decoded once, on a pool of
// background threads; the library keeps the results and hands them out again
// on every rebuild, so changes to the list decode only what is new.
class PictureStore : public QObject
{
    Q_OBJECT
public:
    explicit PictureStore(PictureSizes sizes, QObject* parent = nullptr);
    ~PictureStore() override;

    const PictureSizes& sizes() const { return m_sizes; }

    // The picture of a file, or nullptr while it is being decoded or when it
    // failed. Starts decoding a file it has not seen.
    const DecodedPicture* picture(const QString& path);

    // Takes a picture decoded elsewhere (a picture being added).
    void insert(const QString& path, DecodedPicture picture);

    // Drops every picture whose path is not in keep.
    void retainOnly(const QSet<QString>& keep);

    int pendingCount() const { return int(m_pending.size()); }
    int requestedCount() const { return m_requested; }

    // Blocks until every queued decode has arrived (benchmarks and tests).
    void waitForAll();

signals:
    void pictureArrived(const QString& path);
    // done of total pictures decoded since the store was last idle.
    void progressChanged(int done, int total);

private:
    void arrive(const QString& path, quint64 ticket, DecodedPicture picture);

    PictureSizes m_sizes;
    QThreadPool m_pool;
    QHash<QString, DecodedPicture> m_pictures;
    QHash<QString, quint64> m_pending; // path -> ticket of the decode in flight
    quint64 m_nextTicket = 1;
    int m_requested = 0;
    int m_arrived = 0;
};
