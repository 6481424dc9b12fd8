// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureLibrary.h"

#include <QSet>
#include <QString>

// One add to the library, of one picture or of many, each listed whole or not
// at all. It owns what the add puts on the disk before its pictures are
// listed: their names in the journal of pending copies, written before a copy
// is placed and cleared once it is listed or gone, and the placed copies
// (an Addition's copy goes unless it is listed). While it is open, other adds
// and deletes are refused; when it closes, a copies folder it made for
// nothing goes.
class AddTransaction
{
public:
    using Change = PictureLibrary::Change;
    using Addition = PictureLibrary::Addition;

    // What admit() decided for one picture.
    struct Admission {
        Change change; // Done: its copy may be prepared
        QString name;  // the entry it becomes
        QString target;
    };

    explicit AddTransaction(PictureLibrary& library);
    AddTransaction(const AddTransaction&) = delete;
    AddTransaction& operator=(const AddTransaction&) = delete;
    ~AddTransaction() { close(); }

    // Refused while another change of the library is open, or when the
    // copies folder cannot be made.
    Change open();
    // Decides from the name alone, on this thread, whether source may be
    // added: a listed name or one already on its way in is a Duplicate. The
    // name of an admitted picture is in the journal when this returns, so its
    // copy may be placed (PictureLibrary::prepare(), on any thread).
    Admission admit(const QString& source);
    // Where PictureLibrary::prepare() records an admitted picture's copy, just
    // before it takes its place; safe on any thread.
    PendingCopies* journal() const;
    // Lists the additions that are done, in order, with one save of the list;
    // on a refusal none is listed. Afterwards each of their copies is listed
    // or gone, and the journal forgets their names.
    Change commit(QList<Addition>& additions);
    // Ends the add; the library takes other changes again.
    void close();

    int listedCount() const { return m_listed; }

private:
    PictureLibrary& m_library;
    QSet<QString> m_reserved; // names admitted and not yet committed
    bool m_open = false;
    bool m_madeFolder = false;
    int m_listed = 0;
};
