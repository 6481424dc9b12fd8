// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebPages.h"

#include "platform/Shell.h"

namespace
{

QString site(const char* host)
{
    return QStringLiteral("https://") + QLatin1String(host) + QLatin1Char('/');
}

} // namespace

QString WebPages::mainSite()
{
    return site(ZORVIK_MAIN_SITE_HOST);
}

QString WebPages::helpSite()
{
    return site(ZORVIK_HELP_SITE_HOST);
}

QString WebPages::productSite()
{
    return site(ZORVIK_PRODUCT_SITE_HOST);
}

QString WebPages::mainSiteHost()
{
    return QStringLiteral(ZORVIK_MAIN_SITE_HOST);
}

QString WebPages::helpPage()
{
    return productSite() + QStringLiteral("zorvik-free-subliminal-images-help.html");
}

QString WebPages::downloadPage()
{
    return productSite() + QStringLiteral("download-zorvik-free-subliminal-images.html");
}

QString WebPages::homePage()
{
    return mainSite();
}

QString WebPages::softwareCataloguePage()
{
    return mainSite() + QStringLiteral("velmoransoftwares");
}

QString WebPages::donatePage()
{
    return helpSite() + QStringLiteral("donate.html");
}

QString WebPages::fullBrandPage()
{
    return helpSite() + QStringLiteral("fully-branded.html");
}

QString WebPages::coBrandPage()
{
    return helpSite() + QStringLiteral("co-brand.html");
}

void WebPages::openWebPage(const QString& address)
{
    // The browser is a process of its own; whether it comes up is its affair.
    m_shell.openWebAddress(address);
}

void WebPages::openHelpPage()
{
    openWebPage(helpPage());
}

void WebPages::openDownloadPage()
{
    openWebPage(downloadPage());
}

void WebPages::openHomePage()
{
    openWebPage(homePage());
}

void WebPages::openSoftwareCataloguePage()
{
    openWebPage(softwareCataloguePage());
}

void WebPages::openDonatePage()
{
    openWebPage(donatePage());
}

void WebPages::openFullBrandPage()
{
    openWebPage(fullBrandPage());
}

void WebPages::openCoBrandPage()
{
    openWebPage(coBrandPage());
}
