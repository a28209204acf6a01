#pragma once
#include <QWidget>
#include <array>
#include <vector>

#include "language.h"
#include "reading_windows.h"

class QLabel;

namespace baralune {

// The spread display: one panel per spread, stacked, with the drawn faces laid out in the
// spread's shape. A child of the report window; it shows card backs until a reading places
// its cards.
class frmCartomancy : public QWidget, public SpreadDisplay {
  Q_OBJECT

 public:
  explicit frmCartomancy(QWidget* parent = nullptr);

  void PlaceCardPicture(SpreadIndex spread, int position, CardIndex card) override;
  void BringLayoutToFront(SpreadIndex spread) override;
  // A reader's own spread gets a panel of its own (kOwnSpread), made anew for each reading.
  void LayOutOwnSpread(const SpreadDefinition& spread) override;
  // Titles and row captions in `language`: a reading shown again keeps the language it was
  // dealt in, in its spread display as in its report.
  void ShowTitlesIn(Language language);

  QSize sizeHint() const override;

  // Card box of `position` (1-based) in the spread's layout; null outside the layout.
  QLabel* CardBox(SpreadIndex spread, int position) const;
  QWidget* LayoutPanel(SpreadIndex spread) const;
  // The spread whose panel lies in front.
  SpreadIndex FrontLayout() const { return m_front; }

  static constexpr int kClientWidthTwips = 10995;
  static constexpr int kPanelHeightTwips = 9000;

 protected:
  bool focusNextPrevChild(bool next) override;
  // A double click on a face opens the card guide at that card.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout(SpreadIndex spread, const SpreadDefinition* own = nullptr);
  void lblCaptionBottom_Click();

  // The four spreads' panels, then the reader's own spread's (null until one is read).
  std::array<QWidget*, kSpreadCount + 1> m_panels{};
  std::array<std::vector<QLabel*>, kSpreadCount + 1> m_cardBoxes;
  SpreadIndex m_front = 3;
};

}  // namespace baralune
