#include "spreads_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue.h"
#include "language_choice.h"
#include "look.h"
#include "own_spreads.h"
#include "program.h"
#include "safe_output.h"
#include "seams.h"
#include "spread_editor.h"
#include "spread_file.h"

namespace baralune {

namespace {

QString FromStd(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The main window offers the reader's spreads after the four, as they now are.
void OfferOwnSpreadsInMainWindow() {
  if (QWidget* main = FindLoadedWindow("frmMain")) {
    if (auto* list = main->findChild<QComboBox*>(QStringLiteral("cboSpread"))) {
      const QString current = list->currentText();
      while (list->count() > kSpreadCount) list->removeItem(list->count() - 1);
      for (const auto& own : OwnSpreads::All()) list->addItem(QString::fromStdString(own->name));
      if (list->currentIndex() < 0 && !current.isEmpty()) {
        list->setCurrentIndex(list->findText(current, Qt::MatchExactly));
      }
    }
  }
}

QString Filter() {
  return SpreadsWindow::tr("Baralune spread (*.baralune-spread)") + QStringLiteral(";;") +
         SpreadsWindow::tr("All files (*)");
}

}  // namespace

SpreadsWindow::SpreadsWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("SpreadsWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Spreads - Baralune"));
  auto* label = new QLabel(tr("&Spreads:"), this);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("lstSpreads"));
  label->setBuddy(m_list);
  auto button = [this](const QString& text, const char* name, void (SpreadsWindow::*slot)()) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  auto* create = button(tr("&New"), "cmdNew", &SpreadsWindow::NewSpread);
  m_cmdEdit = button(tr("&Edit"), "cmdEdit", &SpreadsWindow::EditSelected);
  m_cmdDuplicate = button(tr("&Duplicate"), "cmdDuplicate", &SpreadsWindow::DuplicateSelected);
  m_cmdDelete = button(tr("De&lete"), "cmdDelete", &SpreadsWindow::DeleteSelected);
  auto* import = button(tr("&Import…"), "cmdImport", &SpreadsWindow::ImportSpread);
  m_cmdExport = button(tr("E&xport…"), "cmdExport", &SpreadsWindow::ExportSelected);
  auto* close = new QPushButton(tr("&Close"), this);
  close->setObjectName(QStringLiteral("cmdClose"));
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {create, m_cmdEdit, m_cmdDuplicate, m_cmdDelete, import, m_cmdExport}) {
    buttons->addWidget(b);
  }
  buttons->addStretch();
  buttons->addWidget(close);
  auto* list = new QVBoxLayout;
  list->addWidget(label);
  list->addWidget(m_list);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(list, 1);
  layout->addLayout(buttons);
  connect(m_list, &QListWidget::currentRowChanged, this, &SpreadsWindow::UpdateButtons);
  // Enter or a double click on one of the reader's spreads opens it in the editor.
  connect(m_list, &QListWidget::itemActivated, this, [this] {
    if (OwnIndex(m_list->currentRow()) >= 0) EditSelected();
  });
  Fill(0);
}

int SpreadsWindow::OwnIndex(int row) {
  const int index = row - kSpreadCount;
  return index >= 0 && index < static_cast<int>(OwnSpreads::All().size()) ? index : -1;
}

SpreadDefinition SpreadsWindow::DefinitionAt(int row) {
  const int own = OwnIndex(row);
  return own >= 0 ? *OwnSpreads::All()[static_cast<std::size_t>(own)]
                  : DefinitionOf(static_cast<SpreadIndex>(row), ReadingLanguage());
}

void SpreadsWindow::Fill(int select) {
  m_list->clear();
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    m_list->addItem(FromStd(SpreadListText(s, ReadingLanguage())));
  }
  for (const auto& own : OwnSpreads::All()) m_list->addItem(QString::fromStdString(own->name));
  m_list->setCurrentRow(std::clamp(select, 0, m_list->count() - 1));
  UpdateButtons();
  OfferOwnSpreadsInMainWindow();
}

void SpreadsWindow::UpdateButtons() {
  const int row = m_list->currentRow();
  m_cmdDuplicate->setEnabled(row >= 0);
  m_cmdExport->setEnabled(row >= 0);
  m_cmdDelete->setEnabled(OwnIndex(row) >= 0);
  m_cmdEdit->setEnabled(OwnIndex(row) >= 0);
}

void SpreadsWindow::NewSpread() {
  ShowSpreadEditor(nullptr);
}

void SpreadsWindow::EditSelected() {
  const int own = OwnIndex(m_list->currentRow());
  if (own >= 0) ShowSpreadEditor(OwnSpreads::All()[static_cast<std::size_t>(own)]);
}

void SpreadsWindow::DuplicateSelected() {
  const int row = m_list->currentRow();
  if (row < 0) return;
  SpreadDefinition copy = DefinitionAt(row);
  copy.name = FreeSpreadName(tr("%1 (copy)").arg(QString::fromStdString(copy.name)).toStdString());
  auto spreads = OwnSpreads::All();
  spreads.push_back(std::make_shared<const SpreadDefinition>(std::move(copy)));
  if (const QString why = OwnSpreads::Save(spreads); !why.isEmpty()) {
    ShowMessage(this, tr("The spreads could not be kept: %1").arg(why), QMessageBox::Critical);
    return;
  }
  Fill(m_list->count());
}

