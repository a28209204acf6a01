#include "frmHistory.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSqlQuery>
#include <QTableView>
#include <QVBoxLayout>

#include "MDI.h"
#include "catalogue.h"
#include "csv.h"
#include "frmMain.h"
#include "journal_actions.h"
#include "journal_file.h"
#include "language.h"
#include "language_choice.h"
#include "look.h"
#include "program.h"
#include "reading.h"
#include "readings.h"
#include "save_file.h"
#include "seams.h"

namespace baralune {

namespace {

QString ModeText(int mode) {
  switch (static_cast<ReadingDetails::Mode>(mode)) {
    case ReadingDetails::Mode::Automatic:
      return frmHistory::tr("Automatic");
    case ReadingDetails::Mode::Manual:
      return frmHistory::tr("Manual");
    case ReadingDetails::Mode::OwnCards:
      return frmHistory::tr("Own cards");
  }
  return {};
}

QString SpreadText(int spread) {
  if (spread < 0 || spread >= kSpreadCount) return {};
  const std::string_view text = SpreadListText(static_cast<SpreadIndex>(spread), ReadingLanguage());
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
    return QSqlQueryModel::data(index, role);
  }
  const QVariant value = QSqlQueryModel::data(index, Qt::DisplayRole);
  switch (index.column()) {
    case journal::kDealt: {
      const QVariant offset = QSqlQueryModel::data(this->index(index.row(), journal::kUtcOffset));
      return journal::DealtTime(value.toLongLong(), offset.toInt())
          .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    case journal::kSpread:
      return SpreadText(value.toInt());
    case journal::kMode:
      return ModeText(value.toInt());
    default:
      return value;
  }
}

std::int64_t HistoryModel::ReadingId(int row) const {
  return QSqlQueryModel::data(index(row, journal::kId)).toLongLong();
}

frmHistory::frmHistory(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("frmHistory"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("History - %1").arg(look::AppTitle()));
  setWindowIcon(look::ProgramIcon());
  setFont(look::Font());
  CreateControls();

  const QString path = AppSeams().journalPath();
  if (PrepareJournalForHistory(this)) {
    m_writable = JournalIsWritable();
    m_connection = std::make_unique<journal::Connection>(path, !m_writable, kJournalWait);
  }
  m_cmdDelete->setEnabled(m_writable);
  Search(QString());
}

frmHistory::~frmHistory() {
  // The model's query goes before its connection.
  m_model->clear();
}

void frmHistory::CreateControls() {
  auto* layout = new QVBoxLayout(this);

  auto* searchRow = new QHBoxLayout();
  auto* caption = new QLabel(tr("&Search by name:"), this);
  caption->setObjectName(QStringLiteral("lblSearch"));
  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("txtSearch"));
  m_search->setAccessibleName(tr("Search by name"));
  m_search->setClearButtonEnabled(true);
  caption->setBuddy(m_search);
  searchRow->addWidget(caption);
  searchRow->addWidget(m_search, 1);
  layout->addLayout(searchRow);

  m_model = new HistoryModel(this);
  m_table = new QTableView(this);
  m_table->setObjectName(QStringLiteral("tblReadings"));
  m_table->setAccessibleName(tr("Readings"));
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setTabKeyNavigation(false);
  m_table->setWordWrap(false);
  m_table->verticalHeader()->hide();
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->installEventFilter(this);
  layout->addWidget(m_table, 1);

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
  buttons->addStretch(1);
  m_cmdClose = makeButton("cmdClose", tr("&Close"));
  layout->addLayout(buttons);

  connect(m_search, &QLineEdit::textChanged, this,
          [this](const QString& text) { Guard([&] { Search(text); }); });
  connect(m_table, &QTableView::doubleClicked, this, [this] { Guard([this] { OpenSelected(); }); });
  connect(m_cmdOpen, &QPushButton::clicked, this, [this] { Guard([this] { OpenSelected(); }); });
  connect(m_cmdDelete, &QPushButton::clicked, this,
          [this] { Guard([this] { DeleteSelected(); }); });
  connect(m_cmdExport, &QPushButton::clicked, this, [this] { Guard([this] { ExportShown(); }); });
  connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  setTabOrder(m_search, m_table);
  setTabOrder(m_table, m_cmdOpen);
  setTabOrder(m_cmdOpen, m_cmdDelete);
  setTabOrder(m_cmdDelete, m_cmdExport);
  setTabOrder(m_cmdExport, m_cmdClose);

