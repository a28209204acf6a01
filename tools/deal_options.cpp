#include "deal_options.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "card_list.h"
#include "catalogue.h"
#include "catalogue_texts.h"
#include "deal_messages.h"

namespace baralune {

namespace {

// ASCII and the accented capitals of Latin-1 (as UTF-8) in lower case: enough for the
// spreads' English and Spanish names.
std::string Lower(std::string s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      s[i] = static_cast<char>(std::tolower(c));
    } else if (c == 0xC3 && i + 1 < s.size()) {
      const auto next = static_cast<unsigned char>(s[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) s[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
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
  const std::string wanted = Lower(text);
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    const texts::SpreadNamesText& spanish = texts::kSpreadNamesEs[static_cast<std::size_t>(s)];
    for (std::string_view name : {kSpreads[s].listText, spanish.listText, spanish.reportName}) {
      if (wanted == Lower(std::string(name))) return s;
    }
  }
  return std::nullopt;
}

DealOptionsResult ParseDealOptions(const std::vector<std::string>& args, Language messages) {
  DealOptions options;
  bool haveSpread = false;
  auto fail = [](std::string message) {
    return DealOptionsResult{std::nullopt, std::move(message)};
  };
  auto say = [messages](std::string_view english, std::string_view spanish) {
    return std::string(Say(messages, english, spanish));
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
      if (!v) return fail(say("--spread needs a value", "--spread necesita un valor"));
      const auto spread = ParseSpread(*v);
      if (!spread) return fail(say("unknown spread ", "tirada desconocida ") + QuoteArgument(*v));
      options.spread = *spread;
      haveSpread = true;
    } else if (arg == "--spread-file") {
      const std::string* v = value();
      if (!v || v->empty())
        return fail(
            say("--spread-file needs a file name", "--spread-file necesita un nombre de archivo"));
      options.spreadFile = *v;
    } else if (arg == "--pdf") {
      const std::string* v = value();
      if (!v || v->empty())
        return fail(say("--pdf needs a file name", "--pdf necesita un nombre de archivo"));
      options.pdfPath = *v;
    } else if (arg == "--cards") {
      const std::string* v = value();
      if (!v) return fail(say("--cards needs a list", "--cards necesita una lista"));
      CardList list = ParseCardList(*v, messages);
      if (!list.error.empty()) {
        return fail(say("bad card list ", "lista de cartas no válida ") + QuoteArgument(*v) + ": " +
                    list.error);
      }
      options.cards = std::move(list.cards);
    } else if (arg == "--language") {
      const std::string* v = value();
      if (!v) return fail(say("--language needs en or es", "--language necesita en o es"));
      options.language = LanguageFromCode(*v);
      if (!options.language)
        return fail(say("unknown language ", "idioma desconocido ") + QuoteArgument(*v));
    } else if (arg == "--out") {
      const std::string* v = value();
      if (!v || v->empty())
        return fail(say("--out needs a file name", "--out necesita un nombre de archivo"));
      options.outPath = *v;
    } else {
      return fail(say("unknown argument ", "argumento desconocido ") + QuoteArgument(arg));
    }
  }
  if (haveSpread && !options.spreadFile.empty()) {
    return fail(say("--spread and --spread-file cannot go together",
                    "--spread y --spread-file no pueden ir juntos"));
  }
  if (!haveSpread && options.spreadFile.empty()) {
    return fail(say("no spread given", "falta la tirada (--spread)"));
  }
  // The cards of a spread file are counted once it is read.
  const int positions = SpreadOf(options.spread).cards;
  if (options.spreadFile.empty() && !options.cards.empty() &&
      static_cast<int>(options.cards.size()) != positions) {
    return fail(say("--cards needs ", "--cards necesita ") + std::to_string(positions) +
                say(" cards for that spread", " cartas para esa tirada"));
  }
  if (!options.pdfPath.empty() && options.pdfPath == options.outPath) {
    return fail(
        say("--out and --pdf name the same file", "--out y --pdf indican el mismo archivo"));
  }
  return {options, {}};
}

}  // namespace baralune
