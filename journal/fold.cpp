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
  return kept.toCaseFolded();
}

}  // namespace baralune::journal
