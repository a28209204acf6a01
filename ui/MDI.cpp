#include "MDI.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "card_image_list.h"
#include "catalogue.h"
#include "clickable_label.h"
#include "face_button.h"
#include "frmCartomancy.h"
#include "frmMain.h"
#include "help_links.h"
#include "journal_actions.h"
#include "language_choice.h"
#include "language_menu.h"
#include "link_detection.h"
#include "look.h"
#include "print_actions.h"
#include "program.h"
#include "reading.h"
#include "report_view.h"
#include "save_file.h"
#include "seams.h"

namespace baralune {

namespace {

constexpr int kTopHeightTwips = 645;
constexpr int kBottomHeightTwips = 525;
constexpr int kRightWidthTwips = 4250;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new FaceButton(text, look::Orange(), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(look::Font(8.25, true));
  button->resize(look::Px(MDI::kButtonWidthTwips), look::Px(360));
  button->move(0, look::Px(70));
  return button;
}

QWidget* MakePanel(QWidget* parent, const char* name, const QColor& color) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QString::fromLatin1(name));
  look::FillBackground(panel, color);
  return panel;
}

ClickableLabel* MakeLink(QWidget* parent, const char* name, const QString& text) {
  auto* label = new ClickableLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(look::TwipsRect(30, 0, 9105, 615));
  label->setFont(look::Font(8.25, true, true));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  look::SetTextColor(label, Qt::white);
  // Opaque, so the advertisement label in front hides the one behind.
  look::FillBackground(label, look::Background());
  return label;
}

}  // namespace

MDI::MDI(QWidget* parent) : FlowWindow("MDI", false, parent) {
  CreateMenus();
  CreateControls();
  MDIForm_Load();
}

MDI::~MDI() {
  MDIForm_Unload();
}

void MDI::CreateMenus() {
  QMenu* file = addFileMenu();
  QAction* save = file->addAction(tr("&Save"));
  save->setObjectName(QStringLiteral("mnuSave"));
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(save, &QAction::triggered, this, [this] { cmdSave_Click(); });
  AddPrintActions(this, file);
  file->addSeparator();
  QAction* notes = file->addAction(tr("&Notes…"));
  notes->setObjectName(QStringLiteral("mnuNotes"));
  notes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  connect(notes, &QAction::triggered, this, [this] { ShowNotes(); });
  QAction* spread = file->addAction(tr("Sho&w Spread"));
  spread->setObjectName(QStringLiteral("mnuShowSpread"));
  connect(spread, &QAction::triggered, this, &MDI::ShowSpreadDisplay);
  AddJournalActions(this, file);
  addBackAction(file, [this] { mnuBack_Click(); });
  AddLanguageMenu(this, file);
  file->addSeparator();
  addExitAction(file)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  AddHelpAndDonateMenus(this);
}

