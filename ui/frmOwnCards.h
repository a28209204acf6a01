#pragma once
#include <QMainWindow>
#include <array>
#include <vector>

#include "focus_cue.h"
#include "reading_details.h"
#include "types.h"

class QLabel;

namespace baralune {

class TrayCard;

// The reader's own cards: the 40 faces, face up in card-index order, one row per suit. The
// reader picks the cards laid out on the table, position by position, guided by the meaning of
// the position being filled; the last pick writes the report of exactly that hand.
class frmOwnCards : public QMainWindow {
  Q_OBJECT

 public:
  // `details`: who asked and the spread, as entered in the main window.
  explicit frmOwnCards(const ReadingDetails& details, QWidget* parent = nullptr);

  // Puts card `card` in the next position; a card already picked is no pick. The last pick
  // deals the reading and closes the window.
  void PickCard(int card);
  // Takes the last pick back.
  void UndoLastPick();
  // Back to a fresh main window, without a reading (Esc, File > Back, the close box).
  void mnuBack_Click();

  const std::vector<CardIndex>& Picks() const { return m_picks; }
  bool IsPicked(int card) const;
  TrayCard* picFace(int card) const;
  QLabel* lblPositionMeaning() const { return m_lblPositionMeaning; }
  // The face that holds the Tab stop.
  int FocusFace() const { return m_focusFace; }

  static constexpr int kColumns = 10;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenus();
  void CreateControls();
  // Face, accessible name and label after a pick or its undoing.
  void ShowCard(int card);
  void ShowNextPosition();
  void SetFocusFace(int card, bool focus);
  int FaceToward(int from, int key) const;
  void DealReading();
  void UnloadItself();

  ReadingDetails m_details;
  int m_cardCount = 0;
  std::vector<CardIndex> m_picks;
  std::array<TrayCard*, kDeckSize> m_faces{};
  int m_focusFace = 0;
  FocusCue m_focusCue;
  QLabel* m_lblPositionMeaning = nullptr;
  bool m_unloadingItself = false;
};

// Opens the picker for the reading entered in the main window, shown and centred.
frmOwnCards* ShowOwnCardsWindow(const ReadingDetails& details);

// The card's name for screen readers: "Ace of Clubs".
QString CardSpokenName(int card);

}  // namespace baralune
