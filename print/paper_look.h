#pragma once
#include <QFont>
#include <QPalette>

namespace baralune::print {

// The report's face on paper (Verdana where installed, otherwise DejaVu Sans), its letters
// unjoined.
QFont PaperFont(double points, bool bold = false);
// Black ink on white paper, for text that names no colour of its own and for the rule.
QPalette PaperPalette();

}  // namespace baralune::print
