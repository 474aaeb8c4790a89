// SPDX-License-Identifier: MIT
#include "links.h"

#include <QUrl>

#include "platform.h"

namespace velmora {

void OpenWebPage(Platform &platform, const QString &address)
{
    platform.openUrl(QUrl(address, QUrl::StrictMode));
}

void OpenHelpPage(Platform &platform)
{
    OpenWebPage(platform, kProductSite + QLatin1StringView("/tavi-free-velmora-help.html"));
}

void OpenHomePage(Platform &platform)
{
    OpenWebPage(platform, kMainSite);
}

void OpenDonationPage(Platform &platform)
{
    OpenWebPage(platform, kHelpSite + QLatin1StringView("/donate.html"));
}

void OpenDownloadPage(Platform &platform)
{
    OpenWebPage(platform, kProductSite + QLatin1StringView("/download-tavi-free-velmora.html"));
}

void OpenCoBrandPage(Platform &platform)
{
    OpenWebPage(platform, kHelpSite + QLatin1StringView("/co-brand.html"));
}

void OpenFullBrandPage(Platform &platform)
{
    OpenWebPage(platform, kHelpSite + QLatin1StringView("/fully-branded.html"));
}

void OpenSoftwareCatalogPage(Platform &platform)
{
    OpenWebPage(platform, kMainSite + QLatin1StringView("/quillon"));
}

void EndApplication(Platform &platform)
{
    platform.quitApplication();
}

} // namespace velmora
