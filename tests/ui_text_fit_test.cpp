// Every text of every window shows whole in its control, with the fonts the system has: labels
// (wrapped ones by their wrapped height), buttons, checks, options and frame titles, in every
// language Baralune speaks. ctest runs these once on a plain screen and once at twice the pixels.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>

#include "card_guide.h"
#include "catalogue.h"
#include "frmAbout.h"
#include "history_window.h"
#include "language.h"
#include "language_choice.h"
#include "own_cards_picker.h"
#include "spread_editor.h"
#include "spreads_window.h"
#include "statistics_window.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

// The languages Baralune speaks, English first. Each further one comes with its translation in
// the program's resources, loaded before the windows open.
std::vector<QString> Languages() {
  return {QStringLiteral("en"), QStringLiteral("es")};
}

// Whether `text`, drawn with `flags` in `box` of `control`, stays inside the box.
bool Fits(const QWidget* control, const QString& text, QRect box, int flags) {
  return box.contains(control->fontMetrics().boundingRect(box, flags, text));
}

bool LabelFits(const QLabel* label) {
  const int m = label->margin();
  const QRect box = label->contentsRect().adjusted(m, m, -m, -m);
  if (label->textFormat() == Qt::RichText ||
      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(label->font());
    document.setHtml(label->text());
    if (label->wordWrap()) document.setTextWidth(box.width());
    return document.size().toSize().boundedTo(box.size()) == document.size().toSize();
  }
  int flags = static_cast<int>(label->alignment());
  if (label->wordWrap()) flags |= Qt::TextWordWrap;
  if (label->buddy() != nullptr) flags |= Qt::TextShowMnemonic;
  return Fits(label, label->text(), box, flags);
}

// Buttons by the room their style leaves for the text, beside the indicator of an option.
bool ButtonFits(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const auto* push = qobject_cast<const QPushButton*>(button);
  if (push != nullptr && (push->autoDefault() || push->isDefault())) {
    option.features |= QStyleOptionButton::AutoDefaultButton;
  }
  const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
  const QStyle::SubElement element = radio  ? QStyle::SE_RadioButtonContents
                                     : push ? QStyle::SE_PushButtonContents
                                            : QStyle::SE_CheckBoxContents;
  const QRect box = button->style()->subElementRect(element, &option, button);
  const int align = push != nullptr ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
  return Fits(button, button->text(), box, align | Qt::TextShowMnemonic);
}

bool TitleFits(const QGroupBox* frame) {
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.textAlignment = frame->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect title =
      frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
  return Fits(frame, frame->title(), title & frame->rect(), Qt::AlignCenter | Qt::TextShowMnemonic);
}

// The controls of `window` whose text does not show whole: "name: text", one a line.
QStringList Misfits(const QWidget* window) {
  QStringList misfits;
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window)) continue;
    QString text;
    bool fits = true;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      text = label->text();
      fits = text.isEmpty() || LabelFits(label);
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
      text = button->text();
      fits = text.isEmpty() || ButtonFits(button);
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
      text = frame->title();
      fits = text.isEmpty() || TitleFits(frame);
    }
    if (!fits) misfits << control->objectName() + QStringLiteral(": ") + text;
  }
  return misfits;
}

// Fails with every text of `window` that does not show whole.
void ExpectFits(const QWidget* window, const std::string& when = {}) {
  const QStringList misfits = Misfits(window);
  EXPECT_TRUE(misfits.isEmpty()) << when << "\n" << misfits.join(QLatin1Char('\n')).toStdString();
}

class TextFitTest : public UiTest, public ::testing::WithParamInterface<QString> {
 protected:
  // Translations, month names and the engine's texts, as Baralune switches them.
  void SetUp() override { ApplyLanguage(LanguageFromCode(GetParam().toStdString()).value()); }
  void TearDown() override {
    UiTest::TearDown();
    ApplyLanguage(Language::English);
  }
};

