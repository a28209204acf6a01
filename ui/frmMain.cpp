#include "frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "MDI.h"
#include "catalogue.h"
#include "clickable_label.h"
#include "face_button.h"
#include "frmManual.h"
#include "help_links.h"
#include "input_source.h"
#include "journal_actions.h"
#include "language_choice.h"
#include "language_menu.h"
#include "look.h"
#include "own_cards_option.h"
#include "own_cards_picker.h"
#include "own_spreads.h"
#include "program.h"
#include "reading.h"
#include "seams.h"
#include "site.h"
#include "spreads_window.h"

namespace baralune {

namespace {

const QColor kDescriptionText(0xFF, 0xFF, 0xC0);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kCyan(0x00, 0xFF, 0xFF);

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeCaption(QWidget* parent, int index, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QStringLiteral("Label1"));
  label->setProperty("index", index);
  label->setFont(look::Font());
  look::SetTextColor(label, kCyan);
  label->move(look::Px(left), look::Px(top));
  label->adjustSize();
  return label;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(rect);
  frame->setFont(look::Font(8.25, true));
  look::FillBackground(frame, look::Background());
  look::SetTextColor(frame, kYellow);
  return frame;
}

QComboBox* MakeList(QWidget* parent, const char* name, QRect rect) {
  auto* list = new QComboBox(parent);  // pick-only: not editable
  list->setObjectName(QString::fromLatin1(name));
  list->setGeometry(rect);
  list->setFont(look::Font());
  QPalette palette = list->palette();
  for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
    palette.setColor(role, look::Background());
  }
  for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
    palette.setColor(role, Qt::white);
  }
  list->setPalette(palette);
  return list;
}

