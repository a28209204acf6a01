#pragma once
#include <string>
#include <vector>

#include "language.h"
#include "types.h"

namespace baralune {

// A hand given as card indices 0..39 in position order, separated by commas ("3,17,25").
struct CardList {
  std::vector<CardIndex> cards;
  std::string error;  // why the list is refused, in a few words; empty when it is good
};
CardList ParseCardList(const std::string& text, Language messages = Language::English);

}  // namespace baralune
