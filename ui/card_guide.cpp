#include "card_guide.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "card_image_list.h"
#include "catalogue.h"
#include "clickable_label.h"
#include "fold.h"
#include "language_choice.h"
#include "look.h"
#include "own_cards_picker.h"
#include "program.h"

namespace baralune {

namespace {

constexpr int kRows = kDeckSize / OwnCardsPicker::kColumns;
// The chosen card's face at twice the spread display's size.
constexpr int kLargeWidth = 142, kLargeHeight = 192;

QString SuitName(int row) {
  switch (row) {
    case 0:
      return CardGuide::tr("Oros");
    case 1:
      return CardGuide::tr("Copas");
    case 2:
      return CardGuide::tr("Espadas");
    default:
      return CardGuide::tr("Bastos");
  }
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The cards in the order the guide lays them out, row by row.
int CardAtSlot(int slot) {
  return OwnCardsPicker::CardAt(slot / OwnCardsPicker::kColumns, slot % OwnCardsPicker::kColumns);
}

int SlotOf(int card) {
  for (int slot = 0; slot < kDeckSize; ++slot) {
    if (CardAtSlot(slot) == card) return slot;
  }
  return 0;
}

}  // namespace

bool CardGuide::Matches(int card, const QString& text) {
  const QString needle = journal::FoldForSearch(text.trimmed());
  if (needle.isEmpty()) return true;
  const Catalogue& catalogue = CatalogueIn(ReadingLanguage());
  return journal::FoldForSearch(Text(catalogue.cardName[card])).contains(needle) ||
         journal::FoldForSearch(Text(catalogue.cardKeywords[card])).contains(needle);
}

CardGuide::CardGuide(QWidget* parent) : QMainWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("CardGuide"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Card Guide - %1").arg(look::AppTitle()));
  setFont(look::Font());
  CreateControls();
  ShowCard(CardAtSlot(0));
}

void CardGuide::CreateControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  auto* columns = new QHBoxLayout(client);

  auto* left = new QVBoxLayout;
  auto* searchLabel = new QLabel(tr("&Search:"), client);
  m_search = new QLineEdit(client);
  m_search->setObjectName(QStringLiteral("txtSearch"));
  m_search->setPlaceholderText(tr("A name or a keyword"));
  m_search->setAccessibleName(tr("Search the cards by name or keyword"));
  m_search->setClearButtonEnabled(true);
  searchLabel->setBuddy(m_search);
  connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) { Search(text); });
  // Enter takes the keyboard to the cards found.
  connect(m_search, &QLineEdit::returnPressed, this, [this] {
    if (m_card >= 0 && !picFace(m_card)->isHidden()) picFace(m_card)->setFocus();
  });
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(m_search, 1);
  left->addLayout(searchRow);
  m_found = new QLabel(client);
  m_found->setObjectName(QStringLiteral("lblFound"));
  left->addWidget(m_found);

  auto* grid = new QGridLayout;
  grid->setSpacing(4);
  const QSize faceSize(40, 50);
  for (int row = 0; row < kRows; ++row) {
    auto* suit = new QLabel(SuitName(row), client);
    suit->setObjectName(QStringLiteral("lblSuit"));
    grid->addWidget(suit, row, 0);
    for (int column = 0; column < OwnCardsPicker::kColumns; ++column) {
      const int card = OwnCardsPicker::CardAt(row, column);
      auto* face = new ClickableLabel(card, m_focusCue, client);
      face->setObjectName(QStringLiteral("picFace"));
      face->setProperty("index", card);
      face->setFixedSize(faceSize);
      face->setPixmap(QPixmap::fromImage(CardImageList::Small().Image(card + 1)));
      face->setAccessibleName(CardSpokenName(card));
      face->setToolTip(CardSpokenName(card));
      connect(face, &ClickableLabel::clicked, this, [this](int k) { ShowCard(k); });
      connect(face, &ClickableLabel::stepped, this,
              [this](int from, int key) { ShowCard(FaceToward(from, key)); });
      m_faces[static_cast<std::size_t>(card)] = face;
      grid->addWidget(face, row, column + 1);
    }
  }
  left->addLayout(grid);
  left->addStretch(1);
  columns->addLayout(left);

  auto* right = new QVBoxLayout;
  m_face = new QLabel(client);
  m_face->setObjectName(QStringLiteral("picLargeFace"));
  m_face->setFixedSize(kLargeWidth, kLargeHeight);
  m_name = new QLabel(client);
  m_name->setObjectName(QStringLiteral("lblName"));
  m_name->setFont(look::Font(11, true));
  m_name->setWordWrap(true);
  auto* faceRow = new QHBoxLayout;
  faceRow->addWidget(m_face);
  faceRow->addWidget(m_name, 1, Qt::AlignTop);
  right->addLayout(faceRow);
  auto addLabelled = [&](const QString& caption, QLabel*& value, const char* name) {
    auto* heading = new QLabel(caption, client);
    heading->setFont(look::Font(8.25, true));
    value = new QLabel(client);
    value->setObjectName(QString::fromLatin1(name));
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for the longest texts, so that the window does not jump from card to card.
    value->setMinimumHeight(3 * value->fontMetrics().lineSpacing());
    right->addWidget(heading);
    right->addWidget(value);
  };
  addLabelled(tr("Keywords"), m_keywords, "lblKeywords");
  addLabelled(tr("Time period"), m_period, "lblTimePeriod");
  auto* heading = new QLabel(tr("&Description"), client);
  heading->setFont(look::Font(8.25, true));
  m_description = new QTextEdit(client);
  m_description->setObjectName(QStringLiteral("txtDescription"));
  m_description->setReadOnly(true);
  m_description->setTabChangesFocus(true);
  m_description->setAccessibleName(tr("Description"));
  heading->setBuddy(m_description);
  right->addWidget(heading);
  right->addWidget(m_description, 1);
  auto* rightWidget = new QWidget(client);
  rightWidget->setLayout(right);
  rightWidget->setMinimumWidth(look::Px(5200));
  columns->addWidget(rightWidget, 1);
  setCentralWidget(client);

  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* close = file->addAction(tr("&Close"));
  close->setObjectName(QStringLiteral("mnuClose"));
  close->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(close, &QAction::triggered, this, &QWidget::close);
}

