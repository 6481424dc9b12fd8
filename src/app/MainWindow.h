// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"
#include "preferences/Preferences.h"
#include "settings/PausePreferences.h"

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
class ShowPicturesOnMenu;
enum class ShowPicturesOn;

// The main window: the link banner, the image viewer with the picture list,
// the settings, the button row and the promotional strip. It only assembles;
// the library, the settings and the flash run are their own classes. Its
// controls keep their long-standing object names, by which tests and outside
// tools find them.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    PictureLibrary& library() const { return *m_library; }
    FlashRun& flashRun() const { return *m_flashRun; }
    FlashWindows& flashWindows() const { return *m_flashWindows; }
    RunTrayIcon& trayIcon() const { return *m_trayIcon; }
    LibraryEditor& libraryEditor() const { return *m_editor; }

    // Runs once before the window is first shown: fills the settings lists,
    // loads the library and restores the stored settings.
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
    void runStateChanged();
    void minimiseForRun();
    void buildRunMenus(QMenu* file);
    void showPicturesOn(ShowPicturesOn choice);
    void openActiveHours();
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

    Services m_services;
    bool m_unloaded = false;
    Preferences m_preferences;
    PausePreferences m_pausePreferences;

    LinkLabel* m_forumLink;
    QLabel* m_description;
    PictureLibrary* m_library;
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

    FlashWindows* m_flashWindows;
    FlashRun* m_flashRun;
    RunTrayIcon* m_trayIcon;
};
