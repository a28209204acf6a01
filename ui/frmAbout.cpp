#include "frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "artwork.h"
#include "clickable_label.h"
#include "help_links.h"
#include "look.h"
#include "program.h"

namespace baralune {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  const QFont& font, const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  look::SetTextColor(label, color);
  return label;  // transparent: the window's colour shows through
}

ClickableLabel* MakeLink(QWidget* parent, const char* name, const QString& text, QRect rect) {
  auto* label = new ClickableLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  label->setFont(look::Font(8.25, false, true));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  look::SetTextColor(label, Qt::white);
  return label;
}

}  // namespace

QString AboutDescription() {
  return frmAbout::tr(
      "La Baraja Española, the Spanish deck, lends itself to a reading much like the tarot: "
      "each of the forty Spanish cards laid in a spread tells of a part of your life. Baralune "
      "can help you find solutions to your problems and predict what the future holds for you.");
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(look::WindowCaption());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowIcon(look::ProgramIcon());
  setModal(true);
  setFont(look::Font());
  look::FillBackground(this, look::Background());
  setFixedSize(look::Px(kClientWidthTwips), look::Px(kClientHeightTwips));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(QPixmap::fromImage(ProgramIconImage(icon->devicePixelRatioF())));
  icon->setAccessibleName(tr("Baralune icon"));
  icon->setGeometry(look::TwipsRect(120, 285, 480, 480));

  MakeLabel(this, "Label2", look::WindowCaption(), look::TwipsRect(840, 75, 4290, 690),
            look::Font(14.25, true), look::Orange());
  MakeLabel(this, "Label1", AboutDescription(), look::TwipsRect(120, 870, 6885, 975), look::Font(),
            Qt::white);
  auto* home = MakeLink(this, "lblHomePage", tr("Click here to visit %1").arg(SiteHostForDisplay()),
                        look::TwipsRect(2955, 1845, 4050, 195));
  MakeLabel(this, "Label3",
            tr("Home Business Opportunity. Start your own Internet business and make money "
               "online. Get this software fully branded for your website."),
            look::TwipsRect(120, 2160, 6885, 435), look::Font(8.25, true), look::Orange());
  auto* details = MakeLink(this, "lblCoBrand", tr("Click here for more details."),
                           look::TwipsRect(4650, 2595, 2355, 195));
  // The advertisement is for the fully branded program, whatever the label's name says.
  connect(home, &ClickableLabel::clicked, this, &OpenHomePage);
  connect(details, &ClickableLabel::clicked, this, &OpenFullBrandPage);

  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("Line1"));
  line->setGeometry(0, look::Px(3000) - 1, look::Px(7080), 2);
  look::FillBackground(line, look::Orange());

  m_cmdOK = new QPushButton(tr("OK"), this);
  m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
  m_cmdOK->setGeometry(look::TwipsRect(5745, 3120, 1260, 345));
  // The default button takes Enter; QDialog's own Esc handling stands for the cancel button.
  m_cmdOK->setDefault(true);
  m_cmdOK->setAutoDefault(true);
  m_cmdOK->setFocus();
  connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmAbout::cmdOK_Click() {
  accept();
}

void frmAbout::done(int result) {
  MarkUnloaded(this);
  QDialog::done(result);
}

}  // namespace baralune
