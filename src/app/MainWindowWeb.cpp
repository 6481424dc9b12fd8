// The main window's web page commands and the About box.
#include "app/MainWindow.h"

#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "web/AboutBox.h"
#include "web/WebPages.h"

#include <QAction>
#include <QPushButton>

void MainWindow::connectWebCommands()
{
    connect(mnuOnline, &QAction::triggered, this, &MainWindow::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &MainWindow::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &MainWindow::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &MainWindow::mnuDonate_Click);
    connect(mnuMakeMoney, &QAction::triggered, this, &MainWindow::mnuMakeMoney_Click);
    connect(Command5, &QPushButton::clicked, this, &MainWindow::Command5_Click);
    connect(Label14, &LinkLabel::clicked, this, &MainWindow::Label14_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &MainWindow::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &MainWindow::lblFullBrand_Click);
}

void MainWindow::mnuOnline_Click()
{
    WebPages(m_services.shell).OpenHelpPage();
}

void MainWindow::mnuVisit_Click()
{
    WebPages(m_services.shell).OpenHomePage();
}

void MainWindow::mnuUpdate_Click()
{
    WebPages(m_services.shell).OpenDownloadPage();
}

void MainWindow::mnuAbout_Click()
{
    AboutBox::showOne(m_services.shell);
}

void MainWindow::mnuDonate_Click()
{
    WebPages(m_services.shell).OpenDonatePage();
}

void MainWindow::mnuMakeMoney_Click()
{
    // The entry stays inactive for the whole run, so this never runs from the menu.
    if (mnuMakeMoney->isEnabled())
        WebPages(m_services.shell).OpenFullBrandPage();
}

void MainWindow::Command5_Click()
{
    WebPages(m_services.shell).OpenDonatePage();
}

void MainWindow::Label14_Click()
{
    WebPages(m_services.shell).OpenHomePage();
}

void MainWindow::lblCobrand_Click()
{
    WebPages(m_services.shell).OpenCoBrandPage();
}

void MainWindow::lblFullBrand_Click()
{
    WebPages(m_services.shell).OpenFullBrandPage();
}
