// memchr and memcmp a word at a time. The C library that emscripten links compares byte by
// byte, and a Gypsy reading spends half its time in these two: every picture is spliced into
// the report by searching its whole RTF. Defined here, they take the library's place.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

using Word = std::uint64_t;
constexpr Word kOnes = 0x0101010101010101ULL;
constexpr Word kHighs = 0x8080808080808080ULL;

Word Load(const unsigned char* at) {
  Word word;
  __builtin_memcpy(&word, at, sizeof word);
  return word;
}

// Non-zero when some byte of `word` is zero.
constexpr Word HasZeroByte(Word word) {
  return (word - kOnes) & ~word & kHighs;
}

}  // namespace

extern "C" {

void* memchr(const void* source, int value, std::size_t count) {
  const auto* at = static_cast<const unsigned char*>(source);
  const auto byte = static_cast<unsigned char>(value);
  const Word pattern = kOnes * byte;
  while (count >= sizeof(Word)) {
    if (HasZeroByte(Load(at) ^ pattern)) break;
    at += sizeof(Word);
    count -= sizeof(Word);
  }
  for (; count > 0; --count, ++at) {
    if (*at == byte) return const_cast<unsigned char*>(at);
  }
  return nullptr;
}

int memcmp(const void* left, const void* right, std::size_t count) {
  const auto* a = static_cast<const unsigned char*>(left);
  const auto* b = static_cast<const unsigned char*>(right);
  while (count >= sizeof(Word) && Load(a) == Load(b)) {
    a += sizeof(Word);
    b += sizeof(Word);
    count -= sizeof(Word);
  }
  for (; count > 0; --count, ++a, ++b) {
    if (*a != *b) return *a < *b ? -1 : 1;
  }
  return 0;
}

}  // extern "C"
