#include "language.h"

namespace baralune {

std::optional<Language> LanguageFromCode(std::string_view code) {
  if (code == "en") return Language::English;
  if (code == "es") return Language::Spanish;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) {
  return language == Language::Spanish ? "es" : "en";
}

int WindowsLanguageId(Language language) {
  return language == Language::Spanish ? 3082 : 1033;
}

}  // namespace baralune
