#pragma once
// The spread as a JSON value, shared by the spread file and the journal file that carries the
// spread of each reading of a reader's own spread.
#include <nlohmann/json.hpp>

#include "spread_file.h"

namespace baralune::interchange {

// The object of a spread file, header members first.
nlohmann::ordered_json SpreadJson(const SpreadDefinition& spread);

// The spread `object` holds, checked whole, or why it holds none.
SpreadFileResult SpreadFromJson(const nlohmann::ordered_json& object);

// How deep a spread's values lie: its object, its lists and the objects in them.
inline constexpr int kSpreadDepth = 3;

}  // namespace baralune::interchange
