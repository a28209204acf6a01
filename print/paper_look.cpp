#include "paper_look.h"

#include <QStringList>

namespace baralune::print {

QFont PaperFont(double points, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
  // No ligatures: "fi" stays two letters for anyone who searches or copies the text.
  font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QPalette PaperPalette() {
  QPalette paper;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::Dark,
                                     QPalette::Shadow, QPalette::Mid, QPalette::ButtonText}) {
      paper.setColor(group, role, Qt::black);
    }
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Light,
                                     QPalette::Button, QPalette::AlternateBase}) {
      paper.setColor(group, role, Qt::white);
    }
    paper.setColor(group, QPalette::Link, Qt::blue);
    paper.setColor(group, QPalette::Highlight, Qt::white);
    paper.setColor(group, QPalette::HighlightedText, Qt::black);
  }
  return paper;
}

}  // namespace baralune::print
