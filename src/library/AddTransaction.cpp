// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/AddTransaction.h"

#include <QDir>

AddTransaction::AddTransaction(PictureLibrary& library) : m_library(library) {}

AddTransaction::Change AddTransaction::open()
{
    if (m_library.isBusy())
        return m_library.refuseWhileBusy();
    Change folder = m_library.makeCopiesFolder(&m_madeFolder);
    if (!folder.done())
        return folder;
    m_library.setBusy(true);
    m_open = true;
    return {};
}

AddTransaction::Admission AddTransaction::admit(const QString& source)
{
    Admission admission;
    admission.change = m_library.check(source, m_reserved, &admission.name, &admission.target);
    if (admission.change.done()) {
        m_reserved.insert(admission.name);
        m_library.pending().notePlacing({admission.name});
    }
    return admission;
}

PendingCopies* AddTransaction::journal() const
{
    return &m_library.pending();
}

AddTransaction::Change AddTransaction::commit(QList<Addition>& additions)
{
    Change listed = m_library.commit(additions);
    QStringList names;
    for (Addition& addition : additions) {
        if (listed.done() && addition.change.done())
            ++m_listed;
        // Listed, or already rolled back by the refused commit.
        addition.copy.reset();
        m_reserved.remove(addition.name);
        names << addition.name;
    }
    m_library.pending().done(names);
    return listed;
}

void AddTransaction::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_madeFolder && m_listed == 0)
        QDir().rmdir(m_library.folder().copiesFolder());
    m_library.setBusy(false);
}
