#include "Fakes.h"
#include "FileModesApply.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "flash/FlashRun.h"
#include "library/PictureLibrary.h"
#include "platform/LibraryLocation.h"
#include "platform/XdgAutostart.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QTest>

// What a system install changes: where the library lives, the autostart
// entry and the menu entries that show it, and --start.
class SystemInstallTest : public QObject
{
    Q_OBJECT
private slots:
    void libraryFolder_data();
    void libraryFolder();
    void autostartEntryIsWrittenValidAndRemoved();
    void startWithSessionShowsWhatIsOnDisk();
    void startOptionPressesStart_data();
    void startOptionPressesStart();
};

void SystemInstallTest::libraryFolder_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("inProgramFolder");
    QTest::newRow("writable, empty") << true << QStringList{} << true;
    QTest::newRow("read-only, empty") << false << QStringList{} << false;
    QTest::newRow("read-only, with a list") << false << QStringList{"record.txt"} << true;
    QTest::newRow("read-only, with copies") << false << QStringList{"SystemFolder"} << true;
}

void SystemInstallTest::libraryFolder()
{
    QFETCH(bool, writable);
    QFETCH(QStringList, present);
    QFETCH(bool, inProgramFolder);
    QTemporaryDir root;
    const QString program = root.filePath("lib/zorvik-subliminal-images");
    QVERIFY(QDir().mkpath(program));
    for (const QString& name : present)
        QVERIFY(name.contains('.') ? TestPictures::bytes(program + '/' + name, "")
                                   : QDir(program).mkdir(name));
    QVERIFY(QFile::setPermissions(program, writable ? QFile::Permissions(0x7755)
                                                    : QFile::Permissions(0x5555)));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("data")));
    const QString data = LibraryLocation::userDataFolder();
    QCOMPARE(data, root.filePath("data/zorvik-subliminal-images"));

    QString chosen;
    {
        APPLY_FILE_MODES();
        chosen = LibraryLocation::choose(program, data);
    }
    QFile::setPermissions(program, QFile::Permissions(0x7755));
    QCOMPARE(chosen, inProgramFolder ? program : data);
    // The data folder is missing until the first add makes it.
    QVERIFY(!QFileInfo::exists(root.filePath("data")));
    PictureLibrary library(LibraryFolder(chosen), {QSize(64, 48), QSize(16, 12)});
    library.load();
    QVERIFY(TestPictures::jpeg(root.filePath("goal.jpg")));
    QCOMPARE(library.add(root.filePath("goal.jpg")).outcome, PictureLibrary::Change::Outcome::Done);
    QVERIFY(QFileInfo(chosen + "/SystemFolder/goal.jpg").isFile());
    QVERIFY(QFileInfo(chosen + "/record.txt").isFile());
}

void SystemInstallTest::autostartEntryIsWrittenValidAndRemoved()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    XdgAutostart autostart(QStringLiteral("/opt/my \"odd\" $folder/100%/zorvik"));
    const QString entry = config.filePath("autostart/zorvik-subliminal-images.desktop");
    QCOMPARE(autostart.entryPath(), entry);
    QVERIFY(!autostart.isOn());

    QCOMPARE(autostart.setOn(true), QString());
    QVERIFY(autostart.isOn());
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(R"(Exec="/opt/my \\\"odd\\\" \\$folder/100%%/zorvik" --start)"
                           "\n"),
             qPrintable(text));
    QProcess validate;
    validate.start("desktop-file-validate", {entry});
    QVERIFY(validate.waitForFinished());
    QVERIFY2(validate.exitCode() == 0 && validate.readAll().isEmpty(), qPrintable(text));

    QCOMPARE(autostart.setOn(false), QString());
    QVERIFY(!autostart.isOn() && !QFileInfo::exists(entry));
    QCOMPARE(autostart.setOn(false), QString());
    // Where the folder cannot be made, the reason comes back and nothing is on.
    QDir(config.path()).rmdir("autostart");
    QVERIFY(TestPictures::bytes(config.filePath("autostart"), "a file"));
    QVERIFY(!autostart.setOn(true).isEmpty());
    QVERIFY(!autostart.isOn());
}

void SystemInstallTest::startWithSessionShowsWhatIsOnDisk()
{
    TestServices fakes;
    MainWindow window(fakes.services);
    window.load();
    const QList<QAction*> entries = window.findChildren<QAction*>("mnuStartWithSession");
    QCOMPARE(entries.size(), 2); // the File menu's and the tray's
    QMenu* file = window.findChild<QMenu*>("mnuFile");
    QVERIFY(file->actions().contains(entries.at(0)) || file->actions().contains(entries.at(1)));
    for (QAction* entry : entries)
        QVERIFY(entry->isCheckable() && !entry->isChecked());

    entries.at(0)->trigger();
    QVERIFY(fakes.autostart.on);
    emit window.trayIcon().menu()->aboutToShow();
    emit file->aboutToShow();
    for (QAction* entry : entries)
        QVERIFY(entry->isChecked());

    // Changed elsewhere: the menu shows it when it opens.
    fakes.autostart.on = false;
    emit file->aboutToShow();
    emit window.trayIcon().menu()->aboutToShow();
    for (QAction* entry : entries)
        QVERIFY(!entry->isChecked());

    fakes.autostart.failure = QStringLiteral("No space left on device");
    entries.at(1)->trigger();
    QVERIFY(!entries.at(1)->isChecked());
    QCOMPARE(fakes.dialogs.messages.size(), 1);
    QVERIFY(fakes.dialogs.messages.constFirst().text.contains("No space left on device"));
}

void SystemInstallTest::startOptionPressesStart_data()
{
    QTest::addColumn<bool>("startsRun");
    QTest::addColumn<bool>("withPicture");
    QTest::newRow("--start") << true << true;
    QTest::newRow("--start, no pictures") << true << false;
    QTest::newRow("no option") << false << true;
}

void SystemInstallTest::startOptionPressesStart()
{
    QFETCH(bool, startsRun);
    QFETCH(bool, withPicture);
    TestServices fakes;
    if (withPicture) {
        QVERIFY(QDir(fakes.programFolder()).mkdir("SystemFolder"));
        QVERIFY(TestPictures::jpeg(fakes.copiesFolder() + "/goal.jpg"));
        QVERIFY(TestPictures::bytes(fakes.listFile(), "\"goal.jpg\"\r\n"));
    }
    Program program(fakes.services);
    QVERIFY(program.start(startsRun));
    MainWindow* window = program.mainWindow();
    const bool runs = startsRun && withPicture;
    QCOMPARE(window->flashRun().isRunning(), runs);
    QTRY_COMPARE(window->isMinimized(), runs);
    const bool told = startsRun && !withPicture;
    QCOMPARE(fakes.dialogs.messages.size(), told ? 1 : 0);
    if (told)
        QCOMPARE(fakes.dialogs.messages.constFirst().text, FlashRun::NoPictureMessage);
}

QTEST_MAIN(SystemInstallTest)
#include "tst_systeminstall.moc"
