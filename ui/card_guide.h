#pragma once
#include <QMainWindow>
#include <array>

#include "focus_cue.h"
#include "types.h"

class QLabel;
class QLineEdit;
class QTextEdit;

namespace baralune {

class ClickableLabel;

// "Card Guide - Baralune": the 40 faces by suit, as the own-cards picker lays them out, and the
// chosen card's face, name, keywords, time period and description in the program's language. A
// search by name or keyword (case and accents folded) leaves only the cards it finds.
class CardGuide : public QMainWindow {
  Q_OBJECT

 public:
  explicit CardGuide(QWidget* parent = nullptr);

  // Shows card `card` (0..39) and gives its face the keyboard.
  void ShowCard(int card);
  int Card() const { return m_card; }
  // Leaves only the cards whose name or keywords contain `text`; the first of them is shown.
  void Search(const QString& text);

  ClickableLabel* picFace(int card) const;
  QLineEdit* txtSearch() const { return m_search; }
  QLabel* lblName() const { return m_name; }
  QLabel* lblKeywords() const { return m_keywords; }
  QLabel* lblTimePeriod() const { return m_period; }
  QTextEdit* txtDescription() const { return m_description; }

  // Whether the card's name or keywords, in the program's language, contain `text` folded.
  static bool Matches(int card, const QString& text);

 private:
  void CreateControls();
  // The visible face reached from `from` by an arrow, Home or End.
  int FaceToward(int from, int key) const;

  std::array<ClickableLabel*, kDeckSize> m_faces{};
  FocusCue m_focusCue;
  int m_card = -1;
  QLineEdit* m_search = nullptr;
  QLabel* m_found = nullptr;
  QLabel* m_face = nullptr;
  QLabel* m_name = nullptr;
  QLabel* m_keywords = nullptr;
  QLabel* m_period = nullptr;
  QTextEdit* m_description = nullptr;
};

// Help > Card Guide…: the guide, opened over `owner` or brought forward, at `card` if one is
// given (0..39).
CardGuide* ShowCardGuide(QWidget* owner, int card = -1);

}  // namespace baralune
