#pragma once
#include <QLabel>

#include "focus_cue.h"

namespace baralune {

// A label that acts as a link: hand cursor, and Click when the left button is released over it.
// Tab reaches it while it is in sight, and Enter or Space clicks it.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 public slots:
  // A click from the keyboard or a screen reader.
  void Activate() { emit clicked(); }

 signals:
  void clicked();

 protected:
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_pressed = false;
  FocusCue m_focusCue;
};

// Link labels may share a place, the one in front hiding the others (the advertisements take
// turns), and the spread display stacks its layouts: Tab skips the links out of sight under
// `root`, so that Enter never follows a link nobody can see. Run again after a restacking.
void UpdateLinkReach(QWidget* root);

}  // namespace baralune