void MDI::CreateControls() {
  // Only the middle scrolls, so that Back, Save and Exit stay in reach on a small screen.
  auto* centre = new QWidget(this);
  centre->setObjectName(QStringLiteral("centre"));
  look::FillBackground(centre, look::Background());
  auto* column = new QVBoxLayout(centre);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(centre);

  m_scroll = new QScrollArea(centre);
  m_scroll->setObjectName(QStringLiteral("clientScroll"));
  m_scroll->setFrameShape(QFrame::NoFrame);
  m_scroll->setWidgetResizable(true);
  m_scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes from the report to the buttons as before
  look::FillBackground(m_scroll->viewport(), look::Background());
  auto* client = new QWidget(m_scroll->viewport());
  client->setObjectName(QStringLiteral("client"));
  look::FillBackground(client, look::Background());
  m_client = client;
  m_grid = new QGridLayout(client);
  m_grid->setContentsMargins(0, 0, 0, 0);
  m_grid->setSpacing(0);

  m_area = new QMdiArea(client);
  m_area->setObjectName(QStringLiteral("mdiClient"));
  m_area->setBackground(look::Background());
  m_area->setFrameShape(QFrame::NoFrame);

  // The report's paper continues below the report box.
  m_picRight = MakePanel(client, "picRight", Qt::white);
  m_picRight->setFixedWidth(look::Px(kRightWidthTwips));
  m_rtb = new richtext::ReportView(m_picRight);
  m_rtb->setObjectName(QStringLiteral("RTB"));
  m_rtb->setFont(look::Font());
  m_rtb->setAccessibleName(tr("Report"));
  m_rtb->SetSharperPictures(SharperCardPicture);
  // Fixed size: the report box does not follow the window.
  m_rtb->setGeometry(look::TwipsRect(0, 0, 4230, 9255));
  connect(m_rtb, &richtext::ReportView::Change, this, &MDI::RTB_Change);
  connect(m_rtb, &richtext::ReportView::Click, this, &MDI::RTB_Click);
  connect(m_rtb, &richtext::ReportView::MouseDown, this, &MDI::RTB_MouseDown);
  connect(m_rtb, &richtext::ReportView::MouseMove, this, &MDI::RTB_MouseMove);
  connect(m_rtb, &richtext::ReportView::MouseUp, this, &MDI::RTB_MouseUp);

  m_picTop = MakePanel(centre, "picTop", look::Background());
  m_picTop->setFixedHeight(look::Px(kTopHeightTwips));
  m_cmdBack = MakeButton(m_picTop, "cmdBack", tr("&Back"));
  connect(m_cmdBack, &QPushButton::clicked, this, [this] { mnuBack_Click(); });
  m_lblReading = new QLabel(m_picTop);
  m_lblReading->setObjectName(QStringLiteral("lblReading"));
  m_lblReading->setFont(look::Font(8.25, true));
  m_lblReading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_lblReading->setTextFormat(Qt::PlainText);
  m_lblReading->setWordWrap(true);
  look::SetTextColor(m_lblReading, Qt::white);

  m_picBottom = MakePanel(centre, "picBottom", look::Background());
  m_picBottom->setFixedHeight(look::Px(kBottomHeightTwips));
  m_lblCobrand = MakeLink(m_picBottom, "lblCobrand", CoBrandText());
  m_lblFullBrand = MakeLink(m_picBottom, "lblFullBrand", FullBrandText());
  connect(m_lblCobrand, &ClickableLabel::clicked, this, &OpenCoBrandPage);
  connect(m_lblFullBrand, &ClickableLabel::clicked, this, &OpenFullBrandPage);
  m_cmdSave = MakeButton(m_picBottom, "cmdSave", tr("&Save"));
  m_cmdExit = MakeButton(m_picBottom, "cmdExit", tr("E&xit"));
  connect(m_cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
  connect(m_cmdExit, &QPushButton::clicked, this, [this] { mnuExit_Click(); });

  m_grid->addWidget(m_area, 0, 0);
  m_grid->addWidget(m_picRight, 0, 1);
  m_grid->setRowStretch(0, 1);
  m_grid->setColumnStretch(0, 1);

  column->addWidget(m_picTop);
  column->addWidget(m_scroll, 1);
  column->addWidget(m_picBottom);

  m_scroll->setWidget(client);
  // Made in the order Tab takes: the report, Back, then Save and Exit before the links.
  QWidget::setTabOrder(m_cmdBack, m_cmdSave);
  QWidget::setTabOrder(m_cmdSave, m_cmdExit);
  // Design size of the client area; the window opens maximized.
  resize(look::Px(9105), look::Px(5895) + menuBar()->sizeHint().height());
}

void MDI::MDIForm_Load() {
  EnableLinkDetection(m_rtb, m_picRight);
  LoadSpreadDisplay();
}

void MDI::LoadSpreadDisplay() {
  if (m_cartomancy != nullptr && m_child != nullptr) return;
  delete m_child;  // a frame left without its display
  m_cartomancy = new frmCartomancy();
  m_child = m_area->addSubWindow(m_cartomancy, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                   Qt::WindowCloseButtonHint);
  // The close box hides the display, and File > Show Spread brings it back with its cards.
  m_child->setAttribute(Qt::WA_DeleteOnClose, false);
  m_child->setObjectName(QStringLiteral("frmCartomancyFrame"));
  m_child->setWindowTitle(m_cartomancy->windowTitle());
  m_child->setWindowIcon(look::ProgramIcon());
  m_child->move(0, 0);
  m_child->adjustSize();
  m_child->show();
  UpdateContentSize();
}

void MDI::ShowSpreadDisplay() {
  LoadSpreadDisplay();
  if (m_child == nullptr) return;
  // The frame's close box hid the display inside it as well.
  if (m_cartomancy != nullptr) m_cartomancy->show();
  m_child->showNormal();
  m_area->setActiveSubWindow(m_child);
  UpdateContentSize();
}

void MDI::UpdateContentSize() {
  // The report box at its fixed size beside the spread display, or under it.
  const QSize display = m_child != nullptr ? m_child->frameGeometry().size() : QSize();
  const int reportHeight = m_rtb->geometry().bottom() + 1;
  if (m_reportUnder) {
    m_area->setFixedHeight(display.height());
    m_client->setMinimumSize(std::max(display.width(), m_picRight->width()),
                             display.height() + reportHeight);
  } else {
    m_area->setMinimumHeight(0);
    m_area->setMaximumHeight(QWIDGETSIZE_MAX);
    m_client->setMinimumSize(display.width() + m_picRight->width(),
                             std::max(reportHeight, display.height()));
  }
}

void MDI::ArrangeReport() {
  // Beside the spread display while both fit; under it, rather than squeezed, when not.
  const int display = m_child != nullptr ? m_child->frameGeometry().width()
                                         : look::Px(frmCartomancy::kClientWidthTwips);
  // The window's width, not the scroll area's: its layout follows only after this resize.
  const bool under = width() < display + m_picRight->width();
  if (under == m_reportUnder) return;
  m_reportUnder = under;
  m_grid->removeWidget(m_picRight);
  if (under) {
    m_grid->addWidget(m_picRight, 1, 0, Qt::AlignLeft);
    m_grid->setRowStretch(0, 0);
    m_grid->setRowStretch(1, 1);
  } else {
    m_grid->addWidget(m_picRight, 0, 1);
    m_grid->setRowStretch(0, 1);
    m_grid->setRowStretch(1, 0);
  }
  UpdateContentSize();
}

void MDI::MDIForm_Unload() {
  if (m_unloaded) return;
  m_unloaded = true;
  DisableLinkDetection();
}

SpreadDisplay* MDI::Target::ObtainSpreadDisplay() {
  m_owner.LoadSpreadDisplay();
  return m_owner.m_cartomancy;
}

ReportPictures* MDI::Target::CardPictures() {
  return &m_owner.m_pictures;
}

// The window shows this reading: what the journal keeps of it comes from the reading itself.
void MDI::Target::ReadingWritten(const Reading& reading) {
  m_owner.m_details.spread = reading.spread;
  m_owner.m_details.own = reading.own;
  m_owner.m_details.hand = reading.hand;
  m_owner.m_details.language = reading.language;
}

void MDI::RefreshReport() {
  if (m_box.Revision() == m_shownRevision) return;
  m_shownRevision = m_box.Revision();
  m_rtb->ShowDocument(m_box.document());
}

void MDI::ShowReport() {
  if (!m_details.reopened) {
    m_details.dealt = QDateTime::currentDateTime();
  }
  RefreshReport();
  m_lblReading->setText(WhoseReading(m_details));
  m_lblReading->setToolTip(m_lblReading->text());
  FitReadingLine();
  if (m_child != nullptr && m_child->isHidden()) ShowSpreadDisplay();
  // Maximized; where no window manager maximizes, take the screen's free area ourselves.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    setGeometry(screen->availableGeometry());
  }
  showMaximized();
  // The keyboard starts in the report, not on the first link the window comes to.
  m_rtb->setFocus();
  // Notes open on another reading are kept with it before this one is shown.
  delete m_notes;
  m_notesKey = RecordReading(m_details);
  if (m_presetNotesKey != nullptr) m_notesKey = std::move(m_presetNotesKey);
  m_presetNotesKey = nullptr;
  // Notes written on a reading come back with it.
  if (m_details.reopened && !m_details.notes.isEmpty()) ShowNotes(false);
}

