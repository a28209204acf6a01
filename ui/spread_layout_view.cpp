#include "spread_layout_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "artwork.h"
#include "focus_cue.h"
#include "frmCartomancy.h"
#include "look.h"
#include "site.h"

namespace baralune {

namespace {

QRect TitleRect() {
  return look::TwipsRect(1500, 0, 7500, 270);
}

QRect FootRect() {
  return look::TwipsRect(0, 7500, kSpreadAreaRight, 270);
}

int ToTwips(int pixels) {
  return pixels * look::kTwipsPerPixel;
}

// `twips` on the grid line at or before it (`up` false) or at or after it.
int OnGrid(int twips, bool up) {
  const int g = SpreadLayoutView::kGridTwips;
  const int below = (twips >= 0 ? twips : twips - g + 1) / g * g;
  return up && below != twips ? below + g : below;
}

}  // namespace

LayoutItem::LayoutItem(SpreadLayoutView* view, bool caption, int index)
    : QWidget(view), m_view(view), m_caption(caption), m_index(index) {
  setObjectName(QString::fromLatin1(caption ? "picCaption" : "picCard"));
  setProperty("index", index);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::OpenHandCursor);
  if (caption) setFont(look::Font(12, true));
}

void LayoutItem::SetFaulty(bool faulty) {
  if (faulty == m_faulty) return;
  m_faulty = faulty;
  update();
}

void LayoutItem::SetText(const QString& text) {
  if (text == m_text) return;
  m_text = text;
  update();
}

void LayoutItem::Put(Place place, int width, int height) {
  m_place = place;
  setGeometry(look::TwipsRect(place.left, place.top, width, height));
}

void LayoutItem::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_caption) {
    painter.setPen(look::Orange());
    painter.drawText(rect(), Qt::AlignCenter, m_text);
  } else {
    painter.drawImage(rect(), CardBackImage(devicePixelRatioF()));
    painter.setFont(look::Font(14.25, true));
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(QRect(0, look::Px(1100), look::Px(420), look::Px(345)),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::number(m_index + 1));
  }
  if (m_faulty) {
    painter.setPen(QPen(Qt::red, 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
  if (hasFocus()) PaintFocusFrame(painter, rect(), Qt::yellow, 3);
}

void LayoutItem::keyPressEvent(QKeyEvent* event) {
  const bool fine = event->modifiers().testFlag(Qt::ShiftModifier);
  Place to = Where();
  auto step = [fine](int at, bool up) {
    if (fine) return at + (up ? SpreadLayoutView::kFineTwips : -SpreadLayoutView::kFineTwips);
    return OnGrid(up ? at + 1 : at - 1, up);
  };
  switch (event->key()) {
    case Qt::Key_Left:
      to.left = step(to.left, false);
      break;
    case Qt::Key_Right:
      to.left = step(to.left, true);
      break;
    case Qt::Key_Up:
      to.top = step(to.top, false);
      break;
    case Qt::Key_Down:
      to.top = step(to.top, true);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  m_view->RequestMove(this, to, ToTwips(width()));
}

void LayoutItem::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  raise();  // the card in hand passes over the others
  m_grip = event->position().toPoint();
  m_holding = true;
  m_dragged = false;
  setCursor(Qt::ClosedHandCursor);
}

void LayoutItem::mouseMoveEvent(QMouseEvent* event) {
  if (!m_holding) return;
  // The item follows the mouse on the grid; the spread changes once it is let go.
  const QPoint at = mapToParent(event->position().toPoint() - m_grip);
  const int g = SpreadLayoutView::kGridTwips;
  const int left =
      std::clamp((ToTwips(at.x()) + g / 2) / g * g, 0, kSpreadAreaRight - ToTwips(width()));
  const int top = std::clamp((ToTwips(at.y()) + g / 2) / g * g, 0,
                             SpreadLayoutView::kHeightTwips - ToTwips(height()));
  move(look::Px(left), look::Px(top));
  m_dragged = true;
}

void LayoutItem::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  setCursor(Qt::OpenHandCursor);
  m_holding = false;
  if (m_dragged) m_view->RequestMove(this, {ToTwips(x()), ToTwips(y())}, ToTwips(width()));
  m_dragged = false;
}

void LayoutItem::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  emit m_view->selected(m_caption, m_index);
  update();
}

void LayoutItem::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

