#pragma once
#include <QFont>
#include <QPoint>
#include <QWidget>
#include <set>
#include <vector>

#include "spread_definition.h"

namespace baralune {

class SpreadLayoutView;

// A card or a row caption on the editor's layout: placed by dragging, or from the keyboard
// once Tab has selected it (an arrow moves it one grid step, with Shift one pixel).
class LayoutItem : public QWidget {
  Q_OBJECT

 public:
  LayoutItem(SpreadLayoutView* view, bool caption, int index);

  bool IsCaption() const { return m_caption; }
  int Index() const { return m_index; }
  void SetFaulty(bool faulty);
  void SetText(const QString& text);
  // Where the spread puts the item, in twips from the display's top left corner (while it is
  // dragged, the item shows elsewhere).
  Place Where() const { return m_place; }
  void Put(Place place, int width, int height);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  SpreadLayoutView* m_view;
  bool m_caption;
  int m_index;
  bool m_faulty = false;
  QString m_text;
  Place m_place{0, 0};
  QPoint m_grip;  // where the mouse took hold of the item
  bool m_holding = false;
  bool m_dragged = false;
};

// The spread display's panel as the editor shows it: its purple ground, the room for cards,
// the spread's name, and its cards and row captions where the spread puts them.
class SpreadLayoutView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kGridTwips = 120;
  static constexpr int kFineTwips = 15;  // a pixel
  static constexpr int kHeightTwips = 9000;

  explicit SpreadLayoutView(QWidget* parent);

  // Shows `spread`, marking the cards (0-based) in `faulty`; the items stay the same widgets
  // where they can, so the one being moved keeps the keyboard focus.
  void Show(const SpreadDefinition& spread, const std::set<int>& faulty);
  LayoutItem* Card(int index) const;
  LayoutItem* Caption(int index) const;

  // Asks to put an item at `place`, kept on the panel.
  void RequestMove(LayoutItem* item, Place place, int width);

 signals:
  void moved(bool caption, int index, baralune::Place place);
  void selected(bool caption, int index);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  friend class LayoutItem;
  std::vector<LayoutItem*> m_cards;
  std::vector<LayoutItem*> m_captions;
  // The name and the foot with the fonts that fit them, fitted once per text: the panel
  // repaints under every card dragged across it.
  QString m_name;
  QFont m_nameFont;
  QString m_foot;
  QFont m_footFont;
};

}  // namespace baralune
