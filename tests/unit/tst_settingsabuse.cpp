// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the user's machine may leave it: garbage, values out
// of range, unwritable, or locked by a process long gone. The panel restores
// a default for each value it cannot use, saving never hangs, and a file that
// could not be replaced is left as it was.
#include "FileModesApply.h"
#include "FileSizeLimit.h"
#include "platform/QtSettingsStore.h"
#include "preferences/Preferences.h"
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
    panel.apply(DisplaySettings::load(Preferences(store, App)));
    return panel.current();
}

// Restores a panel as at start-up, then saves other values as the user
// does. Returns what was restored; took gets how long both took.
DisplaySettings restoreThenSave(QtSettingsStore& store, const DisplaySettings& changed,
                                qint64* took)
{
    QElapsedTimer clock;
    clock.start();
    const DisplaySettings read = restored(store);
    Panel panel;
    panel.apply(changed);
    Preferences preferences(store, App);
    panel.current().save(preferences);
    *took = clock.elapsed();
    return read;
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
    void readOnlySettingsAreKept_data();
    void readOnlySettingsAreKept();
    void staleLockFileDoesNotBlock_data();
    void staleLockFileDoesNotBlock();
    void diskFullKeepsTheSavedSettings_data();
    void diskFullKeepsTheSavedSettings();
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
        Preferences preferences(store, App);
        panel.current().save(preferences);
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

    qint64 took = 0;
    QCOMPARE(restoreThenSave(store, {3, 4, 1, 1}, &took), DisplaySettings{});
    QVERIFY2(took < HangMs, "saving to an unwritable place hung");
    QCOMPARE(restored(store), DisplaySettings{});
    if (kind == "folder is file")
        QCOMPARE(readFile(folder), QByteArray("[settings]\nDispInterval=3\n"));
    ++m_inputs;
}

void SettingsAbuseTest::readOnlySettingsAreKept_data()
{
    QTest::addColumn<bool>("wholeFolder");
    QTest::newRow("read-only settings file") << false;
    QTest::newRow("read-only config folder") << true;
}

// Settings the user cannot change are still read, and a save neither hangs
// nor touches them.
void SettingsAbuseTest::readOnlySettingsAreKept()
{
    QFETCH(bool, wholeFolder);
    APPLY_FILE_MODES();
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    const QByteArray before = "[settings]\nDispInterval=5\nDispDuration=6\nDispLocation=1\n"
                              "DispOrder=1\n";
    QVERIFY(writeFile(store.fileFor(App), before));
    const QString locked = wholeFolder ? dir.path() : store.fileFor(App);
    const QFile::Permissions readOnly =
        wholeFolder ? QFile::ReadOwner | QFile::ExeOwner : QFile::Permissions(QFile::ReadOwner);
    QVERIFY(QFile::setPermissions(locked, readOnly));

    qint64 took = 0;
    QCOMPARE(restoreThenSave(store, {7, 8, 0, 0}, &took), (DisplaySettings{5, 6, 1, 1}));
    QVERIFY2(took < HangMs, "saving to a read-only place hung");
    QVERIFY(QFile::setPermissions(locked, readOnly | QFile::WriteOwner));
    QCOMPARE(readFile(store.fileFor(App)), before);
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

    qint64 took = 0;
    QCOMPARE(restoreThenSave(store, {5, 6, 1, 1}, &took), (DisplaySettings{3, 4, 0, 0}));
    QVERIFY2(took < HangMs, qPrintable(QStringLiteral("blocked %1 ms by the lock").arg(took)));
    QCOMPARE(restored(store), (DisplaySettings{5, 6, 1, 1}));
    ++m_inputs;
    qInfo("stale lock (%s): restored and saved in %lld ms", QTest::currentDataTag(), took);
}

void SettingsAbuseTest::diskFullKeepsTheSavedSettings_data()
{
    QTest::addColumn<int>("roomBytes");
    QTest::newRow("no room at all") << 0;
    QTest::newRow("room for a few bytes") << 12;
    QTest::newRow("room for all but the last line") << 60;
}

// A settings save that runs out of room leaves the file it would have
// replaced as it was, rather than a cut-off one that restores the defaults.
void SettingsAbuseTest::diskFullKeepsTheSavedSettings()
{
    QFETCH(int, roomBytes);
    QTemporaryDir dir;
    QtSettingsStore store(dir.path());
    Preferences preferences(store, App);
    Panel saved;
    saved.apply({5, 6, 1, 1});
    saved.current().save(preferences);
    const QByteArray before = readFile(store.fileFor(App));
    QVERIFY(before.size() > roomBytes);

    Panel changed;
    changed.apply({7, 8, 0, 0});
    {
        const FileSizeLimit full{rlim_t(roomBytes)};
        changed.current().save(preferences);
    }
    // What the next start reads; this process keeps the unsaved values.
    QCOMPARE(readFile(store.fileFor(App)), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{App + ".conf"});
    ++m_inputs;
}

void SettingsAbuseTest::cleanupTestCase()
{
    qInfo("settings abuse: %d settings files tried, 0 crashes, 0 hangs", m_inputs);
}

QTEST_MAIN(SettingsAbuseTest)
#include "tst_settingsabuse.moc"
