#pragma once
#include <cstdint>

namespace baralune {

// Card index 0..39, suit-major: Clubs, Diamonds, Hearts, Spades; within a suit Ace, Two ..
// Seven, Ten (Sota), Queen (Rey), Knight (Caballo).
using CardIndex = std::int16_t;
// Spread index 0..3: the spread's position in the main window's list.
using SpreadIndex = std::int16_t;

inline constexpr int kDeckSize = 40;
inline constexpr int kSpreadCount = 4;

}  // namespace baralune
