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
#include <utility>

#include "MDI.h"
#include "frmMain.h"
#include "history_window.h"
#include "language_choice.h"
#include "language_setting.h"
#include "program.h"

namespace baralune {

namespace {

// The control of that kind and name in each window, or nulls when either lacks it.
template <typename Control>
std::pair<Control*, Control*> Pair(QWidget* from, QWidget* to, const QString& name) {
  if (name.isEmpty()) return {};  // an empty name would match any control
  auto* a = from->findChild<Control*>(name);
  auto* b = to->findChild<Control*>(name);
  return a != nullptr && b != nullptr ? std::pair{a, b} : std::pair<Control*, Control*>{};
}

// A fresh main window in the new language with the old one's entries; the old one goes.
void ReopenMainWindow(frmMain* old) {
  frmMain* fresh = ShowNewMainWindow();
  if (auto [from, to] = Pair<QLineEdit>(old, fresh, QStringLiteral("txtName")); from) {
    to->setText(from->text());
  }
  for (QComboBox* list : old->findChildren<QComboBox*>()) {
    if (auto [from, to] = Pair<QComboBox>(old, fresh, list->objectName()); from) {
      to->setCurrentIndex(from->currentIndex());
    }
  }
  for (QRadioButton* option : old->findChildren<QRadioButton*>()) {
    if (auto [from, to] = Pair<QRadioButton>(old, fresh, option->objectName()); from) {
      to->setChecked(from->isChecked());
    }
  }
  fresh->move(old->pos());
  old->closeForFlow();
}

// The same reading in a new report window, shown again as from the History: not recorded twice.
void ReopenReportWindow(MDI* old, Language language) {
  ReadingDetails details = old->Details();
  details.reopened = true;
  details.language = language;
  // Link detection follows one report window at a time, so the old one goes first; meanwhile
  // no window shows, which must not end the program.
  const QEventLoopLocker keepRunning;
  // The notes stay with the reading kept, numbered yet or not.
  journal::Writer::Key notesKey = old->NotesKey();
  old->closeForFlow();
  try {
    ShowReadingAgain(details, std::move(notesKey));
  } catch (const std::exception&) {
    // Not left without a window: the main window takes the report window's place.
    ShowNewMainWindow();
    throw;
  }
}

void Switch(QMainWindow* window, Language language) {
  auto* report = qobject_cast<MDI*>(window);
  // A reading shown again in the language it was dealt in is shown in the one chosen, even
  // when the program already speaks it.
  const bool reshow = report != nullptr && report->Details().language != language;
  if (language == AppliedLanguage() && !reshow) return;
  // An open History comes back in the new language, where it was, with its search.
  auto* history = qobject_cast<HistoryWindow*>(FindLoadedWindow("HistoryWindow"));
  const bool hadHistory = history != nullptr;
  const QString search = hadHistory ? history->SearchField()->text() : QString();
  const QPoint place = hadHistory ? history->pos() : QPoint();
  if (hadHistory) history->close();
  if (language != AppliedLanguage()) {
    StoreLanguage(language);
    ApplyLanguage(language);
  }
  if (auto* main = qobject_cast<frmMain*>(window)) {
    ReopenMainWindow(main);
  } else if (report != nullptr) {
    ReopenReportWindow(report, language);
  }
  if (hadHistory) {
    HistoryWindow* fresh = ShowHistoryWindow(nullptr);
    fresh->move(place);
    fresh->SearchField()->setText(search);
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
      try {
        Switch(window, language);
      } catch (const std::exception& failure) {
        ReportFailedStep(
            QCoreApplication::translate("Language", "The language could not be changed:\n%1"),
            failure);
      }
    });
  }
}

}  // namespace baralune
