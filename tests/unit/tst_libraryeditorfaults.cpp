// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileModesApply.h"
#include "FileSizeLimit.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "library/PictureListFile.h"
#include "platform/ProgramInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// Adds and deletes that fail on the way: each says why and leaves the list,
// record.txt, SystemFolder and the viewer as they were.
class LibraryEditorFaultsTest : public QObject
{
    Q_OBJECT
private slots:
    void copiesFolderUnusable_data();
    void copiesFolderUnusable();
    void sourceUnreadable_data();
    void sourceUnreadable();
    void diskFillsDuringTheCopy_data();
    void diskFillsDuringTheCopy();
    void listCannotBeSavedOnAdd_data();
    void listCannotBeSavedOnAdd();
    void listCannotBeSavedOnDelete_data();
    void listCannotBeSavedOnDelete();
    void readOnlyProgramFolderRewritesTheList();
    void cleanupTestCase();
};

namespace
{

constexpr QFile::Permissions ReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner;
constexpr QFile::Permissions WritableFolder = ReadOnlyFolder | QFile::WriteOwner;

int refusalsSeen = 0;

void expectRefusal(const LibraryFixture& f, const LibrarySnapshot& before, const QString& file,
                   const QString& reason)
{
    QCOMPARE(f.snapshot(), before);
    QCOMPARE(f.test.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message& message = f.test.dialogs.messages.constFirst();
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.title, ProgramInfo::title());
    QVERIFY2(message.text.contains(file), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason, Qt::CaseInsensitive), qPrintable(message.text));
    QVERIFY2(!message.text.contains("Unknown error"), qPrintable(message.text));
    ++refusalsSeen;
}

// Many long names make a list file far larger than one small picture.
QStringList longNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1-%2.jpg").arg(i).arg(QString(80, QLatin1Char('x')));
    return names;
}

} // namespace

void LibraryEditorFaultsTest::copiesFolderUnusable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("SystemFolder is a file") << "file"
                                            << "cannot be made";
    QTest::newRow("SystemFolder is a dangling link") << "dangling"
                                                     << "cannot be made";
    QTest::newRow("read-only SystemFolder") << "read-only"
                                            << "permission denied";
    QTest::newRow("read-only program folder") << "read-only program folder"
                                              << "cannot be made";
}

void LibraryEditorFaultsTest::copiesFolderUnusable()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    APPLY_FILE_MODES();

    LibraryFixture f;
    f.prepare({});
    const QString copies = f.test.copiesFolder();
    if (kind == "file")
        QVERIFY(TestPictures::bytes(copies, "not a folder"));
    else if (kind == "dangling")
        QVERIFY(QFile::link(f.test.programFolder() + "/nowhere", copies));
    else if (kind == "read-only")
        QVERIFY(QDir().mkpath(copies) && QFile::setPermissions(copies, ReadOnlyFolder));
    f.start();
    if (kind == "read-only program folder")
        QVERIFY(QFile::setPermissions(f.test.programFolder(), ReadOnlyFolder));
    const LibrarySnapshot before = f.snapshot();

    const QString chosen = f.userPicture("car.jpg");
    f.add(chosen);

    QFile::setPermissions(f.test.programFolder(), WritableFolder);
    QFile::setPermissions(copies, WritableFolder);
    expectRefusal(f, before, chosen, reason);
}

void LibraryEditorFaultsTest::sourceUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such file") << "missing"
                                  << "does not exist";
    QTest::newRow("a folder") << "folder"
                              << "not a file";
    QTest::newRow("text named .jpg") << "text"
                                     << "not a picture";
    QTest::newRow("icon named .jpg") << "icon"
                                     << "does not show pictures of this kind";
    QTest::newRow("no read permission") << "unreadable"
                                        << "not a picture";
}

void LibraryEditorFaultsTest::sourceUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    APPLY_FILE_MODES();

    LibraryFixture f;
    f.prepare({"a.jpg"}, {Qt::red});
    f.start();
    const QString chosen = f.userFolder.filePath("car.jpg");
    if (kind == "folder")
        QVERIFY(QDir().mkpath(chosen));
    else if (kind == "text")
        QVERIFY(TestPictures::bytes(chosen, "just some words, no picture\n"));
    else if (kind == "icon")
        QVERIFY(TestPictures::write(chosen, QSize(40, 30), Qt::green, "ICO"));
    else if (kind == "unreadable")
        QVERIFY(TestPictures::jpeg(chosen) && QFile::setPermissions(chosen, {}));
    const LibrarySnapshot before = f.snapshot();

    f.add(chosen);

    expectRefusal(f, before, chosen, reason);
}

void LibraryEditorFaultsTest::diskFillsDuringTheCopy_data()
{
    QTest::addColumn<bool>("copiesFolderExists");
    QTest::newRow("into SystemFolder") << true;
    QTest::newRow("SystemFolder made for it") << false;
}

