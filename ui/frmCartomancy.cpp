#include "frmCartomancy.h"

#include <QEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPixmap>
#include <algorithm>
#include <vector>

#include "artwork.h"
#include "card_guide.h"
#include "card_image_list.h"
#include "catalogue.h"
#include "clickable_label.h"
#include "help_links.h"
#include "language_choice.h"
#include "look.h"
#include "program.h"
#include "site.h"
#include "spread_definition.h"
#include "spread_shapes.h"

namespace baralune {

namespace {

// What the display names and places of each spread's panel, besides its card boxes (the
// engine's table of spreads holds those).
struct LayoutInfo {
  const char* panelName;
  int panelIndex;  // -1: not part of a control array
  const char* boxName;
  int titleLeft;
  int titleWidth;
};

const LayoutInfo kLayouts[kSpreadCount + 1] = {
    {"picSpreadDisp", 1, "pic3Card", 4552, 1890},
    {"picSpreadDisp", 5, "pic9Card", 4552, 1890},
    {"picHorseshoeSpread", -1, "picHorseshoe", 4282, 2430},
    {"picRomanySpread", -1, "picRomany", 3892, 3210},
    // A reader's own spread: its places come with it; its name has the display's width.
    {"picOwnSpread", -1, "picOwn", 1500, 7500},
};

// A spread's name as its report gives it: the engine holds it in each language.
QString SpreadTitle(SpreadIndex spread, Language language) {
  const std::string_view name = SpreadReportName(spread, language);
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font, const QColor& color, int index = -1) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  if (index >= 0) label->setProperty("index", index);
  label->setGeometry(rect);
  // A caption that would not show whole gets a little smaller: a 12-point line is taller than
  // the 18 pixels the titles have.
  label->setFont(look::FittingFont(text, font, rect.size(), Qt::AlignCenter));
  label->setAlignment(Qt::AlignCenter);
  look::SetTextColor(label, color);
  return label;
}

// What a screen reader says of a card box: its position and the card it shows.
QString PositionText(int position) {
  return frmCartomancy::tr("Position %1").arg(position);
}
QString FaceDownText(int position) {
  return frmCartomancy::tr("Position %1: face down").arg(position);
}

}  // namespace

frmCartomancy::frmCartomancy(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmCartomancy"));
  setWindowTitle(QStringLiteral("Baralune v1.05"));
  look::FillBackground(this, look::Background());
  setFont(look::Font());
  setAccessibleName(tr("Spread display"));
  resize(look::Px(kClientWidthTwips), look::Px(600 + kPanelHeightTwips));

  MakeLabel(this, "lblSoftwareCaption", look::AppTitle(), look::TwipsRect(2505, 120, 5985, 345),
            look::Font(14.25, true), look::Orange());

  for (SpreadIndex s = 0; s < kSpreadCount; ++s) BuildLayout(s);
  // Stacked in spread order, so the Gypsy panel lies in front until a reading says otherwise.
  m_front = kSpreadCount - 1;
}

