#pragma once
#include <QString>
#include <string_view>

class QMainWindow;
class QMenu;
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

// Adds the "&Help" menu (`mnuHelp`: online help, visit us, check for update, About) and the
// top-level "&Donate" entry (`mnuDonate`) that every window's menu bar ends with.
QMenu* AddHelpAndDonateMenus(QMainWindow* window);

}  // namespace baralune