  const QFontMetrics metrics(font());
  resize(metrics.horizontalAdvance(QLatin1Char('x')) * 110, metrics.height() * 30);
}

void frmHistory::Search(const QString& search) {
  if (m_connection == nullptr || !m_connection->IsOpen()) return;
  QSqlQuery query(m_connection->Db());
  journal::SelectList(query, search);
  m_model->setQuery(std::move(query));
  m_model->setHeaderData(journal::kDealt, Qt::Horizontal, tr("Date and time"));
  m_model->setHeaderData(journal::kName, Qt::Horizontal, tr("Name"));
  m_model->setHeaderData(journal::kBirthDate, Qt::Horizontal, tr("Date of birth"));
  m_model->setHeaderData(journal::kSpread, Qt::Horizontal, tr("Spread"));
  m_model->setHeaderData(journal::kMode, Qt::Horizontal, tr("How dealt"));
  m_table->setColumnHidden(journal::kId, true);
  m_table->setColumnHidden(journal::kUtcOffset, true);
  m_table->setColumnHidden(journal::kLanguage, true);
  const QFontMetrics metrics(m_table->font());
  const int x = metrics.horizontalAdvance(QLatin1Char('x'));
  m_table->setColumnWidth(journal::kDealt,
                          metrics.horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + 2 * x);
  m_table->setColumnWidth(journal::kName, 28 * x);
  m_table->setColumnWidth(journal::kBirthDate,
                          metrics.horizontalAdvance(tr("Date of birth")) + 3 * x);
  m_table->setColumnWidth(journal::kSpread, metrics.horizontalAdvance(SpreadText(0)) + 3 * x);
  if (m_model->rowCount() > 0) {
    m_table->selectRow(0);
    m_table->setCurrentIndex(m_model->index(0, journal::kDealt));
  }
  m_cmdExport->setEnabled(m_model->rowCount() > 0);
}

std::vector<std::int64_t> frmHistory::SelectedIds() const {
  std::vector<std::int64_t> ids;
  for (const QModelIndex& row : m_table->selectionModel()->selectedRows()) {
    ids.push_back(m_model->ReadingId(row.row()));
  }
  return ids;
}

void frmHistory::OpenSelected() {
  if (m_connection == nullptr) return;
  const QModelIndex current = m_table->currentIndex();
  if (!current.isValid()) return;
  const auto entry = journal::Load(m_connection->Db(), m_model->ReadingId(current.row()));
  if (!entry) {
    ShowMessage(this, tr("This reading cannot be shown again."), QMessageBox::Information);
    return;
  }
  ShowReadingAgain(FromEntry(*entry));
}

void frmHistory::DeleteSelected() {
  if (m_connection == nullptr || !m_writable) return;
  const std::vector<std::int64_t> ids = SelectedIds();
  if (ids.empty()) return;
  const int n = static_cast<int>(ids.size());
  if (ShowMessage(this, tr("Delete %n reading(s)?", nullptr, n), QMessageBox::Question,
                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  const int row = m_table->currentIndex().row();
  m_model->clear();  // no statement of ours open over the rows deleted
  const QString why = journal::Remove(m_connection->Db(), ids);
  Search(m_search->text());
  if (!why.isEmpty()) {
    ShowMessage(this, tr("The readings could not be deleted: %1").arg(why), QMessageBox::Warning);
  } else if (row > 0 && m_model->rowCount() > 0) {
    // The row after the ones deleted, or the last one.
    while (row >= m_model->rowCount() && m_model->canFetchMore()) m_model->fetchMore();
    m_table->selectRow(std::min(row, m_model->rowCount() - 1));
  }
}

void frmHistory::ExportShown() {
  if (m_connection == nullptr) return;
  const QString path =
      AskSavePath(this, tr("Comma-separated values (*.csv)"), QStringLiteral("csv"));
  if (path.isEmpty()) return;
  const journal::CsvExport exported =
      journal::ExportCsv(m_connection->Db(), m_search->text(), ReadingLanguage());
  const QString error =
      exported.failure.isEmpty() ? SaveFile(path, exported.csv) : exported.failure;
  if (!error.isEmpty()) {
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

void frmHistory::closeEvent(QCloseEvent* event) {
  MarkUnloaded(this);
  QWidget::closeEvent(event);
}

bool frmHistory::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_table && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Guard([this] { OpenSelected(); });
      return true;
    }
    if (key == Qt::Key_Delete) {
      Guard([this] { DeleteSelected(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

frmHistory* ShowHistoryWindow(QWidget* owner) {
  auto* history = qobject_cast<frmHistory*>(FindLoadedWindow("frmHistory"));
  if (history == nullptr) {
    history = new frmHistory(owner);
    history->show();
    CenterOnScreen(history);
  }
  history->raise();
  history->activateWindow();
  history->Table()->setFocus();
  return history;
}

void ShowReadingAgain(const ReadingDetails& details) {
  MDI* report = LoadedReportWindow();
  report->SetReadingDetails(details);
  // The report is written again in the language it was first written in.
  RunReading(details.spread, report->ReadingTarget(), EnteredHand(details.hand), details.language);
  report->ShowReport();
  if (auto* history = qobject_cast<frmHistory*>(FindLoadedWindow("frmHistory"))) {
    history->close();
  }
  if (auto* main = qobject_cast<frmMain*>(FindLoadedWindow("frmMain"))) main->UnloadForReading();
}

}  // namespace baralune
