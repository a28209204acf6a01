#include "history_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QVBoxLayout>

#include "MDI.h"
#include "catalogue.h"
#include "csv.h"
#include "frmCartomancy.h"
#include "frmMain.h"
#include "journal_actions.h"
#include "journal_file.h"
#include "journal_file_actions.h"
#include "language.h"
#include "language_choice.h"
#include "look.h"
#include "program.h"
#include "reading.h"
#include "readings.h"
#include "save_file.h"
#include "seams.h"
#include "sql_reason.h"
#include "statistics_window.h"

namespace baralune {

namespace {

QString ModeText(int mode) {
  switch (static_cast<ReadingDetails::Mode>(mode)) {
    case ReadingDetails::Mode::Automatic:
      return HistoryWindow::tr("Automatic");
    case ReadingDetails::Mode::Manual:
      return HistoryWindow::tr("Manual");
    case ReadingDetails::Mode::OwnCards:
      return HistoryWindow::tr("Own cards");
  }
  return {};
}

QString SpreadText(int spread) {
  if (spread < 0 || spread >= kSpreadCount) return {};
  const std::string_view text = SpreadListText(static_cast<SpreadIndex>(spread), ReadingLanguage());
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The journal's columns the table shows, in their order; the others stay out of the table and
// so out of what a screen reader announces.
constexpr int kShownColumns[] = {journal::kDealt,  journal::kName, journal::kBirthDate,
                                 journal::kSpread, journal::kMode, journal::kHasNotes};

int ShownColumn(int column) {
  for (int i = 0; i < static_cast<int>(std::size(kShownColumns)); ++i) {
    if (kShownColumns[i] == column) return i;
  }
  return -1;
}

class ShownReadings : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool filterAcceptsColumn(int column, const QModelIndex&) const override {
    return ShownColumn(column) >= 0;
  }
};

QDate BirthDate(const QVariant& value) {
  return QDate::fromString(value.toString(), Qt::ISODate);
}

}  // namespace

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  const bool shown = role == Qt::DisplayRole || role == Qt::AccessibleTextRole;
  if (!shown && role != kSortRole && role != Qt::ToolTipRole) {
    return QSqlQueryModel::data(index, role);
  }
  const QVariant value = QSqlQueryModel::data(index, Qt::DisplayRole);
  switch (index.column()) {
    case journal::kDealt: {
      if (role == kSortRole) return value.toLongLong();
      const QVariant offset = QSqlQueryModel::data(this->index(index.row(), journal::kUtcOffset));
      return QLocale().toString(journal::DealtTime(value.toLongLong(), offset.toInt()),
                                QLocale::ShortFormat);
    }
    case journal::kBirthDate: {
      if (role == kSortRole) return value;  // yyyy-MM-dd sorts as the dates do
      const QDate date = BirthDate(value);
      // The lists allow days no month has: such a date is shown as it was picked.
      return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : value;
    }
    case journal::kName:
      // A long name shows whole in its tooltip.
      return value.toString();
    case journal::kSpread: {
      if (role == Qt::ToolTipRole) return {};
      // A reader's own spread by the name it had when dealt.
      if (value.toInt() == kOwnSpread) {
        return QSqlQueryModel::data(this->index(index.row(), journal::kSpreadName));
      }
      return SpreadText(value.toInt());
    }
    case journal::kMode:
      return role == Qt::ToolTipRole ? QVariant() : QVariant(ModeText(value.toInt()));
    case journal::kHasNotes:
      if (role == kSortRole) return value.toInt();
      if (role == Qt::ToolTipRole || value.toInt() == 0) return {};
      return HistoryWindow::tr("Yes");
    default:
      return role == Qt::ToolTipRole ? QVariant() : value;
  }
}

std::int64_t HistoryModel::ReadingId(int row) const {
  return QSqlQueryModel::data(index(row, journal::kId)).toLongLong();
}

