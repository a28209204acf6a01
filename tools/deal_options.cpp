#include "deal_options.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "card_list.h"
#include "catalogue.h"

namespace baralune {

const char* const kDealUsage =
    "Usage: baralune-deal --spread N [--cards LIST] [--out FILE] [--text] [--pdf FILE]\n"
    "                     [--language en|es]\n"
    "Deals one reading and writes its report as RTF (or plain text with --text).\n"
    "  --spread N    0 \"Past, Present, Future\", 1 \"9 Card Layout\",\n"
    "                2 \"Horseshoe Spread\", 3 \"Gypsy Spread\" (index or name)\n"
    "  --out FILE    write the report to FILE instead of standard output\n"
    "  --text        write the report's plain text instead of RTF\n"
    "  --pdf FILE    write the reading as PDF to FILE (needs no display); the report\n"
    "                is then written only to the file --out names, from the same reading\n"
    "  --cards LIST  read these cards instead of drawing: the card indices 0..39\n"
    "                in position order, separated by commas (3,17,25)\n"
    "  --language L  write in English (en) or Spanish (es); without it, the language\n"
    "                of the system's locale (LC_ALL, LC_MESSAGES, LANG)\n"
    "  --help        show this help\n"
    "  --version     show the version\n";

namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

namespace {

// The length of the well-formed UTF-8 character at the start of `bytes` and its code point, or
// 0 for a byte that begins none (a stray continuation byte, an overlong form, a surrogate...).
std::size_t Utf8Character(std::string_view bytes, char32_t& code) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  std::size_t length = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, least = 0x80, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, least = 0x800, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, least = 0x10000, code = lead & 0x07u;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(bytes[k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3Fu);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Characters a terminal obeys or that reorder or break the line shown: C0 and C1 controls, the
// bidirectional controls (U+202E turns the rest of the line around) and the line and paragraph
// separators.
bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string QuoteArgument(std::string_view value) {
  constexpr std::size_t kLongest = 200;
  std::string quoted = "'";
  auto hex = [&quoted](unsigned char byte) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
    quoted += escaped;
  };
  std::size_t i = 0;
  // Each step takes a whole character or one byte that is not part of one, so the cut always
  // falls between them, however the bytes run.
  while (i < value.size() && quoted.size() <= kLongest) {
    char32_t code = 0;
    const std::size_t length = Utf8Character(value.substr(i), code);
    if (length == 0) {
      hex(static_cast<unsigned char>(value[i]));  // not UTF-8: shown, never passed on
      ++i;
      continue;
    }
    if (code == '\\') {
      quoted += "\\\\";
    } else if (code == '\n') {
      quoted += "\\n";
    } else if (code == '\t') {
      quoted += "\\t";
    } else if (code == '\r') {
      quoted += "\\r";
    } else if (IsControl(code)) {
      for (std::size_t k = 0; k < length; ++k) hex(static_cast<unsigned char>(value[i + k]));
    } else {
      quoted.append(value.substr(i, length));
    }
    i += length;
  }
  quoted += '\'';
  if (i < value.size()) quoted += "...";
  return quoted;
}

std::optional<SpreadIndex> ParseSpread(const std::string& text) {
  if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kSpreadCount) {
    return static_cast<SpreadIndex>(text[0] - '0');
  }
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    if (Lower(text) == Lower(std::string(kSpreads[s].listText))) return s;
  }
  return std::nullopt;
}

DealOptionsResult ParseDealOptions(const std::vector<std::string>& args) {
  DealOptions options;
  bool haveSpread = false;
  auto fail = [](std::string message) {
    return DealOptionsResult{std::nullopt, std::move(message)};
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string* { return i + 1 < args.size() ? &args[++i] : nullptr; };
    if (arg == "--help" || arg == "-h") {
      options.action = DealOptions::Action::Help;
      return {options, {}};
    }
    if (arg == "--version") {
      options.action = DealOptions::Action::Version;
      return {options, {}};
    }
    if (arg == "--text") {
      options.plainText = true;
    } else if (arg == "--spread") {
      const std::string* v = value();
      if (!v) return fail("--spread needs a value");
      const auto spread = ParseSpread(*v);
      if (!spread) return fail("unknown spread " + QuoteArgument(*v));
      options.spread = *spread;
      haveSpread = true;
    } else if (arg == "--pdf") {
      const std::string* v = value();
      if (!v || v->empty()) return fail("--pdf needs a file name");
      options.pdfPath = *v;
    } else if (arg == "--cards") {
      const std::string* v = value();
      if (!v) return fail("--cards needs a list");
      CardList list = ParseCardList(*v);
      if (!list.error.empty()) {
        return fail("bad card list " + QuoteArgument(*v) + ": " + list.error);
      }
      options.cards = std::move(list.cards);
    } else if (arg == "--language") {
      const std::string* v = value();
      if (!v) return fail("--language needs en or es");
      options.language = LanguageFromCode(*v);
      if (!options.language) return fail("unknown language " + QuoteArgument(*v));
    } else if (arg == "--out") {
      const std::string* v = value();
      if (!v || v->empty()) return fail("--out needs a file name");
      options.outPath = *v;
    } else {
      return fail("unknown argument " + QuoteArgument(arg));
    }
  }
  if (!haveSpread) return fail("no spread given");
  const int positions = CardCount(options.spread);
  if (!options.cards.empty() && static_cast<int>(options.cards.size()) != positions) {
    return fail("--cards needs " + std::to_string(positions) + " cards for that spread");
  }
  if (!options.pdfPath.empty() && options.pdfPath == options.outPath) {
    return fail("--out and --pdf name the same file");
  }
  return {options, {}};
}

}  // namespace baralune