ClickableLabel* MakeLink(QWidget* parent, const char* name, const QString& text, QRect rect) {
  auto* label = new ClickableLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  // Where a text is wider than its place in this font (the forum line in DejaVu Sans), it takes
  // the condensed face.
  label->setFont(look::FittingFont(text, look::Font(8.25, true, true), rect.size(),
                                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setWordWrap(true);
  look::SetTextColor(label, Qt::white);
  // Opaque, so the advertisement label in front hides the one behind.
  look::FillBackground(label, look::Background());
  return label;
}

}  // namespace

QString WelcomeText() {
  return frmMain::tr(
      "Welcome to Baralune or La Baraja Española! Know more about your future with the Spanish "
      "playing cards predicting your fortune! Just enter your name and date of birth, make the "
      "spread selection and get an instant reading!");
}

QString CoBrandText() {
  return frmMain::tr(
      "Co-brand this software for your site. Put your own name, address and logo on Baralune "
      "and give it to your visitors. Click Here for more info on co-branding.");
}

QString FullBrandText() {
  return frmMain::tr(
      "Home Business Opportunity. Start your own Internet business and make money online. Get "
      "this software fully branded for your website. Click here for more details.");
}

frmMain::frmMain(QWidget* parent) : FlowWindow("frmMain", true, parent) {
  WatchInputSource();
  CreateMenus();
  CreateControls();
  SetTabOrder();
  Form_Load();
}

void frmMain::CreateMenus() {
  m_mnuFile = addFileMenu();
  QAction* calculate = m_mnuFile->addAction(tr("Deal The &Cards"));
  calculate->setObjectName(QStringLiteral("mnuCalculate"));
  connect(calculate, &QAction::triggered, this, [this] { cmdCalculate_Click(); });
  AddSpreadsAction(this, m_mnuFile);
  m_mnuFile->addSeparator();
  AddJournalActions(this, m_mnuFile);
  AddLanguageMenu(this, m_mnuFile);
  addExitAction(m_mnuFile);

  AddHelpAndDonateMenus(this);
}

void frmMain::CreateControls() {
  QWidget* client =
      setFixedClient(QSize(look::Px(kClientWidthTwips), look::Px(kClientHeightTwips)));

  auto* label14 = MakeLink(client, "Label14",
                           tr("The Most Popular Online Mystic Discussion Forum. Click Here To "
                              "Visit %1 Now")
                               .arg(FromView(kSiteAddress)),
                           look::TwipsRect(-7, 120, 9405, 195));
  connect(label14, &ClickableLabel::clicked, this, &OpenHomePage);

  m_lblSpreadDesc = new QLabel(client);
  m_lblSpreadDesc->setObjectName(QStringLiteral("lblSpreadDesc"));
  m_lblSpreadDesc->setGeometry(look::TwipsRect(60, 600, 4245, 3015));
  m_lblSpreadDesc->setFont(look::Font(8.25, true));
  m_lblSpreadDesc->setWordWrap(true);
  m_lblSpreadDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  look::SetTextColor(m_lblSpreadDesc, kDescriptionText);

  QGroupBox* frame1 =
      MakeFrame(client, "Frame1", tr("Personal Details"), look::TwipsRect(4400, 520, 4950, 1250));
  QLabel* nameCaption = MakeCaption(frame1, 0, tr("Name"), 120, 405);
  m_txtName = new QLineEdit(frame1);
  m_txtName->setObjectName(QStringLiteral("txtName"));
  m_txtName->setGeometry(look::TwipsRect(1395, 360, 3450, 285));
  m_txtName->setFont(look::Font());
  {
    QPalette palette = m_txtName->palette();
    palette.setColor(QPalette::Base, QColor(0xAD, 0x76, 0xEB));
    palette.setColor(QPalette::Text, kYellow);
    m_txtName->setPalette(palette);
  }
  QLabel* birthCaption = MakeCaption(frame1, 1, tr("Date of Birth"), 120, 855);
  m_cboMonth = MakeList(frame1, "cboMonth", look::TwipsRect(1395, 810, 1400, 315));
  m_cboDate = MakeList(frame1, "cboDate", look::TwipsRect(2970, 810, 700, 315));
  m_cboYear = MakeList(frame1, "cboYear", look::TwipsRect(3840, 810, 1000, 315));
  // The fields are named after their captions. The captions label them as well: screen readers
  // on Linux take a list's label from there and speak the list's choice as its name.
  nameCaption->setBuddy(m_txtName);
  birthCaption->setBuddy(m_cboMonth);
  m_txtName->setAccessibleName(tr("Name"));
  // On Linux a list's accessible name is its choice and screen readers speak its labels
  // (the frame's caption among them): each list of the date gets a label of its own, unseen.
  const std::pair<QComboBox*, QString> dateLists[] = {{m_cboMonth, tr("Month of birth")},
                                                      {m_cboDate, tr("Day of birth")},
                                                      {m_cboYear, tr("Year of birth")}};
  for (const auto& [list, spoken] : dateLists) {
    list->setAccessibleName(spoken);
    auto* label = new QLabel(spoken, frame1);
    label->setObjectName(QStringLiteral("lblSpoken"));
    label->setBuddy(list);
    label->hide();
  }

  QGroupBox* frame2 = MakeFrame(client, "Frame2", tr("Spread Selection"),
                                look::TwipsRect(4400, 1917, 4950, 1250 + kModeRowTwips));
  QLabel* spreadCaption = MakeCaption(frame2, 2, tr("Select Spread"), 120, 360);
  m_cboSpread = MakeList(frame2, "cboSpread", look::TwipsRect(1395, 300, 3450, 315));
  spreadCaption->setBuddy(m_cboSpread);
  m_cboSpread->setAccessibleName(tr("Select Spread"));
  MakeCaption(frame2, 3, tr("Analyze Mode"), 120, 900);
  m_optAuto = new QRadioButton(tr("Automatic"), frame2);
  m_optAuto->setObjectName(QStringLiteral("optAuto"));
  m_optAuto->setGeometry(look::TwipsRect(1395, 840, 1335, 315));
  m_optManual = new QRadioButton(tr("Manual"), frame2);
  m_optManual->setObjectName(QStringLiteral("optManual"));
  m_optManual->setGeometry(look::TwipsRect(2985, 840, 1335, 315));
  for (QRadioButton* option : {m_optAuto, m_optManual}) {
    option->setFont(look::Font());
    look::SetTextColor(option, kCyan);
    // White circles with a black dot, as on a light desktop: a dark theme's circles would
    // vanish into the purple.
    QPalette palette = option->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    option->setPalette(palette);
  }
  m_optAuto->setChecked(true);
  m_optOwnCards = AddOwnCardsOption(frame2, m_optAuto, m_optManual,
                                    look::TwipsRect(1395, 840 + kModeRowTwips, 3000, 315));

  m_cmdCalculate = new FaceButton(tr("Deal The Spanish &Cards"), QColor(0xC0, 0xFF, 0xFF), client);
  m_cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
  m_cmdCalculate->setGeometry(look::TwipsRect(4400, 3315 + kModeRowTwips, 4950, 330));
  m_cmdCalculate->setFont(look::Font(8.25, true));
  connect(m_cmdCalculate, &QPushButton::clicked, this, [this] { cmdCalculate_Click(); });

  QGroupBox* fraFullBrand = MakeFrame(client, "fraFullBrand", QString(),
                                      look::TwipsRect(23, 3720 + kModeRowTwips, 9345, 855));
  fraFullBrand->setAccessibleName(tr("Advertisement"));
  m_lblCobrand =
      MakeLink(fraFullBrand, "lblCobrand", CoBrandText(), look::TwipsRect(120, 165, 9105, 615));
  m_lblFullBrand =
      MakeLink(fraFullBrand, "lblFullBrand", FullBrandText(), look::TwipsRect(120, 165, 9105, 615));
  // Created last, the full-brand label lies above the co-brand one.
  connect(m_lblCobrand, &ClickableLabel::clicked, this, &OpenCoBrandPage);
  connect(m_lblFullBrand, &ClickableLabel::clicked, this, &OpenFullBrandPage);

  connect(m_cboSpread, &QComboBox::currentIndexChanged, this, [this] { cboSpread_Click(); });
}

void frmMain::SetTabOrder() {
  QWidget::setTabOrder(m_txtName, m_cboMonth);
  QWidget::setTabOrder(m_cboMonth, m_cboDate);
  QWidget::setTabOrder(m_cboDate, m_cboYear);
  QWidget::setTabOrder(m_cboYear, m_cboSpread);
  QWidget::setTabOrder(m_cboSpread, m_optAuto);
  QWidget::setTabOrder(m_optAuto, m_optManual);
  QWidget::setTabOrder(m_optManual, m_optOwnCards);
  QWidget::setTabOrder(m_optOwnCards, m_cmdCalculate);
  m_txtName->setFocus();
}

void frmMain::Form_Load() {
  const QSignalBlocker block(m_cboSpread);
  for (int month = 1; month <= 12; ++month) m_cboMonth->addItem(MonthListName(month));
  for (int day = 1; day <= 31; ++day) m_cboDate->addItem(QString::number(day));
  for (int year = 1900; year <= 2050; ++year) m_cboYear->addItem(QString::number(year));
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    m_cboSpread->addItem(FromView(SpreadListText(spread, ReadingLanguage())));
  }
  // The reader's own spreads follow the four.
  for (const auto& own : OwnSpreads::All()) m_cboSpread->addItem(QString::fromStdString(own->name));
  m_cboMonth->setCurrentIndex(0);
  m_cboDate->setCurrentIndex(0);
  m_cboYear->setCurrentIndex(0);
  m_cboSpread->setCurrentIndex(-1);
  m_lblSpreadDesc->setText(WelcomeText());
}

