// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgramIcon.h"

#include "widgets/Resources.h"

QPixmap ProgramIcon::picture()
{
    Resources::ensureLoaded();
    return QPixmap(QStringLiteral(":/icon-32.png"));
}

QIcon ProgramIcon::windowIcon()
{
    Resources::ensureLoaded();
    QIcon icon(QStringLiteral(":/icon-256.png"));
    icon.addFile(QStringLiteral(":/icon-32.png"));
    return icon;
}
