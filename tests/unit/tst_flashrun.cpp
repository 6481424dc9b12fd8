// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FlashLookDialog.h"
#include "app/MainWindow.h"
#include "app/MessagesDialog.h"
#include "app/PictureSetMenu.h"
#include "app/Program.h"
#include "app/RunTrayIcon.h"
#include "app/SetsDialog.h"
#include "core/FlashRun.h"
#include "core/FlashSequence.h"
#include "core/MessageLook.h"
#include "core/Session.h"
#include "core/ShowRecord.h"
#include "flash/FlashWindow.h"
#include "flash/FlashWindows.h"
#include "flash/StretchedPicture.h"
#include "library/MessageList.h"
#include "library/PictureLibrary.h"
#include "library/SetSettingsFile.h"
#include "platform/ProgramInfo.h"
#include "settings/SettingsPanel.h"

#include "Children.h"
#include "Fakes.h"
#include "FlashTicks.h"
#include "TestPictures.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// A flash run driven through the main window's Start/Stop button, with the
// fake interval and flash timers fired by hand.
class FlashRunTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startSavesArmsAndMinimises_data();
    void startSavesArmsAndMinimises();
    void startWithoutPicturesIsRefusedButSaves();
    void listOrderShowsEachSlotInTurnAndStartBeginsAgain();
    void randomOrderAndPlaceFollowTheDraws();
    void varyingIntervalDrawsEveryWait();
    void recordCountsEachFlashAndItsSwitchForgetsIt();
    void centreOfTheScreen();
    void flashLastsItsDurationFromTheFirstPaint();
    void animationLoopsAndAShortFlashShowsItsFirstFrame();
    void fadesAroundTheDurationOnlyWhereTheDesktopComposites_data();
    void fadesAroundTheDurationOnlyWhereTheDesktopComposites();
    void largerFlashFitsThePictureOnItsMonitor_data();
    void largerFlashFitsThePictureOnItsMonitor();
    void messagesFlashAmongThePicturesAtTheirOwnSize();
    void setMadeInItsWindowIsFlashedAloneAndFollowsItsName();
    void durationChangeAppliesToTheNextFlashIntervalToTheNextStart();
    void stopDuringAFlashRemovesItAndNothingFollows();
    void emptiedListPassesTicksUntilPicturesReturn();
    void missingPictureIsPassedOver();
    void closingTheMainWindowDuringAFlashEndsTheRun();
    void flashWindowStaysOutOfTheWay();

private:
    // Lists one picture per colour, then names in withoutCopies that have no
    // copy; the first copy is the test picture firstFromCorpus when named.
    void writeLibrary(const QList<QColor>& colours, const QStringList& withoutCopies = {},
                      const QString& firstFromCorpus = {});
    void click() { QTest::mouseClick(child<QPushButton>(m_window, "cmdProceed"), Qt::LeftButton); }
    FakeTimer* interval() const { return m_services->timers.find(FlashRun::IntervalTimerName); }
    FakeTimer* flashTimer() const { return m_services->timers.find(FlashWindow::FlashTimerName); }
    FakeTimer* frameTimer() const { return m_services->timers.find(FlashWindow::FrameTimerName); }
    FlashWindow* flash() const { return m_window->flashWindows().current(); }
    // Fires the interval timer and waits until the picture is on the screen.
    FlashWindow* tick();
    // Ends the current flash as its timer would.
    void endFlash();
    QColor shownColour() const;
    void setOrderAndPlace(bool listOrder, bool centre);

    std::unique_ptr<TestServices> m_services;
    QPointer<MainWindow> m_window;
};

namespace
{
const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255);
}

void FlashRunTest::init()
{
    m_services = std::make_unique<TestServices>();
}

void FlashRunTest::cleanup()
{
    delete m_window.data();
    m_services.reset();
}

