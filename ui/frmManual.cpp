#include "frmManual.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "MDI.h"
#include "artwork.h"
#include "catalogue.h"
#include "clickable_label.h"
#include "frmMain.h"
#include "help_links.h"
#include "language_choice.h"
#include "look.h"
#include "program.h"
#include "reading.h"
#include "seams.h"

namespace baralune {

namespace {

const QColor kMessagePanel(0xFF, 0xFF, 0x80);
const QColor kCyan(0x00, 0xFF, 0xFF);

constexpr int kPauseMilliseconds = 2000;
constexpr int kTrayRows = frmManual::kTrayCards / frmManual::kTrayColumns;

ClickableLabel* MakeLink(QWidget* parent, const char* name, const QString& text, QRect rect,
                         const QColor& color, Qt::Alignment alignment) {
  auto* label = new ClickableLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  label->setFont(look::Font(8.25, true, true));
  label->setAlignment(alignment);
  label->setWordWrap(true);
  look::SetTextColor(label, color);
  return label;  // transparent: the window's colour shows through
}

}  // namespace

frmManual::frmManual(QWidget* parent) : FlowWindow("frmManual", true, parent) {
  CreateMenus();
  CreateControls();
  Form_Load();
}

void frmManual::CreateMenus() {
  QMenu* file = addFileMenu();
  addBackAction(file, [this] { mnuBack_Click(); });
  file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
  addExitAction(file);

  AddHelpAndDonateMenus(this);
}

void frmManual::CreateControls() {
  QWidget* client =
      setFixedClient(QSize(look::Px(kClientWidthTwips), look::Px(kClientHeightTwips)));

  // The please-wait panel comes first; Form_Load puts it behind the tray in any case.
  m_picMessage = new QWidget(client);
  m_picMessage->setObjectName(QStringLiteral("picMessage"));
  m_picMessage->setGeometry(look::TwipsRect(2408, 1988, 4695, 855));
  look::FillBackground(m_picMessage, kMessagePanel);
  auto* message =
      new QLabel(tr("Baralune is generating the Analysis. Please wait..."), m_picMessage);
  message->setObjectName(QStringLiteral("lblMessage"));
  message->setGeometry(look::TwipsRect(60, 60, 4545, 705));
  message->setFont(look::Font(9.75, true));
  message->setAlignment(Qt::AlignCenter);
  message->setWordWrap(true);
  look::FillBackground(message, look::Background());
  look::SetTextColor(message, kCyan);

  const QString address = SiteHostForDisplay();
  auto* label14 = MakeLink(client, "Label14", tr("The Most Popular Online Mystic Discussion Forum"),
                           look::TwipsRect(90, 0, 4845, 195), Qt::white, Qt::AlignCenter);
  auto* label3 = MakeLink(client, "Label3", tr("Click Here To Visit %1 Now").arg(address),
                          look::TwipsRect(4935, 0, 4485, 195), Qt::white, Qt::AlignCenter);
  connect(label14, &ClickableLabel::clicked, this, &OpenHomePage);
  connect(label3, &ClickableLabel::clicked, this, &OpenHomePage);

  m_picTray = new QWidget(client);
  m_picTray->setObjectName(QStringLiteral("picTray"));
  m_picTray->setGeometry(look::TwipsRect(0, 195, 9495, 3975));
  look::FillBackground(m_picTray, look::Background());
  m_picTray->setAccessibleName(tr("Card tray"));
  const QPixmap back = QPixmap::fromImage(SmallCardBackImage(m_picTray->devicePixelRatioF()));
  for (int k = 0; k < kTrayCards; ++k) {
    const int row = k / kTrayColumns;
    const int column = k % kTrayColumns;
    auto* card = new ClickableLabel(k, m_trayFocusCue, m_picTray);
    card->setObjectName(QStringLiteral("picManual"));
    card->setAccessibleName(tr("Face-down card %1").arg(k + 1));
    card->setProperty("index", k);
    card->setGeometry(look::TwipsRect(120 + 720 * column, 120 + 960 * row, 645, 870));
    card->setPixmap(back);
    connect(card, &ClickableLabel::clicked, this, [this](int index) { picManual_Click(index); });
    connect(card, &ClickableLabel::stepped, this,
            [this](int from, int key) { SetTrayFocus(CardToward(from, key), true); });
    m_picManual[static_cast<std::size_t>(k)] = card;
  }
  // The window opens with the tray ready for the keyboard.
  SetTrayFocus(0, true);

  m_lblPositionMeaning = new QLabel(client);
  m_lblPositionMeaning->setObjectName(QStringLiteral("lblPositionMeaning"));
  m_lblPositionMeaning->setGeometry(look::TwipsRect(0, 4170, 9495, 600));
  m_lblPositionMeaning->setFont(look::Font(9, true));
  m_lblPositionMeaning->setAlignment(Qt::AlignCenter);
  m_lblPositionMeaning->setWordWrap(true);
  look::SetTextColor(m_lblPositionMeaning, Qt::white);

  auto* frame5 = new QGroupBox(client);
  frame5->setObjectName(QStringLiteral("Frame5"));
  frame5->setGeometry(look::TwipsRect(-60, 4800, 10000, 1125));
  look::FillBackground(frame5, look::Background());
  frame5->setAccessibleName(tr("Advertisement"));
  auto* label1 = MakeLink(frame5, "Label1", FullBrandText(), look::TwipsRect(480, 180, 8565, 435),
                          look::Orange(), Qt::AlignLeft | Qt::AlignTop);
  connect(label1, &ClickableLabel::clicked, this, &OpenFullBrandPage);
}

void frmManual::Form_Load() {
  m_picMessage->lower();
  m_pickCount = 0;
  m_spreadIndex = CurrentSpreadIndex;
  m_ownSpread = CurrentOwnSpread;
  m_cardCount = PositionCount(m_spreadIndex, m_ownSpread.get());
  m_lblPositionMeaning->setText(PositionText(1));
  m_lastPositionMeaning = PositionText(m_cardCount);
}

QString frmManual::PositionText(int position) const {
  return QString::fromStdString(
      baralune::PositionText(m_spreadIndex, m_ownSpread.get(), position, ReadingLanguage()));
}

ClickableLabel* frmManual::picManual(int index) const {
  if (index < 0 || index >= kTrayCards) return nullptr;
  return m_picManual[static_cast<std::size_t>(index)];
}

bool frmManual::InTray(int index) const {
  const ClickableLabel* card = picManual(index);
  return card != nullptr && card->isEnabledTo(m_picTray);
}

int frmManual::CardToward(int from, int key) const {
  switch (key) {
    // Left and Right go on to the row above or below at the ends, so either reaches every card.
    case Qt::Key_Right:
      for (int k = from + 1; k < kTrayCards; ++k) {
        if (InTray(k)) return k;
      }
      break;
    case Qt::Key_Left:
      for (int k = from - 1; k >= 0; --k) {
        if (InTray(k)) return k;
      }
      break;
    case Qt::Key_Home:
      return InTray(0) ? 0 : CardToward(0, Qt::Key_Right);
    case Qt::Key_End:
      return InTray(kTrayCards - 1) ? kTrayCards - 1 : CardToward(kTrayCards - 1, Qt::Key_Left);
    // Up and Down go to the nearest row that has cards left, to the card closest to the column.
    case Qt::Key_Up:
    case Qt::Key_Down: {
      const int step = key == Qt::Key_Down ? 1 : -1;
      const int column = from % kTrayColumns;
      for (int row = from / kTrayColumns + step; row >= 0 && row < kTrayRows; row += step) {
        for (int distance = 0; distance < kTrayColumns; ++distance) {
          for (const int c : {column - distance, column + distance}) {
            const int k = row * kTrayColumns + c;
            if (c >= 0 && c < kTrayColumns && InTray(k)) return k;
          }
        }
      }
      break;
    }
    default:
      break;
  }
  return from;
}

void frmManual::SetTrayFocus(int index, bool focus) {
  ClickableLabel* previous = picManual(m_trayFocus);
  ClickableLabel* card = picManual(index);
  m_trayFocus = card != nullptr ? index : -1;
  if (card != nullptr) {
    card->setFocusPolicy(Qt::TabFocus);
    if (focus) card->setFocus(Qt::OtherFocusReason);
  }
  if (previous != nullptr && previous != card) previous->setFocusPolicy(Qt::NoFocus);
}

void frmManual::picManual_Click(int index) {
  ClickableLabel* card = picManual(index);
  // A card already picked, or a pick past the last one, is no pick.
  if (card == nullptr || !card->isEnabled() || m_pickCount >= m_cardCount) return;
  // The tray's Tab stop, and the focus if it was there, move on before the card goes.
  if (index == m_trayFocus) {
    int next = CardToward(index, Qt::Key_Right);
    if (next == index) next = CardToward(index, Qt::Key_Left);
    SetTrayFocus(next == index ? -1 : next, card->hasFocus());
  }
  card->setEnabled(false);
  card->hide();
  ++m_pickCount;
  if (m_pickCount < m_cardCount) {
    m_lblPositionMeaning->setText(PositionText(m_pickCount + 1));
    return;
  }

  m_lblPositionMeaning->setText(m_lastPositionMeaning);
  m_picTray->setEnabled(false);
  m_picMessage->raise();
  repaint();
  // The window keeps painting and answering while the message shows.
  AppSeams().pause(this, kPauseMilliseconds, [this] {
    if (!m_closed) DealReading();
  });
}

void frmManual::DealReading() {
  try {
    MDI* report = LoadedReportWindow();
    RunSpreadReading(m_spreadIndex, m_ownSpread, report->ReadingTarget(), DrawFromSharedRandom,
                     ReadingLanguage());
    // The spread display lives in the report window: showing it brings up its frame.
    report->ShowReport();
  } catch (const std::exception& failure) {
    ReportFailedStep(readingNotDealtText(), failure);
    // Back to the main window rather than a tray that takes no more picks.
    ShowNewMainWindow();
  }
  closeForFlow();
}

void frmManual::mnuBack_Click() {
  ShowNewMainWindow();
  closeForFlow();
}

void frmManual::closeEvent(QCloseEvent* event) {
  m_closed = true;
  FlowWindow::closeEvent(event);
}

frmManual* ShowManualWindow() {
  auto* window = new frmManual();
  window->show();
  CenterOnScreen(window);
  return window;
}

}  // namespace baralune
