#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "library/LibraryEditor.h"
#include "library/PictureLibrary.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <QUrl>

// Picture files dropped from a file manager onto the list or the strip are
// added as Add Picture adds them: one at once, several or a folder in the
// background with one message at the end.
class PictureDropTest : public QObject
{
    Q_OBJECT
private slots:
    void droppedFilesAreAdded();
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
    std::unique_ptr<QMimeData> onFolder(dragData({QUrl::fromLocalFile(folder.path())}));
    QVERIFY(drop(list, onFolder.get()));
    QTRY_COMPARE(f.test.dialogs.messages.size(), 2);
    QCOMPARE(f.library->entries(),
             (QStringList{"a.jpg", "b.jpg", "c.bmp", "day 1.photo", "day 2.jpg"}));
    QCOMPARE(f.test.dialogs.messages.constLast().text,
             QStringLiteral("2 pictures were added.\n1 file that is no BMP or JPEG picture was "
                            "left out."));
    QVERIFY(similarColour(f.slotColour(4), Qt::cyan));
}

QTEST_MAIN(PictureDropTest)
#include "tst_picturedrop.moc"