void FlashRunTest::writeLibrary(const QList<QColor>& colours, const QStringList& withoutCopies,
                                const QString& firstFromCorpus)
{
    QByteArray list;
    for (int i = 0; i < colours.size(); ++i) {
        const QString name = QStringLiteral("picture%1.bmp").arg(i + 1);
        QVERIFY(TestPictures::bmp(m_services->copiesFolder() + '/' + name, colours.at(i)));
        list += '"' + name.toUtf8() + "\"\r\n";
    }
    for (const QString& name : withoutCopies)
        list += '"' + name.toUtf8() + "\"\r\n";
    if (!firstFromCorpus.isEmpty()) {
        const QString first = m_services->copiesFolder() + "/picture1.bmp";
        QVERIFY(QFile::remove(first));
        QVERIFY(QFile::copy(ZORVIK_SOURCE_DIR "/tests/corpus/pictures/" + firstFromCorpus, first));
    }
    QVERIFY(TestPictures::bytes(m_services->listFile(), list));
    m_window = new MainWindow(m_services->services);
    m_window->load();
    m_window->show();
    m_window->library().store().waitForAll();
}

FlashWindow* FlashRunTest::tick()
{
    return tickAndWaitForFlash(interval(), m_window->flashWindows());
}

void FlashRunTest::endFlash()
{
    QVERIFY(flash());
    QPointer<FlashWindow> window = flash();
    QVERIFY(flashTimer()->fire());
    QVERIFY(!flash());
    QVERIFY(!window || !window->isVisible());
    QTRY_VERIFY(!window);
}

QColor FlashRunTest::shownColour() const
{
    // Away from the pictures' diagonal stripe.
    return child<StretchedPicture>(flash(), "imgPictureDisplay")
        ->grab()
        .toImage()
        .pixelColor(300, 30);
}

void FlashRunTest::setOrderAndPlace(bool listOrder, bool centre)
{
    child<QRadioButton>(m_window, listOrder ? "optDisplayOrder_1" : "optDisplayOrder_0")
        ->setChecked(true);
    child<QRadioButton>(m_window, centre ? "optLocation_1" : "optLocation_0")->setChecked(true);
}

void FlashRunTest::startSavesArmsAndMinimises_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("period");
    QTest::newRow("2 s") << 0 << 2000;
    QTest::newRow("15 s") << 3 << 15000;
    QTest::newRow("120 s") << 24 << 120000;
}

void FlashRunTest::startSavesArmsAndMinimises()
{
    QFETCH(int, position);
    QFETCH(int, period);
    writeLibrary({Red});
    child<QComboBox>(m_window, "cboDispInterval")->setCurrentIndex(position);
    child<QComboBox>(m_window, "cboDispDuration")->setCurrentIndex(8);
    setOrderAndPlace(true, true);

    click();
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Stop"));
    QCOMPARE(m_services->settings.writes,
             (QStringList{"DispInterval", "DispDuration", "DispLocation", "DispOrder"}));
    QCOMPARE(m_services->settings.read("zorvik-subliminal-images", "settings", "DispInterval"),
             QString::number(position));
    QCOMPARE(interval()->interval(), period);
    QVERIFY(interval()->isRunning());
    QTRY_VERIFY(m_window->isMinimized());
    // Minimised with the hint its frame otherwise lacks, which some desktops need.
    QVERIFY(m_window->windowHandle()->flags() & Qt::WindowMinimizeButtonHint);
    m_window->showNormal();
    QVERIFY(!(m_window->windowHandle()->flags() & Qt::WindowMinimizeButtonHint));
    // No flash at the moment of Start.
    QVERIFY(!flash());
    QVERIFY(m_services->dialogs.messages.isEmpty());
}

