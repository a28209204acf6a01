#pragma once
// The reader's spreads as the program keeps them in its data folder: one JSON object holding
// each spread as its spread file has it.
#include <string>
#include <string_view>
#include <vector>

#include "spread_file.h"

namespace baralune::interchange {

inline constexpr std::string_view kLibraryFormatName = "baralune-spreads";
inline constexpr int kLibraryFormatVersion = 1;

struct SpreadLibrary {
  SpreadRefusal refusal = SpreadRefusal::None;  // of the whole file
  std::vector<SpreadDefinition> spreads;
  int skipped = 0;  // spreads in it that could not be read
};

std::string WriteSpreadLibrary(const std::vector<SpreadDefinition>& spreads);
// The spreads the text holds; an empty text holds none.
SpreadLibrary ReadSpreadLibrary(std::string_view text);

}  // namespace baralune::interchange