int HistoryModel::RowOf(std::int64_t id) {
  for (int row = 0;; ++row) {
    while (row >= rowCount() && canFetchMore()) fetchMore();
    if (row >= rowCount()) return -1;
    if (ReadingId(row) == id) return row;
  }
}

HistoryWindow::HistoryWindow(QWidget* owner) : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HistoryWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("History - %1").arg(look::AppTitle()));
  setWindowIcon(look::ProgramIcon());
  setFont(look::Font());
  CreateControls();
  OpenJournal();
  Search(QString());
  if (owner != nullptr) move(owner->geometry().center() - rect().center());
}

HistoryWindow::~HistoryWindow() {
  // The model's query goes before its connection.
  m_model->clear();
}

void HistoryWindow::OpenJournal() {
  const QString path = AppSeams().journalPath();
  if (!PrepareJournalForHistory(this)) {
    ShowTrouble(journal::PrepareOnce(path, nullptr, kJournalWait).reason);
    return;
  }
  m_writable = JournalIsWritable();
  m_connection = std::make_unique<journal::Connection>(path, !m_writable, kJournalWait);
  if (!m_connection->IsOpen()) {
    const QString reason = journal::SqlReason(m_connection->Db().lastError());
    qWarning("History: the journal could not be opened: %s", qUtf8Printable(reason));
    m_connection.reset();
    ShowTrouble(reason);
  }
}

void HistoryWindow::ShowTrouble(const QString& reason) {
  // Said in the window, where the list would be, rather than an empty table.
  m_lblTrouble->setText(QCoreApplication::translate(
                            "Journal", "The journal of readings at %1 could not be opened: %2")
                            .arg(QDir::toNativeSeparators(AppSeams().journalPath()), reason));
  m_lblTrouble->show();
  m_table->hide();
  m_search->setEnabled(false);
}

