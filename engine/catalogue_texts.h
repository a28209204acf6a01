#pragma once
#include <array>
#include <string_view>
namespace baralune::texts {
// Prose of the card and spread descriptions, UTF-8.
extern const std::array<std::string_view, 40> kCardDescriptions;
extern const std::array<std::string_view, 4> kSpreadDescriptions;
}  // namespace baralune::texts
