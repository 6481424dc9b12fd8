// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/AddTransaction.h"
#include "library/PictureLibrary.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QStringList>

// Adds many pictures to the library in the background. Each is decoded and
// copied on the picture store's threads while the window goes on answering;
// they are listed in the order given, a chunk at a time with one save of the
// list per chunk, under the same rules as a single add. Other adds and
// deletes are refused until it is over; cancelling keeps what was listed.
class PictureBatch : public QObject
{
    Q_OBJECT
public:
    struct Item {
        QString path;
        bool fromFolder = false; // files of a folder that are no pictures are left out quietly
        QString refused;         // why it cannot even be tried, when that is known at once
    };
    struct Summary {
        int added = 0;
        int duplicates = 0;
        int leftOut = 0;     // files of a folder that are no picture of a kind shown
        QStringList refused; // "file: reason", one per file
        bool cancelled = false;
        PictureLibrary::Change last; // of the last file dealt with: of a batch of one, its outcome
    };

    // The files as given; of a folder, the files in it (not in its
    // sub-folders), by name.
    static QList<Item> itemsOf(const QStringList& paths);

    PictureBatch(PictureLibrary& library, QList<Item> items, QObject* parent = nullptr);
    ~PictureBatch() override;

    void start();
    void cancel();

    int total() const { return int(m_items.size()); }
    bool isFinished() const { return m_finished; }
    const Summary& summary() const { return m_summary; }

signals:
    void progressChanged(int done, int total);
    void finished();

private:
    void dispatch();
    void arrived(int index, const PictureLibrary::Addition& addition);
    void listReady(bool now);
    void finishWhenDone();

    PictureLibrary& m_library;
    QList<Item> m_items;
    // Before m_ready: copies not listed are gone before the add closes.
    AddTransaction m_add;
    QHash<int, PictureLibrary::Addition> m_ready; // by index, until listed
    int m_next = 0;                               // the next item to start
    int m_listedUpTo = 0;                         // items before this one are dealt with
    int m_running = 0;
    int m_arrived = 0;
    bool m_cancelled = false;
    bool m_finished = false;
    QElapsedTimer m_sinceListed;
    Summary m_summary;
};
