// SPDX-License-Identifier: GPL-3.0-or-later
#include "Children.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/LibraryEditor.h"
#include "app/MainWindow.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "platform/ProgramInfo.h"
#include "widgets/PictureStrip.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

// Adding and deleting pictures as a user does it, with the file dialog and
// the message boxes scripted.
class LibraryEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void addToAnEmptyLibrary();
    void addIsPreparedOffTheWindowThread();
    void fourthAddShowsTheScrollBar();
    void duplicateNameIsRefused();
    void nameDifferingInCaseIsAccepted();
    void nameLandingOnAListedCopyIsRefused();
    void unlistedFileOfThatNameIsKept();
    void namesTheListFileCannotHoldAreRefused_data();
    void namesTheListFileCannotHoldAreRefused();
    void cancelChangesNothing();
    void deleteSelectedEntry();
    void deleteWithoutSelectionChangesNothing();
    void deleteLastEntry();
    void deleteEntryWhoseCopyVanished();
    void deleteKeepsACopyAnotherEntryNames();
    void deleteNeverRemovesFilesOutsideSystemFolder();
    void scrollBarFollowsDeletes();
    void slotsStayReadableBetweenChanges();
};

namespace
{
ScriptedDialogs::Message lastMessage(const LibraryFixture& f)
{
    return f.test.dialogs.messages.isEmpty() ? ScriptedDialogs::Message{}
                                             : f.test.dialogs.messages.constLast();
}

PictureStrip* strip(const LibraryFixture& f)
{
    return child<PictureStrip>(f.window.get(), "picScrollForm");
}

QScrollBar* scrollBar(const LibraryFixture& f)
{
    return child<QScrollBar>(f.window.get(), "ScrollBar1");
}
} // namespace

void LibraryEditorTest::addToAnEmptyLibrary()
{
    LibraryFixture f;
    f.start();
    const QString chosen = f.userPicture(QStringLiteral("car.jpg"), Qt::green);
    QFile original(chosen);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();

    f.add(chosen);

    QCOMPARE(f.test.dialogs.fileRequests.size(), 1);
    QCOMPARE(f.test.dialogs.fileRequests[0].title, QStringLiteral("Orvane Picture Board"));
    // Every kind shown, chosen first; then the three kinds offered always.
    const QStringList filter = f.test.dialogs.fileRequests[0].filter.split(u'|');
    QCOMPARE(filter.size(), 8);
    QCOMPARE(filter.first(), "All Pictures");
    for (const char* pattern : {"*.png", "*.JPG", "*.webp", "*.svg", "*.heic", "*.avif"})
        QVERIFY2(filter.at(1).split(u';').contains(pattern), pattern);
    QCOMPARE(filter.mid(2).join(u'|'),
             QStringLiteral("BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|"
                            "JPEG Files (*.jpeg)|*.jpeg"));
    QCOMPARE(f.test.dialogs.fileRequests[0].selectedPair, 1);
    QVERIFY(f.test.dialogs.messages.isEmpty());

    // A fresh program folder has no SystemFolder: the add makes it.
    QCOMPARE(f.copies(), QStringList{"car.jpg"});
    QFile copy(f.test.copiesFolder() + "/car.jpg");
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), bytes);
    QCOMPARE(copy.permissions(), original.permissions());
    QVERIFY(QFile::exists(chosen));
    QCOMPARE(f.listFileBytes(), QByteArray("\"car.jpg\"\r\n"));
    QCOMPARE(f.library->entries(), QStringList{"car.jpg"});
    QVERIFY(f.library->index(0).data(PictureLibrary::CheckedRole).toBool());

    // Shown at once, with no decoding left to wait for.
    QCOMPARE(f.library->slotCount(), 1);
    QCOMPARE(f.library->store().pendingCount(), 0);
    QVERIFY(similarColour(f.slotColour(1), Qt::green));
    QVERIFY(!f.library->thumbnail(1).isNull());
    QCOMPARE(strip(f)->height(), 92);
    QVERIFY(!scrollBar(f)->isVisible());
}

// The click returns before the picture is decoded and copied: a large
// picture never holds up the window. Until it is listed, no other change.
void LibraryEditorTest::addIsPreparedOffTheWindowThread()
{
    LibraryFixture f;
    f.start();
    f.test.dialogs.chosenFiles.enqueue({f.userPicture(QStringLiteral("car.jpg"), Qt::green)});
    auto* add = child<QPushButton>(f.window.get(), "cmdAddPicture");
    QTest::mouseClick(add, Qt::LeftButton);

    QVERIFY(f.window->libraryEditor().isAdding());
    QVERIFY(!add->isEnabled());
    QVERIFY(f.library->entries().isEmpty());
    QTRY_COMPARE(f.library->entries(), QStringList{"car.jpg"});
    QVERIFY(add->isEnabled());
    QVERIFY(f.test.dialogs.messages.isEmpty());
}

