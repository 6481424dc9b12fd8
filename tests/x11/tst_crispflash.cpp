// SPDX-License-Identifier: GPL-3.0-or-later
#include "flash/FlashWindow.h"
#include "flash/StretchedPicture.h"

#include "Fakes.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

// At a scale factor of 2 the flash window covers 706 x 498 device pixels and a
// picture of that size is shown pixel for pixel: one-pixel stripes stay
// stripes, not a 353 x 249 picture stretched to a blur.
class CrispFlashTest : public QObject
{
    Q_OBJECT
private slots:
    void onePixelStripesStaySharp();
};

namespace
{

// Black and white columns, one device pixel wide, with a red first row so
// that a picture shown upside down or shifted is caught too.
QImage stripes(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, y == 0 ? qRgb(255, 0, 0) : x % 2 ? qRgb(255, 255, 255) : 0);
    return image;
}

} // namespace

void CrispFlashTest::onePixelStripesStaySharp()
{
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    FakeTimerFactory timers;
    auto* window = new FlashWindow(timers);
    const QSize device(706, 498);
    window->setPicture(stripes(device));
    window->move(20, 20);
    window->setDuration(1000);
    window->showFlash();
    QTRY_VERIFY(window->isPictureOnScreen());

    // What the X server holds for the window, in device pixels.
    QImage shown;
    QTRY_VERIFY((shown = QGuiApplication::primaryScreen()->grabWindow(window->winId()).toImage())
                    .pixel(5, 0) == qRgb(255, 0, 0));
    QCOMPARE(shown.size(), device);
    int blurred = 0;
    for (int y = 1; y < shown.height(); y += 37)
        for (int x = 0; x + 1 < shown.width(); ++x) {
            const QRgb left = shown.pixel(x, y);
            const QRgb right = shown.pixel(x + 1, y);
            if (qGray(left) > 20 && qGray(left) < 235)
                ++blurred;
            else if (qGray(left) == qGray(right))
                ++blurred;
        }
    QCOMPARE(blurred, 0);
    window->unload();
}

int main(int argc, char* argv[])
{
    // Before the application exists: the scale applies from the first window on.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    CrispFlashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crispflash.moc"
