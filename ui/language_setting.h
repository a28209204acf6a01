#pragma once
#include "language.h"

namespace baralune {

// The settings key of the chosen language: "en" or "es"; unset follows the system.
inline constexpr const char* kLanguageKey = "Language";

// The language Baralune starts in: the setting if it names a language, else the system's.
Language StartingLanguage();

// Remembers the user's choice for the next start.
void StoreLanguage(Language language);

}  // namespace baralune
