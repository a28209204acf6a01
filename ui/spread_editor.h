#pragma once
#include <QWidget>

#include "own_spreads.h"
#include "spread_definition.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QUndoStack;

namespace baralune {

class SpreadLayoutView;

// "Spread Editor - Baralune": a reader's spread, its name, description, positions, row
// captions and layout, with undo and redo over every change. Saving keeps it among the
// reader's spreads; a spread that would not read (cards overlapping or off the display, a
// name taken) is refused with a message saying why.
class SpreadEditor : public QWidget {
  Q_OBJECT

 public:
  // Edits `spread`, one of the reader's kept spreads; a new spread when null.
  explicit SpreadEditor(OwnSpreads::Spread spread);
  ~SpreadEditor() override;

  const SpreadDefinition& Spread() const { return m_spread; }
  bool IsModified() const { return m_spread != m_saved; }
  SpreadLayoutView* View() const { return m_view; }
  QUndoStack* UndoStack() const { return m_undo; }
  // Saves the spread; false (after telling the reader why) when it was not saved.
  bool Save();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class SpreadChange;
  // Records `after` as a change; changes with the same `mergeKey` (>= 0) in a row, such as
  // typing in one field, undo as one.
  void Change(SpreadDefinition after, int mergeKey = -1);
  // Shows `spread` as the one being edited (from a change, its undo or its redo).
  void Apply(const SpreadDefinition& spread);
  void Refresh();
  void SelectPosition(int index);
  void SelectCaption(int index);

  void onTextsEdited();
  void onDescriptionChanged();
  void onMoved(bool caption, int index, Place place);
  void AddPosition();
  void RemovePosition();
  void AddCaption();
  void RemoveCaption();
  void ApplyArrangement();

  OwnSpreads::Spread m_original;  // as kept; null until a new spread is first saved
  SpreadDefinition m_spread;
  SpreadDefinition m_saved;
  int m_position = 0;
  int m_caption = -1;
  bool m_refreshing = false;

  QUndoStack* m_undo = nullptr;
  SpreadLayoutView* m_view = nullptr;
  QScrollArea* m_viewArea = nullptr;  // holds m_view
  QLineEdit* m_txtName = nullptr;
  QPlainTextEdit* m_txtDescription = nullptr;
  QListWidget* m_lstPositions = nullptr;
  QLineEdit* m_txtPosition = nullptr;
  QPushButton* m_cmdAddPosition = nullptr;
  QPushButton* m_cmdRemovePosition = nullptr;
  QListWidget* m_lstCaptions = nullptr;
  QLineEdit* m_txtCaption = nullptr;
  QPushButton* m_cmdAddCaption = nullptr;
  QPushButton* m_cmdRemoveCaption = nullptr;
  QComboBox* m_cboArrangement = nullptr;
  QPushButton* m_cmdUndo = nullptr;
  QPushButton* m_cmdRedo = nullptr;
};

// Opens the editor on `spread` (a new spread when null), or brings the open editor to the front.
SpreadEditor* ShowSpreadEditor(OwnSpreads::Spread spread);

}  // namespace baralune
