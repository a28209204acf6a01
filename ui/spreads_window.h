#pragma once
#include <QWidget>

class QListWidget;
class QMainWindow;
class QMenu;
class QPushButton;

namespace baralune {

// "Spreads - Baralune": the four spreads, then the reader's own, with what can be done to them:
// duplicate any (a reader may start from the Horseshoe), delete the reader's own, import a
// spread file and export any spread as one.
class SpreadsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SpreadsWindow(QWidget* owner);

  QListWidget* List() const { return m_list; }
  void DuplicateSelected();
  void DeleteSelected();
  void ImportSpread();
  void ExportSelected();

 private:
  // Lists the spreads, selecting row `select`; the main window's Select Spread follows.
  void Fill(int select);
  void UpdateButtons();
  // The reader's spread at list row `row`, or -1 for one of the four.
  static int OwnIndex(int row);

  QListWidget* m_list = nullptr;
  QPushButton* m_cmdDuplicate = nullptr;
  QPushButton* m_cmdDelete = nullptr;
  QPushButton* m_cmdExport = nullptr;
};

// Opens the window (File > Spreads…), or brings the open one to the front.
SpreadsWindow* ShowSpreadsWindow(QWidget* owner);
// Adds "&Spreads…" to `file`.
void AddSpreadsAction(QMainWindow* window, QMenu* file);

}  // namespace baralune
