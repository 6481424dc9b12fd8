// SPDX-License-Identifier: GPL-3.0-or-later
#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "pictures/PictureDecoder.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

// Camera-size photos added many at once, in a real window: it goes on
// answering (the progress moves, Cancel is taken mid-way), and a cancel
// keeps exactly what was listed, each entry with its whole copy.
class AddingManyTest : public QObject
{
    Q_OBJECT
private slots:
    void windowAnswersAndCancelKeepsWhatWasAdded();
};

void AddingManyTest::windowAnswersAndCancelKeepsWhatWasAdded()
{
    constexpr int Photos = 60;
    LibraryFixture f;
    QStringList chosen;
    for (int i = 0; i < Photos; ++i) {
        chosen << f.userFolder.filePath(
            QStringLiteral("photos/IMG_%1.jpg").arg(i, 4, 10, QChar('0')));
        QVERIFY(TestPictures::write(chosen.constLast(), {2000, 1500},
                                    QColor::fromHsv(i * 6, 180, 200), "JPEG"));
    }
    f.start();
    f.test.dialogs.chosenFiles.enqueue(chosen);
    QTest::mouseClick(child<QPushButton>(f.window.get(), "cmdAddPicture"), Qt::LeftButton);

    auto* progress = child<QProgressBar>(f.window.get(), "addingProgress");
    QTRY_VERIFY(progress->isVisible() && progress->value() >= 4);
    QCOMPARE(progress->maximum(), Photos);
    QTest::mouseClick(child<QPushButton>(f.window.get(), "cmdCancelAdding"), Qt::LeftButton);
    QTRY_VERIFY(!progress->isVisible());
    QTRY_COMPARE(f.test.dialogs.messages.size(), 1);

    // Listed in the order chosen, each with its whole copy and nothing else.
    const QStringList entries = f.library->entries();
    QVERIFY2(entries.size() >= 4 && entries.size() < Photos, qPrintable(entries.join(", ")));
    QCOMPARE(entries.constLast(), QFileInfo(chosen.at(entries.size() - 1)).fileName());
    QCOMPARE(PictureListFile::load(f.test.listFile()), entries);
    QCOMPARE(f.copies(), entries);
    for (const QString& entry : entries)
        QVERIFY(PictureDecoder::decode(f.test.copiesFolder() + '/' + entry, {{64, 48}, {16, 12}})
                    .isValid());
    QVERIFY(f.test.dialogs.messages.constFirst().text.startsWith(
        QStringLiteral("Adding was cancelled. %1 pictures were added.").arg(entries.size())));
}

QTEST_MAIN(AddingManyTest)
#include "tst_addingmany.moc"
