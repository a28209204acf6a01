#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace richtext {

// Builds a little-endian byte buffer and patches values already written, which a record
// format needs when a size is known only after its contents.
class LittleEndianWriter {
 public:
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
  std::size_t size() const { return bytes_.size(); }

  void U16(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
  void U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
  }
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }

  // Appends `count` zero bytes and returns where they start, for filling in place.
  std::uint8_t* Grow(std::size_t count) {
    const std::size_t start = bytes_.size();
    bytes_.resize(start + count);
    return bytes_.data() + start;
  }

  void PatchU32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      bytes_.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
  }

  std::vector<std::uint8_t> Take() && { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Loads from a span whose size the caller has checked.
inline std::uint16_t LoadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}
inline std::int16_t LoadI16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int16_t>(LoadU16(bytes, offset));
}
inline std::uint32_t LoadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(LoadU16(bytes, offset)) |
         (static_cast<std::uint32_t>(LoadU16(bytes, offset + 2)) << 16);
}
inline std::int32_t LoadI32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(LoadU32(bytes, offset));
}

}  // namespace richtext
