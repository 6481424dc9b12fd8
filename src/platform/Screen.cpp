#include "platform/Screen.h"

#include "platform/Units.h"

#include <QGuiApplication>
#include <QScreen>

QSize PrimaryScreen::sizeInTwips() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return pixels * Units::TwipsPerPixel;
}

double PrimaryScreen::scaleFactor() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}