void frmCartomancy::BuildLayout(SpreadIndex spread, const SpreadDefinition* own) {
  const LayoutInfo& info = kLayouts[spread];
  std::vector<spread_shape::Place> ownPlaces;
  if (own) {
    for (const auto& position : own->positions) ownPlaces.push_back(position.place);
  }
  const QString title =
      own ? QString::fromStdString(own->name) : SpreadTitle(spread, AppliedLanguage());
  auto* panel = new QWidget(this);
  panel->setObjectName(QString::fromLatin1(info.panelName));
  if (info.panelIndex >= 0) panel->setProperty("index", info.panelIndex);
  panel->setGeometry(look::TwipsRect(0, 600, 10500, kPanelHeightTwips));
  look::FillBackground(panel, look::Background());
  panel->setAccessibleName(title);
  m_panels[spread] = panel;
  m_cardBoxes[spread].clear();

  const QPixmap back = QPixmap::fromImage(CardBackImage(devicePixelRatioF()));
  const std::span<const spread_shape::Place> positions =
      own ? std::span<const spread_shape::Place>(ownPlaces) : SpreadOf(spread).places;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    auto* box = new QLabel(panel);
    box->setObjectName(QString::fromLatin1(info.boxName));
    box->setProperty("index", static_cast<int>(i));
    box->setGeometry(look::TwipsRect(positions[i].left, positions[i].top, spread_shape::kCardWidth,
                                     spread_shape::kCardHeight));
    box->setPixmap(back);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int number = static_cast<int>(i) + 1;
    box->setAccessibleName(PositionText(number));
    box->setAccessibleDescription(FaceDownText(number));
    MakeLabel(box, "lblCardPosition", QString::number(number),
              look::TwipsRect(0, 1100, number >= 10 ? 420 : 210, 345), look::Font(14.25, true),
              QColor(0, 0, 255), static_cast<int>(i));
    box->installEventFilter(this);
    m_cardBoxes[spread].push_back(box);
  }

  MakeLabel(panel, "lblSpreadName", title, look::TwipsRect(info.titleLeft, 0, info.titleWidth, 270),
            look::Font(12, true), QColor(0, 255, 255));

  if (!own && SpreadOf(spread).rowCaptions) {
    int row = 0;
    std::vector<QLabel*> captions;
    for (const spread_shape::RowCaption& caption : spread_shape::kRomanyRows) {
      captions.push_back(MakeLabel(panel, "lblRomany", spread_shape::RowText(caption),
                                   look::TwipsRect(caption.left, caption.top, caption.width, 270),
                                   look::Font(12, true), look::Orange(), row++));
    }
    // The rows read as one set: all three in the size the tightest fit needs.
    const QFont font = (*std::min_element(captions.begin(), captions.end(), [](auto* a, auto* b) {
                         return a->font().pointSizeF() < b->font().pointSizeF();
                       }))->font();
    for (QLabel* caption : captions) caption->setFont(font);
  }
  if (own) {
    int row = 0;
    for (const auto& caption : own->rowCaptions) {
      MakeLabel(panel, "lblRowCaption", QString::fromStdString(caption.text),
                look::TwipsRect(caption.left, caption.top, caption.width, kRowCaptionHeight),
                look::Font(12, true), look::Orange(), row++);
    }
  }

  auto* bottom = new ClickableLabel(
      tr("For Detailed Analysis Visit %1")
          .arg(QString::fromUtf8(kSiteAddress.data(), static_cast<qsizetype>(kSiteAddress.size()))),
      panel);
  bottom->setObjectName(QStringLiteral("lblCaptionBottom"));
  bottom->setProperty("index", static_cast<int>(spread));
  // The site address is ours to choose; where the caption is wider than its place, the label
  // grows evenly on both sides instead of cutting the address off. Its height is as designed.
  QRect place = look::TwipsRect(1792, 7500, 7410, 270);
  bottom->setFont(look::FittingFont(bottom->text(), look::Font(12, true),
                                    QSize(look::Px(10500), place.height()), Qt::AlignCenter));
  const int needed = bottom->fontMetrics().horizontalAdvance(bottom->text()) + 4;
  if (needed > place.width()) {
    const int grown = std::min(needed, look::Px(10500));
    place.adjust(-(grown - place.width()) / 2, 0, (grown - place.width() + 1) / 2, 0);
    if (place.left() < 0) place.moveLeft(0);
  }
  bottom->setGeometry(place);
  bottom->setAlignment(Qt::AlignCenter);
  look::SetTextColor(bottom, QColor(255, 128, 255));
  connect(bottom, &ClickableLabel::clicked, this, &frmCartomancy::lblCaptionBottom_Click);
}

