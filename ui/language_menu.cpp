#include "language_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoopLocker>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <utility>

#include "MDI.h"
#include "card_guide.h"
#include "frmMain.h"
#include "history_window.h"
#include "language_choice.h"
#include "language_setting.h"
#include "program.h"
#include "spreads_window.h"

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

// The windows open beside the main or report window: closed before a switch and opened again
// after it in the new language, where they were. (The spread editor stays as it is: it may hold
// unsaved work.)
struct Companions {
  bool history = false;
  QString search;
  QPoint historyPlace;
  bool statistics = false;
  bool guide = false;
  int guideCard = -1;
  QPoint guidePlace;
  bool spreads = false;
  int spreadsRow = -1;
  QPoint spreadsPlace;
};

// Closes `window` now, so that the window opened in its place is not taken for it.
void CloseNow(QWidget* window) {
  window->close();
  MarkUnloaded(window);
}

Companions CloseCompanions() {
  Companions open;
  if (auto* history = qobject_cast<HistoryWindow*>(FindLoadedWindow("HistoryWindow"))) {
    open.history = true;
    open.search = history->SearchField()->text();
    open.historyPlace = history->pos();
    open.statistics = history->Statistics() != nullptr;
    CloseNow(history);
  }
  if (auto* guide = qobject_cast<CardGuide*>(FindLoadedWindow("CardGuide"))) {
    open.guide = true;
    open.guideCard = guide->Card();
    open.guidePlace = guide->pos();
    CloseNow(guide);
  }
  if (auto* spreads = qobject_cast<SpreadsWindow*>(FindLoadedWindow("SpreadsWindow"))) {
    open.spreads = true;
    open.spreadsRow = spreads->List()->currentRow();
    open.spreadsPlace = spreads->pos();
    CloseNow(spreads);
  }
  return open;
}

void ReopenCompanions(const Companions& open) {
  if (open.history) {
    HistoryWindow* history = ShowHistoryWindow(nullptr);
    history->move(open.historyPlace);
    history->SearchField()->setText(open.search);
    if (open.statistics) history->ShowStatistics();
  }
  QWidget* owner = FindLoadedWindow("MDI");
  if (owner == nullptr) owner = FindLoadedWindow("frmMain");
  if (open.guide) ShowCardGuide(owner, open.guideCard)->move(open.guidePlace);
  if (open.spreads) {
    SpreadsWindow* spreads = ShowSpreadsWindow(owner);
    spreads->move(open.spreadsPlace);
    if (open.spreadsRow >= 0 && open.spreadsRow < spreads->List()->count()) {
      spreads->List()->setCurrentRow(open.spreadsRow);
    }
  }
}

void Switch(QMainWindow* window, Language language) {
  auto* report = qobject_cast<MDI*>(window);
  // A reading shown again in the language it was dealt in is shown in the one chosen, even
  // when the program already speaks it.
  const bool reshow = report != nullptr && report->Details().language != language;
  if (language == AppliedLanguage() && !reshow) return;
  const Companions companions = CloseCompanions();
  if (language != AppliedLanguage()) {
    StoreLanguage(language);
    ApplyLanguage(language);
  }
  if (auto* main = qobject_cast<frmMain*>(window)) {
    ReopenMainWindow(main);
  } else if (report != nullptr) {
    ReopenReportWindow(report, language);
  }
  ReopenCompanions(companions);
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
