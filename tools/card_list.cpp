#include "card_list.h"

#include <algorithm>

#include "deal_messages.h"

namespace baralune {

CardList ParseCardList(const std::string& text, Language messages) {
  CardList list;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    // Digits only: no sign and no spaces.
    if (item.empty() || item.size() > 2 ||
        !std::all_of(item.begin(), item.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      list.error = Say(messages, "card indices are numbers 0..39 separated by commas",
                       "los números de carta van de 0 a 39, separados por comas");
      return list;
    }
    const int card = std::stoi(item);
    if (card >= kDeckSize) {
      list.error = std::string(Say(messages, "card ", "la carta ")) + item +
                   std::string(Say(messages, " is not in 0..39", " no está entre 0 y 39"));
      return list;
    }
    if (std::find(list.cards.begin(), list.cards.end(), card) != list.cards.end()) {
      list.error = std::string(Say(messages, "card ", "la carta ")) + std::to_string(card) +
                   std::string(Say(messages, " is given twice", " aparece dos veces"));
      return list;
    }
    list.cards.push_back(static_cast<CardIndex>(card));
    if (comma == text.size()) return list;
    start = comma + 1;
  }
}

}  // namespace baralune
