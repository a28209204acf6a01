#include "frmOwnCards.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <algorithm>

#include "MDI.h"
#include "card_image_list.h"
#include "catalogue.h"
#include "frmManual.h"
#include "help_links.h"
#include "look.h"
#include "program.h"
#include "reading.h"

namespace baralune {

namespace {

constexpr int kRows = kDeckSize / frmOwnCards::kColumns;
// Faces at their spread-display size, 6 pixels apart.
constexpr int kFaceWidth = 71, kFaceHeight = 96, kGap = 6;
constexpr int kLabelHeight = 40;

// A picked face: paler and without colour, its transparent corners kept.
QImage Greyed(const QImage& face) {
  QImage grey = face.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int level = 128 + qGray(line[x]) / 2;
      line[x] = qRgba(level, level, level, qAlpha(line[x]));
    }
  }
  return grey;
}

}  // namespace

QString CardSpokenName(int card) {
  // The catalogue's name without the Spanish one in brackets: "Ace of Clubs (Ace)".
  return QString::fromStdString(CardName[card]).section(QLatin1Char('('), 0, 0).simplified();
}

frmOwnCards::frmOwnCards(const ReadingDetails& details, QWidget* parent)
    : QMainWindow(parent), m_details(details) {
  setObjectName(QStringLiteral("frmOwnCards"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(look::WindowCaption());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(look::Font());
  m_details.mode = ReadingDetails::Mode::OwnCards;
  Guard([] { LoadCatalogue(); });
  Guard([this] { m_cardCount = CardCount(m_details.spread); });
  CreateMenus();
  CreateControls();
  ShowNextPosition();
}

void frmOwnCards::CreateMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* back = file->addAction(tr("&Back"));
  back->setObjectName(QStringLiteral("mnuBack"));
  connect(back, &QAction::triggered, this, [this] { mnuBack_Click(); });
  file->addSeparator();
  QAction* exit = file->addAction(tr("E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(exit, &QAction::triggered, this, [] { QuitProgram(); });
  AddHelpAndDonateMenus(this);
}

void frmOwnCards::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(kColumns * (kFaceWidth + kGap) + kGap,
                       kRows * (kFaceHeight + kGap) + kGap + kLabelHeight);
  look::FillBackground(client, look::Background());
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  for (int card = 0; card < kDeckSize; ++card) {
    auto* face = new TrayCard(card, m_focusCue, client);
    face->setObjectName(QStringLiteral("picFace"));
    face->setProperty("index", card);
    face->setGeometry(kGap + (card % kColumns) * (kFaceWidth + kGap),
                      kGap + (card / kColumns) * (kFaceHeight + kGap), kFaceWidth, kFaceHeight);
    connect(face, &TrayCard::clicked, this, [this](int k) { PickCard(k); });
    connect(face, &TrayCard::stepped, this,
            [this](int from, int key) { SetFocusFace(FaceToward(from, key), true); });
    m_faces[static_cast<std::size_t>(card)] = face;
    ShowCard(card);
  }
  SetFocusFace(0, true);

  m_lblPositionMeaning = new QLabel(client);
  m_lblPositionMeaning->setObjectName(QStringLiteral("lblPositionMeaning"));
  m_lblPositionMeaning->setGeometry(0, kRows * (kFaceHeight + kGap) + kGap / 2, client->width(),
                                    kLabelHeight);
  m_lblPositionMeaning->setFont(look::Font(9, true));
  m_lblPositionMeaning->setAlignment(Qt::AlignCenter);
  m_lblPositionMeaning->setWordWrap(true);
  look::SetTextColor(m_lblPositionMeaning, Qt::white);
}

TrayCard* frmOwnCards::picFace(int card) const {
  if (card < 0 || card >= kDeckSize) return nullptr;
  return m_faces[static_cast<std::size_t>(card)];
}

bool frmOwnCards::IsPicked(int card) const {
  return std::find(m_picks.begin(), m_picks.end(), card) != m_picks.end();
}

void frmOwnCards::ShowCard(int card) {
  TrayCard* face = picFace(card);
  const QImage& image = CardImageList::Large().Image(card + 1, devicePixelRatioF());
  const bool picked = IsPicked(card);
  face->setPixmap(QPixmap::fromImage(picked ? Greyed(image) : image));
  face->setAccessibleName(picked ? tr("%1, picked").arg(CardSpokenName(card))
                                 : CardSpokenName(card));
}

void frmOwnCards::ShowNextPosition() {
  const int position = std::min(static_cast<int>(m_picks.size()) + 1, m_cardCount);
  Guard([&] {
    m_lblPositionMeaning->setText(
        QString::fromStdString(PositionMeaning(m_details.spread, position)));
  });
}

void frmOwnCards::PickCard(int card) {
  if (picFace(card) == nullptr || IsPicked(card) ||
      static_cast<int>(m_picks.size()) >= m_cardCount) {
    return;
  }
  m_picks.push_back(static_cast<CardIndex>(card));
  ShowCard(card);
  if (static_cast<int>(m_picks.size()) < m_cardCount) {
    ShowNextPosition();
    return;
  }
  DealReading();
}

void frmOwnCards::UndoLastPick() {
  if (m_picks.empty()) return;
  const int card = m_picks.back();
  m_picks.pop_back();
  ShowCard(card);
  ShowNextPosition();
}

void frmOwnCards::DealReading() {
  MDI* report = nullptr;
  Guard([&] { report = LoadedReportWindow(); });
  if (report != nullptr) {
    Guard([&] { report->SetReadingDetails(m_details); });
    Guard([&] { RunReading(m_details.spread, report->ReadingTarget(), EnteredHand(m_picks)); });
    Guard([&] { report->ShowReport(); });
  }
  Guard([this] { UnloadItself(); });
}

int frmOwnCards::FaceToward(int from, int key) const {
  switch (key) {
    case Qt::Key_Right:
      return std::min(from + 1, kDeckSize - 1);
    case Qt::Key_Left:
      return std::max(from - 1, 0);
    case Qt::Key_Down:
      return from + kColumns < kDeckSize ? from + kColumns : from;
    case Qt::Key_Up:
      return from >= kColumns ? from - kColumns : from;
    case Qt::Key_Home:
      return 0;
    case Qt::Key_End:
      return kDeckSize - 1;
    default:
      return from;
  }
}

void frmOwnCards::SetFocusFace(int card, bool focus) {
  TrayCard* previous = picFace(m_focusFace);
  TrayCard* face = picFace(card);
  if (face == nullptr) return;
  m_focusFace = card;
  // The faces are one Tab stop: the one the arrows came to.
  face->setFocusPolicy(Qt::TabFocus);
  if (focus) face->setFocus(Qt::OtherFocusReason);
  if (previous != nullptr && previous != face) previous->setFocusPolicy(Qt::NoFocus);
}

void frmOwnCards::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Backspace) {
    m_focusCue.KeyUsed();
    UndoLastPick();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    mnuBack_Click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void frmOwnCards::mnuBack_Click() {
  Guard([] { ShowNewMainWindow(); });
  Guard([this] { UnloadItself(); });
}

void frmOwnCards::UnloadItself() {
  m_unloadingItself = true;
  close();
}

void frmOwnCards::closeEvent(QCloseEvent* event) {
  // The close box goes back to the main window, as Esc does; the end of a reading goes on to
  // the report, and Exit ends the program.
  if (!m_unloadingItself && !QuittingProgram()) Guard([] { ShowNewMainWindow(); });
  MarkUnloaded(this);
  event->accept();
}

frmOwnCards* ShowOwnCardsWindow(const ReadingDetails& details) {
  auto* window = new frmOwnCards(details);
  window->show();
  CenterOnScreen(window);
  return window;
}

}  // namespace baralune
