// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureBatch.h"

#include "pictures/PictureDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

#include <dirent.h>

namespace
{
// A chunk is listed once this many are ready, or this long after the last.
constexpr int ListChunkSize = 48;
constexpr int ListEveryMs = 250;
// Pictures prepared but not yet listed, at most: memory stays flat however
// many are chosen.
constexpr int AheadLimit = 2 * ListChunkSize;
constexpr int BelowStoreJobs = -1; // thread pool priority
// One line of the summary's list of refused files.
QString refusal(const QString& path, const QString& reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}
// The entries of a folder whose names do not survive decoding, shown with
// the characters that could not be read replaced.
QStringList namesOutsideTheEncoding(const QString& path)
{
    QStringList names;
    DIR* folder = opendir(QFile::encodeName(path).constData());
    if (!folder)
        return names;
    while (const dirent* entry = readdir(folder)) {
        const QByteArray raw(entry->d_name);
        if (QFile::encodeName(QFile::decodeName(raw)) != raw)
            names << QFile::decodeName(raw);
    }
    closedir(folder);
    names.sort();
    return names;
}

} // namespace

QList<PictureBatch::Item> PictureBatch::itemsOf(const QStringList& paths)
{
    QList<Item> items;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!file.isDir()) {
            // A path that cannot be a picture costs no trip to a thread.
            items << Item{path, false, PictureDecoder::refusedUnread(file)};
            continue;
        }
        const QDir folder(path);
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name | QDir::LocaleAware))
            items << Item{folder.filePath(name), true, {}};
        // Qt's listing drops names that are not valid in the system's
        // encoding, as no path of its could open them: they are named as refused.
        for (const QString& name : namesOutsideTheEncoding(path))
            items << Item{folder.filePath(name), true,
                          tr("Its name is not valid in this system's character encoding, so it "
                             "cannot be opened.")};
    }
    return items;
}

PictureBatch::PictureBatch(PictureLibrary& library, QList<Item> items, QObject* parent)
    : QObject(parent), m_library(library), m_items(std::move(items)), m_add(library)
{
}

// Pictures still on their way are let go with their copies (an Addition's
// copy goes unless it is listed); the add closes.
PictureBatch::~PictureBatch() = default;

void PictureBatch::start()
{
    const PictureLibrary::Change folder = m_add.open();
    if (!folder.done()) {
        for (const Item& item : std::as_const(m_items))
            m_summary.refused << refusal(item.path, folder.reason);
        m_summary.last = folder;
        m_next = m_listedUpTo = int(m_items.size());
    }
    m_sinceListed.start();
    emit progressChanged(0, total());
    dispatch();
    finishWhenDone();
}

void PictureBatch::cancel()
{
    m_cancelled = true;
    m_summary.cancelled = m_next < m_items.size();
    finishWhenDone();
}

void PictureBatch::dispatch()
{
    PictureStore& store = m_library.store();
    // One job more than cores: while one waits for its copy to reach the
    // disk, the others decode.
    const int jobs = qMax(1, QThread::idealThreadCount()) + 1;
    while (!m_cancelled && m_running < jobs && m_next < m_items.size() &&
           m_next - m_listedUpTo < AheadLimit) {
        const int index = m_next++;
        const QString source = m_items.at(index).path;
        const AddTransaction::Admission admitted =
            m_items.at(index).refused.isEmpty()
                ? m_add.admit(source)
                : AddTransaction::Admission{
                      {PictureLibrary::Change::Outcome::Refused, m_items.at(index).refused},
                      {},
                      {}};
        if (!admitted.change.done()) {
            PictureLibrary::Addition refused;
            refused.name = admitted.name;
            refused.source = source;
            refused.change = admitted.change;
            m_ready.insert(index, refused);
            ++m_arrived;
            continue;
        }
        ++m_running;
        // The answer goes through the store, which outlives every job on its
        // threads; this batch may be gone by then. Below the store's own
        // jobs, so that a picture a flash run asks for does not wait.
        QPointer<PictureBatch> self(this);
        PendingCopies* journal = m_add.journal();
        store.workers().start(
            [self, index, source, admitted, &store, journal] {
                PictureLibrary::Addition addition = PictureLibrary::prepare(
                    source, admitted.name, admitted.target, store.sizes(), journal);
                QMetaObject::invokeMethod(
                    &store,
                    [self, index, addition = std::move(addition)] {
                        if (self)
                            self->arrived(index, addition);
                    },
                    Qt::QueuedConnection);
            },
            BelowStoreJobs);
    }
    // Refused at once with nothing on the threads to answer: they are
    // listed, and the rest dispatched, a turn of the event loop later, so
    // that the window answers between chunks.
    if (m_running == 0 && m_ready.contains(m_listedUpTo))
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_finished)
                    return;
                listReady(true);
                dispatch();
                finishWhenDone();
            },
            Qt::QueuedConnection);
}

void PictureBatch::arrived(int index, const PictureLibrary::Addition& addition)
{
    --m_running;
    ++m_arrived;
    m_ready.insert(index, addition);
    emit progressChanged(m_arrived, total());
    listReady(false);
    dispatch();
    finishWhenDone();
}

void PictureBatch::listReady(bool now)
{
    int end = m_listedUpTo;
    while (m_ready.contains(end))
        ++end;
    if (end == m_listedUpTo ||
        (!now && end - m_listedUpTo < ListChunkSize && m_sinceListed.elapsed() < ListEveryMs))
        return;

    QList<PictureLibrary::Addition> chunk;
    chunk.reserve(end - m_listedUpTo);
    for (int index = m_listedUpTo; index < end; ++index)
        chunk << m_ready.take(index);
    const int first = m_listedUpTo;
    m_listedUpTo = end;

    const PictureLibrary::Change listed = m_add.commit(chunk);
    for (int offset = 0; offset < chunk.size(); ++offset) {
        const PictureLibrary::Addition& addition = chunk.at(offset);
        const PictureLibrary::Change& change = addition.change.done() ? listed : addition.change;
        m_summary.last = change;
        if (change.done())
            ++m_summary.added;
        else if (change.outcome == PictureLibrary::Change::Outcome::Duplicate)
            ++m_summary.duplicates;
        else if (addition.unknownKind && m_items.at(first + offset).fromFolder)
            ++m_summary.leftOut;
        else
            m_summary.refused << refusal(addition.source, change.reason);
    }
    m_sinceListed.restart();
    // The list cannot be saved: the rest would fare no better.
    if (!listed.done() && !m_cancelled) {
        m_cancelled = true;
        for (int index = m_next; index < m_items.size(); ++index)
            m_summary.refused << refusal(m_items.at(index).path, listed.reason);
        m_next = int(m_items.size());
    }
}

void PictureBatch::finishWhenDone()
{
    if (m_finished || m_running > 0 || (!m_cancelled && m_next < m_items.size()))
        return;
    // What was prepared before a cancel is kept: it is ready to be listed.
    listReady(true);
    m_finished = true;
    m_add.close();
    emit progressChanged(total(), total());
    emit finished();
}