void HistoryWindow::CreateControls() {
  auto* layout = new QVBoxLayout(this);

  auto* searchRow = new QHBoxLayout();
  auto* caption = new QLabel(tr("&Search by name or notes:"), this);
  caption->setObjectName(QStringLiteral("lblSearch"));
  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("txtSearch"));
  m_search->setAccessibleName(tr("Search by name or notes"));
  m_search->setClearButtonEnabled(true);
  m_search->installEventFilter(this);
  caption->setBuddy(m_search);
  searchRow->addWidget(caption);
  searchRow->addWidget(m_search, 1);
  layout->addLayout(searchRow);

  m_model = new HistoryModel(this);
  m_shown = new ShownReadings(this);
  m_shown->setSourceModel(m_model);
  m_shown->setSortRole(HistoryModel::kSortRole);
  m_shown->setSortLocaleAware(true);
  m_shown->setSortCaseSensitivity(Qt::CaseInsensitive);
  m_table = new QTableView(this);
  m_table->setObjectName(QStringLiteral("tblReadings"));
  m_table->setAccessibleName(tr("Readings"));
  m_table->setModel(m_shown);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setTabKeyNavigation(false);
  m_table->setWordWrap(false);
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  m_table->horizontalHeader()->setSortIndicatorShown(false);
  m_table->installEventFilter(this);
  layout->addWidget(m_table, 1);
  // Unsorted, the newest first, until a header is clicked; once the indicator shows, the header
  // turns it at each click. Sorting needs every reading at hand, not only the first page.
  connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
    QHeaderView* header = m_table->horizontalHeader();
    if (!header->isSortIndicatorShown()) {
      header->setSortIndicatorShown(true);
      header->setSortIndicator(section, Qt::AscendingOrder);
    }
    while (m_model->canFetchMore()) m_model->fetchMore();
    m_table->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (m_table->currentIndex().isValid()) m_table->scrollTo(m_table->currentIndex());
  });

  m_lblNoMatch = new QLabel(tr("No readings match"), m_table->viewport());
  m_lblNoMatch->setObjectName(QStringLiteral("lblNoMatch"));
  m_lblNoMatch->setAlignment(Qt::AlignCenter);
  m_lblNoMatch->hide();

  m_lblTrouble = new QLabel(this);
  m_lblTrouble->setObjectName(QStringLiteral("lblTrouble"));
  m_lblTrouble->setWordWrap(true);
  m_lblTrouble->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_lblTrouble->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  m_lblTrouble->setFocusPolicy(Qt::StrongFocus);
  m_lblTrouble->hide();
  layout->addWidget(m_lblTrouble, 1);

  auto* buttons = new QHBoxLayout();
  auto makeButton = [&](const char* name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    buttons->addWidget(button);
    return button;
  };
  m_cmdOpen = makeButton("cmdOpen", tr("&Open"));
  m_cmdDelete = makeButton("cmdDelete", tr("&Delete"));
  m_cmdExport = makeButton("cmdExport", tr("&Export…"));
  m_cmdExportJournal = makeButton("cmdExportJournal", tr("Export &Journal…"));
  m_cmdImportJournal = makeButton("cmdImportJournal", tr("&Import Journal…"));
  m_cmdStatistics = makeButton("cmdStatistics", tr("Sta&tistics…"));
  buttons->addStretch(1);
  m_cmdClose = makeButton("cmdClose", tr("&Close"));
  layout->addLayout(buttons);

  connect(m_search, &QLineEdit::textChanged, this, &HistoryWindow::Search);
  connect(m_table, &QTableView::doubleClicked, this, &HistoryWindow::OpenSelected);
  connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &HistoryWindow::UpdateButtons);
  connect(m_cmdOpen, &QPushButton::clicked, this, &HistoryWindow::OpenSelected);
  connect(m_cmdDelete, &QPushButton::clicked, this, &HistoryWindow::DeleteSelected);
  connect(m_cmdExport, &QPushButton::clicked, this, &HistoryWindow::ExportShown);
  connect(m_cmdExportJournal, &QPushButton::clicked, this, &HistoryWindow::ExportJournal);
  connect(m_cmdImportJournal, &QPushButton::clicked, this, &HistoryWindow::ImportJournal);
  connect(m_cmdStatistics, &QPushButton::clicked, this, &HistoryWindow::ShowStatistics);
  connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  setTabOrder(m_search, m_table);
  setTabOrder(m_table, m_cmdOpen);
  setTabOrder(m_cmdOpen, m_cmdDelete);
  setTabOrder(m_cmdDelete, m_cmdExport);
  setTabOrder(m_cmdExport, m_cmdExportJournal);
  setTabOrder(m_cmdExportJournal, m_cmdImportJournal);
  setTabOrder(m_cmdImportJournal, m_cmdStatistics);
  setTabOrder(m_cmdStatistics, m_cmdClose);

  const QFontMetrics metrics(font());
  resize(metrics.horizontalAdvance(QLatin1Char('x')) * 110, metrics.height() * 30);
}

int HistoryWindow::ModelRow(int row) const {
  return m_shown->mapToSource(m_shown->index(row, 0)).row();
}

void HistoryWindow::SizeColumns() {
  m_model->setHeaderData(journal::kDealt, Qt::Horizontal, tr("Date and time"));
  m_model->setHeaderData(journal::kName, Qt::Horizontal, tr("Name"));
  m_model->setHeaderData(journal::kBirthDate, Qt::Horizontal, tr("Date of birth"));
  m_model->setHeaderData(journal::kSpread, Qt::Horizontal, tr("Spread"));
  m_model->setHeaderData(journal::kMode, Qt::Horizontal, tr("How dealt"));
  m_model->setHeaderData(journal::kHasNotes, Qt::Horizontal, tr("Notes"));
  const QFontMetrics metrics(m_table->font());
  const int x = metrics.horizontalAdvance(QLatin1Char('x'));
  const QLocale locale;
  const QString longest =
      locale.toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
  auto width = [&](const QString& text) { return metrics.horizontalAdvance(text) + 3 * x; };
  m_table->setColumnWidth(ShownColumn(journal::kDealt),
                          std::max(width(longest), width(tr("Date and time"))));
  m_table->setColumnWidth(ShownColumn(journal::kName), 28 * x);
  m_table->setColumnWidth(
      ShownColumn(journal::kBirthDate),
      std::max(width(locale.toString(QDate(1988, 12, 28), QLocale::ShortFormat)),
               width(tr("Date of birth"))));
  m_table->setColumnWidth(ShownColumn(journal::kSpread), width(SpreadText(0)));
  m_table->setColumnWidth(ShownColumn(journal::kMode),
                          std::max({width(ModeText(0)), width(ModeText(1)), width(ModeText(2))}));
}