SpreadLayoutView::SpreadLayoutView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picLayout"));
  setFixedSize(look::Px(kSpreadAreaRight), look::Px(kHeightTwips));
  look::FillBackground(this, look::Background());
  setAccessibleName(tr("Layout"));
}

void SpreadLayoutView::RequestMove(LayoutItem* item, Place place, int width) {
  const int height = item->IsCaption() ? kRowCaptionHeight : kCardHeight;
  place.left = std::clamp(place.left, 0, kSpreadAreaRight - width);
  place.top = std::clamp(place.top, 0, kHeightTwips - height);
  if (place == item->Where()) {
    // Nothing moved (the mouse let go where it took hold, or at the panel's edge).
    item->move(look::Px(place.left), look::Px(place.top));
    return;
  }
  emit moved(item->IsCaption(), item->Index(), place);
}

LayoutItem* SpreadLayoutView::Card(int index) const {
  return index >= 0 && index < static_cast<int>(m_cards.size())
             ? m_cards[static_cast<std::size_t>(index)]
             : nullptr;
}

LayoutItem* SpreadLayoutView::Caption(int index) const {
  return index >= 0 && index < static_cast<int>(m_captions.size())
             ? m_captions[static_cast<std::size_t>(index)]
             : nullptr;
}

void SpreadLayoutView::Show(const SpreadDefinition& spread, const std::set<int>& faulty) {
  auto fit = [this](std::vector<LayoutItem*>& items, std::size_t count, bool caption) {
    while (items.size() > count) {
      // Hiding the card with the focus moves the focus on, which may show the spread again:
      // the card is out of the list first. It goes later, as an undo from the keyboard may
      // take away the very card the key went to.
      LayoutItem* gone = items.back();
      items.pop_back();
      gone->hide();
      gone->deleteLater();
    }
    while (items.size() < count) {
      items.push_back(new LayoutItem(this, caption, static_cast<int>(items.size())));
      items.back()->show();
    }
  };
  fit(m_cards, spread.positions.size(), false);
  fit(m_captions, spread.rowCaptions.size(), true);
  for (std::size_t i = 0; i < m_cards.size(); ++i) {
    const auto& position = spread.positions[i];
    LayoutItem* card = m_cards[i];
    card->Put(position.place, kCardWidth, kCardHeight);
    card->SetFaulty(faulty.count(static_cast<int>(i)) > 0);
    const int number = static_cast<int>(i) + 1;
    card->setAccessibleName(tr("Card %1").arg(number));
    card->setAccessibleDescription(QString::fromStdString(position.text));
  }
  for (std::size_t i = 0; i < m_captions.size(); ++i) {
    const auto& caption = spread.rowCaptions[i];
    LayoutItem* item = m_captions[i];
    item->Put({caption.left, caption.top}, caption.width, kRowCaptionHeight);
    item->SetText(QString::fromStdString(caption.text));
    item->setAccessibleName(tr("Row caption %1: %2")
                                .arg(static_cast<int>(i) + 1)
                                .arg(QString::fromStdString(caption.text)));
  }
  const QString name = QString::fromStdString(spread.name);
  if (name != m_name) {
    m_name = name;
    m_nameFont =
        look::FittingFont(m_name, look::Font(12, true), TitleRect().size(), Qt::AlignCenter);
    update();
  }
}

void SpreadLayoutView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The room for cards, faintly: what lies outside it is the name's and the foot's.
  painter.setPen(QPen(QColor(255, 255, 255, 90), 1, Qt::DashLine));
  painter.drawRect(look::TwipsRect(kSpreadAreaLeft, kSpreadAreaTop,
                                   kSpreadAreaRight - kSpreadAreaLeft - 15,
                                   kSpreadAreaBottom - kSpreadAreaTop));
  painter.setPen(QColor(0, 255, 255));
  painter.setFont(m_nameFont);
  painter.drawText(TitleRect(), Qt::AlignCenter, m_name);
  // The display's foot, as a reading shows it.
  const QString foot =
      frmCartomancy::tr("For Detailed Analysis Visit %1")
          .arg(QString::fromUtf8(kSiteAddress.data(), static_cast<qsizetype>(kSiteAddress.size())));
  if (foot != m_foot) {
    m_foot = foot;
    m_footFont = look::FittingFont(foot, look::Font(12, true), FootRect().size(), Qt::AlignCenter);
  }
  painter.setFont(m_footFont);
  painter.setPen(QColor(255, 128, 255));
  painter.drawText(FootRect(), Qt::AlignCenter, foot);
}

}  // namespace baralune
