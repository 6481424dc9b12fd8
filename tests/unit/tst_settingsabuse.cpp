// The settings file as the user's machine may leave it: garbage, values out
// of range, unwritable, or locked by a process long gone. The panel restores
// a default for each value it cannot use, saving never hangs, and a file that
// could not be replaced is left as it was.
#include "platform/QtSettingsStore.h"
#include "settings/SettingsPanel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString App = QStringLiteral("zorvik-subliminal-images");
// Far beyond any real read or write; only a hang takes this long.
constexpr qint64 HangMs = 10'000;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A panel as the main window's start-up prepares it.
struct Panel : SettingsPanel {
    Panel()
    {
        fillLists();
        selectFirstItems();
    }
};

// Restores a fresh panel from the store, as the program does at start-up.
DisplaySettings restored(QtSettingsStore& store)
{
    Panel panel;
    panel.restore(store, App);
    return panel.current();
}

} // namespace

char* toString(const DisplaySettings& s)
{
    return qstrdup(QStringLiteral("{interval %1, duration %2, location %3, order %4}")
                       .arg(s.interval)
                       .arg(s.duration)
                       .arg(s.location)
                       .arg(s.order)
                       .toUtf8()
                       .constData());
}

Q_DECLARE_METATYPE(DisplaySettings)

class SettingsAbuseTest : public QObject
{
    Q_OBJECT
private slots:
    void garbageFilesRestoreDefaultsAndCanBeSavedOver();
    void valuesOutOfRangeFallBackOneByOne_data();
    void valuesOutOfRangeFallBackOneByOne();
    void unwritablePlacesRestoreDefaultsAndSaveDoesNotHang_data();
    void unwritablePlacesRestoreDefaultsAndSaveDoesNotHang();
    void staleLockFileDoesNotBlock_data();
    void staleLockFileDoesNotBlock();
    void cleanupTestCase();

private:
    int m_inputs = 0;
};

void SettingsAbuseTest::garbageFilesRestoreDefaultsAndCanBeSavedOver()
{
    QRandomGenerator random(42);
    constexpr int Files = 60;
    const QByteArray pieces[] = {"[settings]\n",
                                 "DispInterval=",
                                 "DispDuration=",
                                 "\"",
                                 "\\",
                                 "=",
                                 ",",
                                 "\r",
                                 "\n",
                                 "[",
                                 "]",
                                 "%",
                                 "@Variant(",
                                 "\0",
                                 "\xFF",
                                 "\xEF\xBB\xBF",
                                 "3",
                                 "-1",
                                 "999999999999"};
    int defaults = 0;
    for (int i = 0; i < Files; ++i) {
        QTemporaryDir dir;
        QtSettingsStore store(dir.path());
        QByteArray bytes;
        const int count = int(random.bounded(1, 200));
        for (int k = 0; k < count; ++k) {
            if (random.bounded(3) == 0)
                bytes += char(random.bounded(256));
            else
                bytes += pieces[random.bounded(int(std::size(pieces)))];
        }
        QVERIFY(writeFile(store.fileFor(App), bytes));

        const DisplaySettings read = restored(store);
        // Whatever the garbage held, every value is one the panel offers.
        QVERIFY(read.interval >= 0 && read.interval < DisplaySettings::intervalItems().size());
        QVERIFY(read.duration >= 0 && read.duration < DisplaySettings::durationItems().size());
        QVERIFY(read.location == 0 || read.location == 1);
        QVERIFY(read.order == 0 || read.order == 1);
        defaults += read == DisplaySettings{};

        // Saving over the garbage gives a file that restores what was saved.
        Panel panel;
        const DisplaySettings wanted{int(random.bounded(25)), int(random.bounded(14)), 1, 1};
        panel.apply(wanted);
        panel.save(store, App);
        QCOMPARE(restored(store), wanted);
    }
    m_inputs += Files;
    qInfo("corrupt settings files: %d tried, %d restored all defaults, 0 crashes, all saved over",
          Files, defaults);
}

