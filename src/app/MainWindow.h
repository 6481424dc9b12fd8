// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <QMainWindow>

class FlashRun;
class FlashWindows;
class ImageViewer;
class LibraryEditor;
class LinkLabel;
class PauseWhenMenu;
class PictureLibrary;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class Random;
class RunTrayIcon;
class SettingsPanel;
class Session;
class ShowPicturesOnMenu;
enum class ShowPicturesOn;

// The main window: the link banner, the image viewer with the picture list,
// the settings, the button row and the promotional strip. A door onto the
// session, as the tray in it is: it shows the session's library and run and
// hands the user's requests to it. Its controls keep their long-standing
// object names, by which tests and outside tools find them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Session& session, const Services& services, QWidget* parent = nullptr);
    // A window on a session of its own, which goes with it.
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() const { return m_session; }
    PictureLibrary& library() const;
    FlashRun& flashRun() const;
    // The flash windows, when the session shows its pictures in them.
    FlashWindows& flashWindows() const;
    RunTrayIcon& trayIcon() const { return *m_trayIcon; }
    LibraryEditor& libraryEditor() const { return *m_editor; }

    // Runs once before the window is first shown: fills the settings lists,
    // loads the session and shows the stored settings.
    void load();
    // Brings one of the two bottom-strip links to the front, each with equal
    // odds; returns the draw, 1 to 6 (odd: co-branding, even: full branding).
    int coBrandDraw(Random& random);

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
    void setReadingOrder(QWidget* client);
    void connectWebCommands();
    void centreOnScreen();
    void startStopClicked();
    void runStateChanged();
    void minimiseForRun();
    void buildRunMenus(QMenu* file);
    void showPicturesOnChanged(ShowPicturesOn choice);
    void openActiveHours();
    void openFlashLook();
    void openMessages();
    void openSets();
    void openRecord();
    void addingChanged(bool adding);

    // The web pages and the About box.
    void openHelpPage();
    void openHomePage();
    void openDownloadPage();
    void openDonatePage();
    void openFullBrandPage();
    void openCoBrandPage();
    void showAboutBox();
    void makeMoneyTriggered();

    Session& m_session;
    Services m_services;
    bool m_unloaded = false;

    LinkLabel* m_forumLink;
    QLabel* m_description;
    ImageViewer* m_viewer;
    LibraryEditor* m_editor;
    SettingsPanel* m_settingsPanel;
    QPushButton* m_addButton;
    QPushButton* m_deleteButton;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_donateButton = nullptr;
    QPushButton* m_startStopButton = nullptr;
    QFrame* m_brandStrip = nullptr;
    LinkLabel* m_coBrandLink = nullptr;
    LinkLabel* m_fullBrandLink = nullptr;

    QAction* m_addFolderAction = nullptr;
    QAction* m_exitAction = nullptr;
    // The same two choices in the File menu and in the tray's menu.
    QList<PauseWhenMenu*> m_pauseMenus;
    QList<ShowPicturesOnMenu*> m_showPicturesOnMenus;
    QAction* m_helpAction = nullptr;
    QAction* m_visitAction = nullptr;
    QAction* m_updateAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_donateAction = nullptr;
    QAction* m_makeMoneyAction = nullptr;

    RunTrayIcon* m_trayIcon;
};
