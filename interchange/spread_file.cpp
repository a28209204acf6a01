#include "spread_file.h"

#include <climits>

#include "spread_json.h"

namespace baralune::interchange {

namespace {

using Json = nlohmann::ordered_json;

// An int from a JSON integer within an int's range.
std::optional<int> IntOf(const Json& object, const char* key) {
  const auto found = object.find(key);
  if (found == object.end()) return std::nullopt;
  if (found->is_number_unsigned()) {
    const auto value = found->get<std::uint64_t>();
    if (value <= static_cast<std::uint64_t>(INT_MAX)) return static_cast<int>(value);
  } else if (found->is_number_integer()) {
    const auto value = found->get<std::int64_t>();
    if (value >= INT_MIN && value <= INT_MAX) return static_cast<int>(value);
  }
  return std::nullopt;
}

const std::string* StringOf(const Json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? found->get_ptr<const std::string*>()
                                                     : nullptr;
}

// A list member; a missing one is an empty list when `optional`.
const Json* ListOf(const Json& object, const char* key, bool optional, bool& damaged) {
  static const Json kEmpty = Json::array();
  const auto found = object.find(key);
  if (found == object.end()) {
    damaged = damaged || !optional;
    return &kEmpty;
  }
  if (!found->is_array()) {
    damaged = true;
    return &kEmpty;
  }
  return &*found;
}

SpreadFileResult Refused(SpreadRefusal why) {
  SpreadFileResult result;
  result.refusal = why;
  return result;
}

}  // namespace

Json SpreadJson(const SpreadDefinition& spread) {
  Json positions = Json::array();
  for (const auto& position : spread.positions) {
    positions.push_back(
        {{"text", position.text}, {"left", position.place.left}, {"top", position.place.top}});
  }
  Json object = {{"format", kSpreadFormatName},
                 {"version", kSpreadFormatVersion},
                 {"name", spread.name},
                 {"description", spread.description},
                 {"positions", std::move(positions)}};
  if (!spread.rowCaptions.empty()) {
    Json captions = Json::array();
    for (const auto& caption : spread.rowCaptions) {
      captions.push_back({{"text", caption.text},
                          {"left", caption.left},
                          {"top", caption.top},
                          {"width", caption.width}});
    }
    object["row_captions"] = std::move(captions);
  }
  return object;
}

SpreadFileResult SpreadFromJson(const Json& object) {
  if (!object.is_object()) return Refused(SpreadRefusal::NotThisFormat);
  const std::string* format = StringOf(object, "format");
  const auto version = IntOf(object, "version");
  if (format == nullptr || *format != kSpreadFormatName || !version || *version < 1) {
    return Refused(SpreadRefusal::NotThisFormat);
  }
  if (*version > kSpreadFormatVersion) return Refused(SpreadRefusal::NewerVersion);

  bool damaged = false;
  SpreadDefinition spread;
  const std::string* name = StringOf(object, "name");
  damaged = name == nullptr;
  if (name) spread.name = *name;
  for (const Json& paragraph : *ListOf(object, "description", true, damaged)) {
    if (!paragraph.is_string()) return Refused(SpreadRefusal::Damaged);
    spread.description.push_back(paragraph.get<std::string>());
  }
  for (const Json& item : *ListOf(object, "positions", false, damaged)) {
    if (!item.is_object()) return Refused(SpreadRefusal::Damaged);
    const std::string* text = StringOf(item, "text");
    const auto left = IntOf(item, "left");
    const auto top = IntOf(item, "top");
    if (text == nullptr || !left || !top) return Refused(SpreadRefusal::Damaged);
    spread.positions.push_back({*text, {*left, *top}});
    // Enough to say there are too many: the rest need not be read.
    if (spread.positions.size() > kMaxSpreadPositions) break;
  }
  for (const Json& item : *ListOf(object, "row_captions", true, damaged)) {
    if (!item.is_object()) return Refused(SpreadRefusal::Damaged);
    const std::string* text = StringOf(item, "text");
    const auto left = IntOf(item, "left");
    const auto top = IntOf(item, "top");
    const auto width = IntOf(item, "width");
    if (text == nullptr || !left || !top || !width) return Refused(SpreadRefusal::Damaged);
    spread.rowCaptions.push_back({*text, *left, *top, *width});
    if (spread.rowCaptions.size() > kMaxRowCaptions) break;
  }
  if (damaged) return Refused(SpreadRefusal::Damaged);
  SpreadFileResult result;
  if (auto problem = CheckSpread(spread)) {
    result.refusal = SpreadRefusal::Unsound;
    result.problem = problem;
    return result;
  }
  result.spread = std::move(spread);
  return result;
}

std::string WriteSpreadFile(const SpreadDefinition& spread) {
  // A spread from the editor is checked UTF-8; anything else would be replaced, not thrown.
  return SpreadJson(spread).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

SpreadFileResult ReadSpreadFile(std::string_view text) {
  if (text.size() > kMaxSpreadFileBytes) return Refused(SpreadRefusal::TooLarge);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
  bool tooDeep = false;
  // Values nested deeper than a spread's are dropped as they are read: a file of brackets
  // costs neither memory nor stack.
  const Json::parser_callback_t keepShallow = [&tooDeep](int depth, Json::parse_event_t, Json&) {
    if (depth <= kSpreadDepth) return true;
    tooDeep = true;
    return false;
  };
  const Json object = Json::parse(text.begin(), text.end(), keepShallow, false);
  if (object.is_discarded() || !object.is_object()) return Refused(SpreadRefusal::NotThisFormat);
  if (tooDeep) return Refused(SpreadRefusal::Damaged);
  return SpreadFromJson(object);
}

std::string DescribeRefusal(const SpreadFileResult& result, Language language) {
  const bool es = language == Language::Spanish;
  switch (result.refusal) {
    case SpreadRefusal::None:
      return {};
    case SpreadRefusal::TooLarge:
      return es ? "el archivo es demasiado grande para ser una tirada"
                : "the file is too large to be a spread";
    case SpreadRefusal::NotThisFormat:
      return es ? "el archivo no es una tirada de Baralune" : "the file is not a Baralune spread";
    case SpreadRefusal::NewerVersion:
      return es ? "la tirada es de una versión más reciente de Baralune"
                : "the spread is from a newer version of Baralune";
    case SpreadRefusal::Damaged:
      return es ? "el archivo de la tirada está dañado" : "the spread file is damaged";
    case SpreadRefusal::Unsound:
      return result.problem ? DescribeSpreadProblem(*result.problem, language) : std::string();
  }
  return {};
}

}  // namespace baralune::interchange