void HistoryWindow::Search(const QString& search) {
  if (m_connection == nullptr || !m_connection->IsOpen()) {
    UpdateButtons();
    return;
  }
  // The widths the user gave the columns outlast the new list.
  std::vector<int> widths;
  for (int c = 0; c < m_shown->columnCount(); ++c) widths.push_back(m_table->columnWidth(c));
  QSqlQuery query(m_connection->Db());
  journal::SelectList(query, search);
  m_model->setQuery(std::move(query));
  if (m_model->lastError().isValid()) {
    qWarning("History: the readings could not be listed: %s",
             qUtf8Printable(m_model->lastError().text()));
  }
  SizeColumns();
  if (widths.size() == static_cast<std::size_t>(m_shown->columnCount())) {
    for (int c = 0; c + 1 < m_shown->columnCount(); ++c) m_table->setColumnWidth(c, widths[c]);
  }
  if (m_table->horizontalHeader()->isSortIndicatorShown()) {
    while (m_model->canFetchMore()) m_model->fetchMore();
  }
  SelectReading(-1);
  UpdateStatistics();
}

void HistoryWindow::Refresh() {
  const QModelIndex current = m_table->currentIndex();
  const std::int64_t id = current.isValid() ? m_model->ReadingId(ModelRow(current.row())) : -1;
  Search(m_search->text());
  if (id >= 0) SelectReading(id);
}

