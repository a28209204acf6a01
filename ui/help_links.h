#pragma once
#include <QString>
#include <string_view>

class QWidget;

namespace baralune {

// modHelp: each page of the maker's site is the site address, "/baralune/ssd.php" and
// "?page=" with the page's key.
QString SitePageAddress(std::string_view pageKey);
void OpenSitePage(std::string_view pageKey);

void OpenHomePage();       // "home-page"
void OpenOnlineHelp();     // "help-web-page"
void OpenDownloadPage();   // "download-web-page"
void OpenDonatePage();     // "donate"
void OpenFullBrandPage();  // "fully-branded"
void OpenCoBrandPage();    // "co-brand"

// The maker's address as a visitor types it: the site address without its scheme.
QString SiteHostForDisplay();

// Shows the About box modally over `owner`; returns when it is closed.
void ShowAboutBox(QWidget* owner);

}  // namespace baralune
