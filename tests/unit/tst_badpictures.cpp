// SPDX-License-Identifier: GPL-3.0-or-later
// Bad picture files listed at start-up or offered to Add: nothing crashes or
// hangs, memory stays bounded, every good picture beside them still loads and
// flashes, and Add refuses each with a message and changes nothing.
#include "BadPictures.h"
#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "core/FlashRun.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"
#include "flash/StretchedPicture.h"
#include "library/PictureLibrary.h"
#include "settings/SettingsPanel.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace
{
constexpr qint64 PeakLimitKb = 300 * 1024;
}

class BadPicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void badPicturesAtStartUpLeaveTheGoodOnesWorking();
    void badPicturesOfferedToAddAreRefused();
};

void BadPicturesTest::badPicturesAtStartUpLeaveTheGoodOnesWorking()
{
    const QList<BadPictures::File> bad = BadPictures::all();
    const QList<QColor> goodColours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
    LibraryFixture f;
    // Good and bad pictures in turn, so every good one has a bad neighbour.
    QStringList entries;
    QHash<QString, QColor> good;
    QStringList mayDecode;
    for (qsizetype i = 0; i < bad.size(); ++i) {
        if (i % 3 == 0) {
            const QString name = QStringLiteral("good %1.jpg").arg(i);
            const QColor colour = goodColours.at(good.size() % goodColours.size());
            QVERIFY(TestPictures::jpeg(f.test.copiesFolder() + u'/' + name, colour, {640, 480}));
            entries << name;
            good.insert(name, colour);
        }
        QVERIFY(BadPictures::write(bad.at(i), f.test.copiesFolder() + u'/' + bad.at(i).name));
        entries << bad.at(i).name;
        if (bad.at(i).mayDecode)
            mayDecode << bad.at(i).name;
    }
    f.prepare(entries);

    const qint64 peakBefore = ProcessMemory::peak();
    f.start();
    const qint64 peakGrowth = ProcessMemory::peak() - peakBefore;

    // Every good picture is in its slot; the bad ones have none.
    QCOMPARE(f.library->slotCount(), entries.size());
    QHash<int, QColor> goodSlots;
    for (int slot = 1; slot <= f.library->slotCount(); ++slot) {
        const QString name = entries.at(slot - 1);
        QCOMPARE(f.library->slotPath(slot).section(u'/', -1), name);
        if (good.contains(name)) {
            QVERIFY2(!f.library->flashPictureNow(slot).isNull(), qPrintable(name));
            QVERIFY(similarColour(f.slotColour(slot), good.value(name)));
            goodSlots.insert(slot, good.value(name));
        } else if (!mayDecode.contains(name)) {
            QVERIFY2(f.library->flashPictureNow(slot).isNull(), qPrintable(name));
        }
    }

    // One round of flashes in list order shows every good picture.
    child<QRadioButton>(f.window.get(), "optDisplayOrder_1")->setChecked(true);
    child<QRadioButton>(f.window.get(), "optLocation_1")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(f.window.get(), "cmdProceed"), Qt::LeftButton);
    FakeTimer* interval = f.test.timers.find(FlashRun::IntervalTimerName);
    QVERIFY(interval);
    int flashedGood = 0;
    // A picture that cannot be read is passed over: each flash shows the next readable one.
    QList<int> readable;
    for (int slot = 1; slot <= f.library->slotCount(); ++slot)
        if (!f.library->flashPictureNow(slot).isNull())
            readable << slot;
    for (const int slot : std::as_const(readable)) {
        QVERIFY(interval->fire());
        QTRY_VERIFY(f.window->flashWindows().current());
        FlashWindow* flash = f.window->flashWindows().current();
        QTRY_VERIFY(flash->isPictureOnScreen());
        if (goodSlots.contains(slot)) {
            const QImage screen =
                child<StretchedPicture>(flash, "imgPictureDisplay")->grab().toImage();
            const QColor shown = screen.pixelColor(screen.width() * 3 / 4, screen.height() / 4);
            QVERIFY2(similarColour(shown, goodSlots.value(slot)), qPrintable(entries[slot - 1]));
            ++flashedGood;
        }
        QVERIFY(f.test.timers.find(FlashWindow::FlashTimerName)->fire());
        QTRY_VERIFY(!f.window->flashWindows().current());
    }
    QTest::mouseClick(child<QPushButton>(f.window.get(), "cmdProceed"), Qt::LeftButton);

    qInfo("start-up: %lld bad pictures listed beside %lld good ones; %d good loaded and "
          "flashed, 0 lost; peak memory grew by %lld kB (limit %lld kB)",
          qlonglong(bad.size()), qlonglong(good.size()), flashedGood, peakGrowth, PeakLimitKb);
    QCOMPARE(flashedGood, good.size());
    QVERIFY(peakGrowth < PeakLimitKb);
}

void BadPicturesTest::badPicturesOfferedToAddAreRefused()
{
    const QList<BadPictures::File> bad = BadPictures::all();
    LibraryFixture f;
    f.prepare({QStringLiteral("kept.jpg")}, {Qt::red});
    f.start();
    const LibrarySnapshot before = f.snapshot();

    const qint64 peakBefore = ProcessMemory::peak();
    int refused = 0;
    int added = 0;
    for (const BadPictures::File& file : bad) {
        const QString path = f.userFolder.filePath(file.name);
        QVERIFY(BadPictures::write(file, path));
        f.test.dialogs.messages.clear();
        f.add(path);
        if (file.mayDecode && f.test.dialogs.messages.isEmpty()) {
            // Taken as a picture: then whole, listed with its copy, and deleted again.
            QCOMPARE(f.library->entries(), QStringList({"kept.jpg", file.name}));
            QVERIFY(QFile::exists(f.test.copiesFolder() + u'/' + file.name));
            f.select(1);
            f.deleteSelected();
            QCOMPARE(f.snapshot(), before);
            ++added;
            continue;
        }
        QCOMPARE(f.test.dialogs.messages.size(), 1);
        QVERIFY2(
            f.test.dialogs.messages.first().text.contains(QStringLiteral("could not be added")),
            qPrintable(f.test.dialogs.messages.first().text));
        // Refused before its decode takes memory.
        if (file.refusal)
            QVERIFY(f.test.dialogs.messages.first().text.contains(file.refusal));
        QCOMPARE(f.snapshot(), before);
        ++refused;
    }
    const qint64 peakGrowth = ProcessMemory::peak() - peakBefore;
    qInfo("add: %lld bad pictures offered, %d refused with a message and nothing changed, %d "
          "odd but readable ones added whole; peak memory grew by %lld kB",
          qlonglong(bad.size()), refused, added, peakGrowth);
    QVERIFY(peakGrowth < PeakLimitKb);
}

QTEST_MAIN(BadPicturesTest)
#include "tst_badpictures.moc"
