#include "language.h"

#include "catalogue.h"

namespace baralune {

namespace {
Language current = Language::English;
}  // namespace

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

void SetCatalogueLanguage(Language language) {
  current = language;
  LoadCatalogue();
}

Language CatalogueLanguage() {
  return current;
}

}  // namespace baralune
