#pragma once
#include <string>
#include <vector>

#include "entry.h"

namespace baralune::journal {

// The readings as CSV (RFC 4180, UTF-8, CRLF line ends): a header row
// date,name,birth_date,spread,mode,cards, dates in ISO 8601, the cards' names joined by " | ".
// The mode is a key in any language: automatic, manual or own_cards.
std::string ToCsv(const std::vector<Entry>& entries);

}  // namespace baralune::journal
