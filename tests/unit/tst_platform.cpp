// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services, on temporary folders.
#include "FileModesApply.h"
#include "library/LibraryLocation.h"
#include "pictures/PictureCache.h"
#include "platform/FileFilter.h"
#include "platform/HomeFolder.h"
#include "platform/InstanceIndicator.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtTimer.h"
#include "platform/Random.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class PlatformTest : public QObject
{
    Q_OBJECT
private slots:
    void timerWithPeriodZeroNeverFires();
    void timerFiresOnlyWhileEnabled();
    void settingsStoreKeepsTextPerApplication();
    void settingsStoreSurvivesACorruptFile();
    void instanceIndicatorIsHeldUntilItsOwnerGoes();
    void instanceIndicatorIgnoresALockOfADeadProcess();
    void randomNumbersStayBelowOne();
    void fileFilterKeepsDescriptionsAsStored();
    void libraryStaysInAProgramFolderThatCanHoldIt_data();
    void libraryStaysInAProgramFolderThatCanHoldIt();
    void withoutAHomeFolderNothingIsWrittenUnderTheRoot();
    void homeFolderNoticeNamesWhatIsLost_data();
    void homeFolderNoticeNamesWhatIsLost();
};

// QTimer's own interval 0 means "fire whenever idle"; ours means never. Let the
// event loop go idle a few times and see that nothing fired.
void PlatformTest::timerWithPeriodZeroNeverFires()
{
    QtTimer timer;
    QSignalSpy ticks(&timer, &Timer::timeout);
    timer.setEnabled(true);
    timer.setInterval(0);
    int idleRounds = 0;
    QTimer idle;
    connect(&idle, &QTimer::timeout, [&] { ++idleRounds; });
    idle.start(0);
    QTRY_VERIFY(idleRounds >= 20);
    QCOMPARE(ticks.count(), 0);
    QVERIFY(timer.isEnabled());
    QVERIFY(!timer.isRunning());
}

void PlatformTest::timerFiresOnlyWhileEnabled()
{
    QtTimer timer;
    QSignalSpy ticks(&timer, &Timer::timeout);
    timer.setInterval(5);
    QVERIFY(!timer.isRunning());
    timer.setEnabled(true);
    QTRY_VERIFY(ticks.count() >= 2);
    timer.setEnabled(false);
    const auto seen = ticks.count();
    int idleRounds = 0;
    QTimer idle;
    connect(&idle, &QTimer::timeout, [&] { ++idleRounds; });
    idle.start(1);
    QTRY_VERIFY(idleRounds >= 20);
    QCOMPARE(ticks.count(), seen);
}

void PlatformTest::settingsStoreKeepsTextPerApplication()
{
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    QCOMPARE(store.read("app", "settings", "DispInterval"), QString());
    store.write("app", "settings", "DispInterval", "3");
    store.write("other", "settings", "DispInterval", "7");
    QCOMPARE(QtSettingsStore(dir.path()).read("app", "settings", "DispInterval"), "3");
    QCOMPARE(store.read("other", "settings", "DispInterval"), "7");
    QVERIFY(QFile::exists(dir.filePath("app.conf")));
    // A list of days as a person writes it by hand, which the INI reader splits.
    QFile edited(dir.filePath("edited.conf"));
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("[schedule]\nDays=Mon,Tue, Wed\n");
    edited.close();
    QCOMPARE(store.read("edited", "schedule", "Days"), "Mon,Tue,Wed");
}

void PlatformTest::settingsStoreSurvivesACorruptFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("app.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x00\xff[settings\nDispInterval=1,2,3\n=\n[[[\nDispOrder\n", 47);
    file.close();
    QtSettingsStore store(dir.path());
    QCOMPARE(store.read("app", "settings", "DispInterval"), QString()); // under a broken header
    QCOMPARE(store.read("app", "settings", "DispOrder"), QString());
    store.write("app", "settings", "DispOrder", "1");
    QCOMPARE(store.read("app", "settings", "DispOrder"), "1");
}

void PlatformTest::instanceIndicatorIsHeldUntilItsOwnerGoes()
{
    QTemporaryDir dir;
    auto first = std::make_unique<LockFileInstanceIndicator>("app", dir.path());
    QVERIFY(!first->anotherInstanceRunning());
    LockFileInstanceIndicator second("app", dir.path());
    QVERIFY(second.anotherInstanceRunning());
    QVERIFY(!LockFileInstanceIndicator("other", dir.path()).anotherInstanceRunning());
    first.reset();
    QVERIFY(!LockFileInstanceIndicator("app", dir.path()).anotherInstanceRunning());
}