NotesWindow* MDI::ShowNotes(bool activate) {
  if (m_notes == nullptr) {
    m_notes = new NotesWindow(this, WhoseReading(m_details), m_details.notes, m_notesKey,
                              [this](const QString& notes) { m_details.notes = notes; });
    m_notes->setAttribute(Qt::WA_DeleteOnClose);
  }
  m_notes->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
  m_notes->show();
  if (activate) {
    m_notes->raise();
    m_notes->activateWindow();
    m_notes->Editor()->setFocus();
  }
  return m_notes;
}

void MDI::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MDI::MDIForm_Resize() {
  const int frame = frameGeometry().width() - geometry().width();
  const int outerTwips = (width() + std::max(frame, 0)) * look::kTwipsPerPixel;
  const int buttonTwips = kButtonWidthTwips;
  m_cmdBack->move(look::Px(outerTwips - buttonTwips - 300), m_cmdBack->y());
  m_cmdExit->move(look::Px(outerTwips - buttonTwips - 300), m_cmdExit->y());
  m_cmdSave->move(look::Px(outerTwips - buttonTwips - buttonTwips - 400), m_cmdSave->y());
  // Whose reading it is, from the left edge up to Back.
  const int left = look::Px(120);
  m_lblReading->setGeometry(left, 0, std::max(m_cmdBack->x() - 2 * left, 0), m_picTop->height());
  FitReadingLine();
  ArrangeReport();
}

