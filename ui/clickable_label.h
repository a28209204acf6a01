#pragma once
#include <QLabel>

#include "focus_cue.h"

namespace baralune {

// A label that is clicked: with the left button released over it, or with Enter or Space when it
// has the focus. It serves in two ways:
// - a link: hand cursor; Tab reaches it while it is in sight; its focus frame, its own, is drawn
//   in its text colour around the text;
// - a card of a tray (the manual window's face-down cards, the own-cards picker's faces): the
//   tray makes one card at a time its Tab stop and moves the focus on when an arrow key, Home or
//   End is pressed on a card. The cards of a tray share one focus cue: a click on any of them
//   hides the focus frame, a key on any of them shows it; the frame is drawn over the picture.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  // A link showing `text`.
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);
  // Card `index` of a tray whose cards share `trayFocusCue`.
  ClickableLabel(int index, FocusCue& trayFocusCue, QWidget* parent);

  bool isTrayCard() const { return m_index >= 0; }
  // The card's index in its tray; -1 for a link.
  int Index() const { return m_index; }

 public slots:
  // A click from the keyboard or a screen reader.
  void Activate() { emit clicked(m_index); }

 signals:
  void clicked(int index);
  // A tray card only: an arrow key, Home or End; the tray moves the focus on from this card.
  void stepped(int index, int key);

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_index = -1;
  bool m_pressed = false;
  FocusCue m_ownFocusCue;  // a link's
  FocusCue& m_focusCue;    // the link's own, or the tray's
};

// Link labels may share a place, the one in front hiding the others (the advertisements take
// turns), and the spread display stacks its layouts: Tab skips the links out of sight under
// `root`, so that Enter never follows a link nobody can see. Run again after a restacking.
void UpdateLinkReach(QWidget* root);

}  // namespace baralune
