#pragma once
#include <string>
#include <string_view>

#include "language.h"

namespace baralune {

// The dealer's own words in the language it speaks to its user.
inline std::string_view Say(Language language, std::string_view english, std::string_view spanish) {
  return language == Language::Spanish ? spanish : english;
}

// The help text.
std::string_view DealUsage(Language language);

}  // namespace baralune
