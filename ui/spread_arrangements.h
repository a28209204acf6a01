#pragma once
#include <vector>

#include "spreads.h"

namespace baralune {

// The ready arrangements the spread editor starts a layout from.
enum class Arrangement { Row, Rows, Cross, Circle, Horseshoe };
inline constexpr Arrangement kArrangements[] = {Arrangement::Row, Arrangement::Rows,
                                                Arrangement::Cross, Arrangement::Circle,
                                                Arrangement::Horseshoe};

// Where `count` cards lie in `arrangement`, centred in the display's room for cards. An
// arrangement with no room for so many cards gives places that overlap or lie outside: the
// caller checks them as it checks any spread.
std::vector<Place> Arrange(Arrangement arrangement, int count);

}  // namespace baralune
