#include "own_cards_picker.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

#include "MDI.h"
#include "card_image_list.h"
#include "catalogue.h"
#include "clickable_label.h"
#include "face_button.h"
#include "help_links.h"
#include "input_source.h"
#include "language_choice.h"
#include "look.h"
#include "program.h"
#include "reading.h"
#include "seams.h"

namespace baralune {

namespace {

constexpr int kRows = kDeckSize / OwnCardsPicker::kColumns;
// Faces at their spread-display size, 5 pixels apart, right of a narrow column of suit captions
// written upwards: the window stays within a screen 800 pixels wide.
constexpr int kFaceWidth = 71, kFaceHeight = 96, kGap = 5;
constexpr int kCaptionWidth = 24;
constexpr int kStripHeight = 50;
constexpr int kNumberWidth = 110, kDealWidth = 118, kDealHeight = 28;
const QColor kCaptionColour(0xFF, 0xFF, 0x00);
const QColor kDealFace(0xC0, 0xFF, 0xFF);

// The rows in the deck's order of suits: Oros, Copas, Espadas, Bastos, by the first card index
// of each suit.
constexpr int kRowFirstCard[kRows] = {10, 20, 30, 0};
// Within a suit the card indices run 1-7, Sota, Rey, Caballo; the deck lays the Caballo before
// the Rey.
constexpr int kColumnOffset[OwnCardsPicker::kColumns] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 8};

QString SuitName(int row) {
  switch (row) {
    case 0:
      return OwnCardsPicker::tr("Diamonds (Oros)");
    case 1:
      return OwnCardsPicker::tr("Hearts (Copas)");
    case 2:
      return OwnCardsPicker::tr("Spades (Espadas)");
    default:
      return OwnCardsPicker::tr("Clubs (Bastos)");
  }
}

// A row's suit, written upwards beside it, in the largest font up to the window's bold one in
// which it shows whole.
class SuitCaption : public QWidget {
 public:
  SuitCaption(const QString& text, const QColor& colour, QWidget* parent)
      : QWidget(parent), m_text(text) {
    setAccessibleName(text);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
  }
  QString Text() const { return m_text; }

 protected:
  void resizeEvent(QResizeEvent* /*event*/) override {
    setFont(look::FittingFont(m_text, look::Font(8.25, true), QSize(height(), width()),
                              Qt::AlignCenter));
  }
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, m_text);
  }

 private:
  QString m_text;
};

// Row and column of a card, 0-based.
QPoint SlotOf(int card) {
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < OwnCardsPicker::kColumns; ++column) {
      if (OwnCardsPicker::CardAt(row, column) == card) return {column, row};
    }
  }
  return {};
}

// A picked face: paler and without colour, its transparent corners kept, with the number of the
// position it went to in a purple disc in the middle.
QImage PickedFace(const QImage& face, int position) {
  QImage picked = face.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < picked.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picked.scanLine(y));
    for (int x = 0; x < picked.width(); ++x) {
      const int level = 128 + qGray(line[x]) / 2;
      line[x] = qRgba(level, level, level, qAlpha(line[x]));
    }
  }
  QPainter painter(&picked);
  painter.setRenderHint(QPainter::Antialiasing);
  const QSizeF size = picked.deviceIndependentSize();
  const QRectF disc(size.width() / 2 - 16, size.height() / 2 - 16, 32, 32);
  painter.setPen(QPen(Qt::white, 2));
  painter.setBrush(look::Background());
  painter.drawEllipse(disc);
  QFont font = look::Font(11, true);
  painter.setFont(font);
  painter.drawText(disc, Qt::AlignCenter, QString::number(position));
  return picked;
}

}  // namespace

QString CardSpokenName(int card) {
  return QString::fromStdString(CatalogueIn(ReadingLanguage()).cardName[card]).simplified();
}

int OwnCardsPicker::CardAt(int row, int column) {
  return kRowFirstCard[row] + kColumnOffset[column];
}

OwnCardsPicker::OwnCardsPicker(const ReadingDetails& details, QWidget* parent)
    : FlowWindow("OwnCardsPicker", true, parent), m_details(details) {
  m_details.mode = ReadingDetails::Mode::OwnCards;
  m_cardCount = PositionCount(m_details.spread, m_details.own.get());
  CreateMenus();
  CreateControls();
  ShowNextPosition();
  // Opened by a key, the picker shows at once where the keyboard is.
  if (LastPressFromKeyboard()) m_focusCue.KeyUsed();
}

