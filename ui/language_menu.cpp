#include "language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoopLocker>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>

#include "MDI.h"
#include "frmHistory.h"
#include "frmMain.h"
#include "language_choice.h"
#include "language_setting.h"
#include "program.h"

namespace baralune {

namespace {

// A fresh main window in the new language with the old one's entries; the old one goes.
void ReopenMainWindow(frmMain* old) {
  frmMain* fresh = ShowNewMainWindow();
  for (const char* name : {"txtName"}) {
    fresh->findChild<QLineEdit*>(name)->setText(old->findChild<QLineEdit*>(name)->text());
  }
  for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboSpread"}) {
    fresh->findChild<QComboBox*>(name)->setCurrentIndex(
        old->findChild<QComboBox*>(name)->currentIndex());
  }
  for (QRadioButton* option : old->findChildren<QRadioButton*>()) {
    if (auto* same = fresh->findChild<QRadioButton*>(option->objectName())) {
      same->setChecked(option->isChecked());
    }
  }
  fresh->move(old->pos());
  old->UnloadForReading();
}

// The same reading in a new report window, shown again as from the History: not recorded twice.
void ReopenReportWindow(MDI* old, Language language) {
  ReadingDetails details = old->Details();
  details.reopened = true;
  details.language = language;
  // Link detection follows one report window at a time, so the old one goes first; meanwhile
  // no window shows, which must not end the program.
  const QEventLoopLocker keepRunning;
  old->UnloadKeepingProgram();
  ShowReadingAgain(details);
}

void Switch(QMainWindow* window, Language language) {
  if (language == AppliedLanguage()) return;
  StoreLanguage(language);
  ApplyLanguage(language);
  if (auto* main = qobject_cast<frmMain*>(window)) {
    ReopenMainWindow(main);
  } else if (auto* report = qobject_cast<MDI*>(window)) {
    ReopenReportWindow(report, language);
  }
}

}  // namespace

void AddLanguageMenu(QMainWindow* window, QMenu* file) {
  auto* menu = new QMenu(QCoreApplication::translate("Language", "&Language"), file);
  menu->setObjectName(QStringLiteral("mnuLanguage"));
  menu->menuAction()->setObjectName(QStringLiteral("mnuLanguage"));
  const QList<QAction*> entries = file->actions();
  if (!entries.isEmpty() && entries.last()->isSeparator()) {
    file->insertMenu(entries.last(), menu);
  } else {
    file->addMenu(menu);
  }

  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  // Each language is named in itself, so that a reader of the other can find it: these two
  // names are never translated.
  const struct {
    const char* name;
    const char* text;
    Language language;
  } kChoices[] = {{"mnuLanguageEn", "English", Language::English},
                  {"mnuLanguageEs", "Español", Language::Spanish}};
  for (const auto& choice : kChoices) {
    QAction* action = menu->addAction(QString::fromUtf8(choice.text));
    action->setObjectName(QString::fromLatin1(choice.name));
    action->setCheckable(true);
    action->setChecked(choice.language == AppliedLanguage());
    group->addAction(action);
    const Language language = choice.language;
    QObject::connect(action, &QAction::triggered, window, [window, language] {
      Guard([window, language] { Switch(window, language); });
    });
  }
}

}  // namespace baralune
