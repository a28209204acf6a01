#include "spread_library.h"

#include "spread_json.h"

namespace baralune::interchange {

namespace {

using Json = nlohmann::ordered_json;

// A spread library holds at most this many spreads, with room to spare.
constexpr std::size_t kMaxLibraryBytes = 64 * kMaxSpreadFileBytes;

}  // namespace

std::string WriteSpreadLibrary(const std::vector<SpreadDefinition>& spreads) {
  Json list = Json::array();
  for (const SpreadDefinition& spread : spreads) list.push_back(SpreadJson(spread));
  const Json object = {{"format", kLibraryFormatName},
                       {"version", kLibraryFormatVersion},
                       {"spreads", std::move(list)}};
  return object.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

SpreadLibrary ReadSpreadLibrary(std::string_view text) {
  SpreadLibrary library;
  if (text.empty()) return library;
  if (text.size() > kMaxLibraryBytes) {
    library.refusal = SpreadRefusal::TooLarge;
    return library;
  }
  bool tooDeep = false;
  const Json::parser_callback_t keepShallow = [&tooDeep](int depth, Json::parse_event_t, Json&) {
    if (depth <= kSpreadDepth + 2) return true;
    tooDeep = true;
    return false;
  };
  const Json object = Json::parse(text.begin(), text.end(), keepShallow, false);
  const auto format = object.is_object() ? object.find("format") : object.end();
  const auto version = object.is_object() ? object.find("version") : object.end();
  const auto spreads = object.is_object() ? object.find("spreads") : object.end();
  if (object.is_discarded() || !object.is_object() || format == object.end() ||
      *format != kLibraryFormatName || version == object.end() || !version->is_number_integer() ||
      spreads == object.end() || !spreads->is_array()) {
    library.refusal = SpreadRefusal::NotThisFormat;
    return library;
  }
  if (version->get<std::int64_t>() > kLibraryFormatVersion) {
    library.refusal = SpreadRefusal::NewerVersion;
    return library;
  }
  for (const Json& item : *spreads) {
    SpreadFileResult read = SpreadFromJson(item);
    if (read.spread) {
      library.spreads.push_back(std::move(*read.spread));
    } else {
      ++library.skipped;
    }
  }
  if (tooDeep) ++library.skipped;
  return library;
}

}  // namespace baralune::interchange