void LibraryEditorTest::fourthAddShowsTheScrollBar()
{
    LibraryFixture f;
    f.start();
    const QList<QColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!scrollBar(f)->isVisible());
        f.add(f.userPicture(QStringLiteral("p%1.jpg").arg(i), colours[i]));
    }
    QCOMPARE(f.library->slotCount(), 4);
    QVERIFY(scrollBar(f)->isVisible());
    QVERIFY(scrollBar(f)->isEnabled());
    QCOMPARE(scrollBar(f)->maximum(), 13);
    QCOMPARE(scrollBar(f)->pageStep(), 13);
    QCOMPARE(scrollBar(f)->singleStep(), 40);
    QCOMPARE(scrollBar(f)->value(), 0);
    QCOMPARE(strip(f)->height(), 368);
    for (int slot = 1; slot <= 4; ++slot)
        QVERIFY2(similarColour(f.slotColour(slot), colours[slot - 1]),
                 qPrintable(QString::number(slot)));
    QCOMPARE(f.listFileBytes(),
             QByteArray("\"p0.jpg\"\r\n\"p1.jpg\"\r\n\"p2.jpg\"\r\n\"p3.jpg\"\r\n"));
}

void LibraryEditorTest::duplicateNameIsRefused()
{
    LibraryFixture f;
    f.prepare({"car.jpg"}, {Qt::red});
    f.start();
    const LibrarySnapshot before = f.snapshot();

    // Same name from another folder, with other content.
    const QString other = f.userFolder.filePath("elsewhere/car.jpg");
    TestPictures::jpeg(other, Qt::blue);
    f.add(other);

    QCOMPARE(f.test.dialogs.messages.size(), 1);
    QCOMPARE(lastMessage(f).text,
             QStringLiteral("This Picture is Already available Please Select Another Picture "));
    QCOMPARE(lastMessage(f).icon, MessageIcon::Critical);
    QCOMPARE(lastMessage(f).buttons, MessageButtons::Ok);
    QCOMPARE(lastMessage(f).title, QStringLiteral("Zorvik Subliminal Images"));
    QCOMPARE(f.snapshot(), before);
    QVERIFY(similarColour(f.slotColour(1), Qt::red));
}

void LibraryEditorTest::nameDifferingInCaseIsAccepted()
{
    LibraryFixture f;
    f.prepare({"car.jpg"}, {Qt::red});
    f.start();
    f.add(f.userPicture("CAR.jpg", Qt::blue));
    QVERIFY(f.test.dialogs.messages.isEmpty());
    QCOMPARE(f.library->entries(), (QStringList{"car.jpg", "CAR.jpg"}));
    QVERIFY(similarColour(f.slotColour(1), Qt::red));
    QVERIFY(similarColour(f.slotColour(2), Qt::blue));
}

void LibraryEditorTest::nameLandingOnAListedCopyIsRefused()
{
    // On a file system that ignores case, CAR.jpg opens car.jpg's copy. A
    // link stands in for that here.
    LibraryFixture f;
    f.prepare({"car.jpg"}, {Qt::red});
    QVERIFY(QFile::link("car.jpg", f.test.copiesFolder() + "/CAR.jpg"));
    f.start();
    const LibrarySnapshot before = f.snapshot();

    f.add(f.userPicture("CAR.jpg", Qt::blue));

    QCOMPARE(lastMessage(f).text, LibraryEditor::DuplicateMessage);
    QCOMPARE(f.snapshot(), before);
    QVERIFY(similarColour(f.slotColour(1), Qt::red));
}

void LibraryEditorTest::unlistedFileOfThatNameIsKept()
{
    LibraryFixture f;
    TestPictures::bytes(f.test.copiesFolder() + "/car.jpg", "not ours");
    f.start();
    f.add(f.userPicture("car.jpg", Qt::blue));
    QCOMPARE(f.test.dialogs.messages.size(), 1);
    QVERIFY(f.test.dialogs.messages.constFirst().text.contains("car.jpg is a file of your own"));
    QCOMPARE(f.library->entries(), QStringList());
    QCOMPARE(TestPictures::readAll(f.test.copiesFolder() + "/car.jpg"), QByteArray("not ours"));
}

