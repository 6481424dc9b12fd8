#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

// Adding many pictures at once, and files the user owns inside the copies
// folder.
class BatchAddTest : public QObject
{
    Q_OBJECT
private slots:
    void severalChosenAtOnceGiveOneSummary();
    void ownFilesAreListedNotCopiedNorDeleted_data();
    void ownFilesAreListedNotCopiedNorDeleted();
};

void BatchAddTest::severalChosenAtOnceGiveOneSummary()
{
    LibraryFixture f;
    f.prepare({"a.jpg"}, {Qt::red});
    f.start();
    const QString broken = f.userFolder.filePath("broken.jpg");
    TestPictures::bytes(broken, "\xff\xd8\xff not really");
    const QString again = f.userFolder.filePath("again/a.jpg");
    TestPictures::jpeg(again, Qt::blue);
    f.test.dialogs.chosenFiles.enqueue(
        {f.userPicture("b.jpg", Qt::green), again, broken, f.userPicture("c.jpg", Qt::blue)});
    auto* addButton = child<QPushButton>(f.window.get(), "cmdAddPicture");
    QTest::mouseClick(addButton, Qt::LeftButton);

    // While it runs, nothing else changes the library.
    QVERIFY(!addButton->isEnabled());
    QVERIFY(!f.library->remove(0).done());
    QTRY_VERIFY(addButton->isEnabled());

    QCOMPARE(f.library->entries(), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
    QCOMPARE(f.listFileBytes(), QByteArray("\"a.jpg\"\r\n\"b.jpg\"\r\n\"c.jpg\"\r\n"));
    QCOMPARE(f.copies(), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
    QVERIFY(similarColour(f.slotColour(1), Qt::red));
    QVERIFY(similarColour(f.slotColour(3), Qt::blue));
    QCOMPARE(f.test.dialogs.messages.size(), 1);
    const auto& message = f.test.dialogs.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("2 pictures were added.\n1 was in the list already.\n"
                                          "1 could not be added:"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.items.size(), 1);
    QVERIFY2(message.items.constFirst().startsWith(broken + ": "), qPrintable(message.items[0]));
}

void BatchAddTest::ownFilesAreListedNotCopiedNorDeleted_data()
{
    QTest::addColumn<bool>("linked");
    QTest::newRow("copies folder linked to the user's pictures") << true;
    QTest::newRow("picture chosen inside the copies folder") << false;
}

// The user's only file must never be taken for a copy of the program's.
void BatchAddTest::ownFilesAreListedNotCopiedNorDeleted()
{
    QFETCH(bool, linked);
    LibraryFixture f;
    QString own;
    if (linked) {
        own = f.userPicture("mine/own.jpg", Qt::green);
        QVERIFY(QFile::link(QFileInfo(own).absolutePath(), f.test.copiesFolder()));
    } else {
        own = f.test.copiesFolder() + "/own.jpg";
        TestPictures::jpeg(own, Qt::green);
    }
    const QByteArray bytes = TestPictures::readAll(own);
    auto inodeOf = [](const QString& path) {
        struct stat status = {};
        ::stat(QFile::encodeName(path).constData(), &status);
        return status.st_ino;
    };
    const ino_t inode = inodeOf(own);
    f.start();

    f.add(own);
    QCOMPARE(f.library->entries(), QStringList{"own.jpg"});
    QCOMPARE(inodeOf(own), inode); // not copied onto itself
    QVERIFY(similarColour(f.slotColour(1), Qt::green));

    // Known as the user's across a restart.
    f.window.reset();
    f.start();
    f.select(0);
    f.deleteSelected();
    QCOMPARE(f.library->entries(), QStringList());
    QCOMPARE(TestPictures::readAll(own), bytes);

    // Nor is it replaced by another picture of the same name.
    f.add(f.userPicture("elsewhere/own.jpg", Qt::red));
    QCOMPARE(f.library->entries(), QStringList());
    QCOMPARE(f.test.dialogs.messages.size(), 1);
    QCOMPARE(TestPictures::readAll(own), bytes);
    QVERIFY(f.test.dialogs.messages.constFirst().text.contains("a file of your own"));
}

QTEST_MAIN(BatchAddTest)
#include "tst_batchadd.moc"