void frmMain::cboSpread_Click() {
  const int index = m_cboSpread->currentIndex();
  if (index >= 0 && index < kSpreadCount) {
    m_lblSpreadDesc->setText(
        QString::fromStdString(CatalogueIn(ReadingLanguage()).spreadDescription[index]));
  } else if (const auto own = OwnSpreadAt(index)) {
    QStringList paragraphs;
    for (const std::string& paragraph : own->description) {
      paragraphs << QString::fromStdString(paragraph);
    }
    m_lblSpreadDesc->setText(paragraphs.join(QLatin1Char('\n')));
  }
}

bool frmMain::ValidateEntries() {
  if (m_txtName->text().trimmed().isEmpty()) {
    ShowMessage(this, tr("Please Enter Your Name"), QMessageBox::Critical);
    m_txtName->setFocus();
    return false;
  }
  if (m_cboSpread->currentText().trimmed().isEmpty()) {
    ShowMessage(this, tr("Please Select Spread"), QMessageBox::Critical);
    m_cboSpread->setFocus();
    return false;
  }
  if (!m_optAuto->isChecked() && !m_optManual->isChecked() && !m_optOwnCards->isChecked()) {
    ShowMessage(this, tr("Please Select Analyze Mode"), QMessageBox::Critical);
    return false;
  }
  return true;
}

