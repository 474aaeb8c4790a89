// SPDX-License-Identifier: MIT
#include "links.h"

#include <QUrl>

#include "desktop.h"

namespace velmora {

void OpenWebPage(Desktop &desktop, const QString &address)
{
    desktop.openUrl(QUrl(address, QUrl::StrictMode));
}

void OpenHelpPage(Desktop &desktop)
{
    OpenWebPage(desktop, kProductSite + QLatin1StringView("/tavi-free-velmora-help.html"));
}

void OpenHomePage(Desktop &desktop)
{
    OpenWebPage(desktop, kMainSite);
}

void OpenDonationPage(Desktop &desktop)
{
    OpenWebPage(desktop, kHelpSite + QLatin1StringView("/donate.html"));
}

void OpenDownloadPage(Desktop &desktop)
{
    OpenWebPage(desktop, kProductSite + QLatin1StringView("/download-tavi-free-velmora.html"));
}

void OpenCoBrandPage(Desktop &desktop)
{
    OpenWebPage(desktop, kHelpSite + QLatin1StringView("/co-brand.html"));
}

void OpenFullBrandPage(Desktop &desktop)
{
    OpenWebPage(desktop, kHelpSite + QLatin1StringView("/fully-branded.html"));
}

void OpenSoftwareCatalogPage(Desktop &desktop)
{
    OpenWebPage(desktop, kMainSite + QLatin1StringView("/quillon"));
}

void EndApplication(Desktop &desktop)
{
    desktop.quitApplication();
}

} // namespace velmora