void LibraryEditorTest::namesTheListFileCannotHoldAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("double quote") << "say \"cheese\".jpg" << false;
    QTest::newRow("line feed") << "two\nlines.jpg" << false;
    QTest::newRow("carriage return") << "two\rlines.jpg" << false;
    QTest::newRow("backslash") << "back\\slash.jpg" << false;
    // Quoted, so these come back whole.
    QTest::newRow("leading blank") << " lead.jpg" << true;
    QTest::newRow("leading tab") << "\tlead.jpg" << true;
    QTest::newRow("comma") << "a,b.jpg" << true;
}

void LibraryEditorTest::namesTheListFileCannotHoldAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    LibraryFixture f;
    f.prepare({"car.jpg"}, {Qt::red});
    f.start();
    const LibrarySnapshot before = f.snapshot();

    f.add(f.userPicture(name, Qt::blue));

    if (accepted) {
        QVERIFY(f.test.dialogs.messages.isEmpty());
        QCOMPARE(f.library->entries(), (QStringList{"car.jpg", name}));
        QCOMPARE(PictureListFile::load(f.test.listFile()), f.library->entries());
        QVERIFY(similarColour(f.slotColour(2), Qt::blue));
    } else {
        QCOMPARE(f.test.dialogs.messages.size(), 1);
        QCOMPARE(lastMessage(f).icon, MessageIcon::Critical);
        QCOMPARE(lastMessage(f).title, ProgramInfo::title());
        QVERIFY(lastMessage(f).text.contains(name));
        QVERIFY(lastMessage(f).text.contains("picture list cannot keep"));
        QCOMPARE(f.snapshot(), before);
    }
}

void LibraryEditorTest::cancelChangesNothing()
{
    LibraryFixture f;
    f.prepare({"a.jpg"}, {Qt::red});
    f.start();
    const LibrarySnapshot before = f.snapshot();
    f.add(std::nullopt);
    QCOMPARE(f.test.dialogs.fileRequests.size(), 1);
    QVERIFY(f.test.dialogs.messages.isEmpty());
    QCOMPARE(f.snapshot(), before);
}

void LibraryEditorTest::deleteSelectedEntry()
{
    LibraryFixture f;
    f.prepare({"a.jpg", "b.jpg", "c.jpg"}, {Qt::red, Qt::green, Qt::blue});
    f.start();
    f.select(1);
    f.deleteSelected();

    QVERIFY(f.test.dialogs.messages.isEmpty());
    QCOMPARE(f.library->entries(), (QStringList{"a.jpg", "c.jpg"}));
    QCOMPARE(f.listFileBytes(), QByteArray("\"a.jpg\"\r\n\"c.jpg\"\r\n"));
    QCOMPARE(f.copies(), (QStringList{"a.jpg", "c.jpg"}));
    QCOMPARE(f.library->slotCount(), 2);
    QCOMPARE(strip(f)->height(), 184);
    QVERIFY(similarColour(f.slotColour(1), Qt::red));
    QVERIFY(similarColour(f.slotColour(2), Qt::blue));
    QCOMPARE(f.library->store().pendingCount(), 0);
}