void OwnCardsPicker::CreateMenus() {
  QMenu* file = addFileMenu();
  m_mnuUndo = file->addAction(tr("&Undo Last Pick"));
  m_mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
  m_mnuUndo->setShortcut(QKeySequence(Qt::Key_Backspace));
  connect(m_mnuUndo, &QAction::triggered, this, [this] { UndoLastPick(); });
  addBackAction(file, [this] { mnuBack_Click(); });
  file->addSeparator();
  addExitAction(file);
  AddHelpAndDonateMenus(this);
}

void OwnCardsPicker::CreateControls() {
  const int facesHeight = kRows * (kFaceHeight + kGap) + kGap;
  QWidget* client = setFixedClient(
      QSize(kCaptionWidth + kColumns * (kFaceWidth + kGap), facesHeight + kStripHeight));

  for (int row = 0; row < kRows; ++row) {
    const int top = kGap + row * (kFaceHeight + kGap);
    auto* caption = new SuitCaption(SuitName(row), kCaptionColour, client);
    caption->setObjectName(QStringLiteral("lblSuit"));
    caption->setProperty("index", row);
    caption->setGeometry(0, top, kCaptionWidth, kFaceHeight);
    for (int column = 0; column < kColumns; ++column) {
      const int card = CardAt(row, column);
      auto* face = new ClickableLabel(card, m_focusCue, client);
      face->setObjectName(QStringLiteral("picFace"));
      face->setProperty("index", card);
      face->setGeometry(kCaptionWidth + column * (kFaceWidth + kGap), top, kFaceWidth, kFaceHeight);
      connect(face, &ClickableLabel::clicked, this, [this](int k) { PickCard(k); });
      connect(face, &ClickableLabel::stepped, this,
              [this](int from, int key) { SetFocusFace(FaceToward(from, key), true); });
      m_faces[static_cast<std::size_t>(card)] = face;
      ShowCard(card);
    }
  }
  SetFocusFace(CardAt(0, 0), true);

  const int stripTop = facesHeight - kGap / 2;
  m_lblPositionNumber = new QLabel(client);
  m_lblPositionNumber->setObjectName(QStringLiteral("lblPositionNumber"));
  m_lblPositionNumber->setGeometry(kGap, stripTop, kNumberWidth, kStripHeight);
  m_lblPositionMeaning = new QLabel(client);
  m_lblPositionMeaning->setObjectName(QStringLiteral("lblPositionMeaning"));
  const int meaningLeft = 2 * kGap + kNumberWidth;
  m_lblPositionMeaning->setGeometry(
      meaningLeft, stripTop, client->width() - meaningLeft - 2 * kGap - kDealWidth, kStripHeight);
  for (QLabel* label : {m_lblPositionNumber, m_lblPositionMeaning}) {
    label->setFont(look::Font(9, true));
    label->setWordWrap(true);
    look::SetTextColor(label, Qt::white);
  }
  m_lblPositionNumber->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  look::SetTextColor(m_lblPositionNumber, kCaptionColour);
  m_lblPositionMeaning->setAlignment(Qt::AlignCenter);

  m_cmdDeal = new FaceButton(tr("D&eal"), kDealFace, client);
  m_cmdDeal->setObjectName(QStringLiteral("cmdDeal"));
  m_cmdDeal->setGeometry(client->width() - kGap - kDealWidth,
                         stripTop + (kStripHeight - kDealHeight) / 2, kDealWidth, kDealHeight);
  m_cmdDeal->setFont(look::Font(8.25, true));
  m_cmdDeal->setDefault(true);
  connect(m_cmdDeal, &QPushButton::clicked, this, [this] { cmdDeal_Click(); });
  // Enter deals once every position is filled, wherever the focus is; until then it picks the
  // face that has the focus.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), this);
    enter->setObjectName(QStringLiteral("dealShortcut"));
    enter->setEnabled(false);
    connect(enter, &QShortcut::activated, this, [this] { cmdDeal_Click(); });
  }
}

ClickableLabel* OwnCardsPicker::picFace(int card) const {
  if (card < 0 || card >= kDeckSize) return nullptr;
  return m_faces[static_cast<std::size_t>(card)];
}

bool OwnCardsPicker::IsPicked(int card) const {
  return std::find(m_picks.begin(), m_picks.end(), card) != m_picks.end();
}

void OwnCardsPicker::ShowCard(int card) {
  ClickableLabel* face = picFace(card);
  const QImage& image = CardImageList::Large().Image(card + 1, devicePixelRatioF());
  const auto at = std::find(m_picks.begin(), m_picks.end(), card);
  if (at == m_picks.end()) {
    face->setPixmap(QPixmap::fromImage(image));
    face->setAccessibleName(CardSpokenName(card));
    return;
  }
  const int position = static_cast<int>(at - m_picks.begin()) + 1;
  face->setPixmap(QPixmap::fromImage(PickedFace(image, position)));
  face->setAccessibleName(tr("%1, picked for position %2").arg(CardSpokenName(card)).arg(position));
}