void LibraryEditorFaultsTest::diskFillsDuringTheCopy()
{
    QFETCH(bool, copiesFolderExists);
    LibraryFixture f;
    if (copiesFolderExists)
        f.prepare({"a.jpg"}, {Qt::red});
    else
        f.prepare({});
    f.start();
    // 30,000 bytes of pixels against a limit of 8 KiB.
    const QString chosen = f.userPicture("big.bmp", Qt::blue, "BMP");
    QVERIFY(QFileInfo(chosen).size() > 20'000);
    const LibrarySnapshot before = f.snapshot();
    {
        FileSizeLimit full(8192);
        f.add(chosen);
    }
    expectRefusal(f, before, chosen, "file too large");
}

void LibraryEditorFaultsTest::listCannotBeSavedOnAdd_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk fills") << "full"
                                << "cannot be saved";
    // Not a copy of ours: kept, and the add refused before the list is saved.
    QTest::newRow("disk fills, unlisted file of that name") << "full, unlisted"
                                                            << "is not replaced";
    QTest::newRow("record.txt is a folder") << "folder"
                                            << "cannot be saved";
    QTest::newRow("read-only program folder and record.txt") << "read-only"
                                                             << "cannot be saved";
    QTest::newRow("read-only program folder, disk fills") << "read-only, full"
                                                          << "cannot be saved";
}

void LibraryEditorFaultsTest::listCannotBeSavedOnAdd()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    APPLY_FILE_MODES();
    LibraryFixture f;
    constexpr int Limit = 8192;
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(f.test.listFile()));
        QVERIFY(QDir().mkpath(f.test.copiesFolder()));
    } else {
        f.prepare(longNames(100), {Qt::red});
        QVERIFY(QFileInfo(f.test.listFile()).size() > Limit);
    }
    if (kind.contains("unlisted"))
        QVERIFY(TestPictures::bytes(f.test.copiesFolder() + "/car.jpg", "left over"));
    f.start();
    const QString chosen = f.userPicture("car.jpg");
    QVERIFY(QFileInfo(chosen).size() < Limit);
    // With the folder read-only the list is rewritten in place, which only
    // a read-only record.txt or a full disk stops.
    if (kind.startsWith("read-only"))
        QVERIFY(QFile::setPermissions(f.test.programFolder(), ReadOnlyFolder));
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(f.test.listFile(), QFile::ReadOwner));
    const LibrarySnapshot before = f.snapshot();
    {
        FileSizeLimit full(kind.contains("full") || kind.contains("unlisted") ? Limit
                                                                              : RLIM_INFINITY);
        f.add(chosen);
    }
    QFile::setPermissions(f.test.programFolder(), WritableFolder);
    QFile::setPermissions(f.test.listFile(), QFile::ReadOwner | QFile::WriteOwner);
    expectRefusal(f, before, chosen, reason);
}

void LibraryEditorFaultsTest::listCannotBeSavedOnDelete_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("disk fills") << "full";
    QTest::newRow("record.txt is a folder") << "folder";
    QTest::newRow("read-only program folder and record.txt") << "read-only";
    QTest::newRow("read-only program folder, disk fills") << "read-only, full";
}

void LibraryEditorFaultsTest::listCannotBeSavedOnDelete()
{
    QFETCH(QString, kind);
    APPLY_FILE_MODES();
    LibraryFixture f;
    QStringList names = longNames(100);
    names.prepend("a.jpg");
    f.prepare(names, {Qt::red});
    f.start();
    if (kind == "folder")
        QVERIFY(QFile::remove(f.test.listFile()) && QDir().mkpath(f.test.listFile()));
    if (kind.startsWith("read-only"))
        QVERIFY(QFile::setPermissions(f.test.programFolder(), ReadOnlyFolder));
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(f.test.listFile(), QFile::ReadOwner));
    f.select(0);
    const LibrarySnapshot before = f.snapshot();
    {
        // Shorter than the list, so the rewrite in place fails part-way.
        FileSizeLimit full(kind.contains("full") ? 4096 : RLIM_INFINITY);
        f.deleteSelected();
    }
    QFile::setPermissions(f.test.programFolder(), WritableFolder);
    QFile::setPermissions(f.test.listFile(), QFile::ReadOwner | QFile::WriteOwner);
    expectRefusal(f, before, "a.jpg", "cannot be saved");
    QVERIFY(QFile::exists(f.test.copiesFolder() + "/a.jpg"));
    QVERIFY(similarColour(f.slotColour(1), Qt::red));
}

// The program folder read-only, record.txt and SystemFolder writable: adds
// and deletes go on, the list rewritten where it is.
void LibraryEditorFaultsTest::readOnlyProgramFolderRewritesTheList()
{
    APPLY_FILE_MODES();
    LibraryFixture f;
    f.prepare({"a.jpg", "b.jpg"}, {Qt::red, Qt::green});
    f.start();
    QVERIFY(QFile::setPermissions(f.test.programFolder(), ReadOnlyFolder));
    f.add(f.userPicture("car.jpg", Qt::blue));
    f.select(0);
    f.deleteSelected();
    const QStringList folder = QDir(f.test.programFolder()).entryList(QDir::Files | QDir::Hidden);
    QFile::setPermissions(f.test.programFolder(), WritableFolder);

    QCOMPARE(f.test.dialogs.messages.size(), 0);
    QCOMPARE(PictureListFile::load(f.test.listFile()), (QStringList{"b.jpg", "car.jpg"}));
    QCOMPARE(folder.filter("saving"), QStringList{});
    QVERIFY(QFile::exists(f.test.copiesFolder() + "/car.jpg"));
    QVERIFY(!QFile::exists(f.test.copiesFolder() + "/a.jpg"));
}

void LibraryEditorFaultsTest::cleanupTestCase()
{
    qInfo("add and delete faults: %d injected, each refused with its reason; 0 lists, copies "
          "or slots changed (must be 0)",
          refusalsSeen);
}

QTEST_MAIN(LibraryEditorFaultsTest)
#include "tst_libraryeditorfaults.moc"
