#pragma once
#include <QColor>
#include <QPushButton>

#include "focus_cue.h"

namespace baralune {

// A button painted in its own face colour, flat and raised like a classic graphical button:
// the colour the window asks for, whatever the desktop's style or theme, with black text.
// Enter presses it as Space does.
class FaceButton : public QPushButton {
  Q_OBJECT

 public:
  FaceButton(const QString& text, const QColor& face, QWidget* parent = nullptr);

  QColor Face() const { return m_face; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  QColor m_face;
  FocusCue m_cue;
};

}  // namespace baralune
