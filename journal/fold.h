#pragma once
#include <QString>

namespace baralune::journal {

// A name as the search compares it: accents and other combining marks removed, case fully
// folded. "José" and "JOSE" both give "jose"; "Straße" and "STRASSE" both give "strasse".
QString FoldForSearch(const QString& text);

}  // namespace baralune::journal