void PlatformTest::instanceIndicatorIgnoresALockOfADeadProcess()
{
    QTemporaryDir dir;
    QProcess gone;
    gone.start("true");
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());
    // A lock as a killed instance leaves it: ours, with the dead process's id.
    QByteArray content;
    {
        QLockFile real(dir.filePath("app.lock"));
        QVERIFY(real.tryLock(0));
        QFile file(dir.filePath("app.lock"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        content = file.readAll();
    }
    content = QByteArray::number(deadPid) + content.mid(content.indexOf('\n'));
    QFile lock(dir.filePath("app.lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(content);
    lock.close();
    QVERIFY(!LockFileInstanceIndicator("app", dir.path()).anotherInstanceRunning());
}

void PlatformTest::randomNumbersStayBelowOne()
{
    MersenneRandom random;
    random.seed(42);
    double low = 1, high = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        QVERIFY(r >= 0 && r < 1);
        low = qMin(low, r);
        high = qMax(high, r);
    }
    QVERIFY(low < 0.001 && high > 0.999);
    MersenneRandom again;
    again.seed(42);
    random.seed(42);
    QCOMPARE(again.next(), random.next());
}

void PlatformTest::fileFilterKeepsDescriptionsAsStored()
{
    QCOMPARE(FileFilter::toQtFilters(
                 "BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg"),
             QStringList({"BMP File (*.bmp*) (*.bmp)", "JPG File(*.jpg) (*.jpg)",
                          "JPEG Files (*.jpeg) (*.jpeg)"}));
}

void PlatformTest::libraryStaysInAProgramFolderThatCanHoldIt_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("present");
    QTest::addColumn<bool>("inProgramFolder");
    QTest::newRow("writable, empty") << 0x7755 << QString() << true;
    QTest::newRow("read-only, empty: a system install") << 0x5555 << QString() << false;
    QTest::newRow("read-only, with a list") << 0x5555 << "record.txt" << true;
    QTest::newRow("read-only, with copies") << 0x5555 << "SystemFolder" << true;
}

void PlatformTest::libraryStaysInAProgramFolderThatCanHoldIt()
{
    QFETCH(int, mode);
    QFETCH(QString, present);
    QFETCH(bool, inProgramFolder);
    QTemporaryDir root;
    const QString program = root.filePath("lib");
    QVERIFY(QDir().mkpath(program + '/' + present)); // a folder named record.txt will do
    QVERIFY(QFile::setPermissions(program, QFile::Permissions(mode)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("data")));
    const QString data = LibraryLocation::userDataFolder();
    QCOMPARE(data, root.filePath("data/zorvik-subliminal-images"));
    QString chosen;
    {
        APPLY_FILE_MODES();
        chosen = LibraryLocation::choose(program, data);
    }
    QFile::setPermissions(program, QFile::Permissions(0x7755));
    QCOMPARE(chosen, inProgramFolder ? program : data);
    QVERIFY(!QFileInfo::exists(data)); // made by the first add, not before
}

QTEST_GUILESS_MAIN(PlatformTest)
// Qt would take "/" for the home folder; the cache would then sweep the
// working folder. There is no folder then, and nothing is touched.
void PlatformTest::withoutAHomeFolderNothingIsWrittenUnderTheRoot()
{
    QTemporaryDir working;
    QVERIFY(QDir::setCurrent(working.path()));
    QVERIFY(QFile(working.filePath("stranger.pic")).open(QIODevice::WriteOnly));
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
    QVERIFY(HomeFolder::config().isEmpty() && HomeFolder::cache().isEmpty());
    QVERIFY(PictureCache::defaultFolder().isEmpty());
    QCOMPARE(PictureCache(PictureCache::defaultFolder(), {{8, 8}, {4, 4}}).sweep(), 0);
    QVERIFY(QFile::exists(working.filePath("stranger.pic")));
}

#include "tst_platform.moc"

void PlatformTest::homeFolderNoticeNamesWhatIsLost_data()
{
    QTest::addColumn<QStringList>("variables"); // HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME
    QTest::addColumn<QString>("lost");
    const QString both = "settings and prepared pictures are kept";
    QTest::newRow("home") << QStringList{"/h", "", ""} << QString();
    QTest::newRow("no folders") << QStringList{"", "", ""} << both;
    QTest::newRow("settings folder") << QStringList{"", "/c", ""} << "prepared pictures are kept";
    QTest::newRow("cache folder") << QStringList{"", "", "/k"} << "settings are kept";
    QTest::newRow("both folders") << QStringList{"", "/c", "/k"} << QString();
}

void PlatformTest::homeFolderNoticeNamesWhatIsLost()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, lost);
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(name, variables.takeFirst().toUtf8());
    const QString notice = HomeFolder::notice();
    QVERIFY2(lost.isEmpty() ? notice.isEmpty()
                            : notice.endsWith(": " + lost + " only while the program runs."),
             qPrintable(notice));
}
