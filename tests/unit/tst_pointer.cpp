// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"
#include "web/ExitScreen.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/Resources.h"

#include "Children.h"
#include "Fakes.h"

#include <QPushButton>
#include <QTest>

// The pointing hand over the program's links is its own picture, with the
// tip of the finger as the hot spot.
class PointerTest : public QObject
{
    Q_OBJECT
private slots:
    void handIsTheProgramsPictureWithTheFingertipAsHotSpot();
    void everyLinkOfTheMainWindowAndExitScreenShowsIt();
};

namespace
{
void verifyHand(const QWidget* widget)
{
    const QCursor cursor = widget->cursor();
    QVERIFY2(cursor.shape() == Qt::BitmapCursor, qPrintable(widget->objectName()));
    QCOMPARE(cursor.hotSpot(), QPoint(12, 2));
    QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
}
} // namespace

void PointerTest::handIsTheProgramsPictureWithTheFingertipAsHotSpot()
{
    Resources::ensureLoaded();
    const QImage picture(QStringLiteral(":/pointing-hand.png"));
    QCOMPARE(picture.size(), QSize(32, 32));
    const QCursor hand = Look::pointingHand();
    // The same outline (colours of the soft edge may round differently).
    const QImage shown = hand.pixmap().toImage();
    QCOMPARE(shown.size(), picture.size());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            QCOMPARE(qAlpha(shown.pixel(x, y)), qAlpha(picture.pixel(x, y)));
    // The hot spot sits on the finger's tip: the finger below it, nothing above.
    const QPoint hot = hand.hotSpot();
    QVERIFY(qAlpha(picture.pixel(hot.x(), hot.y() + 1)) > 200);
    QCOMPARE(qAlpha(picture.pixel(hot.x(), 0)), 0);
}

void PointerTest::everyLinkOfTheMainWindowAndExitScreenShowsIt()
{
    TestServices fakes;
    MainWindow window(fakes.services);
    const QList<LinkLabel*> links = window.findChildren<LinkLabel*>();
    QCOMPARE(links.size(), 3);
    for (const LinkLabel* link : links)
        verifyHand(link);

    std::unique_ptr<ExitScreen> screen(ExitScreen::showNew(fakes.services, [] {}));
    verifyHand(child<QPushButton>(screen.get(), "Check1"));
    verifyHand(child<LinkLabel>(screen.get(), "lblGoToHome"));
}

QTEST_MAIN(PointerTest)
#include "tst_pointer.moc"
