#pragma once

#include "platform/Services.h"

#include <QMainWindow>

class FlashRun;
class ImageViewer;
class LibraryEditor;
class LinkLabel;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class RunTrayIcon;
class SettingsPanel;

// The main window: the link banner, the image viewer with the picture list,
// the settings, the button row and the promotional strip. It only assembles;
// the library, the settings and the flash run are their own classes.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:

    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Services& services() const { return m_services; }

    // Controls, named as their objectName.
    LinkLabel* Label14 = nullptr;
    QLabel* lblDescription = nullptr;
    ImageViewer* viewer = nullptr;
    LibraryEditor* library = nullptr;
    SettingsPanel* settings = nullptr;
    QPushButton* cmdAddPicture = nullptr;
    QPushButton* cmdDeletePicture = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* cmdProceed = nullptr;
    QFrame* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    // The Start/Stop command and the flash run it drives.
    FlashRun* flashRun = nullptr;
    // The run in the desktop's tray, where there is one.
    RunTrayIcon* trayIcon = nullptr;

    QAction* mnuExit = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    // Runs once before the window is first shown.
    void Form_Load();
    void Form_Activate();
    void cmdExit_Click();
    void mnuExit_Click();
    // Brings one of the two bottom-strip links to the front, each with equal
    // odds; returns the draw, 1 to 6 (odd: co-branding, even: full branding).
    int CoBrand_Randomize(Random& random);

    // Commands that open the maker's web pages, and the About box.
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void Command5_Click();
    void Label14_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

signals:
    // The window is closing (close box or an exit command); it always goes.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildButtonRow(QWidget* client);
    void buildBrandStrip(QWidget* client);
    void connectWebCommands();

    Services m_services;
    bool m_unloaded = false;
};