void OwnCardsPicker::ShowNextPosition() {
  const int position = std::min(static_cast<int>(m_picks.size()) + 1, m_cardCount);
  m_lblPositionNumber->setText(tr("Card %1 of %2").arg(position).arg(m_cardCount));
  m_lblPositionMeaning->setText(QString::fromStdString(
      PositionText(m_details.spread, m_details.own.get(), position, ReadingLanguage())));
  const bool all = AllPicked();
  m_cmdDeal->setEnabled(all);
  for (auto* shortcut : findChildren<QShortcut*>(QStringLiteral("dealShortcut"))) {
    shortcut->setEnabled(all);
  }
  m_mnuUndo->setEnabled(!m_picks.empty());
}

void OwnCardsPicker::PickCard(int card) {
  if (picFace(card) == nullptr || IsPicked(card) || AllPicked()) return;
  m_picks.push_back(static_cast<CardIndex>(card));
  ShowCard(card);
  ShowNextPosition();
}

void OwnCardsPicker::UndoLastPick() {
  if (m_picks.empty()) return;
  const int card = m_picks.back();
  m_picks.pop_back();
  ShowCard(card);
  ShowNextPosition();
}

void OwnCardsPicker::cmdDeal_Click() {
  if (!AllPicked()) return;
  try {
    MDI* report = LoadedReportWindow();
    report->SetReadingDetails(m_details);
    RunSpreadReading(m_details.spread, m_details.own, report->ReadingTarget(), EnteredHand(m_picks),
                     ReadingLanguage());
    report->ShowReport();
  } catch (const std::exception& failure) {
    // The picks stay, for another try.
    ReportFailedStep(readingNotDealtText(), failure);
    return;
  }
  closeForFlow();
}

int OwnCardsPicker::FaceToward(int from, int key) const {
  const QPoint slot = SlotOf(from);
  int column = slot.x();
  int row = slot.y();
  switch (key) {
    case Qt::Key_Right:
      if (column + 1 < kColumns) {
        ++column;
      } else if (row + 1 < kRows) {
        column = 0;
        ++row;
      }
      break;
    case Qt::Key_Left:
      if (column > 0) {
        --column;
      } else if (row > 0) {
        column = kColumns - 1;
        --row;
      }
      break;
    case Qt::Key_Down:
      row = std::min(row + 1, kRows - 1);
      break;
    case Qt::Key_Up:
      row = std::max(row - 1, 0);
      break;
    case Qt::Key_Home:
      row = column = 0;
      break;
    case Qt::Key_End:
      row = kRows - 1;
      column = kColumns - 1;
      break;
    default:
      break;
  }
  return CardAt(row, column);
}

void OwnCardsPicker::SetFocusFace(int card, bool focus) {
  ClickableLabel* previous = picFace(m_focusFace);
  ClickableLabel* face = picFace(card);
  if (face == nullptr) return;
  m_focusFace = card;
  // The faces are one Tab stop: the one the arrows came to.
  face->setFocusPolicy(Qt::TabFocus);
  if (focus) face->setFocus(Qt::OtherFocusReason);
  if (previous != nullptr && previous != face) previous->setFocusPolicy(Qt::NoFocus);
}

void OwnCardsPicker::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    mnuBack_Click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool OwnCardsPicker::DiscardAgreed() {
  const int count = static_cast<int>(m_picks.size());
  if (count == 0) return true;
  const QString question =
      count == 1 ? tr("Discard the card picked?") : tr("Discard the %1 cards picked?").arg(count);
  return ShowMessage(this, question, QMessageBox::Question,
                     QMessageBox::Discard | QMessageBox::Cancel,
                     QMessageBox::Cancel) == QMessageBox::Discard;
}

void OwnCardsPicker::mnuBack_Click() {
  if (!DiscardAgreed()) return;
  ShowNewMainWindow(m_details);
  closeForFlow();
}

bool OwnCardsPicker::onClosedByUser() {
  if (!DiscardAgreed()) return false;
  ShowNewMainWindow(m_details);
  return true;
}

OwnCardsPicker* ShowOwnCardsWindow(const ReadingDetails& details) {
  auto* window = new OwnCardsPicker(details);
  window->show();
  CenterOnScreen(window);
  return window;
}

}  // namespace baralune
