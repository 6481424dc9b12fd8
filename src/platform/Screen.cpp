// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

QSize PrimaryScreen::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

double PrimaryScreen::scaleFactor() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}
