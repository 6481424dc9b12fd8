// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::openWebAddress(const QString& address)
{
    // The address arrives already encoded; keep it byte for byte.
    QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}
