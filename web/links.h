// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace velmora {

class Desktop;

// The three sites the program sends people to. The hosts lie under the
// reserved .example domain, so the program never points at someone else's site.
inline constexpr QLatin1StringView kMainSite{"https://www.orvex.example"};      // home page and forum
inline constexpr QLatin1StringView kMainSiteHost{"www.orvex.example"};
inline constexpr QLatin1StringView kHelpSite{"https://help.orvex.example"};     // donation and offers
inline constexpr QLatin1StringView kProductSite{"https://www.tavi-velmora.example"}; // help and download

// Opens an absolute address in the default browser without waiting for it;
// a browser that cannot start is not reported.
void OpenWebPage(Desktop &desktop, const QString &address);

void OpenHelpPage(Desktop &desktop);
void OpenHomePage(Desktop &desktop);
void OpenDonationPage(Desktop &desktop);
void OpenDownloadPage(Desktop &desktop);
void OpenCoBrandPage(Desktop &desktop);
void OpenFullBrandPage(Desktop &desktop);
void OpenSoftwareCatalogPage(Desktop &desktop);

// Closes every window and ends the program.
void EndApplication(Desktop &desktop);

} // namespace velmora