void frmMain::cmdCalculate_Click() {
  if (!ValidateEntries()) return;
  ReadingDetails details = EnteredDetails();
  CurrentSpreadIndex = details.spread;
  CurrentOwnSpread = details.own;
  try {
    if (m_optAuto->isChecked()) {
      MDI* report = LoadedReportWindow();
      report->SetReadingDetails(details);
      RunSpreadReading(CurrentSpreadIndex, CurrentOwnSpread, report->ReadingTarget(),
                       DrawFromSharedRandom, ReadingLanguage());
      report->ShowReport();
    } else if (m_optOwnCards->isChecked()) {
      ShowOwnCardsWindow(details);
    } else {
      ShowManualWindow();
      // The report window waits, hidden, for the reading that follows the last pick.
      MDI* report = LoadedReportWindow();
      details.mode = ReadingDetails::Mode::Manual;
      report->SetReadingDetails(details);
      report->hide();
    }
  } catch (const std::exception& failure) {
    // The main window stays as it is, for another try.
    ReportFailedStep(readingNotDealtText(), failure);
    return;
  }
  closeForFlow();
}

std::shared_ptr<const SpreadDefinition> frmMain::OwnSpreadAt(int index) {
  const auto& own = OwnSpreads::All();
  const int at = index - kSpreadCount;
  return at >= 0 && at < static_cast<int>(own.size()) ? own[static_cast<std::size_t>(at)] : nullptr;
}

ReadingDetails frmMain::EnteredDetails() const {
  ReadingDetails details;
  details.name = m_txtName->text();
  // The lists hold the months in order, the days 1..31 and the years from 1900.
  details.birthDate = QStringLiteral("%1-%2-%3")
                          .arg(m_cboYear->currentText())
                          .arg(m_cboMonth->currentIndex() + 1, 2, 10, QLatin1Char('0'))
                          .arg(m_cboDate->currentText().toInt(), 2, 10, QLatin1Char('0'));
  details.spread = static_cast<SpreadIndex>(m_cboSpread->currentIndex());
  details.own = OwnSpreadAt(m_cboSpread->currentIndex());
  if (details.own) details.spread = kOwnSpread;
  details.mode = ReadingDetails::Mode::Automatic;
  return details;
}

void frmMain::RestoreEntries(const ReadingDetails& details) {
  m_txtName->setText(details.name);
  const QStringList date = details.birthDate.split(QLatin1Char('-'));
  if (date.size() == 3) {
    m_cboYear->setCurrentIndex(m_cboYear->findText(date[0]));
    m_cboMonth->setCurrentIndex(date[1].toInt() - 1);
    m_cboDate->setCurrentIndex(m_cboDate->findText(QString::number(date[2].toInt())));
  }
  if (details.spread >= 0 && details.spread < kSpreadCount) {
    m_cboSpread->setCurrentIndex(details.spread);
  } else if (details.own) {
    m_cboSpread->setCurrentIndex(
        m_cboSpread->findText(QString::fromStdString(details.own->name), Qt::MatchExactly));
  }
  switch (details.mode) {
    case ReadingDetails::Mode::Automatic:
      m_optAuto->setChecked(true);
      break;
    case ReadingDetails::Mode::Manual:
      m_optManual->setChecked(true);
      break;
    case ReadingDetails::Mode::OwnCards:
      m_optOwnCards->setChecked(true);
      break;
  }
}

QLabel* frmMain::lblCobrand() const {
  return m_lblCobrand;
}
QLabel* frmMain::lblFullBrand() const {
  return m_lblFullBrand;
}

}  // namespace baralune
