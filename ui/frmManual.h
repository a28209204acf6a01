#pragma once
#include <QLabel>
#include <QString>
#include <array>

#include "flow_window.h"
#include "focus_cue.h"
#include "types.h"

class QMenu;

namespace baralune {

class LinkLabel;

// A card of a tray (the manual window's face-down cards, the own-cards picker's faces): its
// picture, clicked with the left button, or with Enter or Space when it has the focus. The
// cards of a tray share one focus cue: a click on any of them hides the focus frame, a key on
// any of them shows it.
class TrayCard : public QLabel {
  Q_OBJECT

 public:
  TrayCard(int index, FocusCue& focusCue, QWidget* parent);
  int Index() const { return m_index; }

 public slots:
  // A click from the keyboard or a screen reader.
  void Activate() { emit clicked(m_index); }

 signals:
  void clicked(int index);
  // An arrow key, Home or End: the tray moves the focus on from this card.
  void stepped(int index, int key);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The back keeps its colours while the tray is disabled; the focus frame is drawn over it.
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_index;
  bool m_pressed = false;
  FocusCue& m_focusCue;
};

// The manual mode: the user picks as many face-down cards from the tray as the spread has
// positions, guided by the meaning of the position each pick fills; then the reading is dealt.
// The picks only pace the ritual: the cards themselves are drawn at random.
class frmManual : public FlowWindow {
  Q_OBJECT

 public:
  explicit frmManual(QWidget* parent = nullptr);

  // One pick: the card vanishes from the tray. The last pick deals the reading.
  void picManual_Click(int index);
  // Back to a fresh main window, without a reading.
  void mnuBack_Click();

  int PickCount() const { return m_pickCount; }
  SpreadIndex KeptSpreadIndex() const { return m_spreadIndex; }
  TrayCard* picManual(int index) const;
  // The card Tab comes to in the tray: the one focused last, or its nearest neighbour once
  // it has been picked. -1 when no card is left.
  int TrayFocusCard() const { return m_trayFocus; }
  // The card that `key` (an arrow, Home or End) moves to from card `from`, skipping picked
  // cards; `from` itself when there is none that way.
  int CardToward(int from, int key) const;

  static constexpr int kTrayCards = 52;
  static constexpr int kTrayColumns = 13;
  static constexpr int kClientWidthTwips = 9510;
  static constexpr int kClientHeightTwips = 5445;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  void CreateControls();
  void Form_Load();
  QString PositionText(int position) const;
  bool InTray(int index) const;
  // Makes card `index` the tray's one Tab stop, and gives it the focus if `focus`.
  void SetTrayFocus(int index, bool focus);
  // After the pause: deals the reading into the report window and closes this one.
  void DealReading();

  SpreadIndex m_spreadIndex = 0;
  int m_cardCount = 0;
  int m_pickCount = 0;
  QString m_lastPositionMeaning;

  QWidget* m_picTray = nullptr;
  std::array<TrayCard*, kTrayCards> m_picManual{};
  int m_trayFocus = 0;
  FocusCue m_trayFocusCue;
  QWidget* m_picMessage = nullptr;
  QLabel* m_lblPositionMeaning = nullptr;
  bool m_closed = false;  // a pause still running then deals no reading
};

// Opens a manual window for the current spread index, shown and centred on the screen.
frmManual* ShowManualWindow();

}  // namespace baralune
