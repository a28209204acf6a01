#pragma once
#include "flow_window.h"
#include "reading_details.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace baralune {

class ClickableLabel;

// The main window: name, date of birth, spread and mode, then Deal.
class frmMain : public FlowWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);

  // Checks the entries in order, shows the first failing message and moves the focus to the
  // offending field. True when the reading may go ahead.
  bool ValidateEntries();
  // Deal; File > Deal The Cards runs the same.
  void cmdCalculate_Click();
  void cboSpread_Click();

  QLabel* lblCobrand() const;
  QLabel* lblFullBrand() const;

  // The name, date of birth and spread as entered, for the reading about to be dealt.
  ReadingDetails EnteredDetails() const;
  // The reader's own spread at `index` of Select Spread, after the four; null for the four.
  static std::shared_ptr<const SpreadDefinition> OwnSpreadAt(int index);
  // Enters the name, date of birth, spread and mode of `details` again, as when a reader comes
  // back from the picker.
  void RestoreEntries(const ReadingDetails& details);

  static constexpr int kClientWidthTwips = 9390;
  // The mode's third option, My Own Cards, has a row of its own under Automatic: Spread
  // Selection and the window grow by that row and what lies below moves down by it.
  static constexpr int kModeRowTwips = 315;
  static constexpr int kClientHeightTwips = 4380 + kModeRowTwips;

 private:
  void CreateMenus();
  void CreateControls();
  void SetTabOrder();
  void Form_Load();

  QMenu* m_mnuFile = nullptr;
  QLabel* m_lblSpreadDesc = nullptr;
  QLineEdit* m_txtName = nullptr;
  QComboBox* m_cboMonth = nullptr;
  QComboBox* m_cboDate = nullptr;
  QComboBox* m_cboYear = nullptr;
  QComboBox* m_cboSpread = nullptr;
  QRadioButton* m_optAuto = nullptr;
  QRadioButton* m_optManual = nullptr;
  QRadioButton* m_optOwnCards = nullptr;
  QPushButton* m_cmdCalculate = nullptr;
  ClickableLabel* m_lblCobrand = nullptr;
  ClickableLabel* m_lblFullBrand = nullptr;
};

// The welcome text shown until a spread is picked.
QString WelcomeText();
// The two advertisement captions of the main and the report window.
QString CoBrandText();
QString FullBrandText();

}  // namespace baralune