TEST_P(TextFitTest, MainWindowWithEverySpreadDescription) {
  frmMain* main = OpenMainWindow();
  ExpectFits(main);
  auto* spreads = Child<QComboBox>(main, "cboSpread");
  for (int s = 0; s < kSpreadCount; ++s) {
    spreads->setCurrentIndex(s);
    ExpectFits(main, "spread " + std::to_string(s));
  }
}

TEST_P(TextFitTest, ManualWindowWithEveryPositionMeaning) {
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    frmManual* manual = OpenManualWindow(s);
    ASSERT_NE(manual, nullptr);
    ExpectFits(manual, "spread " + std::to_string(s));
    auto* meaning = Child<QLabel>(manual, "lblPositionMeaning");
    for (int p = 2; p <= SpreadOf(s).cards; ++p) {
      meaning->setText(QString::fromStdString(PositionMeaning(s, p, ReadingLanguage())));
      ExpectFits(manual, "spread " + std::to_string(s) + ", position " + std::to_string(p));
    }
    manual->mnuBack_Click();
    FlushDeletes();
  }
}

TEST_P(TextFitTest, OwnCardsPickerWithTheLongestPositionMeaning) {
  frmMain* main = OpenMainWindow();
  Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Rosa"));
  Child<QComboBox>(main, "cboSpread")->setCurrentIndex(3);
  Child<QRadioButton>(main, "optOwnCards")->setChecked(true);
  main->cmdCalculate_Click();
  auto* picker = Loaded<OwnCardsPicker>("OwnCardsPicker");
  ASSERT_NE(picker, nullptr);
  QString longest;
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    for (int p = 1; p <= SpreadOf(s).cards; ++p) {
      const QString meaning = QString::fromStdString(PositionMeaning(s, p, ReadingLanguage()));
      if (meaning.size() > longest.size()) longest = meaning;
    }
  }
  picker->lblPositionMeaning()->setText(longest);
  ExpectFits(picker);
}

TEST_P(TextFitTest, ReportWindowWithItsSpreadDisplayAndTheAboutBox) {
  frmMain* main = OpenMainWindow();
  frmAbout about(main);
  about.show();
  ExpectFits(&about);
  about.close();
  MDI* report = DealAutomatic(main, 3);
  ASSERT_NE(report, nullptr);
  ExpectFits(report);
}

TEST_P(TextFitTest, HistoryWindow) {
  ExpectFits(ShowHistoryWindow(OpenMainWindow()));
}

TEST_P(TextFitTest, StatisticsWindowWithEachChart) {
  StatisticsWindow* statistics = ShowHistoryWindow(OpenMainWindow())->ShowStatistics();
  ASSERT_NE(statistics, nullptr);
  for (int chart :
       {StatisticsWindow::kCards, StatisticsWindow::kSuits, StatisticsWindow::kMonths}) {
    statistics->ChartChoice()->setCurrentIndex(chart);
    ExpectFits(statistics, "chart " + std::to_string(chart));
  }
}

TEST_P(TextFitTest, SpreadsWindow) {
  ExpectFits(ShowSpreadsWindow(OpenMainWindow()));
}

TEST_P(TextFitTest, SpreadEditor) {
  ExpectFits(ShowSpreadEditor(nullptr));
}

TEST_P(TextFitTest, NotesWindowAndTheCardGuideAtEveryCard) {
  MDI* report = DealAutomatic(OpenMainWindow(), 3);
  ASSERT_NE(report, nullptr);
  ExpectFits(report->ShowNotes());
  CardGuide* guide = ShowCardGuide(report);
  for (int card = 0; card < kDeckSize; ++card) {
    guide->ShowCard(card);
    ExpectFits(guide, "card " + std::to_string(card));
  }
  QTest::keyClicks(guide->txtSearch(), QStringLiteral("zzz"));
  ExpectFits(guide, "nothing found");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFitTest, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<QString>& language) {
                           return language.param.toStdString();
                         });

}  // namespace
}  // namespace baralune::testing
