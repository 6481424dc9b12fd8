// SPDX-License-Identifier: GPL-3.0-or-later
// What another account (or a careless program) puts in a shared library
// folder never makes the program write or delete a file of the user's.
#include "LibraryFixture.h"
#include "TestPictures.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class PlantedFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void linkInPlaceOfOurFileIsNotWrittenThrough_data();
    void linkInPlaceOfOurFileIsNotWrittenThrough();
    void journalRemovesOnlyTheCopyItMade_data();
    void journalRemovesOnlyTheCopyItMade();
};

void PlantedFilesTest::linkInPlaceOfOurFileIsNotWrittenThrough_data()
{
    QTest::addColumn<QString>("file");
    // The journal is written on every add (a link there is told of on standard
    // error), the list of the user's own files when a picture is added from
    // the copies folder itself; the list follows the user's own links only.
    QTest::newRow("journal") << "pending.txt";
    QTest::newRow("own files") << "originals.txt";
    QTest::newRow("list, another's link") << "record.txt";
}

void PlantedFilesTest::linkInPlaceOfOurFileIsNotWrittenThrough()
{
    QFETCH(QString, file);
    const bool refused = file != "pending.txt";
    LibraryFixture f;
    const QString diary = f.userFolder.filePath("diary.txt");
    QVERIFY(TestPictures::bytes(diary, "mine"));
    const QString link = f.test.programFolder() + u'/' + file;
    QVERIFY(QFile::link(diary, link));
    if (file == "record.txt" && ::lchown(QFile::encodeName(link).constData(), 65534, 65534) != 0)
        QSKIP("the link cannot be given to another account here");
    const QString inCopies = f.test.copiesFolder() + "/own.jpg";
    QVERIFY(TestPictures::jpeg(inCopies));
    f.start();

    f.add(file == "originals.txt" ? inCopies : f.userPicture("car.jpg"));

    QCOMPARE(TestPictures::readAll(diary), QByteArray("mine"));
    QCOMPARE(f.test.dialogs.messages.size(), refused ? 1 : 0);
    QVERIFY(!refused || f.test.dialogs.messages.constFirst().text.contains("is a link"));
}

void PlantedFilesTest::journalRemovesOnlyTheCopyItMade_data()
{
    QTest::addColumn<QByteArray>("identity"); // "same": the file's own, which alone is removed
    QTest::newRow("older version's line") << QByteArray();
    QTest::newRow("another file") << QByteArray(" 4 1700000000000000000 12");
    QTest::newRow("the copy a kill left") << QByteArray("same");
}

void PlantedFilesTest::journalRemovesOnlyTheCopyItMade()
{
    QFETCH(QByteArray, identity);
    const bool removed = identity == "same";
    LibraryFixture f;
    const QString copy = f.test.copiesFolder() + "/pic.jpg";
    QVERIFY(TestPictures::jpeg(copy));
    struct stat file;
    QCOMPARE(::stat(QFile::encodeName(copy).constData(), &file), 0);
    if (identity == "same")
        identity = QString::asprintf(" %lld %lld %llu", qlonglong(file.st_size),
                                     file.st_mtim.tv_sec * 1'000'000'000LL + file.st_mtim.tv_nsec,
                                     qulonglong(file.st_ino))
                       .toLatin1();
    QVERIFY(TestPictures::bytes(f.test.programFolder() + "/pending.txt",
                                "\"pic.jpg\"" + identity + "\r\n"));
    f.start();
    QCOMPARE(QFile::exists(copy), !removed);
}

QTEST_MAIN(PlantedFilesTest)
#include "tst_plantedfiles.moc"
