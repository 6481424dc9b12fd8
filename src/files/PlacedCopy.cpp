// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/PlacedCopy.h"

#include "files/AtomicFile.h"
#include "files/FileWrite.h"
#include "files/SideFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace
{

constexpr qint64 ChunkSize = 1 << 20;

using FileWrite::renameOver;

// lstat(): a dangling link at the target is something to keep aside too.
bool somethingAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

PlacedCopy::~PlacedCopy()
{
    commit();
}

bool PlacedCopy::place(const QString& source, const QString& target, QString* error,
                       const std::function<void(int fd)>& beforePlacing)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(tr("It cannot be read: %1").arg(in.errorString()));

    const QString folder = QFileInfo(target).absolutePath();
    AtomicFile out(target);
    QString reason;
    if (!out.open(&reason))
        return fail(tr("No file can be made in %1: %2").arg(folder, reason));
    // As a plain copy would have it, not the temporary file's owner-only mode.
    out.setPermissions(in.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    QByteArray buffer;
    for (;;) {
        buffer = in.read(ChunkSize);
        if (buffer.isEmpty()) {
            if (in.error() != QFileDevice::NoError || !in.atEnd())
                return fail(tr("It cannot be read: %1").arg(in.errorString()));
            break;
        }
        if (!out.write(buffer, &reason))
            return fail(tr("The copy cannot be written: %1").arg(reason));
    }
    // Synced before the file at the target is moved aside.
    if (!out.sync(&reason))
        return fail(tr("The copy cannot be written: %1").arg(reason));
    if (beforePlacing)
        beforePlacing(out.handle());

    if (somethingAt(target)) {
        QTemporaryFile reserved(SideFiles::setAsideTemplate(target));
        if (!reserved.open())
            return fail(tr("No file can be made in %1: %2").arg(folder, reserved.errorString()));
        reserved.setAutoRemove(false);
        const QString keptAside = reserved.fileName();
        reserved.close();
        if (!renameOver(target, keptAside, &reason)) {
            QFile::remove(keptAside);
            return fail(tr("%1 cannot be replaced: %2").arg(target, reason));
        }
        m_keptAside = keptAside;
    }
    if (!out.commit(&reason)) {
        if (!m_keptAside.isEmpty())
            renameOver(m_keptAside, target);
        m_keptAside.clear();
        return fail(tr("%1 cannot be written: %2").arg(target, reason));
    }
    m_target = target;
    m_placed = true;
    return true;
}

void PlacedCopy::commit()
{
    if (!m_keptAside.isEmpty())
        QFile::remove(m_keptAside);
    m_keptAside.clear();
    m_placed = false;
}

void PlacedCopy::rollback()
{
    if (!m_placed)
        return;
    if (m_keptAside.isEmpty())
        QFile::remove(m_target);
    else
        renameOver(m_keptAside, m_target);
    m_keptAside.clear();
    m_placed = false;
}
