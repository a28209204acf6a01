#pragma once
#include <array>
#include <vector>

#include "flow_window.h"
#include "focus_cue.h"
#include "reading_details.h"
#include "types.h"

class QAction;
class QLabel;
class QPushButton;

namespace baralune {

class ClickableLabel;

// The reader's own cards: the 40 faces, face up, one row per suit in the deck's order (Oros,
// Copas, Espadas, Bastos; 1 to 7, Sota, Caballo, Rey). The reader picks the cards laid out on
// the table, position by position, guided by the meaning of the position being filled; once
// every position is filled, Deal writes the report of exactly that hand.
class OwnCardsPicker : public FlowWindow {
  Q_OBJECT

 public:
  // `details`: who asked and the spread, as entered in the main window.
  explicit OwnCardsPicker(const ReadingDetails& details, QWidget* parent = nullptr);

  // Puts card `card` in the next position; a card already picked, or a pick once every
  // position is filled, is no pick.
  void PickCard(int card);
  // Takes the last pick back.
  void UndoLastPick();
  // Deals the picked hand, once every position is filled, and closes the window.
  void cmdDeal_Click();
  // Back to the main window as it was left, without a reading (Esc, File > Back, the close
  // box); after a pick, only once the reader agrees to discard the picks.
  void mnuBack_Click();

  const std::vector<CardIndex>& Picks() const { return m_picks; }
  bool IsPicked(int card) const;
  bool AllPicked() const { return static_cast<int>(m_picks.size()) >= m_cardCount; }
  ClickableLabel* picFace(int card) const;
  QLabel* lblPositionNumber() const { return m_lblPositionNumber; }
  QLabel* lblPositionMeaning() const { return m_lblPositionMeaning; }
  QPushButton* cmdDeal() const { return m_cmdDeal; }
  QAction* mnuUndo() const { return m_mnuUndo; }
  // The face that holds the Tab stop.
  int FocusFace() const { return m_focusFace; }

  static constexpr int kColumns = 10;
  // The card shown in row `row`, column `column` (0-based), in the deck's order.
  static int CardAt(int row, int column);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The close box goes back to the main window, as Esc does.
  bool onClosedByUser() override;

 private:
  void CreateMenus();
  void CreateControls();
  // Face, accessible name and label after a pick or its undoing.
  void ShowCard(int card);
  void ShowNextPosition();
  void SetFocusFace(int card, bool focus);
  int FaceToward(int from, int key) const;
  // True when there is nothing to lose or the reader agrees to discard the picks.
  bool DiscardAgreed();

  ReadingDetails m_details;
  int m_cardCount = 0;
  std::vector<CardIndex> m_picks;
  std::array<ClickableLabel*, kDeckSize> m_faces{};
  int m_focusFace = 0;
  FocusCue m_focusCue;
  QLabel* m_lblPositionNumber = nullptr;
  QLabel* m_lblPositionMeaning = nullptr;
  QPushButton* m_cmdDeal = nullptr;
  QAction* m_mnuUndo = nullptr;
};

// Opens the picker for the reading entered in the main window, shown and centred.
OwnCardsPicker* ShowOwnCardsWindow(const ReadingDetails& details);

// The card's name for screen readers, as the report names it: "Queen of Clubs (Rey)".
QString CardSpokenName(int card);

}  // namespace baralune