void LibraryEditorTest::deleteWithoutSelectionChangesNothing()
{
    LibraryFixture f;
    f.prepare({"a.jpg", "b.jpg", "c.jpg"}, {Qt::red, Qt::green, Qt::blue});
    f.start();
    f.select(1);
    f.select(-1);
    const LibrarySnapshot before = f.snapshot();
    QCOMPARE(before.loadedImageCount, 3);

    f.deleteSelected();

    QCOMPARE(f.snapshot(), before);
    QCOMPARE(f.copies(), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
    QVERIFY(f.test.dialogs.messages.isEmpty());
}

void LibraryEditorTest::deleteLastEntry()
{
    LibraryFixture f;
    f.start();
    f.add(f.userPicture("only.jpg"));
    QCOMPARE(f.library->slotCount(), 1);
    f.select(0);
    f.deleteSelected();

    QVERIFY(f.library->entries().isEmpty());
    QVERIFY(QFileInfo::exists(f.test.listFile()));
    QCOMPARE(QFileInfo(f.test.listFile()).size(), 0);
    QVERIFY(f.copies().isEmpty());
    QCOMPARE(f.library->slotCount(), 0);
    QVERIFY(f.library->flashPictureNow(1).isNull());
    QVERIFY(!scrollBar(f)->isVisible());
    QVERIFY(!scrollBar(f)->isEnabled());
}

void LibraryEditorTest::deleteEntryWhoseCopyVanished()
{
    LibraryFixture f;
    f.prepare({"a.jpg", "gone.jpg", "c.jpg"}, {Qt::red, Qt::green, Qt::blue});
    f.start();
    QVERIFY(QFile::remove(f.test.copiesFolder() + "/gone.jpg"));
    f.select(1);
    f.deleteSelected();
    QVERIFY(f.test.dialogs.messages.isEmpty());
    QCOMPARE(f.library->entries(), (QStringList{"a.jpg", "c.jpg"}));
    QCOMPARE(f.listFileBytes(), QByteArray("\"a.jpg\"\r\n\"c.jpg\"\r\n"));
    QCOMPARE(f.library->slotCount(), 2);
}

void LibraryEditorTest::deleteKeepsACopyAnotherEntryNames()
{
    LibraryFixture f;
    f.prepare({"a.jpg", "b.jpg", "a.jpg"}, {Qt::red, Qt::green});
    f.start();
    f.select(0);
    f.deleteSelected();
    QCOMPARE(f.library->entries(), (QStringList{"b.jpg", "a.jpg"}));
    QCOMPARE(f.copies(), (QStringList{"a.jpg", "b.jpg"}));
    QVERIFY(similarColour(f.slotColour(2), Qt::red));

    // The last entry naming it takes it along.
    f.select(1);
    f.deleteSelected();
    QCOMPARE(f.copies(), QStringList{"b.jpg"});
}

void LibraryEditorTest::deleteNeverRemovesFilesOutsideSystemFolder()
{
    LibraryFixture f;
    const QString outside = f.test.programFolder() + "/outside.jpg";
    TestPictures::jpeg(outside);
    f.prepare({"../outside.jpg", "link.jpg", "b.jpg"}, {QColor(), QColor(), Qt::green});
    QVERIFY(QFile::link(outside, f.test.copiesFolder() + "/link.jpg"));
    f.start();

    f.select(0);
    f.deleteSelected();
    f.select(0);
    f.deleteSelected();

    QCOMPARE(f.library->entries(), QStringList{"b.jpg"});
    QVERIFY(QFile::exists(outside));
    QVERIFY(QFileInfo(f.test.copiesFolder() + "/link.jpg").isSymLink());
}

void LibraryEditorTest::scrollBarFollowsDeletes()
{
    LibraryFixture f;
    f.prepare({"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"},
              {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan});
    f.start();
    QScrollBar* bar = scrollBar(f);
    QCOMPARE(bar->maximum(), 105);
    bar->setValue(105);
    QCOMPARE(strip(f)->y(), -105);

    // Scrolled to the bottom of five, one goes: the value follows the range.
    f.select(4);
    f.deleteSelected();
    QCOMPARE(bar->maximum(), 13);
    QCOMPARE(bar->value(), 13);
    QCOMPARE(strip(f)->y(), -13);
    QVERIFY(bar->isVisible());
    QVERIFY(bar->isEnabled());

    // Four to three: hidden and disabled, the strip back at its top.
    f.select(0);
    f.deleteSelected();
    QCOMPARE(f.library->slotCount(), 3);
    QVERIFY(!bar->isVisible());
    QVERIFY(!bar->isEnabled());
    QCOMPARE(strip(f)->y(), 0);
    QCOMPARE(strip(f)->height(), 276);
}

void LibraryEditorTest::slotsStayReadableBetweenChanges()
{
    // The flash run reads the slot count and every slot at each tick; after
    // any add or delete every slot must have its picture at once.
    LibraryFixture f;
    f.prepare({"a.jpg", "b.jpg"}, {Qt::red, Qt::green});
    f.start();
    QList<QColor> expected{Qt::red, Qt::green};
    auto tick = [&] {
        QCOMPARE(f.library->slotCount(), expected.size());
        for (int slot = 1; slot <= f.library->slotCount(); ++slot)
            QVERIFY2(similarColour(f.slotColour(slot), expected[slot - 1]),
                     qPrintable(QStringLiteral("slot %1").arg(slot)));
    };

    tick();
    f.add(f.userPicture("c.jpg", Qt::blue));
    expected << Qt::blue;
    tick();
    f.select(0);
    f.deleteSelected();
    expected.removeFirst();
    tick();
    f.add(f.userPicture("a.jpg", Qt::yellow));
    expected << Qt::yellow;
    tick();
    f.select(1);
    f.deleteSelected();
    expected.removeAt(1);
    tick();
    // Past the end of the list a slot is empty rather than stale.
    QVERIFY(f.library->flashPictureNow(f.library->slotCount() + 1).isNull());
}

QTEST_MAIN(LibraryEditorTest)
#include "tst_libraryeditor.moc"