void MDI::FitReadingLine() {
  // On two lines, or smaller, where the window is narrow: always whole.
  m_lblReading->setFont(look::FittingFont(m_lblReading->text(), look::Font(8.25, true),
                                          m_lblReading->size(),
                                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap));
}

QString MDI::WhoseReading(const ReadingDetails& details) {
  const QLocale locale;
  // The lists allow days no month has: such a date is shown as it was picked.
  const QDate born = QDate::fromString(details.birthDate, Qt::ISODate);
  const QString birth = born.isValid() ? locale.toString(born, tr("d MMMM yyyy", "date of birth"))
                                       : details.birthDate;
  const QString dealt = locale.toString(details.dealt, tr("d MMMM yyyy, HH:mm", "when dealt"));
  return tr("%1, born %2 — dealt %3").arg(details.name.simplified(), birth, dealt);
}

QString MDI::SuggestedFileName() const {
  QString name;
  for (const QChar c : m_details.name.simplified()) {
    // Nothing a file system or a shell could take for anything but part of the name.
    if (c.isPrint() && !QStringLiteral("/\\:*?\"<>|").contains(c)) name += c;
  }
  name = name.trimmed();
  if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) name.prepend(look::AppTitle());
  const std::string_view spread = m_details.own
                                      ? std::string_view(m_details.own->name)
                                      : SpreadListText(m_details.spread, ReadingLanguage());
  QString spreadName;
  // A reader's spread may be named with anything; its name too stays one file name.
  for (const QChar c : QString::fromUtf8(spread.data(), static_cast<qsizetype>(spread.size()))) {
    spreadName += QStringLiteral("/\\:*?\"<>|").contains(c) ? QLatin1Char(' ') : c;
  }
  return QStringLiteral("%1 - %2 - %3.rtf")
      .arg(name, spreadName.simplified(), m_details.dealt.date().toString(Qt::ISODate));
}

void MDI::ClearClipboard() {
  // Only what was copied from the report: another program's clipboard is not ours to empty.
  if (richtext::ReportView::ClipboardHoldsReportCopy()) QGuiApplication::clipboard()->clear();
}

void MDI::cmdSave_Click() {
  try {
    // A name typed without an extension gets ".doc", as it always has.
    // The name chosen last time stays in view whether it ended in .rtf or .doc.
    const QString path = AskSavePath(this, tr("Rich Text Format (*.rtf *.doc)"),
                                     QStringLiteral("doc"), SuggestedFileName());
    if (path.isEmpty()) return;  // cancelled: nothing written, nothing said

    const std::string rtf = m_box.TextRTF();
    const QString error = SaveFile(path, rtf);
    if (error.isEmpty()) {
      RememberSaveFolder(path);
    } else {
      ShowMessage(
          this,
          tr("The report could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), error),
          QMessageBox::Information);
    }
  } catch (const std::exception& failure) {
    // Nothing was written over the old file; the report stays as it was.
    ReportFailedStep(tr("The report could not be saved:\n%1"), failure);
  }
}

QString readingNotDealtText() {
  return MDI::tr("The reading could not be dealt:\n%1");
}

MDI* LoadedReportWindow() {
  if (auto* loaded = qobject_cast<MDI*>(FindLoadedWindow("MDI"))) return loaded;
  return new MDI();
}

void MDI::mnuBack_Click() {
  ShowNewMainWindow();
  closeForFlow();
}

void MDI::mnuExit_Click() {
  QuitProgram();
}

void MDI::closeEvent(QCloseEvent* event) {
  // Unloading switches link detection off before anything else.
  MDIForm_Unload();
  FlowWindow::closeEvent(event);
}

}  // namespace baralune
