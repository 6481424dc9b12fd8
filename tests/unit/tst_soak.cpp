// SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand flashes driven by the fake timers, with pictures added and
// deleted between them: every flash comes and goes, and the heap stops
// growing once warmed up.
#include "BadPictures.h"
#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "core/FlashRun.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

namespace
{

constexpr int Cycles = 10'000;
constexpr int WarmUp = 1'000;
constexpr int ChangeEvery = 50; // an add or a delete every so many flashes
// The store keeps a few thumbnails and flash pictures at hand, bounded; a
// picture of the pool first added after the warm-up brings its own. A leak of
// a few hundred bytes a cycle goes well beyond this.
constexpr qint64 GrowthLimitKb = 2048;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer keeps its own heap, which the C library cannot see, so the
// heap figure says nothing here; the leak check at exit does.
constexpr bool HeapFigureMeaningful = false;
#else
constexpr bool HeapFigureMeaningful = true;
#endif

// Lets the flash window show and paint without waiting on a clock.
bool settle(const std::function<bool()>& done)
{
    QTimer wake; // waits for events, each wait ending within 10 ms should none come
    wake.start(10);
    for (QDeadlineTimer deadline(5000); !done() && !deadline.hasExpired();) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT
private slots:
    void tenThousandFlashesWithAddsAndDeletes();
};

void SoakTest::tenThousandFlashesWithAddsAndDeletes()
{
    LibraryFixture f;
    QStringList pool;
    for (int i = 0; i < 12; ++i)
        pool << f.userPicture(QStringLiteral("user %1.jpg").arg(i),
                              QColor::fromHsv(i * 30, 200, 200));
    f.prepare(pictureNames(6), {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow});
    f.start();

    QRandomGenerator random(10000);
    QTest::mouseClick(child<QPushButton>(f.window.get(), "cmdProceed"), Qt::LeftButton);
    FakeTimer* interval = f.test.timers.find(FlashRun::IntervalTimerName);
    QVERIFY(interval);

    int adds = 0;
    int deletes = 0;
    int missed = 0;
    qint64 residentAfterWarmUp = 0;
    qint64 heapAfterWarmUp = 0;
    for (int cycle = 1; cycle <= Cycles; ++cycle) {
        if (cycle % ChangeEvery == 0) {
            const int count = f.library->rowCount();
            if (count > 3 && (count > 10 || random.bounded(2) == 0)) {
                f.select(int(random.bounded(count)));
                f.deleteSelected();
                ++deletes;
            } else {
                f.add(pool.at(int(random.bounded(int(pool.size())))));
                adds += f.library->rowCount() > count;
            }
            f.test.dialogs.messages.clear(); // a picture already listed is refused
        }
        if (!interval->fire()) {
            ++missed;
            continue;
        }
        FlashWindows& windows = f.window->flashWindows();
        if (!settle([&windows] {
                return windows.current() && windows.current()->isPictureOnScreen();
            })) {
            ++missed;
            continue;
        }
        f.test.timers.find(FlashWindow::FlashTimerName)->fire();
        if (!settle([&f] { return !f.window->flashWindows().current(); }))
            ++missed;
        if (cycle == WarmUp) {
            residentAfterWarmUp = ProcessMemory::resident();
            heapAfterWarmUp = ProcessMemory::heapInUse();
        }
    }
    QTest::mouseClick(child<QPushButton>(f.window.get(), "cmdProceed"), Qt::LeftButton);
    // Resident memory creeps by a megabyte or two with fragmentation alone
    // and is only reported; the bytes the heap hands out must stay flat.
    const qint64 residentGrowth = ProcessMemory::resident() - residentAfterWarmUp;
    const qint64 growth = ProcessMemory::heapInUse() - heapAfterWarmUp;
    const QStringList listed = f.library->entries();

    int lost = 0;
    for (const QString& entry : listed)
        lost += !QFile::exists(f.test.copiesFolder() + u'/' + entry);
    qInfo("soak: %d flash cycles, %d adds, %d deletes, %d flashes missed, %d listed pictures "
          "lost (both must be 0); after %d warm-up cycles the heap grew by %lld kB, resident "
          "memory by %lld kB%s",
          Cycles, adds, deletes, missed, lost, WarmUp, growth, residentGrowth,
          HeapFigureMeaningful ? "" : " (not checked under the address sanitizer)");
    QCOMPARE(missed, 0);
    QCOMPARE(lost, 0);
    QCOMPARE(PictureListFile::load(f.test.listFile()), listed);
    QVERIFY(adds > 0 && deletes > 0);
    if (HeapFigureMeaningful)
        QVERIFY(growth < GrowthLimitKb);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
