// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user first sees it: its regions, the library it
// loads, the settings it restores, and the preview strip's geometry.
#include "Children.h"
#include "Fakes.h"
#include "LibraryFixture.h"
#include "TestPictures.h"
#include "app/MainWindow.h"
#include "flash/FlashWindows.h"
#include "library/PictureLibrary.h"
#include "library/PictureListFile.h"
#include "settings/SettingsPanel.h"
#include "widgets/PictureStrip.h"

#include <QComboBox>
#include <QListView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowAndRegions();
    void menus();
    void settingsStartAtTheirDefaults();
    void settingsAreRestored();
    void emptyLibraryWithoutListFile();
    void stripGeometry_data();
    void stripGeometry();
    void scrollingMovesTheStripAndKeepsFocusOffTheScrollBar();
    void becomingActiveScrollsBackToTheTop();
    void aThousandEntriesAreAllReachable();
    void picturesFillInAndBadEntriesStayEmpty();

private:
    MainWindow* load();
    std::unique_ptr<TestServices> m_services;
    MainWindow* m_window = nullptr;
};

void MainWindowTest::init()
{
    m_services = std::make_unique<TestServices>();
}

void MainWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_services.reset();
}

MainWindow* MainWindowTest::load()
{
    m_window = new MainWindow(m_services->services);
    m_window->load();
    m_window->show();
    return m_window;
}

void MainWindowTest::windowAndRegions()
{
    MainWindow* window = load();
    QCOMPARE(window->windowTitle(), "Zorvik Subliminal Images v1.10");
    QCOMPARE(window->centralWidget()->size(), QSize(612, 550));
    for (const char* name :
         {"Label14",           "lblDescription",    "Frame1",        "lvwDisplay",
          "picHolder",         "ScrollBar1",        "picScrollForm", "fraSettings",
          "cboDispInterval",   "cboDispDuration",   "optLocation_0", "optLocation_1",
          "optDisplayOrder_0", "optDisplayOrder_1", "cmdAddPicture", "cmdDeletePicture",
          "cmdExit",           "Command5",          "cmdProceed",    "fraFullBrand",
          "lblCobrand",        "lblFullBrand"})
        QVERIFY2(window->findChild<QWidget*>(name), name);

    QCOMPARE(window->findChild<QWidget*>("Frame1")->geometry(), QRect(8, 64, 345, 409));
    QCOMPARE(window->findChild<QWidget*>("picHolder")->geometry(), QRect(16, 24, 155, 372));
    QCOMPARE(window->findChild<QWidget*>("ScrollBar1")->geometry(), QRect(128, 0, 25, 369));
    QCOMPARE(window->findChild<QPushButton*>("cmdProceed")->text(), "&Start");
    QCOMPARE(window->findChild<QPushButton*>("cmdProceed")->geometry(), QRect(264, 480, 345, 33));
    QCOMPARE(window->findChild<QPushButton*>("cmdExit")->text(), "E&xit Program");
    QCOMPARE(window->findChild<QPushButton*>("Command5")->text(), "Do&nate");
    QCOMPARE(window->findChild<QPushButton*>("cmdAddPicture")->text(), "<< &Add Picture");
    QCOMPARE(window->findChild<QPushButton*>("cmdDeletePicture")->text(), "<< &Delete Picture");
}

void MainWindowTest::menus()
{
    MainWindow* window = load();
    QStringList top;
    for (QAction* action : window->menuBar()->actions())
        top << action->text();
    QCOMPARE(top, QStringList({"&File", "&Help", "&Donate", "Make Money &Online"}));
    QVERIFY(!window->findChild<QAction*>("mnuMakeMoney")->isEnabled());

    QStringList help;
    for (QAction* action : window->findChild<QMenu*>("mnuHelp")->actions())
        help << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(help, QStringList({"&Online Help", "&Visit Us Online", "-",
                                "Check for Software &Update", "-", "&About Software"}));
    QCOMPARE(window->findChild<QAction*>("mnuExit")->text(), "E&xit");

    // A nonsensical [schedule] opens as no active hours, with sane values.
    m_services->settings.write("zorvik-subliminal-images", "schedule", "Enabled", "1");
    m_services->settings.write("zorvik-subliminal-images", "schedule", "From", "25:00");
    window->findChild<QAction*>("mnuActiveHours")->trigger();
    QTRY_VERIFY(window->findChild<QWidget*>("frmActiveHours"));
    QVERIFY(!window->findChild<QWidget*>("chkEnabled")->property("checked").toBool());
    QCOMPARE(window->findChild<QWidget*>("tmeFrom")->property("time").toTime(), QTime(9, 0));
}

void MainWindowTest::settingsStartAtTheirDefaults()
{
    MainWindow* window = load();
    auto* interval = window->findChild<QComboBox*>("cboDispInterval");
    auto* duration = window->findChild<QComboBox*>("cboDispDuration");
    QCOMPARE(interval->count(), 25);
    QCOMPARE(duration->count(), 14);
    QCOMPARE(interval->currentText(), "2");
    QCOMPARE(duration->currentText(), "20");
    QVERIFY(window->findChild<QRadioButton*>("optLocation_0")->isChecked());
    QVERIFY(window->findChild<QRadioButton*>("optDisplayOrder_0")->isChecked());
    QVERIFY(m_services->settings.writes.isEmpty());
}

