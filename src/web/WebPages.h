// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Shell;

// The maker's web pages. Each launcher hands one fixed address to the shell,
// which opens it in the default browser; nothing waits and nothing is reported.
class WebPages
{
public:
    explicit WebPages(Shell& shell) : m_shell(shell) {}

    // "https://" and a host, with a single "/" after it.
    static QString mainSite();
    static QString helpSite();
    static QString productSite();

    static QString helpPage();
    static QString downloadPage();
    static QString homePage();
    static QString softwareCataloguePage();
    static QString donatePage();
    static QString fullBrandPage();
    static QString coBrandPage();

    // The main site's host, as the captions show it.
    static QString mainSiteHost();

    void openWebPage(const QString& address);
    void openHelpPage();
    void openDownloadPage();
    void openHomePage();
    void openSoftwareCataloguePage();
    void openDonatePage();
    void openFullBrandPage();
    void openCoBrandPage();

private:
    Shell& m_shell;
};
