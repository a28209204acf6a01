#include "help_links.h"

#include <QPointer>
#include <QUrl>

#include "frmAbout.h"
#include "program.h"
#include "shell.h"
#include "site.h"

namespace baralune {

namespace {
QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QString SitePageAddress(std::string_view pageKey) {
  return FromView(kSiteAddress) + QStringLiteral("/baralune/ssd.php?page=") + FromView(pageKey);
}

void OpenSitePage(std::string_view pageKey) {
  ShellOpen(SitePageAddress(pageKey));
}

void OpenHomePage() {
  OpenSitePage("home-page");
}
void OpenOnlineHelp() {
  OpenSitePage("help-web-page");
}
void OpenDownloadPage() {
  OpenSitePage("download-web-page");
}
void OpenDonatePage() {
  OpenSitePage("donate");
}
void OpenFullBrandPage() {
  OpenSitePage("fully-branded");
}
void OpenCoBrandPage() {
  OpenSitePage("co-brand");
}

QString SiteHostForDisplay() {
  const QString address = FromView(kSiteAddress);
  const QString host = QUrl(address).host();
  return host.isEmpty() ? address : host;
}

void ShowAboutBox(QWidget* owner) {
  // A fresh box each time. It goes with its owner if the owner is unloaded meanwhile.
  QPointer<frmAbout> box = new frmAbout(owner);
  CenterOnScreen(box);
  box->exec();
  delete box.data();
}

}  // namespace baralune
