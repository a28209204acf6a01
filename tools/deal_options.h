#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "language.h"
#include "types.h"

namespace baralune {

// What the headless dealer was asked to do.
struct DealOptions {
  enum class Action { Deal, Help, Version };
  Action action = Action::Deal;
  SpreadIndex spread = 0;
  std::string spreadFile;  // a reader's own spread to deal instead (empty: `spread`)
  std::string outPath;     // empty: standard output
  std::string pdfPath;     // the reading as PDF as well (empty: none)
  bool plainText = false;
  std::vector<CardIndex> cards;      // the hand to read, in position order (empty: drawn)
  std::optional<Language> language;  // of the report and the PDF (empty: the system's)
};

struct DealOptionsResult {
  std::optional<DealOptions> options;
  std::string error;  // one line, set when options is empty
};

// Parses the arguments after the program name; errors are said in `messages`.
DealOptionsResult ParseDealOptions(const std::vector<std::string>& args,
                                   Language messages = Language::English);

// The spread named by an index "0".."3", by its English list text or by one of its Spanish
// names, case-insensitive.
std::optional<SpreadIndex> ParseSpread(const std::string& text);

// `value` in single quotes for a one-line message, with control characters (C0, C1, the
// bidirectional ones such as U+202E, the line separators), bytes that are not UTF-8 and
// backslashes escaped (\n, \x1b, \xe2\x80\xae, \\), cut off after about 200 bytes with "..." to
// show it.
std::string QuoteArgument(std::string_view value);

}  // namespace baralune
