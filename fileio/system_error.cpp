#include "system_error.h"

#include <locale.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string_view>

namespace baralune {

namespace {

// The locale each language's messages come from, made once and kept for the program's life:
// another thread may be reading through the one in use when the language changes.
std::atomic<locale_t> g_current{static_cast<locale_t>(nullptr)};

// The locale the environment asks for messages, as setlocale would read it.
std::string EnvironmentLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

bool Speaks(std::string_view locale, Language language) {
  if (language == Language::Spanish) return locale.starts_with("es_") || locale == "es";
  return locale.starts_with("en_") || locale == "en" || locale == "C" || locale == "POSIX" ||
         locale.starts_with("C.");
}

locale_t MakeLocale(Language language) {
  std::string candidates[] = {EnvironmentLocale(), "", "", ""};
  if (language == Language::Spanish) {
    candidates[1] = "es_ES.UTF-8";
    candidates[2] = "es_MX.UTF-8";
    candidates[3] = "es_US.UTF-8";
  } else {
    candidates[1] = "C.UTF-8";
    candidates[2] = "en_US.UTF-8";
    candidates[3] = "C";
  }
  if (!Speaks(candidates[0], language)) candidates[0].clear();
  for (const std::string& name : candidates) {
    if (name.empty()) continue;
    // Messages in that language, in the character set of that locale (UTF-8 for all above).
    const locale_t made = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, name.c_str(), nullptr);
    if (made != nullptr) return made;
  }
  return nullptr;
}

}  // namespace

void SetSystemErrorLanguage(Language language) {
  static std::mutex mutex;
  static locale_t made[2] = {nullptr, nullptr};
  static bool tried[2] = {false, false};
  const std::lock_guard lock(mutex);
  const int slot = language == Language::Spanish ? 1 : 0;
  if (!tried[slot]) {
    made[slot] = MakeLocale(language);
    tried[slot] = true;
  }
  g_current.store(made[slot]);
}

std::string SystemErrorText(int error) {
  const locale_t locale = g_current.load();
  return locale != nullptr ? strerror_l(error, locale) : std::strerror(error);
}

}  // namespace baralune
