#include "reading_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "iso_time.h"
#include "spread_json.h"
#include "spreads.h"

namespace baralune::interchange {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kModeKeys[] = {"automatic", "manual", "own_cards"};

// Nothing in a reading lies deeper than the cards' list inside the object, or the reader's
// spread it carries.
constexpr int kMaxDepth = 2 + kSpreadDepth;

// The spread member's value for a reader's own spread; its definition goes with it.
constexpr std::string_view kOwnSpreadKey = "own";

// Whether `text` (valid UTF-8) holds a C0 or C1 control character or DEL.
bool HasControlCharacter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return true;
    // U+0080..U+009F are C2 80..C2 9F.
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      return true;
    }
  }
  return false;
}

// The length of `text` (valid UTF-8) in UTF-16 code units, as the name field counts.
std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;  // a character begins
    if (byte >= 0xF0) ++units;           // beyond the BMP: a surrogate pair
  }
  return units;
}

// A member of `object` as a string, or null if missing or not a string.
const std::string* StringMember(const Json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() ? found->get_ptr<const std::string*>()
                                                     : nullptr;
}

// A card index from a JSON number, or -1 for anything that is not a card of the deck.
int CardOf(const Json& value) {
  if (value.is_number_unsigned()) {
    const auto card = value.get<std::uint64_t>();
    return card < static_cast<std::uint64_t>(kDeckSize) ? static_cast<int>(card) : -1;
  }
  return -1;  // negative, fractional, or not a number
}

}  // namespace

std::string ReadingLine(const Reading& reading) {
  Json cards = Json::array();
  for (const CardIndex card : reading.cards) cards.push_back(static_cast<int>(card));
  Json line = {
      {"dealt", FormatDealt(reading.dealtMsecs, reading.utcOffsetSeconds)},
      {"name", reading.name},
      {"birth_date", reading.birthDate},
      {"spread", reading.ownSpread ? kOwnSpreadKey : SpreadOf(reading.spread).key},
      {"mode", kModeKeys[static_cast<int>(reading.mode) % std::size(kModeKeys)]},
      {"cards", std::move(cards)},
      {"language", LanguageCode(reading.language)},
  };
  if (reading.ownSpread) line["own_spread"] = SpreadJson(*reading.ownSpread);
  if (!reading.notes.empty()) line["notes"] = reading.notes;
  // Text that is not UTF-8 cannot come from the journal; if it ever did, it would be replaced
  // rather than end the export.
  return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::variant<Reading, Skip> ParseReading(std::string_view line) {
  bool tooDeep = false;
  // Values nested deeper than a reading's are dropped as they are read, so a hostile line of
  // brackets costs neither memory nor stack.
  const Json::parser_callback_t keepShallow = [&tooDeep](int depth, Json::parse_event_t, Json&) {
    if (depth <= kMaxDepth) return true;
    tooDeep = true;
    return false;
  };
  const Json object = Json::parse(line.begin(), line.end(), keepShallow, false);
  if (tooDeep || object.is_discarded() || !object.is_object()) return Skip::Damaged;
  // Only the reader's spread lies deeper than a list of plain values.
  for (const auto& [key, value] : object.items()) {
    if (key == "own_spread" || !value.is_structured()) continue;
    for (const Json& item : value) {
      if (item.is_structured() && !item.empty()) return Skip::Damaged;
    }
  }

  const std::string* dealt = StringMember(object, "dealt");
  const std::string* name = StringMember(object, "name");
  const std::string* birthDate = StringMember(object, "birth_date");
  const std::string* spreadKey = StringMember(object, "spread");
  const std::string* modeKey = StringMember(object, "mode");
  const std::string* languageCode = StringMember(object, "language");
  const auto cards = object.find("cards");
  if (dealt == nullptr || name == nullptr || birthDate == nullptr || spreadKey == nullptr ||
      modeKey == nullptr || languageCode == nullptr || cards == object.end() ||
      !cards->is_array()) {
    return Skip::Damaged;
  }

  // Notes came later: a line without them is a reading without notes.
  const auto notes = object.find("notes");
  if (notes != object.end() && !notes->is_string()) return Skip::Damaged;

  Reading reading;
  if (notes != object.end()) reading.notes = notes->get<std::string>();
  if (HasControlCharacter(*name) || HasControlCharacter(*birthDate)) {
    return Skip::ControlCharacter;
  }
  if (Utf16Length(*name) > kMaxNameLength) return Skip::NameTooLong;
  reading.name = *name;

  const auto moment = ParseDealt(*dealt);
  if (!moment || !IsBirthDate(*birthDate)) return Skip::BadDate;
  reading.dealtMsecs = moment->msecsSinceEpoch;
  reading.utcOffsetSeconds = moment->utcOffsetSeconds;
  reading.birthDate = *birthDate;

  reading.spread = -1;
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    if (kSpreads[s].key == *spreadKey) reading.spread = s;
  }
  if (*spreadKey == kOwnSpreadKey) {
    const auto own = object.find("own_spread");
    SpreadFileResult read = own == object.end() ? SpreadFileResult{} : SpreadFromJson(*own);
    if (!read.spread) return Skip::UnknownSpread;
    reading.spread = kOwnSpread;
    reading.ownSpread = std::move(read.spread);
  }
  if (reading.spread < 0) return Skip::UnknownSpread;

  const auto mode = std::find(std::begin(kModeKeys), std::end(kModeKeys), *modeKey);
  if (mode == std::end(kModeKeys)) return Skip::UnknownMode;
  reading.mode = static_cast<Mode>(mode - std::begin(kModeKeys));

  const auto language = LanguageFromCode(*languageCode);
  if (!language) return Skip::UnknownLanguage;
  reading.language = *language;

  bool dealtAlready[kDeckSize] = {};
  bool duplicate = false;
  for (const Json& value : *cards) {
    const int card = CardOf(value);
    if (card < 0) return Skip::BadCard;
    duplicate = duplicate || dealtAlready[card];
    dealtAlready[card] = true;
    reading.cards.push_back(static_cast<CardIndex>(card));
  }
  const std::size_t positions = reading.ownSpread
                                    ? reading.ownSpread->positions.size()
                                    : static_cast<std::size_t>(SpreadOf(reading.spread).cards);
  if (reading.cards.size() != positions) {
    return Skip::WrongCardCount;
  }
  if (duplicate) return Skip::DuplicateCard;
  return reading;
}

}  // namespace baralune::interchange
