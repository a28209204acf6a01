#include "fold.h"

namespace baralune::journal {

QString FoldForSearch(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  QString kept;
  kept.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    const QChar::Category category = c.category();
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
        category == QChar::Mark_SpacingCombining) {
      continue;
    }
    kept.append(c);
  }
  // Full case folding, as Unicode's CaseFolding.txt gives it with its multi-character entries:
  // upper case expands them ("ß" -> "SS", "ﬁ" -> "FI"), after the simple folding has brought
  // "ẞ" down to "ß".
  return kept.toCaseFolded().toUpper().toCaseFolded();
}

}  // namespace baralune::journal