void MainWindowTest::settingsAreRestored()
{
    auto store = [this](const char* key, const char* value) {
        m_services->settings.write("zorvik-subliminal-images", "settings", key, value);
    };
    store("DispInterval", "3");
    store("DispDuration", "99"); // out of range: its default alone
    store("DispLocation", "1");
    store("DispOrder", "1");
    MainWindow* window = load();
    const DisplaySettings chosen = child<SettingsPanel>(window, "fraSettings")->current();
    QCOMPARE(chosen.intervalSeconds(), 15);
    QCOMPARE(chosen.durationMilliseconds(), 20);
    QVERIFY(window->findChild<QRadioButton*>("optLocation_1")->isChecked());
    QVERIFY(window->findChild<QRadioButton*>("optDisplayOrder_1")->isChecked());
}

void MainWindowTest::emptyLibraryWithoutListFile()
{
    MainWindow* window = load();
    QCOMPARE(child<QListView>(window, "lvwDisplay")->model()->rowCount(), 0);
    QCOMPARE(window->library().slotCount(), 0);
    QVERIFY(!child<QScrollBar>(window, "ScrollBar1")->isVisible());
    QVERIFY(m_services->dialogs.messages.isEmpty());
    QVERIFY(!QFile::exists(m_services->listFile()));
}

void MainWindowTest::stripGeometry_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("range"); // -1: no scroll bar
    QTest::newRow("1") << 1 << -1;
    QTest::newRow("3") << 3 << -1;
    QTest::newRow("4") << 4 << 13;
    QTest::newRow("5") << 5 << 105;
    QTest::newRow("10") << 10 << 565;
}

void MainWindowTest::stripGeometry()
{
    QFETCH(int, entries);
    QFETCH(int, range);
    writeLibrary(*m_services, pictureNames(entries));
    MainWindow* window = load();
    auto* strip = child<PictureStrip>(window, "picScrollForm");

    QCOMPARE(window->library().slotCount(), entries);
    QCOMPARE(strip->height(), 92 * entries);
    QCOMPARE(strip->pos(), QPoint(0, 0));
    for (int k = 1; k <= entries; ++k)
        QCOMPARE(PictureStrip::slotGeometry(k), QRect(8, 92 * (k - 1), 113, 90));

    auto* bar = child<QScrollBar>(window, "ScrollBar1");
    QCOMPARE(bar->isVisible(), range >= 0);
    if (range >= 0) {
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->maximum(), range);
        QCOMPARE(bar->pageStep(), range);
        QCOMPARE(bar->singleStep(), 40);
    }
}

void MainWindowTest::scrollingMovesTheStripAndKeepsFocusOffTheScrollBar()
{
    writeLibrary(*m_services, pictureNames(5));
    MainWindow* window = load();
    window->activateWindow();
    auto* bar = child<QScrollBar>(window, "ScrollBar1");
    auto* strip = child<PictureStrip>(window, "picScrollForm");

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar->value(), 40);
    QCOMPARE(strip->y(), -40);
    QTRY_COMPARE(QApplication::focusWidget(), child<QPushButton>(window, "cmdAddPicture"));

    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar->value(), 105);
    QCOMPARE(strip->y(), -105);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(window, "cmdAddPicture"));
}

void MainWindowTest::becomingActiveScrollsBackToTheTop()
{
    writeLibrary(*m_services, pictureNames(6));
    MainWindow* window = load();
    auto* bar = child<QScrollBar>(window, "ScrollBar1");
    auto* strip = child<PictureStrip>(window, "picScrollForm");
    bar->setValue(150);
    QCOMPARE(strip->y(), -150);

    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(strip->y(), 0);
}

void MainWindowTest::aThousandEntriesAreAllReachable()
{
    QStringList names = pictureNames(1000);
    writeLibrary(*m_services, names.mid(0, 2));
    PictureListFile::save(m_services->listFile(), names); // only two have copies
    MainWindow* window = load();
    QCOMPARE(window->library().slotCount(), 1000);
    auto* bar = child<QScrollBar>(window, "ScrollBar1");
    QCOMPARE(bar->maximum(), 92 * 1000 - 355);
    bar->setValue(bar->maximum());
    // The last slot lies inside the holder, 17 pixels above its bottom edge.
    const int lastBottom = child<PictureStrip>(window, "picScrollForm")->y() +
                           PictureStrip::slotGeometry(1000).bottom() + 1;
    QCOMPARE(lastBottom, 372 - 17 - 2);
}

void MainWindowTest::picturesFillInAndBadEntriesStayEmpty()
{
    writeLibrary(*m_services, {"a.jpg", "gone.jpg", "b.jpg"}, {"gone.jpg"});
    QStringList listed{"a.jpg", "gone.jpg", "../b.jpg", "", "b.jpg", "a.jpg"};
    PictureListFile::save(m_services->listFile(), listed);
    TestPictures::jpeg(m_services->programFolder() + "/b.jpg"); // outside the copies folder

    MainWindow* window = load();
    PictureLibrary& library = window->library();
    QCOMPARE(library.entries(), listed);
    QCOMPARE(library.slotCount(), 6);
    QTRY_VERIFY(!library.flashPictureNow(1).isNull());
    QTRY_VERIFY(!library.flashPictureNow(5).isNull());
    QTRY_VERIFY(child<QProgressBar>(window, "decodeProgress")->isHidden());
    QVERIFY(library.flashPictureNow(2).isNull());
    QVERIFY(library.flashPictureNow(3).isNull());
    QVERIFY(library.flashPictureNow(4).isNull());
    QCOMPARE(library.flashPictureNow(6).size(), QSize(353, 249));
    // The same copy is decoded once and shared.
    QVERIFY(library.flashPictureNow(1).constBits() == library.flashPictureNow(6).constBits());
    QCOMPARE(library.store().requestedCount(), 0); // idle again: counters reset
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
