#include "card_list.h"

#include <algorithm>

namespace baralune {

CardList ParseCardList(const std::string& text) {
  CardList list;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    // Digits only: no sign and no spaces.
    if (item.empty() || item.size() > 2 ||
        !std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      list.error = "card indices are numbers 0..39 separated by commas";
      return list;
    }
    const int card = std::stoi(item);
    if (card >= kDeckSize) {
      list.error = "card " + item + " is not in 0..39";
      return list;
    }
    if (std::find(list.cards.begin(), list.cards.end(), card) != list.cards.end()) {
      list.error = "card " + std::to_string(card) + " is given twice";
      return list;
    }
    list.cards.push_back(static_cast<CardIndex>(card));
    if (comma == text.size()) return list;
    start = comma + 1;
  }
}

}  // namespace baralune
