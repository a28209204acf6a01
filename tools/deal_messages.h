#pragma once
#include <string>
#include <string_view>

#include "language.h"
#include "safe_output.h"

namespace baralune {

// The dealer's own words in the language it speaks to its user.
inline std::string_view Say(Language language, std::string_view english, std::string_view spanish) {
  return language == Language::Spanish ? spanish : english;
}

// The help text.
std::string_view DealUsage(Language language);

// Why a file was not written: the refusal in the dealer's words, a system error in the
// system's (in that language where the system has it).
std::string DescribeFailure(const ReplaceResult& result, Language language);

}  // namespace baralune
