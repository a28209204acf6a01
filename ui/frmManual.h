#pragma once
#include <QString>
#include <array>
#include <memory>

#include "clickable_label.h"
#include "flow_window.h"
#include "focus_cue.h"
#include "spread_definition.h"
#include "types.h"

class QLabel;
class QMenu;

namespace baralune {

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
  ClickableLabel* picManual(int index) const;
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
  std::shared_ptr<const SpreadDefinition> m_ownSpread;  // the reader's own, when picked
  int m_cardCount = 0;
  int m_pickCount = 0;
  QString m_lastPositionMeaning;

  QWidget* m_picTray = nullptr;
  std::array<ClickableLabel*, kTrayCards> m_picManual{};
  int m_trayFocus = 0;
  FocusCue m_trayFocusCue;
  QWidget* m_picMessage = nullptr;
  QLabel* m_lblPositionMeaning = nullptr;
  bool m_closed = false;  // a pause still running then deals no reading
};

// Opens a manual window for the current spread index, shown and centred on the screen.
frmManual* ShowManualWindow();

}  // namespace baralune
