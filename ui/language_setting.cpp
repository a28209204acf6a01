#include "language_setting.h"

#include "language_choice.h"
#include "seams.h"

namespace baralune {

Language StartingLanguage() {
  const std::unique_ptr<QSettings> settings = AppSeams().settings();
  const QString stored = settings ? settings->value(kLanguageKey).toString() : QString();
  return ChooseLanguage(stored, QLocale::system());
}

void StoreLanguage(Language language) {
  const std::unique_ptr<QSettings> settings = AppSeams().settings();
  if (settings == nullptr) return;
  const std::string_view code = LanguageCode(language);
  settings->setValue(kLanguageKey, QString::fromLatin1(code.data(), qsizetype(code.size())));
}

}  // namespace baralune
