#pragma once
#include <QDialog>

class QPushButton;

namespace baralune {

// The About box: the program's name and version, what it does, and two links to the maker's
// site. Shown modally; OK, Enter and Esc close it.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  void cmdOK_Click();

  static constexpr int kClientWidthTwips = 7035;
  static constexpr int kClientHeightTwips = 3510;

 protected:
  void done(int result) override;

 private:
  QPushButton* m_cmdOK = nullptr;
};

// The two sentences of the About box.
QString AboutDescription();

}  // namespace baralune