void FlashRunTest::startWithoutPicturesIsRefusedButSaves()
{
    writeLibrary({});
    click();
    QCOMPARE(m_services->dialogs.messages.size(), 1);
    const auto message = m_services->dialogs.messages.first();
    QCOMPARE(message.text,
             QStringLiteral("Please Select Atleast One Image To Display Your Picture"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.title, ProgramInfo::title());
    QCOMPARE(m_services->settings.writes.size(), 4);
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Start"));
    QVERIFY(!interval()->isRunning());
    QVERIFY(!m_window->isMinimized());
}

void FlashRunTest::listOrderShowsEachSlotInTurnAndStartBeginsAgain()
{
    writeLibrary({Red, Green, Blue});
    setOrderAndPlace(true, true);
    click();
    QList<QColor> shown;
    for (int i = 0; i < 4; ++i) {
        QVERIFY(tick());
        QVERIFY2(!interval()->isEnabled(), "the interval pauses during a flash");
        shown << shownColour();
        endFlash();
        QVERIFY2(interval()->isRunning(), "the end of a flash starts the next interval");
    }
    QCOMPARE(shown, (QList<QColor>{Red, Green, Blue, Red}));

    click();
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Start"));
    click();
    QVERIFY(tick());
    QCOMPARE(shownColour(), Red);
    QCOMPARE(m_services->random.draws, 0);
}

void FlashRunTest::randomOrderAndPlaceFollowTheDraws()
{
    writeLibrary({Red, Green, Blue});
    setOrderAndPlace(false, false);
    // Slot (drawn at Start, so that its picture is ready), then top, then left.
    m_services->random.values.append({0.5, 0.5, 0.1});
    click();
    QCOMPARE(m_services->random.draws, 1);
    QVERIFY(tick());
    QCOMPARE(shownColour(), Green);
    // Top 3892 twips (7785 / 2, half to even), left 1006 twips (1006.5, half to even).
    QCOMPARE(flash()->pos(), QPoint(67, 259));
    QCOMPARE(m_window->flashRun().scheduler().lastRandomSlot(), 2);
    endFlash();

    // Switching to list order mid-run starts from the list position, here none.
    setOrderAndPlace(true, false);
    m_services->random.values.append({0.9999999, 0.9999999});
    QVERIFY(tick());
    QCOMPARE(shownColour(), Red);
    QCOMPARE(flash()->pos(), QPoint(1024 - 353, 768 - 249));
}

void FlashRunTest::varyingIntervalDrawsEveryWait()
{
    writeLibrary({Red});
    child<QComboBox>(m_window, "cboDispInterval")->setCurrentIndex(3); // 15 s
    setOrderAndPlace(true, true);                                      // no other draws
    // The File menu's; the tray menu has one too.
    QMenu* vary = m_window->findChildren<QMenu*>("mnuVaryInterval").value(0);
    QVERIFY(vary);
    child<QAction>(vary, "mnuVary50")->trigger();
    QCOMPARE(m_services->settings.read("zorvik-subliminal-images", "interval", "Spread"), "50");

    // Each wait from 7.5 s to 22.5 s; a tick's own wait is drawn again when
    // its flash ends.
    m_services->random.values.append({0.0, 0.3, 0.5});
    click();
    QCOMPARE(interval()->interval(), 7500);
    QVERIFY(tick());
    endFlash();
    QCOMPARE(interval()->interval(), 15000);
    click();

    // A share written by hand is shown checked, beside the usual ones; never
    // less than 2 s is waited.
    m_services->settings.write("zorvik-subliminal-images", "interval", "Spread", "100");
    emit vary->aboutToShow();
    QVERIFY(child<QAction>(vary, "mnuVary100")->isChecked());
    QVERIFY(!child<QAction>(vary, "mnuVary50")->isChecked());
    m_services->random.values.append({0.0});
    click();
    QCOMPARE(interval()->interval(), 2000);
}

void FlashRunTest::recordCountsEachFlashAndItsSwitchForgetsIt()
{
    writeLibrary({Red, Green});
    setOrderAndPlace(true, true);
    click();
    for (int flash = 0; flash < 3; ++flash) {
        QVERIFY(tick());
        endFlash();
    }
    auto* tray = qobject_cast<RunTrayIcon*>(m_window->findChild<QObject*>("RunTrayIcon"));
    QVERIFY(tray->toolTip().contains("\nShown today: 3\n"));

    child<QAction>(m_window, "mnuRecord")->trigger();
    auto* record = child<QDialog>(m_window, "frmRecord");
    QCOMPARE(child<QLabel>(record, "lblRecordSummary")->text(),
             "Today: 3   This week: 3   In all: 3");
    auto* table = child<QTableWidget>(record, "tblRecord");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(), "picture1.bmp"); // shown most
    QCOMPARE(table->item(0, 1)->text(), "2");

    child<QCheckBox>(record, "chkKeepRecord")->click();
    QCOMPARE(m_services->settings.read("zorvik-subliminal-images", "record", "Keep"), "0");
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(tick());
    QCOMPARE(m_window->session().record().shownInAll(), 0);
    QVERIFY(!tray->toolTip().contains("Shown today"));
}