bool frmCartomancy::focusNextPrevChild(bool next) {
  // An MDI frame keeps Tab going round inside it, and the display has a single link to go
  // round: Tab moves on to the report window's next control instead, as from any other.
  QWidget* frame = parentWidget();
  if (frame == nullptr || frame->windowType() != Qt::SubWindow) {
    return QWidget::focusNextPrevChild(next);
  }
  for (QWidget* w = frame;
       (w = next ? w->nextInFocusChain() : w->previousInFocusChain()) != frame;) {
    if (frame->isAncestorOf(w) || w->window() != window()) continue;
    if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() && w->isEnabled() &&
        w->focusProxy() == nullptr) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return QWidget::focusNextPrevChild(next);
}

QSize frmCartomancy::sizeHint() const {
  return {look::Px(kClientWidthTwips), look::Px(600 + kPanelHeightTwips)};
}

void frmCartomancy::lblCaptionBottom_Click() {
  OpenHomePage();
}

void frmCartomancy::LayOutOwnSpread(const SpreadDefinition& spread) {
  // The panel is made anew for each reading: the spread may be another, or changed.
  delete m_panels[kOwnSpread];
  m_panels[kOwnSpread] = nullptr;
  BuildLayout(kOwnSpread, &spread);
  m_panels[kOwnSpread]->show();
  m_panels[kOwnSpread]->lower();
}

QLabel* frmCartomancy::CardBox(SpreadIndex spread, int position) const {
  if (spread < 0 || spread > kOwnSpread) return nullptr;
  const auto& boxes = m_cardBoxes[spread];
  if (position < 1 || position > static_cast<int>(boxes.size())) return nullptr;
  return boxes[position - 1];
}

QWidget* frmCartomancy::LayoutPanel(SpreadIndex spread) const {
  return spread >= 0 && spread <= kOwnSpread ? m_panels[spread] : nullptr;
}

void frmCartomancy::PlaceCardPicture(SpreadIndex spread, int position, CardIndex card) {
  QLabel* box = CardBox(spread, position);
  if (box == nullptr) return;
  box->setPixmap(QPixmap::fromImage(CardImageList::Large().Image(card + 1, devicePixelRatioF())));
  box->setProperty("card", static_cast<int>(card));
  // The names have runs of spaces kept for the report; a screen reader needs none of them.
  box->setAccessibleDescription(
      tr("Position %1: %2")
          .arg(position)
          .arg(QString::fromStdString(CatalogueIn(ReadingLanguage()).cardName[card]).simplified()));
}

bool frmCartomancy::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    // A face-down box has no card yet: nothing to look up.
    const QVariant card = watched->property("card");
    if (card.isValid()) {
      ShowCardGuide(window(), card.toInt());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmCartomancy::ShowTitlesIn(Language language) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    const QString title = SpreadTitle(spread, language);
    m_panels[spread]->setAccessibleName(title);
    for (QLabel* label : m_panels[spread]->findChildren<QLabel*>(QStringLiteral("lblSpreadName"))) {
      label->setText(title);
      label->setFont(
          look::FittingFont(title, look::Font(12, true), label->size(), Qt::AlignCenter));
    }
  }
  const QList<QLabel*> rows = findChildren<QLabel*>(QStringLiteral("lblRomany"));
  for (QLabel* row : rows) {
    const int index = row->property("index").toInt();
    if (index >= 0 && index < static_cast<int>(std::size(spread_shape::kRomanyRows))) {
      row->setText(TranslateIn(language, "SpreadDisplay", spread_shape::kRomanyRows[index].text));
    }
  }
}

void frmCartomancy::BringLayoutToFront(SpreadIndex spread) {
  QWidget* panel = LayoutPanel(spread);
  if (panel == nullptr) return;
  panel->raise();
  m_front = spread;
  UpdateLinkReach(this);
  // The window's outer height becomes the panel's height; the width stays.
  const int height = look::Px(kPanelHeightTwips);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->resize(sub->width(), height);
  } else {
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), height - frame);
  }
}

}  // namespace baralune
