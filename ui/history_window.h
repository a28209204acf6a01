#pragma once
#include <QPointer>
#include <QSqlQueryModel>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "reading_details.h"
#include "writer.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace baralune {

namespace journal {
class Connection;
}
class StatisticsWindow;

// The readings of the journal as the History lists them, fetched a page at a time as the table
// scrolls, so that a long journal opens at once. Dates show in the locale's short format; the
// sort role gives what a column sorts by (the dates as dates).
class HistoryModel : public QSqlQueryModel {
  Q_OBJECT

 public:
  using QSqlQueryModel::QSqlQueryModel;
  static constexpr int kSortRole = Qt::UserRole;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  std::int64_t ReadingId(int row) const;
  // The row of the reading kept under `id`, fetching further as needed; -1 if not listed.
  int RowOf(std::int64_t id);
};

// The History window: the readings newest first, a search by name, and Open, Delete, Export,
// the journal carried to and from a journal file, and the statistics of the readings listed.
// A window of its own, so that it stays open while readings are dealt and recorded.
class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryWindow(QWidget* owner);
  ~HistoryWindow() override;

  QTableView* Table() const { return m_table; }
  QLineEdit* SearchField() const { return m_search; }
  HistoryModel* Model() const { return m_model; }
  // What the table shows: the model sorted as the user chose, without the hidden columns.
  QSortFilterProxyModel* ShownModel() const { return m_shown; }
  // The model row of the reading shown in table row `row`.
  int ModelRow(int row) const;

  // Lists the readings whose name or notes contain `search`, accents and case aside; the newest is
  // selected.
  void Search(const QString& search);
  // Lists the readings again (one was recorded), keeping the selection where it can.
  void Refresh();
  // Shows the current reading in the report window as it was first shown.
  void OpenSelected();
  // Deletes the selected readings once the user confirms.
  void DeleteSelected();
  // Writes the readings listed to a CSV file the user picks.
  void ExportShown();
  // Writes the whole journal to a journal file the user picks, for another machine or edition.
  void ExportJournal();
  // Adds the readings of a journal file the user picks that the journal does not hold yet.
  void ImportJournal();
  // Shows the statistics of the readings listed, in a window that follows the search.
  StatisticsWindow* ShowStatistics();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void OpenJournal();
  void ShowTrouble(const QString& reason);
  void SizeColumns();
  // Selects the reading of `id` (or the newest where it is not listed) and makes it current.
  void SelectReading(std::int64_t id);
  void UpdateButtons();
  void UpdateStatistics();
  std::vector<std::int64_t> SelectedIds() const;
  QString DeleteQuestion(const std::vector<std::int64_t>& ids) const;

  std::unique_ptr<journal::Connection> m_connection;
  bool m_writable = false;
  HistoryModel* m_model = nullptr;
  QSortFilterProxyModel* m_shown = nullptr;
  QLineEdit* m_search = nullptr;
  QTableView* m_table = nullptr;
  QLabel* m_lblNoMatch = nullptr;
  QLabel* m_lblTrouble = nullptr;
  QPushButton* m_cmdOpen = nullptr;
  QPushButton* m_cmdDelete = nullptr;
  QPushButton* m_cmdExport = nullptr;
  QPushButton* m_cmdExportJournal = nullptr;
  QPushButton* m_cmdImportJournal = nullptr;
  QPushButton* m_cmdStatistics = nullptr;
  QPointer<StatisticsWindow> m_statistics;
  QPushButton* m_cmdClose = nullptr;
};

// Opens the History window beside `owner`, or brings the open one forward.
HistoryWindow* ShowHistoryWindow(QWidget* owner);

// Lists the readings again in the History window, if one is open.
void RefreshHistoryWindow();

// Shows a reading kept in the journal in the report window, exactly as it was first shown, and
// unloads the main window if it is open.
// `notesKey`, when given, is where the journal keeps the reading's notes (one not yet numbered).
void ShowReadingAgain(const ReadingDetails& details, journal::Writer::Key notesKey = nullptr);

}  // namespace baralune
