#include "rtf_tokenizer.h"

#include <cstring>

namespace richtext {
namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// True when some byte of `word` equals the byte repeated in `pattern`.
constexpr bool HasByte(std::uint64_t word, std::uint64_t pattern) {
  const std::uint64_t x = word ^ pattern;
  return ((x - kOnes) & ~x & kHighBits) != 0;
}

constexpr bool IsSpecial(char c) {
  return c == '\\' || c == '{' || c == '}';
}
constexpr bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::size_t FindRtfSpecial(std::string_view text, std::size_t from) {
  const char* data = text.data();
  const std::size_t size = text.size();
  std::size_t i = from;
  // Eight bytes at a time: picture hex makes up most of a report and holds none of these.
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, data + i, 8);
    if (HasByte(word, kOnes * '\\') || HasByte(word, kOnes * '{') || HasByte(word, kOnes * '}')) {
      break;
    }
  }
  for (; i < size; ++i) {
    if (IsSpecial(data[i])) return i;
  }
  return size;
}

std::string RtfError(std::string_view what, std::size_t offset) {
  std::string message(what);
  message += " at byte ";
  message += std::to_string(offset);
  return message;
}

bool RtfTokenizer::Fail(std::string_view what, std::size_t offset) {
  error_ = RtfError(what, base_ + offset);
  done_ = true;
  return false;
}

bool RtfTokenizer::Next(RtfToken& token) {
  if (done_) return false;
  if (pos_ >= rtf_.size()) {
    if (!started_) return Fail("empty input", pos_);
    return Fail("input ends with " + std::to_string(depth_) + " group(s) still open", pos_);
  }
  token = RtfToken{};
  token.offset = base_ + pos_;
  const char c = rtf_[pos_];
  if (!started_ && c != '{') return Fail("expected '{' to open the document", pos_);
  switch (c) {
    case '{':
      if (depth_ >= kMaxGroupDepth) {
        return Fail("groups nested deeper than " + std::to_string(kMaxGroupDepth), pos_);
      }
      started_ = true;
      ++depth_;
      ++pos_;
      token.kind = RtfTokenKind::GroupStart;
      return true;
    case '}':
      if (depth_ == 0) return Fail("unbalanced braces: '}' without an open group", pos_);
      --depth_;
      ++pos_;
      token.kind = RtfTokenKind::GroupEnd;
      if (depth_ == 0) done_ = true;  // the caller still gets this token
      return true;
    case '\\':
      return ReadBackslash(token);
    default: {
      const std::size_t end = FindRtfSpecial(rtf_, pos_);
      token.kind = RtfTokenKind::Text;
      token.text = rtf_.substr(pos_, end - pos_);
      pos_ = end;
      return true;
    }
  }
}

bool RtfTokenizer::ReadBackslash(RtfToken& token) {
  const std::size_t start = pos_;
  if (start + 1 >= rtf_.size()) return Fail("backslash at the end of the input", start);
  const char c = rtf_[start + 1];
  if (IsLetter(c)) return ReadControlWord(token);
  if (c == '\'') {
    const int high = start + 2 < rtf_.size() ? HexValue(rtf_[start + 2]) : -1;
    const int low = start + 3 < rtf_.size() ? HexValue(rtf_[start + 3]) : -1;
    if (high < 0 || low < 0) return Fail("\\' not followed by two hex digits", start);
    token.kind = RtfTokenKind::HexChar;
    token.param = high * 16 + low;
    token.hasParam = true;
    pos_ = start + 4;
    return true;
  }
  token.kind = RtfTokenKind::ControlSymbol;
  token.param = static_cast<unsigned char>(c);
  token.hasParam = true;
  token.text = rtf_.substr(start + 1, 1);
  pos_ = start + 2;
  return true;
}

bool RtfTokenizer::ReadControlWord(RtfToken& token) {
  const std::size_t start = pos_;
  std::size_t i = start + 1;
  while (i < rtf_.size() && IsLetter(rtf_[i])) {
    if (i - start > kMaxControlWordLength) {
      return Fail("control word longer than " + std::to_string(kMaxControlWordLength) + " letters",
                  start);
    }
    ++i;
  }
  token.kind = RtfTokenKind::ControlWord;
  token.text = rtf_.substr(start + 1, i - start - 1);
  bool negative = false;
  if (i + 1 < rtf_.size() && rtf_[i] == '-' && IsDigit(rtf_[i + 1])) {
    negative = true;
    ++i;
  }
  const std::size_t digitsStart = i;
  std::int64_t value = 0;
  while (i < rtf_.size() && IsDigit(rtf_[i])) {
    if (i - digitsStart >= kMaxParamDigits) {
      return Fail("number longer than " + std::to_string(kMaxParamDigits) + " digits", start);
    }
    value = value * 10 + (rtf_[i] - '0');
    ++i;
  }
  if (i > digitsStart) {
    token.hasParam = true;
    token.param = negative ? -value : value;
  }
  if (i < rtf_.size() && rtf_[i] == ' ') ++i;  // the delimiting space belongs to the word
  pos_ = i;
  if (token.text == "bin") {
    const std::int64_t length = token.param > 0 ? token.param : 0;
    if (static_cast<std::uint64_t>(length) > rtf_.size() - pos_) {
      return Fail("\\bin data longer than the rest of the input", start);
    }
    token.kind = RtfTokenKind::Binary;
    token.text = rtf_.substr(pos_, static_cast<std::size_t>(length));
    pos_ += static_cast<std::size_t>(length);
  }
  return true;
}

}  // namespace richtext
