// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// Puts a copy of a file in place whole or not at all: the copy is written to a
// temporary file beside its target, every write checked and synced, then
// renamed over the target. A file that stood at the target is kept aside until
// the copy is committed, so rollback() leaves the folder as it was.
class PlacedCopy
{
    Q_DECLARE_TR_FUNCTIONS(PlacedCopy)

public:
    PlacedCopy() = default;
    PlacedCopy(const PlacedCopy&) = delete;
    PlacedCopy& operator=(const PlacedCopy&) = delete;
    // Neither committed nor rolled back: the copy stays, the kept file goes.
    ~PlacedCopy();

    // Returns false with a reason when the target was left untouched.
    // beforePlacing, when given, is called with the copy, written, synced and
    // still open, just before it takes its place (a journal records it then).
    bool place(const QString& source, const QString& target, QString* error,
               const std::function<void(int fd)>& beforePlacing = {});

    void commit();
    void rollback();

private:
    QString m_target;
    QString m_keptAside; // what stood at the target before, renamed
    bool m_placed = false;
};
