#pragma once
// The spread file (.baralune-spread): one reader's own spread as a small UTF-8 JSON object that
// names its format and version, for readers to pass to one another. The README describes it.
#include <optional>
#include <string>
#include <string_view>

#include "language.h"
#include "spread_definition.h"

namespace baralune::interchange {

inline constexpr std::string_view kSpreadFormatName = "baralune-spread";
// Raised only for a change an older Baralune could not read; members it does not know are
// passed over.
inline constexpr int kSpreadFormatVersion = 1;
// Far more than the longest spread the limits allow, written with every character escaped.
inline constexpr std::size_t kMaxSpreadFileBytes = 1024 * 1024;

// Why a file gave no spread.
enum class SpreadRefusal {
  None,
  TooLarge,       // more than kMaxSpreadFileBytes
  NotThisFormat,  // not JSON, or not a spread file
  NewerVersion,   // written by a newer Baralune
  Damaged,        // a spread file with a member missing or of the wrong kind
  Unsound,        // a spread that cannot be read: see `problem`
};

struct SpreadFileResult {
  std::optional<SpreadDefinition> spread;
  SpreadRefusal refusal = SpreadRefusal::None;
  std::optional<SpreadProblem> problem;  // when Unsound
};

// The file's text for `spread`, ending in a line end.
std::string WriteSpreadFile(const SpreadDefinition& spread);

// The spread a file holds, checked whole (see CheckSpread), or why it holds none.
SpreadFileResult ReadSpreadFile(std::string_view text);

// Why a file was refused, as one line in `language`.
std::string DescribeRefusal(const SpreadFileResult& result, Language language);

}  // namespace baralune::interchange