ClickableLabel* CardGuide::picFace(int card) const {
  if (card < 0 || card >= kDeckSize) return nullptr;
  return m_faces[static_cast<std::size_t>(card)];
}

void CardGuide::ShowCard(int card) {
  ClickableLabel* face = picFace(card);
  if (face == nullptr) return;
  const Catalogue& catalogue = CatalogueIn(ReadingLanguage());
  ClickableLabel* previous = picFace(m_card);
  m_card = card;
  // The faces are one Tab stop: the card shown.
  face->setFocusPolicy(Qt::TabFocus);
  if (previous != nullptr && previous != face) previous->setFocusPolicy(Qt::NoFocus);
  if (!face->isHidden() && isVisible()) face->setFocus(Qt::OtherFocusReason);
  QImage large = CardImageList::Large().Image(card + 1, 2.0);
  large.setDevicePixelRatio(1.0);
  m_face->setPixmap(QPixmap::fromImage(large).scaled(kLargeWidth, kLargeHeight, Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
  m_face->setAccessibleName(CardSpokenName(card));
  m_name->setText(CardSpokenName(card));
  m_keywords->setText(Text(catalogue.cardKeywords[card]));
  m_period->setText(Text(catalogue.cardTimePeriod[card]));
  m_description->setPlainText(Text(catalogue.cardDescription[card]));
  if (QLayout* layout = centralWidget()->layout()) layout->activate();
}

void CardGuide::Search(const QString& text) {
  int first = -1;
  int count = 0;
  for (int slot = 0; slot < kDeckSize; ++slot) {
    const int card = CardAtSlot(slot);
    const bool match = Matches(card, text);
    picFace(card)->setVisible(match);
    if (match && first < 0) first = card;
    count += match ? 1 : 0;
  }
  m_found->setText(text.trimmed().isEmpty() ? QString()
                   : count == 0             ? tr("No card matches.")
                                            : tr("%n card(s) found.", nullptr, count));
  if (first < 0) return;
  // The card shown stays if it is among those found; the focus stays in the search field.
  ShowCard(picFace(m_card)->isHidden() ? first : m_card);
  m_search->setFocus();
}

int CardGuide::FaceToward(int from, int key) const {
  const int columns = OwnCardsPicker::kColumns;
  const int at = SlotOf(from);
  auto visible = [this](int slot) { return !picFace(CardAtSlot(slot))->isHidden(); };
  int step = 0;
  switch (key) {
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Left:
      step = -1;
      break;
    case Qt::Key_Down:
      step = columns;
      break;
    case Qt::Key_Up:
      step = -columns;
      break;
    case Qt::Key_Home:
      for (int slot = 0; slot < kDeckSize; ++slot) {
        if (visible(slot)) return CardAtSlot(slot);
      }
      return from;
    case Qt::Key_End:
      for (int slot = kDeckSize - 1; slot >= 0; --slot) {
        if (visible(slot)) return CardAtSlot(slot);
      }
      return from;
    default:
      return from;
  }
  for (int slot = at + step; slot >= 0 && slot < kDeckSize; slot += step) {
    if (visible(slot)) return CardAtSlot(slot);
  }
  return from;
}

CardGuide* ShowCardGuide(QWidget* owner, int card) {
  auto* guide = qobject_cast<CardGuide*>(FindLoadedWindow("CardGuide"));
  if (guide == nullptr) {
    guide = new CardGuide(owner);
    guide->resize(guide->sizeHint());
    guide->show();
    CenterOnScreen(guide);
  } else {
    guide->show();
  }
  guide->raise();
  guide->activateWindow();
  if (card >= 0 && card < kDeckSize) {
    guide->txtSearch()->clear();
    guide->ShowCard(card);
  }
  if (ClickableLabel* face = guide->picFace(guide->Card())) face->setFocus();
  return guide;
}

}  // namespace baralune
