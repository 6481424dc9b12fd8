// SPDX-License-Identifier: GPL-3.0-or-later
// What another account (or a careless program) puts in a shared library
// folder never makes the program write or delete a file of the user's.
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "library/PictureLibrary.h"

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
    QTest::addColumn<bool>("othersLink");
    QTest::addColumn<bool>("refused");
    // The journal is written on every add, the list of the user's own files
    // when a picture is added from the copies folder itself.
    QTest::newRow("journal") << "pending.txt" << false << false;
    QTest::newRow("own files") << "originals.txt" << false << true;
    QTest::newRow("list, another's link") << "record.txt" << true << true;
}

void PlantedFilesTest::linkInPlaceOfOurFileIsNotWrittenThrough()
{
    QFETCH(QString, file);
    QFETCH(bool, othersLink);
    QFETCH(bool, refused);
    LibraryFixture f;
    const QString diary = f.userFolder.filePath("diary.txt");
    QVERIFY(TestPictures::bytes(diary, "mine"));
    const QString link = f.test.programFolder() + u'/' + file;
    QVERIFY(QFile::link(diary, link));
    if (othersLink && ::lchown(QFile::encodeName(link).constData(), 65534, 65534) != 0)
        QSKIP("the link cannot be given to another account here");
    const QString inCopies = f.test.copiesFolder() + "/own.jpg";
    QVERIFY(TestPictures::jpeg(inCopies));
    f.start();

    f.add(file == "originals.txt" ? inCopies : f.userPicture("car.jpg"));

    QCOMPARE(TestPictures::readAll(diary), QByteArray("mine"));
    QCOMPARE(f.test.dialogs.messages.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(f.test.dialogs.messages.constFirst().text.contains("is a link"));
}

void PlantedFilesTest::journalRemovesOnlyTheCopyItMade_data()
{
    QTest::addColumn<QByteArray>("identity");
    QTest::addColumn<bool>("removed");
    QTest::newRow("older version's line") << QByteArray() << false;
    QTest::newRow("another file") << QByteArray(" 4 1700000000000000000 12") << false;
    QTest::newRow("the copy a kill left") << QByteArray("same") << true;
}

// An unlisted file in SystemFolder may be the user's own picture.
void PlantedFilesTest::journalRemovesOnlyTheCopyItMade()
{
    QFETCH(QByteArray, identity);
    QFETCH(bool, removed);
    LibraryFixture f;
    const QString copy = f.test.copiesFolder() + "/pic.jpg";
    QVERIFY(TestPictures::jpeg(copy));
    struct stat file;
    QCOMPARE(::stat(QFile::encodeName(copy).constData(), &file), 0);
    if (identity == "same")
        identity =
            ' ' + QByteArray::number(qint64(file.st_size)) + ' ' +
            QByteArray::number(file.st_mtim.tv_sec * 1'000'000'000LL + file.st_mtim.tv_nsec) + ' ' +
            QByteArray::number(quint64(file.st_ino));
    QVERIFY(TestPictures::bytes(f.test.programFolder() + "/pending.txt",
                                "\"pic.jpg\"" + identity + "\r\n"));
    f.start();
    QCOMPARE(QFile::exists(copy), !removed);
}

QTEST_MAIN(PlantedFilesTest)
#include "tst_plantedfiles.moc"
