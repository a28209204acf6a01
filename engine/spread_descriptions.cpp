#include "catalogue_texts.h"

namespace baralune::texts {

// Introduction shown for each spread a reading can be laid out in.
const std::array<std::string_view, 4> kSpreadDescriptions = {
    // 0 Past, Present, Future (3 Card Spread, 3 cards)
    "The 3 cards spread is such a type of spread that offers a quick and clear view of any "
    "question. The first card reveals the past and the influences that shaped the present. "
    "The second one shows the present situation. The third card points to the likely future "
    "if you continue on your current path.",
    // 1 9 Card Layout (9 Card Spread, 9 cards)
    "The 9cards spread is such a type of spread which gives a detailed reading of a "
    "situation. The cards are laid out in three rows of three, showing the past, present "
    "and future, along with the hidden forces and the people who influence the outcome. It "
    "suits hard choices.",
    // 2 Horseshoe Spread (7 cards)
    "This particular spread is one of the best spreads to seek guidance on a problem. Seven "
    "cards form a horseshoe which reveals the past, present, hidden influences, obstacles, "
    "outside forces, advice and the final outcome.",
    // 3 Gypsy Spread (Gypsy / Romany Spread, 21 cards)
    "This spread is being practiced by people for more than a century by the Romany "
    "travelers, who passed it down from one generation to the next. Twenty-one cards are "
    "laid out in three rows of seven. The rows stand for the past, the present and the "
    "future, and each column covers a part of life such as your self, your home, your hopes "
    "and wishes, the unexpected, your near future and your long-term destiny. The gypsy "
    "spread offers a broad and detailed view of your whole situation."
    "\r\n"
    "In order to generate a reading, the cards need to be placed side by side.",
};

}  // namespace baralune::texts
