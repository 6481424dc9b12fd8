// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's web page commands and the About box.
#include "app/MainWindow.h"

#include "web/AboutBox.h"
#include "web/WebPages.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QPushButton>

void MainWindow::connectWebCommands()
{
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::openHelpPage);
    connect(m_visitAction, &QAction::triggered, this, &MainWindow::openHomePage);
    connect(m_updateAction, &QAction::triggered, this, &MainWindow::openDownloadPage);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::showAboutBox);
    connect(m_donateAction, &QAction::triggered, this, &MainWindow::openDonatePage);
    connect(m_makeMoneyAction, &QAction::triggered, this, &MainWindow::makeMoneyTriggered);
    connect(m_donateButton, &QPushButton::clicked, this, &MainWindow::openDonatePage);
    connect(m_forumLink, &LinkLabel::clicked, this, &MainWindow::openHomePage);
    connect(m_coBrandLink, &LinkLabel::clicked, this, &MainWindow::openCoBrandPage);
    connect(m_fullBrandLink, &LinkLabel::clicked, this, &MainWindow::openFullBrandPage);
}

void MainWindow::openHelpPage()
{
    WebPages(m_services.shell).openHelpPage();
}

void MainWindow::openHomePage()
{
    WebPages(m_services.shell).openHomePage();
}

void MainWindow::openDownloadPage()
{
    WebPages(m_services.shell).openDownloadPage();
}

void MainWindow::showAboutBox()
{
    AboutBox::showOne(m_services.shell);
}

void MainWindow::openDonatePage()
{
    WebPages(m_services.shell).openDonatePage();
}

void MainWindow::makeMoneyTriggered()
{
    // The entry stays inactive for the whole run, so this never runs from the menu.
    if (m_makeMoneyAction->isEnabled())
        openFullBrandPage();
}

void MainWindow::openFullBrandPage()
{
    WebPages(m_services.shell).openFullBrandPage();
}

void MainWindow::openCoBrandPage()
{
    WebPages(m_services.shell).openCoBrandPage();
}