void SettingsAbuseTest::valuesOutOfRangeFallBackOneByOne_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<DisplaySettings>("expected");
    QTest::newRow("beyond the lists")
        << QByteArray("[settings]\nDispInterval=25\nDispDuration=14\nDispLocation=3\n"
                      "DispOrder=2\n")
        << DisplaySettings{0, 0, 1, 1}; // any other location is the centre, order the list's
    QTest::newRow("one bad among good")
        << QByteArray("[settings]\nDispInterval=4\nDispDuration=abc\nDispLocation=1\n"
                      "DispOrder=1\n")
        << DisplaySettings{4, 0, 1, 1};
    QTest::newRow("lists and quotes")
        << QByteArray("[settings]\nDispInterval=\"7\"\nDispDuration=1,2\nDispLocation=\" 1\"\n"
                      "DispOrder=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x2)\n")
        << DisplaySettings{7, 0, 1, 0};
    QTest::newRow("huge and negative")
        << QByteArray("[settings]\nDispInterval=-0\nDispDuration=18446744073709551617\n"
                      "DispLocation=-1\nDispOrder=1e0\n")
        << DisplaySettings{0, 0, 1, 0};
    QTest::newRow("keys twice, last one wins or first: either is in range")
        << QByteArray("[settings]\nDispInterval=2\nDispInterval=99\nDispDuration=3\n")
        << DisplaySettings{-1, 3, 0, 0};
}

void SettingsAbuseTest::valuesOutOfRangeFallBackOneByOne()
{
    QFETCH(QByteArray, file);
    QFETCH(DisplaySettings, expected);
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    QVERIFY(writeFile(store.fileFor(App), file));
    DisplaySettings read = restored(store);
    if (expected.interval < 0) {
        QVERIFY(read.interval == 2 || read.interval == 0);
        read.interval = expected.interval;
    }
    QCOMPARE(read, expected);
    ++m_inputs;
}

void SettingsAbuseTest::unwritablePlacesRestoreDefaultsAndSaveDoesNotHang_data()
{
    QTest::addColumn<QString>("kind");
    // Root ignores file modes, so these are made unwritable by their kind.
    QTest::newRow("settings file is a folder") << "file is folder";
    QTest::newRow("config folder is a file") << "folder is file";
    QTest::newRow("config folder is a dangling link") << "dangling link";
}

void SettingsAbuseTest::unwritablePlacesRestoreDefaultsAndSaveDoesNotHang()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("config"));
    if (kind == "file is folder") {
        QVERIFY(QDir().mkpath(folder + u'/' + App + QStringLiteral(".conf")));
    } else if (kind == "folder is file") {
        QVERIFY(writeFile(folder, "[settings]\nDispInterval=3\n"));
    } else {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone/away")), folder));
    }
    QtSettingsStore store(folder);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(restored(store), DisplaySettings{});
    Panel panel;
    panel.apply({3, 4, 1, 1});
    panel.save(store, App);
    QCOMPARE(restored(store), DisplaySettings{});
    QVERIFY2(clock.elapsed() < HangMs, "saving to an unwritable place hung");
    if (kind == "folder is file")
        QCOMPARE(readFile(folder), QByteArray("[settings]\nDispInterval=3\n"));
    ++m_inputs;
}

void SettingsAbuseTest::staleLockFileDoesNotBlock_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\xFF\xFEnot a lock\n\0\n", 14);
    QTest::newRow("dead process") << QByteArray("999999\nzorvik-subliminal-images\n") +
                                         QSysInfo::machineHostName().toUtf8() + "\n";
}

void SettingsAbuseTest::staleLockFileDoesNotBlock()
{
    QFETCH(QByteArray, lock);
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    QVERIFY(writeFile(store.fileFor(App), "[settings]\nDispInterval=3\nDispDuration=4\n"));
    QVERIFY(writeFile(store.fileFor(App) + QStringLiteral(".lock"), lock));

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(restored(store), (DisplaySettings{3, 4, 0, 0}));
    Panel panel;
    panel.apply({5, 6, 1, 1});
    panel.save(store, App);
    const qint64 took = clock.elapsed();
    QVERIFY2(took < HangMs, qPrintable(QStringLiteral("blocked %1 ms by the lock").arg(took)));
    QCOMPARE(restored(store), (DisplaySettings{5, 6, 1, 1}));
    ++m_inputs;
    qInfo("stale lock (%s): restored and saved in %lld ms", QTest::currentDataTag(), took);
}

void SettingsAbuseTest::cleanupTestCase()
{
    qInfo("settings abuse: %d settings files tried, 0 crashes, 0 hangs", m_inputs);
}

QTEST_MAIN(SettingsAbuseTest)
#include "tst_settingsabuse.moc"