void FlashRunTest::centreOfTheScreen()
{
    writeLibrary({Red});
    setOrderAndPlace(false, true);
    click();
    m_services->random.values.append({0.3});
    QVERIFY(tick());
    QCOMPARE(m_services->random.draws, 1);
    QCOMPARE(flash()->size(), QSize(353, 249));
    // (1024 - 353) / 2 and (768 - 249) / 2 are both 335.5 and 259.5: one pixel
    // either way is as centred as pixels allow.
    QVERIFY(qAbs(2 * flash()->x() + 353 - 1024) <= 1);
    QVERIFY(qAbs(2 * flash()->y() + 249 - 768) <= 1);

    endFlash();
    m_services->screen.pixels = QSize(353, 249);
    m_services->monitors.current = {{QRect(0, 0, 353, 249)}, 0, {}};
    QVERIFY(tick());
    QCOMPARE(flash()->pos(), QPoint(0, 0));
}

void FlashRunTest::flashLastsItsDurationFromTheFirstPaint()
{
    writeLibrary({Red});
    child<QComboBox>(m_window, "cboDispDuration")->setCurrentIndex(4); // "100"
    click();
    // Start gets the first picture ready during the interval.
    QImage first;
    QTRY_VERIFY(m_window->library().flashPicture(1, &first) == FlashPictures::Availability::Ready);
    QVERIFY(interval()->fire());
    QPointer<FlashWindow> window = flash();
    QVERIFY(window);
    // Until the paint only a fallback count runs, in case no paint ever comes.
    QVERIFY(!window->isPictureOnScreen());
    QCOMPARE(flashTimer()->interval(), 100 + FlashWindow::UnpaintedGraceMs);
    const int startsBeforePaint = flashTimer()->starts();
    QSignalSpy onScreen(&m_window->flashWindows(), &FlashDisplay::pictureOnScreen);
    QTRY_VERIFY(window->isPictureOnScreen());
    QCOMPARE(onScreen.count(), 1);
    QCOMPARE(flashTimer()->interval(), 100);
    QCOMPARE(flashTimer()->starts(), startsBeforePaint + 1);
    QVERIFY(flashTimer()->isRunning());
    endFlash();
}

void FlashRunTest::fadesAroundTheDurationOnlyWhereTheDesktopComposites_data()
{
    QTest::addColumn<bool>("composites");
    QTest::newRow("compositing desktop") << true;
    QTest::newRow("no compositor: plain") << false;
}

void FlashRunTest::fadesAroundTheDurationOnlyWhereTheDesktopComposites()
{
    QFETCH(bool, composites);
    m_services->screen.compositing = composites;
    writeLibrary({Red});
    child<QComboBox>(m_window, "cboDispDuration")->setCurrentIndex(4); // "100"
    child<QAction>(m_window, "mnuFlashLook")->trigger();
    auto* dialog = child<FlashLookDialog>(m_window, "frmFlashLook");
    QCOMPARE(child<QLabel>(dialog, "lblNoBlending")->isVisibleTo(dialog), !composites);
    child<QSpinBox>(dialog, "spnOpacity")->setValue(50);
    child<QSpinBox>(dialog, "spnFadeIn")->setValue(200);
    child<QSpinBox>(dialog, "spnFadeOut")->setValue(300);
    QCOMPARE(dialog->previewOpacity(), 0.5);
    dialog->accept();
    QCOMPARE(m_services->settings.read("zorvik-subliminal-images", "look", "FadeOutMs"), "300");

    click();
    QPointer<FlashWindow> window = tick();
    QVERIFY(window);
    FakeTimer* fade = m_services->timers.find(FlashWindow::FadeTimerName);
    if (!composites) { // opaque, its duration alone, gone at once
        QCOMPARE(window->windowOpacity(), 1.0);
        QCOMPARE(flashTimer()->interval(), 100);
        QVERIFY(!fade);
        endFlash();
        return;
    }
    // The fade in, then the duration at full strength, then the fade out.
    QVERIFY(window->windowOpacity() < 0.5);
    QCOMPARE(flashTimer()->interval(), 200 + 100);
    QVERIFY(fade && fade->isRunning());
    // Kept in steps of 1/255.
    QTRY_VERIFY((fade->fire(), qAbs(window->windowOpacity() - 0.5) < 0.01));
    QVERIFY(!fade->isEnabled());
    QVERIFY(flashTimer()->fire());
    QCOMPARE(flashTimer()->interval(), 300);
    QVERIFY(flash() && fade->isRunning());
    QTRY_VERIFY((fade->fire(), window->windowOpacity() < 0.4));
    endFlash(); // the window goes, and its timers with it
}

