#pragma once
#include <optional>
#include <string_view>

namespace baralune {

// The languages a reading can be written in. English is the original edition.
enum class Language { English, Spanish };

// "en" or "es"; anything else has no language.
std::optional<Language> LanguageFromCode(std::string_view code);
std::string_view LanguageCode(Language language);
// The Windows language id word processors know it by: 1033 English (US), 3082 Spanish (Spain,
// modern sort), the id Word gives neutral Spanish.
int WindowsLanguageId(Language language);

}  // namespace baralune
