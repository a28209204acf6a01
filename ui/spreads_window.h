#pragma once
#include <QWidget>

class QListWidget;
class QMainWindow;
class QMenu;
class QPushButton;

namespace baralune {

struct SpreadDefinition;

// "Spreads - Baralune": the four spreads, then the reader's own, with what can be done to them:
// design a new one, edit or delete the reader's own, duplicate any (a reader may start from
// the Horseshoe), import a spread file and export any spread as one.
class SpreadsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SpreadsWindow(QWidget* owner);

  QListWidget* List() const { return m_list; }
  void NewSpread();
  void EditSelected();
  void DuplicateSelected();
  void DeleteSelected();
  void ImportSpread();
  void ExportSelected();

 private:
  // Lists the spreads, selecting row `select`; the main window's Select Spread follows.
  void Fill(int select);
  friend void ShowOwnSpreadsChanged(int);
  void UpdateButtons();
  // The reader's spread at list row `row`, or -1 for one of the four.
  static int OwnIndex(int row);
  // The spread at list row `row` as a reader would define it.
  static SpreadDefinition DefinitionAt(int row);

  QListWidget* m_list = nullptr;
  QPushButton* m_cmdEdit = nullptr;
  QPushButton* m_cmdDuplicate = nullptr;
  QPushButton* m_cmdDelete = nullptr;
  QPushButton* m_cmdExport = nullptr;
};

// Opens the window (File > Spreads…), or brings the open one to the front.
SpreadsWindow* ShowSpreadsWindow(QWidget* owner);
// After the reader's spreads changed elsewhere (the editor saved one): the lists that offer
// them show them as they now are, the open Spreads window with the reader's spread `own`
// selected.
void ShowOwnSpreadsChanged(int own);
// Adds "&Spreads…" to `file`.
void AddSpreadsAction(QMainWindow* window, QMenu* file);

}  // namespace baralune
