#pragma once
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace baralune {

// A fixed table of texts addressed by slot. Reading outside 0..Slots-1 is refused, so a bad
// index shows up as an error instead of a stray read.
template <std::size_t Slots>
class TextTable {
 public:
  const std::string& operator[](int index) const { return slots_.at(Checked(index)); }
  void Set(int index, std::string_view text) { slots_.at(Checked(index)) = text; }
  static constexpr int size() { return static_cast<int>(Slots); }

 private:
  static std::size_t Checked(int index) {
    if (index < 0 || index >= static_cast<int>(Slots)) {
      throw std::out_of_range("table index " + std::to_string(index) + " outside 0.." +
                              std::to_string(Slots - 1));
    }
    return static_cast<std::size_t>(index);
  }
  std::array<std::string, Slots> slots_{};
};

}  // namespace baralune