void HistoryWindow::SelectReading(std::int64_t id) {
  // The model lists the newest first, whatever order the table shows.
  int modelRow = id >= 0 ? m_model->RowOf(id) : -1;
  if (modelRow < 0 && m_model->rowCount() > 0) modelRow = 0;
  m_lblNoMatch->setVisible(m_model->rowCount() == 0 && !m_search->text().isEmpty());
  m_lblNoMatch->setGeometry(m_table->viewport()->rect());
  if (modelRow >= 0) {
    const QModelIndex shown = m_shown->mapFromSource(m_model->index(modelRow, journal::kDealt));
    m_table->selectionModel()->setCurrentIndex(
        shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(shown);
  }
  UpdateButtons();
}

void HistoryWindow::UpdateButtons() {
  const bool any = m_model->rowCount() > 0;
  const bool selected = any && m_table->selectionModel()->hasSelection();
  m_cmdOpen->setEnabled(selected);
  m_cmdDelete->setEnabled(selected && m_writable);
  m_cmdExport->setEnabled(any);
  const bool open = m_connection != nullptr && m_connection->IsOpen();
  m_cmdExportJournal->setEnabled(open);
  m_cmdImportJournal->setEnabled(open && m_writable);
  m_cmdStatistics->setEnabled(open);
}

std::vector<std::int64_t> HistoryWindow::SelectedIds() const {
  std::vector<std::int64_t> ids;
  for (const QModelIndex& row : m_table->selectionModel()->selectedRows()) {
    ids.push_back(m_model->ReadingId(ModelRow(row.row())));
  }
  return ids;
}

void HistoryWindow::OpenSelected() {
  if (m_connection == nullptr) return;
  const QModelIndex current = m_table->currentIndex();
  if (!current.isValid()) return;
  const auto entry = journal::Load(m_connection->Db(), m_model->ReadingId(ModelRow(current.row())));
  if (!entry) {
    ShowMessage(this, tr("This reading cannot be shown again."), QMessageBox::Information);
    return;
  }
  try {
    ShowReadingAgain(FromEntry(*entry));
  } catch (const std::exception& failure) {
    ReportFailedStep(tr("The reading could not be shown again:\n%1"), failure);
    return;
  }
  close();
}

QString HistoryWindow::DeleteQuestion(const std::vector<std::int64_t>& ids) const {
  const QString undone = tr("This cannot be undone.");
  if (ids.size() != 1) {
    return tr("Delete these %n reading(s)?", nullptr, static_cast<int>(ids.size())) +
           QLatin1Char(' ') + undone;
  }
  const int row = ModelRow(m_table->selectionModel()->selectedRows().constFirst().row());
  const QString name = m_model->index(row, journal::kName).data().toString().simplified();
  const QVariant offset = m_model->index(row, journal::kUtcOffset).data(Qt::EditRole);
  const QDate dealt =
      journal::DealtTime(
          m_model->index(row, journal::kDealt).data(HistoryModel::kSortRole).toLongLong(),
          offset.toInt())
          .date();
  return tr("Delete the reading of %1 from %2?")
             .arg(name, QLocale().toString(dealt, tr("d MMMM yyyy", "date dealt"))) +
         QLatin1Char(' ') + undone;
}

void HistoryWindow::DeleteSelected() {
  if (m_connection == nullptr || !m_writable) return;
  const std::vector<std::int64_t> ids = SelectedIds();
  if (ids.empty()) return;
  if (!AskToConfirm(this, DeleteQuestion(ids), tr("Delete"))) return;

  // The reading next down from the ones deleted is selected then; at the foot, the one above.
  std::int64_t next = -1;
  const QModelIndexList selected = m_table->selectionModel()->selectedRows();
  int last = -1;
  int first = m_shown->rowCount();
  for (const QModelIndex& index : selected) {
    last = std::max(last, index.row());
    first = std::min(first, index.row());
  }
  auto isSelected = [this](int row) {
    return m_table->selectionModel()->isRowSelected(row, QModelIndex());
  };
  for (int row = last + 1; row < m_shown->rowCount() && next < 0; ++row) {
    if (!isSelected(row)) next = m_model->ReadingId(ModelRow(row));
  }
  for (int row = first - 1; row >= 0 && next < 0; --row) {
    if (!isSelected(row)) next = m_model->ReadingId(ModelRow(row));
  }

  m_model->clear();  // no statement of ours open over the rows deleted
  QString why;
  try {
    why = journal::Remove(m_connection->Db(), ids);
  } catch (const std::exception& failure) {
    Search(m_search->text());
    ReportFailedStep(tr("The readings could not be deleted: %1"), failure);
    return;
  }
  Search(m_search->text());
  if (!why.isEmpty()) {
    qWarning("History: readings not deleted: %s", qUtf8Printable(why));
    ShowMessage(this, tr("The readings could not be deleted: %1").arg(why), QMessageBox::Warning);
  } else if (next >= 0) {
    SelectReading(next);
  }
}

void HistoryWindow::ExportShown() {
  if (m_connection == nullptr) return;
  const QString path =
      AskSavePath(this, tr("Comma-separated values (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  if (JournalFileActions::IsTheJournal(path)) {
    return JournalFileActions::RefuseExportOverJournal(this, path);
  }
  journal::CsvExport exported;
  try {
    exported = journal::ExportCsv(m_connection->Db(), m_search->text(), ReadingLanguage());
  } catch (const std::exception& failure) {
    ReportFailedStep(tr("The readings could not be exported:\n%1"), failure);
    return;
  }
  const QString error =
      exported.failure.isEmpty() ? SaveFile(path, exported.csv) : exported.failure;
  if (!error.isEmpty()) {
    qWarning("History: export failed: %s", qUtf8Printable(error));
    ShowMessage(this,
                tr("The readings could not be exported to %1: %2")
                    .arg(QDir::toNativeSeparators(path), error),
                QMessageBox::Warning);
    return;
  }
  RememberSaveFolder(path);
  if (exported.leftOut > 0) {
    ShowMessage(this,
                tr("%n reading(s) could not be read and were left out of the export.", nullptr,
                   exported.leftOut),
                QMessageBox::Warning);
  }
}

void HistoryWindow::ExportJournal() {
  if (m_connection == nullptr) return;
  JournalFileActions::Export(this, m_connection->Db());
}

void HistoryWindow::ImportJournal() {
  if (m_connection == nullptr || !m_writable) return;
  const QString path = JournalFileActions::AskImportPath(this);
  if (path.isEmpty()) return;
  m_model->clear();  // no statement of ours open while the readings go in
  const bool added = JournalFileActions::Import(this, m_connection->Db(), path);
  Search(m_search->text());
  if (added) m_table->setFocus();
}

StatisticsWindow* HistoryWindow::ShowStatistics() {
  if (m_connection == nullptr || !m_connection->IsOpen()) return nullptr;
  if (m_statistics == nullptr) {
    m_statistics = new StatisticsWindow(this);
    UpdateStatistics();
    m_statistics->show();
  }
  m_statistics->raise();
  m_statistics->activateWindow();
  return m_statistics;
}

StatisticsWindow* HistoryWindow::Statistics() const {
  return m_statistics;
}

void HistoryWindow::UpdateStatistics() {
  if (m_statistics == nullptr || m_connection == nullptr || !m_connection->IsOpen()) return;
  const journal::Statistics statistics =
      journal::CountStatistics(m_connection->Db(), m_search->text());
  if (!statistics.failure.isEmpty()) {
    qWarning("History: the readings could not be counted: %s", qUtf8Printable(statistics.failure));
  }
  m_statistics->ShowStatistics(statistics, m_search->text());
}

void HistoryWindow::closeEvent(QCloseEvent* event) {
  MarkUnloaded(this);
  QWidget::closeEvent(event);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == m_table) {
    m_lblNoMatch->setGeometry(m_table->viewport()->rect());
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (watched == m_search && key == Qt::Key_Down && m_table->isVisible()) {
    // From the search on into the list, where the selected reading is.
    m_table->setFocus(Qt::OtherFocusReason);
    if (!m_table->currentIndex().isValid()) SelectReading(-1);
    return true;
  }
  if (watched == m_table) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OpenSelected();
      return true;
    }
    if (key == Qt::Key_Delete) {
      DeleteSelected();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

HistoryWindow* ShowHistoryWindow(QWidget* owner) {
  auto* history = qobject_cast<HistoryWindow*>(FindLoadedWindow("HistoryWindow"));
  if (history == nullptr) {
    history = new HistoryWindow(owner);
    history->show();
    if (owner == nullptr) CenterOnScreen(history);
  }
  history->raise();
  history->activateWindow();
  history->Table()->setFocus();
  return history;
}

void RefreshHistoryWindow() {
  if (auto* history = qobject_cast<HistoryWindow*>(FindLoadedWindow("HistoryWindow"))) {
    history->Refresh();
  }
}

void ShowReadingAgain(const ReadingDetails& details, journal::Writer::Key notesKey) {
  MDI* report = LoadedReportWindow();
  report->SetReadingDetails(details);
  report->SetNotesKey(std::move(notesKey));
  // The report is written again in the language it was first written in.
  RunSpreadReading(details.spread, details.own, report->ReadingTarget(), EnteredHand(details.hand),
                   details.language);
  if (frmCartomancy* display = report->SpreadDisplayWindow()) {
    display->ShowTitlesIn(details.language);
  }
  report->ShowReport();
  if (auto* main = qobject_cast<frmMain*>(FindLoadedWindow("frmMain"))) main->closeForFlow();
}

}  // namespace baralune
