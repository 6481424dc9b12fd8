// SPDX-License-Identifier: GPL-3.0-or-later
#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/LibraryEditor.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <cstdio>
#include <sys/stat.h>

// Files and folders dropped onto the list or the strip, or several files
// chosen at once, are added in the background with one message at the end;
// files of the user's own in the copies folder are never taken for copies.
class PictureDropTest : public QObject
{
    Q_OBJECT
private slots:
    void droppedFilesAreAdded();
    void severalChosenAtOnceGiveOneSummary();
    void manyRefusedAtOnceStillEnd();
    void ownFilesAreListedNotCopiedNorDeleted_data();
    void ownFilesAreListedNotCopiedNorDeleted();
};

void PictureDropTest::droppedFilesAreAdded()
{
    LibraryFixture f;
    f.prepare({"a.jpg"}, {Qt::red});
    f.start();
    const QString b = f.userPicture("b.jpg", Qt::green);
    const QString duplicate = f.userFolder.filePath("again/a.jpg");
    TestPictures::jpeg(duplicate, Qt::blue);
    const QString c = f.userPicture("c.bmp", Qt::blue, "BMP");

    auto dragData = [](const QList<QUrl>& urls) {
        auto* data = new QMimeData;
        data->setUrls(urls);
        return data;
    };
    auto drop = [](QWidget* target, QMimeData* data) {
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
    };

    QWidget* list = child<QListView>(f.window.get(), "lvwDisplay")->viewport();
    QWidget* stripHolder = child<QWidget>(f.window.get(), "picHolder");

    // Web addresses are no files: refused at the door.
    std::unique_ptr<QMimeData> web(dragData({QUrl("https://example.org/x.jpg")}));
    QVERIFY(!drop(list, web.get()));

    std::unique_ptr<QMimeData> onList(
        dragData({QUrl::fromLocalFile(b), QUrl::fromLocalFile(duplicate),
                  QUrl("https://example.org/y.jpg")}));
    QVERIFY(drop(list, onList.get()));
    QTRY_COMPARE(f.library->entries(), (QStringList{"a.jpg", "b.jpg"}));
    QTRY_COMPARE(f.test.dialogs.messages.size(), 1);
    QCOMPARE(f.test.dialogs.messages.constLast().text,
             QStringLiteral("1 picture was added.\n1 was in the list already."));

    // Onto the strip itself (the holder takes what its children do not).
    std::unique_ptr<QMimeData> onStrip(dragData({QUrl::fromLocalFile(c)}));
    QVERIFY(drop(stripHolder, onStrip.get()));
    QTRY_COMPARE(f.library->entries(), (QStringList{"a.jpg", "b.jpg", "c.bmp"}));
    QCOMPARE(f.listFileBytes(), QByteArray("\"a.jpg\"\r\n\"b.jpg\"\r\n\"c.bmp\"\r\n"));
    QVERIFY(similarColour(f.slotColour(2), Qt::green));
    QVERIFY(similarColour(f.slotColour(3), Qt::blue));

    // A folder: its pictures by name, by content whatever their names say;
    // other files left out and counted, sub-folders not entered.
    QDir folder(f.userFolder.filePath("holiday"));
    TestPictures::jpeg(folder.filePath("day 2.jpg"), Qt::yellow);
    TestPictures::bmp(folder.filePath("day 1.photo"), Qt::cyan);
    TestPictures::bytes(folder.filePath("notes.txt"), "not a picture");
    TestPictures::jpeg(folder.filePath("inner/deeper.jpg"));
    // A name that is not UTF-8, which Qt's own listing leaves out.
    std::fclose(std::fopen(QFile::encodeName(folder.path()) + "/day 3 \xff.jpg", "w"));
    std::unique_ptr<QMimeData> onFolder(dragData({QUrl::fromLocalFile(folder.path())}));
    QVERIFY(drop(list, onFolder.get()));
    QTRY_COMPARE(f.test.dialogs.messages.size(), 2);
    QCOMPARE(f.library->entries(),
             (QStringList{"a.jpg", "b.jpg", "c.bmp", "day 1.photo", "day 2.jpg"}));
    QCOMPARE(f.test.dialogs.messages.constLast().text,
             QStringLiteral("2 pictures were added.\n1 file that is no BMP or JPEG picture was "
                            "left out.\n1 could not be added:"));
    QVERIFY(f.test.dialogs.messages.constLast().items.value(0).contains("character encoding"));
}

void PictureDropTest::severalChosenAtOnceGiveOneSummary()
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
    QVERIFY(similarColour(f.slotColour(3), Qt::blue));
    QCOMPARE(f.test.dialogs.messages.size(), 1);
    const auto& message = f.test.dialogs.messages.constFirst();
    QCOMPARE(message.text, QStringLiteral("2 pictures were added.\n1 was in the list already.\n"
                                          "1 could not be added:"));
    QCOMPARE(message.icon, MessageIcon::Warning); // some were added
    QVERIFY2(message.items.size() == 1 && message.items[0].startsWith(broken + ": "),
             qPrintable(message.items.join('\n')));
}

// More paths than the threads have in hand, refused before any is read
// (listed already, or gone): the add ends, with one summary.
void PictureDropTest::manyRefusedAtOnceStillEnd()
{
    LibraryFixture f;
    const QStringList names = pictureNames(120);
    writeLibrary(f.test, names);
    f.start();
    QStringList paths;
    for (const QString& name : names)
        paths << f.test.copiesFolder() + '/' + name;
    for (const QString& name : names)
        paths << f.userFolder.filePath("gone " + name);
    f.window->libraryEditor().addDropped(paths);
    QTRY_VERIFY(!f.window->libraryEditor().isAdding());
    QCOMPARE(f.test.dialogs.messages.value(0).items.size(), 120); // the gone ones
}

void PictureDropTest::ownFilesAreListedNotCopiedNorDeleted_data()
{
    QTest::addColumn<bool>("linked");
    QTest::newRow("copies folder linked to the user's pictures") << true;
    QTest::newRow("picture chosen inside the copies folder") << false;
}

void PictureDropTest::ownFilesAreListedNotCopiedNorDeleted()
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

    // Unlisted, it is not replaced by another picture of its name either.
    f.add(f.userPicture("elsewhere/own.jpg", Qt::red));
    QCOMPARE(f.library->entries(), QStringList());
    QCOMPARE(TestPictures::readAll(own), bytes);
    QVERIFY(f.test.dialogs.messages.value(0).text.contains("own.jpg is a file of your own"));
    f.test.dialogs.messages.clear();

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

QTEST_MAIN(PictureDropTest)
#include "tst_picturedrop.moc"
