#include "spread_definition.h"

#include <cstdint>

#include "catalogue.h"

namespace baralune {

namespace {

// The next code point of UTF-8 `text` from `at`, moving `at` past it; none for a malformed,
// overlong or surrogate sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  int extra = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (text.size() - at <= static_cast<std::size_t>(extra)) return std::nullopt;  // cut short
  for (int i = 1; i <= extra; ++i) {
    const std::uint8_t next = byte(at + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  at += static_cast<std::size_t>(extra) + 1;
  return c;
}

// Characters that would break a line, steer the text's direction unseen or mean nothing.
bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200E && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

bool Inside(int left, int top, int width, int height) {
  // Wide enough integers: a hostile file may give any int.
  const auto l = static_cast<std::int64_t>(left);
  const auto t = static_cast<std::int64_t>(top);
  return l >= kSpreadAreaLeft && t >= kSpreadAreaTop && l + width <= kSpreadAreaRight &&
         t + height <= kSpreadAreaBottom;
}

std::optional<SpreadProblem> CheckText(std::string_view text, std::size_t limit) {
  const auto length = PlainTextLength(text);
  if (!length) return SpreadProblem{SpreadProblem::Kind::BadText};
  if (*length > limit) return SpreadProblem{SpreadProblem::Kind::TextTooLong};
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> PlainTextLength(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) {
    const auto c = NextCodePoint(text, at);
    if (!c || IsControl(*c)) return std::nullopt;
  }
  return count;
}

bool CardInside(Place place) {
  return Inside(place.left, place.top, kCardWidth, kCardHeight);
}

bool CardsOverlap(Place a, Place b) {
  return a.left < b.left + kCardWidth && b.left < a.left + kCardWidth &&
         a.top < b.top + kCardHeight && b.top < a.top + kCardHeight;
}

std::optional<SpreadProblem> CheckSpread(const SpreadDefinition& spread) {
  using Kind = SpreadProblem::Kind;
  const auto name = PlainTextLength(spread.name);
  if (!name) return SpreadProblem{Kind::BadText};
  if (spread.name.find_first_not_of(' ') == std::string::npos) return SpreadProblem{Kind::NoName};
  if (*name > kMaxSpreadNameLength) return SpreadProblem{Kind::NameTooLong};
  if (spread.description.size() > kMaxSpreadParagraphs)
    return SpreadProblem{Kind::TooManyParagraphs};
  for (const std::string& paragraph : spread.description) {
    if (auto problem = CheckText(paragraph, kMaxSpreadTextLength)) return problem;
  }
  if (spread.positions.empty()) return SpreadProblem{Kind::NoPositions};
  if (spread.positions.size() > kMaxSpreadPositions) return SpreadProblem{Kind::TooManyPositions};
  const int count = static_cast<int>(spread.positions.size());
  for (int i = 0; i < count; ++i) {
    const auto& position = spread.positions[static_cast<std::size_t>(i)];
    if (auto problem = CheckText(position.text, kMaxSpreadTextLength)) {
      problem->first = i + 1;
      return problem;
    }
    if (position.text.find_first_not_of(' ') == std::string::npos) {
      return SpreadProblem{Kind::EmptyPosition, i + 1};
    }
    if (!CardInside(position.place)) {
      return SpreadProblem{Kind::Outside, i + 1};
    }
    for (int j = 0; j < i; ++j) {
      if (CardsOverlap(spread.positions[static_cast<std::size_t>(j)].place, position.place)) {
        return SpreadProblem{Kind::Overlap, j + 1, i + 1};
      }
    }
  }
  if (spread.rowCaptions.size() > kMaxRowCaptions) return SpreadProblem{Kind::TooManyCaptions};
  for (std::size_t i = 0; i < spread.rowCaptions.size(); ++i) {
    const auto& caption = spread.rowCaptions[i];
    if (auto problem = CheckText(caption.text, kMaxCaptionLength)) return problem;
    if (caption.width <= 0 ||
        !Inside(caption.left, caption.top, caption.width, kRowCaptionHeight)) {
      return SpreadProblem{Kind::CaptionOutside, static_cast<int>(i) + 1};
    }
  }
  return std::nullopt;
}

std::string DescribeSpreadProblem(const SpreadProblem& problem, Language language) {
  const bool es = language == Language::Spanish;
  const std::string first = std::to_string(problem.first);
  const std::string second = std::to_string(problem.second);
  using Kind = SpreadProblem::Kind;
  switch (problem.kind) {
    case Kind::NoName:
      return es ? "la tirada no tiene nombre" : "the spread has no name";
    case Kind::NameTooLong:
      return es ? "el nombre de la tirada es demasiado largo" : "the spread's name is too long";
    case Kind::BadText:
      return es ? "un texto de la tirada tiene caracteres de control o no es UTF-8"
                : "a text of the spread has control characters or is not UTF-8";
    case Kind::TextTooLong:
      return es ? "un texto de la tirada es demasiado largo" : "a text of the spread is too long";
    case Kind::TooManyParagraphs:
      return es ? "la descripción tiene demasiados párrafos"
                : "the description has too many paragraphs";
    case Kind::NoPositions:
      return es ? "la tirada no tiene posiciones" : "the spread has no positions";
    case Kind::TooManyPositions:
      return es ? "la tirada tiene más de 21 posiciones" : "the spread has more than 21 positions";
    case Kind::EmptyPosition:
      return es ? "la posición " + first + " no tiene texto" : "position " + first + " has no text";
    case Kind::Outside:
      return es ? "la carta " + first + " queda fuera de la tirada"
                : "card " + first + " lies outside the display";
    case Kind::Overlap:
      return es ? "las cartas " + first + " y " + second + " se superponen"
                : "cards " + first + " and " + second + " overlap";
    case Kind::TooManyCaptions:
      return es ? "la tirada tiene demasiados rótulos de fila"
                : "the spread has too many row captions";
    case Kind::CaptionOutside:
      return es ? "el rótulo de fila " + first + " queda fuera de la tirada"
                : "row caption " + first + " lies outside the display";
  }
  return {};
}

SpreadDefinition DefinitionOf(SpreadIndex spread, Language language) {
  const Catalogue& catalogue = CatalogueIn(language);
  SpreadDefinition defined;
  defined.name = std::string(SpreadReportName(spread, language));
  // The Gypsy spread's description runs to two paragraphs.
  const std::string& description = catalogue.spreadDescription[spread];
  for (std::size_t from = 0, end = 0; end != std::string::npos; from = end + 2) {
    end = description.find("\r\n", from);
    defined.description.push_back(description.substr(from, end - from));
  }
  const auto places = SpreadOf(spread).places;
  for (int p = 1; p <= SpreadOf(spread).cards; ++p) {
    defined.positions.push_back(
        {catalogue.PositionMeaning(spread, p), places[static_cast<std::size_t>(p - 1)]});
  }
  if (SpreadOf(spread).rowCaptions) {
    for (const RowCaption& row : spread_layout::kRomanyRows) {
      defined.rowCaptions.push_back({row.text, row.left, row.top, row.width});
    }
  }
  return defined;
}

}  // namespace baralune