void FlashRunTest::largerFlashFitsThePictureOnItsMonitor_data()
{
    QTest::addColumn<int>("size"); // the entry of the size list
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("side"); // of the square picture's window
    QTest::newRow("a quarter: 512 x 384") << 1 << "quarter" << 384;
    QTest::newRow("half: 724 x 543") << 2 << "half" << 543;
    QTest::newRow("the whole screen") << 3 << "screen" << 768;
}

void FlashRunTest::largerFlashFitsThePictureOnItsMonitor()
{
    QFETCH(int, size);
    QFETCH(QString, kept);
    QFETCH(int, side);
    writeLibrary({Red, Green}); // square pictures
    setOrderAndPlace(true, true);
    child<QAction>(m_window, "mnuFlashLook")->trigger();
    auto* dialog = child<FlashLookDialog>(m_window, "frmFlashLook");
    child<QComboBox>(dialog, "cboSize")->setCurrentIndex(size);
    dialog->accept();
    QCOMPARE(m_services->settings.read("zorvik-subliminal-images", "look", "Size"), kept);

    click();
    // Each picture decoded at the size it is shown at, in a window of its own
    // proportions, centred on the primary monitor.
    for (const QColor& colour : {Red, Green}) {
        FlashWindow* flashed = tick();
        QVERIFY(flashed);
        const QRect monitor = m_services->monitors.current.monitors.at(0);
        QCOMPARE(flashed->size(), QSize(side, side));
        QCOMPARE(flashed->picture().size(), QSize(side, side));
        QVERIFY((flashed->geometry().center() - monitor.center()).manhattanLength() <= 1);
        QCOMPARE(shownColour(), colour);
        endFlash();
    }
}

void FlashRunTest::messagesFlashAmongThePicturesAtTheirOwnSize()
{
    writeLibrary({Red});
    setOrderAndPlace(true, true);
    child<QAction>(m_window, "mnuMessages")->trigger();
    auto* dialog = child<MessagesDialog>(m_window, "frmMessages");
    QTest::keyClicks(child<QLineEdit>(dialog, "txtMessage"), "I keep going");
    QTest::mouseClick(child<QPushButton>(dialog, "cmdAddMessage"), Qt::LeftButton);
    child<QComboBox>(dialog, "cboFlashContent")->setCurrentIndex(2); // both
    QVERIFY(!dialog->preview().isNull());
    dialog->accept();
    QCOMPARE(m_window->session().messages().messages(), QStringList{"I keep going"});

    click();
    QVERIFY(tick());
    QCOMPARE(shownColour(), Red);
    endFlash();
    // Drawn ahead, at its own size, centred; opaque on its box's colour
    // where the desktop does not blend.
    FlashWindow* message = tick();
    QVERIFY(message);
    QCOMPARE(message->size(), message->picture().size());
    QVERIFY(message->width() < 1024 * 0.8 + 64 && message->height() < 200);
    const QRect monitor = m_services->monitors.current.monitors.at(0);
    QVERIFY((message->geometry().center() - monitor.center()).manhattanLength() <= 1);
    QCOMPARE(message->picture().pixelColor(0, 0), MessageLook().boxColour);
    endFlash();
    QCOMPARE(m_window->session().record().pictures().value("\"I keep going\"").count, 1);
}

