#include "help_links.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QUrl>

#include "card_guide.h"
#include "frmAbout.h"
#include "program.h"
#include "shell.h"
#include "site.h"

namespace baralune {

namespace {
QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Tr(const char* text) {
  return QCoreApplication::translate("HelpMenu", text);
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

QMenu* AddHelpAndDonateMenus(QMainWindow* window) {
  QMenu* help = window->menuBar()->addMenu(Tr(QT_TRANSLATE_NOOP("HelpMenu", "&Help")));
  help->setObjectName(QStringLiteral("mnuHelp"));
  auto add = [window, help](const QString& text, const char* name, void (*open)()) {
    QAction* action = help->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, window, open);
  };
  QAction* guide = help->addAction(Tr(QT_TRANSLATE_NOOP("HelpMenu", "Card &Guide…")));
  guide->setObjectName(QStringLiteral("mnuCardGuide"));
  guide->setShortcut(QKeySequence(Qt::Key_F1));
  QObject::connect(guide, &QAction::triggered, window, [window] { ShowCardGuide(window); });
  help->addSeparator();
  add(Tr(QT_TRANSLATE_NOOP("HelpMenu", "&Online Help")), "mnuOnline", OpenOnlineHelp);
  add(Tr(QT_TRANSLATE_NOOP("HelpMenu", "&Visit Us Online")), "mnuVisit", OpenHomePage);
  help->addSeparator();
  add(Tr(QT_TRANSLATE_NOOP("HelpMenu", "Check for Software &Update")), "mnuUpdate",
      OpenDownloadPage);
  help->addSeparator();
  QAction* about = help->addAction(Tr(QT_TRANSLATE_NOOP("HelpMenu", "&About Software")));
  about->setObjectName(QStringLiteral("mnuAbout"));
  QObject::connect(about, &QAction::triggered, window, [window] { ShowAboutBox(window); });

  QAction* donate = window->menuBar()->addAction(Tr(QT_TRANSLATE_NOOP("HelpMenu", "&Donate")));
  donate->setObjectName(QStringLiteral("mnuDonate"));
  QObject::connect(donate, &QAction::triggered, window, &OpenDonatePage);
  return help;
}

}  // namespace baralune
