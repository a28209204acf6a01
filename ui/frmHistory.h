#pragma once
#include <QSqlQueryModel>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "reading_details.h"

class QLineEdit;
class QPushButton;
class QTableView;

namespace baralune {

namespace journal {
class Connection;
}

// The readings of the journal as the History lists them, fetched a page at a time as the table
// scrolls, so that a long journal opens at once.
class HistoryModel : public QSqlQueryModel {
  Q_OBJECT

 public:
  using QSqlQueryModel::QSqlQueryModel;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  std::int64_t ReadingId(int row) const;
};

// The History window: the readings newest first, a search by name, and Open, Delete, Export.
class frmHistory : public QWidget {
  Q_OBJECT

 public:
  explicit frmHistory(QWidget* owner);
  ~frmHistory() override;

  QTableView* Table() const { return m_table; }
  QLineEdit* SearchField() const { return m_search; }
  HistoryModel* Model() const { return m_model; }

  // Lists the readings whose name contains `search`, accents and case aside; the newest is
  // selected.
  void Search(const QString& search);
  // Shows the current reading in the report window as it was first shown.
  void OpenSelected();
  // Deletes the selected readings once the user confirms.
  void DeleteSelected();
  // Writes the readings listed to a CSV file the user picks.
  void ExportShown();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  std::vector<std::int64_t> SelectedIds() const;

  std::unique_ptr<journal::Connection> m_connection;
  bool m_writable = false;
  HistoryModel* m_model = nullptr;
  QLineEdit* m_search = nullptr;
  QTableView* m_table = nullptr;
  QPushButton* m_cmdOpen = nullptr;
  QPushButton* m_cmdDelete = nullptr;
  QPushButton* m_cmdExport = nullptr;
  QPushButton* m_cmdClose = nullptr;
};

// Opens the History window over `owner`, or brings the open one forward.
frmHistory* ShowHistoryWindow(QWidget* owner);

// Shows a reading kept in the journal in the report window, exactly as it was first shown, and
// unloads the main window if it is open.
void ShowReadingAgain(const ReadingDetails& details);

}  // namespace baralune
