// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QTemporaryFile>

// New content for a file, written to a temporary file beside it (named as
// SideFiles has it) and renamed over it in one step: a crash leaves the old
// file or the new one whole, and at worst a temporary file that the clean-up
// at the next start removes. Every write is checked, and unless told not to
// the content is synced before the rename. Not QSaveFile: it ignores a failed
// sync and names its temporary files its own way, which the clean-up would
// not know.
class AtomicFile
{
public:
    enum class Sync { BeforeRename, Never };

    explicit AtomicFile(const QString& target, Sync sync = Sync::BeforeRename);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Makes the temporary file; false with the reason when none can be made.
    bool open(QString* error);
    // The mode of the new file; the temporary file's own is for the owner only.
    void setPermissions(QFileDevice::Permissions permissions);
    // The file descriptor, for what else the file is given (a mode by fchmod).
    int handle() const { return m_file.handle(); }

    bool write(const QByteArray& bytes, QString* error);
    // Syncs now, when the caller has to know the content is safe before it
    // moves anything else out of the way.
    bool sync(QString* error);
    // Syncs what was not yet and renames over the target. Until then, or when
    // that fails, the target is untouched and the temporary file goes with
    // this object.
    bool commit(QString* error);

private:
    QString m_target;
    QTemporaryFile m_file;
    Sync m_sync;
    bool m_synced = false;
};
