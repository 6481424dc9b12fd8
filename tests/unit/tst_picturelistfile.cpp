// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/PictureListFile.h"

#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// The program's umask calls: set even for a moment, another thread's new folder is open to all.
static std::atomic<int> umaskCalls{0};
extern "C" mode_t umask(mode_t mask)
{
    ++umaskCalls;
    return mode_t(::syscall(SYS_umask, mask));
}

class PictureListFileTest : public QObject
{
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void writingGivesOneQuotedLinePerEntry();
    void emptyListIsAnEmptyFile();
    void missingFileIsAnEmptyList();
    void namesSurviveSaveAndLoad();
    void failedSaveKeepsTheOldFile();
    void saveKeepsTheFilesLinkAndMode();
    void newFileTakesTheUmaskWithoutSettingIt();
    void leftoversOfKilledSavesAndNothingElseAreRemoved();
};

void PictureListFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("two records") << QByteArray("\"sunrise.jpg\"\r\n\"my goal.bmp\"\r\n")
                                 << QStringList{"sunrise.jpg", "my goal.bmp"};
    QTest::newRow("comma inside quotes") << QByteArray("\"a,b.jpg\"\r\n") << QStringList{"a,b.jpg"};
    QTest::newRow("unquoted splits at commas")
        << QByteArray("x.jpg,y.jpg\r\n") << QStringList{"x.jpg", "y.jpg"};
    QTest::newRow("blank line is an empty entry")
        << QByteArray("\"a.jpg\"\r\n\r\n\"b.jpg\"\r\n") << QStringList{"a.jpg", "", "b.jpg"};
    QTest::newRow("bare LF") << QByteArray("\"a.jpg\"\n\"b.jpg\"\n")
                             << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("bare CR") << QByteArray("\"a.jpg\"\r\"b.jpg\"\r")
                             << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("no final line end") << QByteArray("\"a.jpg\"") << QStringList{"a.jpg"};
    QTest::newRow("leading blanks skipped")
        << QByteArray("  \t\"a.jpg\"\r\n   b.jpg\r\n") << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("text after closing quote skipped")
        << QByteArray("\"a.jpg\" junk\r\n\"b.jpg\"\r\n") << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("duplicates kept")
        << QByteArray("\"a.jpg\"\r\n\"a.jpg\"\r\n") << QStringList{"a.jpg", "a.jpg"};
    QTest::newRow("open quote ends with its line")
        << QByteArray("\"a.jpg\r\n\"b.jpg\"\r\n") << QStringList{"a.jpg", "b.jpg"};
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "\"a.jpg\"\r\n")
                                     << QStringList{"a.jpg"};
    QTest::newRow("traversal names are kept as text")
        << QByteArray("\"../x.jpg\"\r\n\"..\"\r\n") << QStringList{"../x.jpg", ".."};
    QTest::newRow("UTF-8 name") << QByteArray("\"m\xC3\xBC"
                                              "de.jpg\"\r\n")
                                << QStringList{"müde.jpg"};
    QTest::newRow("line longer than any path skipped")
        << "\"a.jpg\"\r\n\"" + QByteArray(5000, 'x') + "\"\r\n\"b.jpg\"\r\n"
        << QStringList{"a.jpg", "b.jpg"};
}

void PictureListFileTest::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    // Read the way the program reads the file.
    QTemporaryDir folder;
    QFile file(folder.filePath("record.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QCOMPARE(PictureListFile::load(file.fileName()), entries);
}

void PictureListFileTest::writingGivesOneQuotedLinePerEntry()
{
    QCOMPARE(PictureListFile::serialize({"sunrise.jpg", "my goal.bmp", "a,b.jpg"}),
             QByteArray("\"sunrise.jpg\"\r\n\"my goal.bmp\"\r\n\"a,b.jpg\"\r\n"));
}

void PictureListFileTest::emptyListIsAnEmptyFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    QVERIFY(PictureListFile::save(path, {"a.jpg"}));
    QVERIFY(PictureListFile::save(path, {}));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void PictureListFileTest::missingFileIsAnEmptyList()
{
    QTemporaryDir dir;
    QCOMPARE(PictureListFile::load(dir.filePath("record.txt")), QStringList());
}

void PictureListFileTest::namesSurviveSaveAndLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    const QStringList names{"a,b.jpg", " leading.jpg", "ünïcode.jpeg", "x.bmp", "x.bmp", ""};
    QVERIFY(PictureListFile::save(path, names));
    QCOMPARE(PictureListFile::load(path), names);
}

void PictureListFileTest::failedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    QVERIFY(PictureListFile::save(path, {"old.jpg"}));

    QStringList longList;
    for (int i = 0; i < 100; ++i)
        longList << QStringLiteral("picture number %1.jpg").arg(i);
    QString error;
    bool saved = true;
    {
        const FileSizeLimit limit(64); // the disk fills during the save
        saved = PictureListFile::save(path, longList, &error);
    }
    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(PictureListFile::load(path), QStringList{"old.jpg"});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"record.txt"});
}

// A list kept elsewhere through a link stays there, as the user set it up.
void PictureListFileTest::saveKeepsTheFilesLinkAndMode()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("elsewhere"));
    const QString real = dir.filePath("elsewhere/list.txt");
    QVERIFY(PictureListFile::save(real, {"old.jpg"}));
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(real, mode));
    const QString path = dir.filePath("record.txt");
    QVERIFY(QFile::link("elsewhere/list.txt", path));

    QVERIFY(PictureListFile::save(path, {"new.jpg"}));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(PictureListFile::load(real), QStringList{"new.jpg"});
    const QFile::Permissions forThisUser = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    QCOMPARE(QFile::permissions(real) & ~forThisUser, mode);
    QCOMPARE(QDir(dir.filePath("elsewhere")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"list.txt"});
}

void PictureListFileTest::newFileTakesTheUmaskWithoutSettingIt()
{
    QTemporaryDir dir;
    const mode_t before = mode_t(::syscall(SYS_umask, 027));
    umaskCalls = 0;
    QVERIFY(PictureListFile::save(dir.filePath("record.txt"), {"a.jpg"}));
    QCOMPARE(umaskCalls.load(), 0);
    ::syscall(SYS_umask, before);
    QCOMPARE(QFile::permissions(dir.filePath("record.txt")),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                 QFile::ReadGroup);
}

void PictureListFileTest::leftoversOfKilledSavesAndNothingElseAreRemoved()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    QVERIFY(PictureListFile::save(path, {"a.jpg"}));
    const QStringList kept{".record.txt.saving-abc", "record.txt", "record.txt.backup",
                           "record.txt.saving-Ab3dE9"};
    for (const QString& name : kept + QStringList{".record.txt.saving-Ab3dE9"}) {
        QFile file(dir.filePath(name));
        QVERIFY(name == "record.txt" || file.open(QIODevice::WriteOnly));
    }

    QCOMPARE(PictureListFile::removeLeftovers(path), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
    QCOMPARE(PictureListFile::load(path), QStringList{"a.jpg"});
}

QTEST_GUILESS_MAIN(PictureListFileTest)
#include "tst_picturelistfile.moc"