void FlashRunTest::setMadeInItsWindowIsFlashedAloneAndFollowsItsName()
{
    writeLibrary({Red, Green, Blue});
    setOrderAndPlace(true, true);
    auto* setMenu = child<PictureSetMenu>(m_window, "mnuPictureSet");
    child<QAction>(setMenu, "mnuEditSets")->trigger();
    auto* sets = child<SetsDialog>(m_window, "frmSets");
    auto* name = child<QLineEdit>(sets, "txtSetName");
    const auto press = [sets](const char* button) {
        QTest::mouseClick(child<QPushButton>(sets, button), Qt::LeftButton);
    };
    name->setText("work");
    press("cmdNewSet");
    auto* pictures = child<QListWidget>(sets, "lstSetPictures");
    for (const int row : {2, 0}) // blue, then red: kept in the list's order
        pictures->item(row)->setCheckState(Qt::Checked);
    QFile file(m_services->programFolder() + "/sets/work.txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"picture1.bmp\"\r\n\"picture3.bmp\"\r\n"));

    emit setMenu->aboutToShow(); // read afresh, as each time it opens
    const QList<QAction*> entries = setMenu->actions();
    const auto work = std::find_if(entries.cbegin(), entries.cend(),
                                   [](const QAction* entry) { return entry->text() == "work"; });
    QVERIFY(work != entries.cend());
    (*work)->trigger();
    click();
    for (const QColor& colour : {Red, Blue, Red}) {
        QVERIFY(tick());
        QCOMPARE(shownColour(), colour);
        endFlash();
    }
    // Its display settings are its own, saved at Stop. Renamed and deleted in
    // the window, the run and the settings follow; the whole list's are back.
    setOrderAndPlace(false, true);
    click();
    name->setText("job");
    press("cmdRenameSet");
    QCOMPARE(m_window->session().currentSet(), QString("job"));
    const QString settings = m_services->programFolder() + "/sets/job.ini";
    QCOMPARE(SetSettingsFile(settings).read({}, "settings", "DispOrder"), QString("0"));
    QVERIFY(child<QRadioButton>(m_window, "optDisplayOrder_0")->isChecked());
    const QString exported = m_services->programFolder() + "/../job.tar.gz";
    m_services->dialogs.chosenFolders << exported;
    press("cmdExportSet");
    QVERIFY(QFileInfo(exported).size() > 0);
    m_services->dialogs.answers << MessageAnswer::Yes;
    press("cmdDeleteSet");
    QCOMPARE(m_window->session().currentSet(), QString());
    QCOMPARE(m_window->session().sequence().slotCount(), 3);
    QVERIFY(child<QRadioButton>(m_window, "optDisplayOrder_1")->isChecked());
    QVERIFY(!QFileInfo::exists(settings));
}

void FlashRunTest::animationLoopsAndAShortFlashShowsItsFirstFrame()
{
    // Red for 50 ms, green for 100, blue for 200.
    writeLibrary({Red}, {}, QStringLiteral("animated.gif"));
    click();
    // Start gets the frames ready during the interval.
    QTRY_VERIFY(m_window->library().animation(1));
    QVERIFY(tick()); // 20 ms
    QCOMPARE(shownColour(), Red);
    QVERIFY(!frameTimer()->isRunning());
    endFlash();

    child<QComboBox>(m_window, "cboDispDuration")->setCurrentIndex(9); // "1000"
    QTRY_VERIFY(m_window->library().animation(1));
    QVERIFY(tick());
    QList<QColor> shown{shownColour()};
    QList<int> waits{frameTimer()->interval()};
    for (int frame = 1; frame <= 3; ++frame) {
        QVERIFY(frameTimer()->fire());
        shown << shownColour();
        waits << frameTimer()->interval();
    }
    QCOMPARE(shown, (QList<QColor>{Red, Green, Blue, Red}));
    QCOMPARE(waits, (QList<int>{50, 100, 200, 50}));
    QPointer<FakeTimer> frames = frameTimer();
    endFlash();
    QVERIFY(!frames);
    click(); // Stop: the frames are not kept
    QVERIFY(!m_window->library().animation(1));
}

void FlashRunTest::durationChangeAppliesToTheNextFlashIntervalToTheNextStart()
{
    writeLibrary({Red, Green});
    click();
    QVERIFY(tick());
    QCOMPARE(flashTimer()->interval(), 20);
    child<QComboBox>(m_window, "cboDispDuration")->setCurrentIndex(9); // "1000"
    child<QComboBox>(m_window, "cboDispInterval")->setCurrentIndex(2); // "10"
    endFlash();
    QCOMPARE(interval()->interval(), 2000);
    QVERIFY(tick());
    QCOMPARE(flashTimer()->interval(), 1000);

    click();
    click();
    QCOMPARE(interval()->interval(), 10000);
}

