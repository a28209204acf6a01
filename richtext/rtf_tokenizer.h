#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace richtext {

// Limits that keep malformed or hostile input from exhausting memory or time.
// Deeper nesting only comes from broken or hostile files; it bounds the reader's state stack.
inline constexpr std::size_t kMaxGroupDepth = 1000;
// RTF control words have at most 32 letters.
inline constexpr std::size_t kMaxControlWordLength = 32;
// Ten digits hold every 32-bit parameter, \bin lengths included.
inline constexpr std::size_t kMaxParamDigits = 10;

enum class RtfTokenKind : std::uint8_t {
  GroupStart,     // "{"
  GroupEnd,       // "}"
  ControlWord,    // "\word" or "\word-12"; `text` is the word, `param` its number
  ControlSymbol,  // "\~", "\{", ...; `param` is the symbol byte
  HexChar,        // "\'e9"; `param` is the byte value
  Text,           // a run of plain bytes (may hold CR/LF, which readers ignore)
  Binary,         // the data of "\binN"; `text` holds the N raw bytes
};

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::Text;
  std::size_t offset = 0;  // byte offset of the token's first byte
  std::string_view text;
  std::int64_t param = 0;
  bool hasParam = false;
};

// Splits RTF into tokens, checking brace balance and the limits above. It stops after the
// brace that closes the outermost group; position() then points just behind it.
class RtfTokenizer {
 public:
  // `baseOffset` is added to the offsets reported, for text cut from a larger document.
  explicit RtfTokenizer(std::string_view rtf, std::size_t baseOffset = 0)
      : rtf_(rtf), base_(baseOffset) {}

  // The next token, or false at the end of the document or on error (see error()).
  bool Next(RtfToken& token);
  // Leaves the group just opened, whose closing brace ends before `end`, unread: the next
  // token starts at `end`.
  void SkipOpenGroup(std::size_t end) {
    pos_ = end - base_;
    --depth_;
  }
  const std::string& error() const { return error_; }
  std::size_t position() const { return pos_; }
  std::size_t depth() const { return depth_; }

 private:
  bool ReadBackslash(RtfToken& token);
  bool ReadControlWord(RtfToken& token);
  bool Fail(std::string_view what, std::size_t offset);

  std::string_view rtf_;
  std::size_t base_ = 0;
  std::size_t pos_ = 0;
  std::size_t depth_ = 0;
  bool started_ = false;
  bool done_ = false;
  std::string error_;
};

// Offset of the first '\\', '{' or '}' in `text` at or after `from`, or text.size().
std::size_t FindRtfSpecial(std::string_view text, std::size_t from);

// "<what> at byte <offset>", the form of every reader error.
std::string RtfError(std::string_view what, std::size_t offset);

}  // namespace richtext
