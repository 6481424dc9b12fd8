// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The files a change makes beside the file it changes: the new content while
// it is written (".record.txt.saving-Ab3dE9") and the old file set aside
// until the change is committed (".photo.jpg.kept-Ab3dE9"). They are hidden,
// named after their target and made unique by QTemporaryFile. A crash can
// leave them behind; removeLeftovers() clears them at the next start, and
// those that older versions named their own way.
namespace SideFiles
{

// QTemporaryFile templates beside target.
QString temporaryTemplate(const QString& target);
QString setAsideTemplate(const QString& target);

// Which leftovers to remove.
struct Leftovers {
    QString target; // all those in the folder when empty
    QStringList keep;
    qint64 minimumAgeSeconds = 0;

    // Those of the file of this name only.
    static Leftovers of(const QString& target) { return {target, {}, 0}; }
    // All but the names in keep: the user's own files that look like ours.
    static Leftovers allBut(const QStringList& keep) { return {{}, keep, 0}; }
    // All that are older than this: younger ones may be writes still under
    // way in another thread.
    static Leftovers olderThan(qint64 seconds) { return {{}, {}, seconds}; }
};

// Removes the side files that changes cut short left in folder. Returns how many.
int removeLeftovers(const QString& folder, const Leftovers& which);

} // namespace SideFiles