void FlashRunTest::stopDuringAFlashRemovesItAndNothingFollows()
{
    writeLibrary({Red});
    click();
    QPointer<FlashWindow> window = tick();
    QVERIFY(window);
    click();
    QVERIFY(!window || !window->isVisible());
    QVERIFY(!flash());
    QCOMPARE(interval()->interval(), 0);
    QVERIFY(!interval()->fire());
    QTRY_VERIFY(!window);
    QVERIFY(!flash());
    QCOMPARE(child<QPushButton>(m_window, "cmdProceed")->text(), QStringLiteral("&Start"));
}

void FlashRunTest::emptiedListPassesTicksUntilPicturesReturn()
{
    writeLibrary({Red, Green, Blue});
    setOrderAndPlace(true, true);
    click();
    QVERIFY(tick());
    endFlash();

    PictureLibrary& library = m_window->library();
    while (library.rowCount() > 0)
        QVERIFY(library.remove(0).done());
    QCOMPARE(library.slotCount(), 0);
    QVERIFY(interval()->fire());
    QVERIFY(!flash());
    QVERIFY2(interval()->isRunning(), "the run goes on");

    QTemporaryDir userFolder;
    for (const auto& [name, colour] : {std::pair{"picture3.bmp", Blue}, {"picture2.bmp", Green}}) {
        const QString path = userFolder.filePath(QLatin1String(name));
        QVERIFY(TestPictures::bmp(path, colour));
        QVERIFY(library.add(path).done());
    }
    library.store().waitForAll();
    QVERIFY(tick());
    // List position 1 was shown last: slot 2 of the new list.
    QCOMPARE(shownColour(), Green);
}

// No empty grey box for an entry whose copy is missing or empty: the next
// picture comes instead, and with none readable, nothing.
void FlashRunTest::missingPictureIsPassedOver()
{
    QVERIFY(TestPictures::bytes(m_services->copiesFolder() + "/empty.bmp", {}));
    writeLibrary({Red}, {"missing.bmp", "empty.bmp"});
    setOrderAndPlace(true, true);
    click();
    for (int i = 0; i < 3; ++i) {
        QVERIFY(tick());
        QCOMPARE(shownColour(), Red);
        endFlash();
    }
}

void FlashRunTest::closingTheMainWindowDuringAFlashEndsTheRun()
{
    writeLibrary({Red});
    click();
    QPointer<FlashWindow> window = tick();
    QVERIFY(window);
    QPointer<FakeTimer> flashing = flashTimer();
    m_window->close();
    QVERIFY(!window || !window->isVisible());
    if (flashing)
        flashing->fire();
    QTRY_VERIFY(!m_window);
    QTRY_VERIFY(!window);
    QVERIFY(!interval());
}

void FlashRunTest::flashWindowStaysOutOfTheWay()
{
    writeLibrary({Red});
    click();
    FlashWindow* window = tick();
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tidewell Charts v1.0"));
    QVERIFY(window->isWindow());
    QVERIFY(!window->parent());
    const Qt::WindowFlags flags = window->windowFlags();
    for (Qt::WindowType flag :
         {Qt::FramelessWindowHint, Qt::WindowDoesNotAcceptFocus, Qt::WindowTransparentForInput,
          Qt::WindowStaysOnTopHint, Qt::BypassWindowManagerHint})
        QVERIFY(flags.testFlag(flag));
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(child<StretchedPicture>(window, "imgPictureDisplay")->geometry(),
             QRect(0, 0, 353, 249));

    // Any picture fills the window, stretched.
    window->setPicture(QImage(QSize(40, 300), QImage::Format_RGB32));
    QImage tall(QSize(40, 300), QImage::Format_RGB32);
    tall.fill(Blue);
    window->setPicture(tall);
    const QImage shown = child<StretchedPicture>(window, "imgPictureDisplay")->grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0), Blue);
    QCOMPARE(shown.pixelColor(352, 248), Blue);
}

QTEST_MAIN(FlashRunTest)
#include "tst_flashrun.moc"