void SpreadsWindow::DeleteSelected() {
  const int own = OwnIndex(m_list->currentRow());
  if (own < 0) return;
  auto spreads = OwnSpreads::All();
  const QString name = QString::fromStdString(spreads[static_cast<std::size_t>(own)]->name);
  if (!AskToConfirm(this,
                    tr("Delete the spread %1? Readings already dealt with it keep it.").arg(name),
                    tr("Delete"))) {
    return;
  }
  spreads.erase(spreads.begin() + own);
  if (const QString why = OwnSpreads::Save(spreads); !why.isEmpty()) {
    ShowMessage(this, tr("The spreads could not be kept: %1").arg(why), QMessageBox::Critical);
    return;
  }
  Fill(m_list->currentRow());
}

void SpreadsWindow::ImportSpread() {
  OpenDialogRequest request;
  request.title = tr("Import Spread");
  request.filter = Filter();
  request.directory = QDir::homePath();
  const QString path = AppSeams().openFileName(this, request);
  if (path.isEmpty()) return;
  auto refuse = [&](const QString& why) {
    qWarning("Spread not imported from %s: %s", qPrintable(path), qPrintable(why));
    ShowMessage(this, tr("Nothing was imported from %1: %2").arg(QFileInfo(path).fileName(), why),
                QMessageBox::Critical);
  };
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    refuse(file.errorString());
    return;
  }
  // One byte past the limit tells a file too large.
  const QByteArray text = file.read(static_cast<qint64>(interchange::kMaxSpreadFileBytes) + 1);
  interchange::SpreadFileResult read = interchange::ReadSpreadFile(
      std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  if (!read.spread) {
    refuse(QString::fromStdString(interchange::DescribeRefusal(read, ReadingLanguage())));
    return;
  }
  SpreadDefinition spread = std::move(*read.spread);
  if (SpreadNameTaken(spread.name)) {
    const std::string free = FreeSpreadName(spread.name);
    if (!AskToConfirm(this,
                      tr("A spread named %1 exists already. Import this one as %2?")
                          .arg(QString::fromStdString(spread.name), QString::fromStdString(free)),
                      tr("Import"))) {
      return;
    }
    spread.name = free;
  }
  auto spreads = OwnSpreads::All();
  spreads.push_back(std::make_shared<const SpreadDefinition>(std::move(spread)));
  if (const QString why = OwnSpreads::Save(spreads); !why.isEmpty()) {
    refuse(why);
    return;
  }
  Fill(m_list->count());
}

void SpreadsWindow::ExportSelected() {
  const int row = m_list->currentRow();
  if (row < 0) return;
  const SpreadDefinition spread = DefinitionAt(row);
  SaveDialogRequest request;
  request.title = tr("Export Spread");
  request.filter = Filter();
  request.defaultSuffix = QStringLiteral("baralune-spread");
  request.directory = QDir::homePath();
  QString name = QString::fromStdString(spread.name);
  for (const QChar c : QStringLiteral("/\\:*?\"<>|")) name.replace(c, QLatin1Char(' '));
  request.fileName = name.simplified() + QStringLiteral(".baralune-spread");
  const QString path = AppSeams().saveFileName(this, request);
  if (path.isEmpty()) return;
  const ReplaceResult written =
      ReplaceFile(QFile::encodeName(path).toStdString(), interchange::WriteSpreadFile(spread));
  if (!written.ok()) {
    const QString why = QString::fromStdString(Describe(written, ReadingLanguage()));
    qCritical("Spread not exported to %s: %s", qPrintable(path), qPrintable(why));
    ShowMessage(this, tr("The spread could not be exported to %1: %2").arg(path, why),
                QMessageBox::Critical);
  }
}

void ShowOwnSpreadsChanged(int own) {
  if (auto* window = qobject_cast<SpreadsWindow*>(FindLoadedWindow("SpreadsWindow"))) {
    window->Fill(kSpreadCount + own);
  } else {
    OfferOwnSpreadsInMainWindow();
  }
}

void AddSpreadsAction(QMainWindow* window, QMenu* file) {
  QAction* spreads = file->addAction(SpreadsWindow::tr("&Spreads…"));
  spreads->setObjectName(QStringLiteral("mnuSpreads"));
  QObject::connect(spreads, &QAction::triggered, window, [window] { ShowSpreadsWindow(window); });
}

SpreadsWindow* ShowSpreadsWindow(QWidget* owner) {
  auto* window = qobject_cast<SpreadsWindow*>(FindLoadedWindow("SpreadsWindow"));
  if (window == nullptr) {
    window = new SpreadsWindow(owner);
    window->show();
  }
  window->raise();
  window->activateWindow();
  window->List()->setFocus();
  return window;
}

}  // namespace baralune
