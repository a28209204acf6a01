#include "picture_group.h"

#include <array>
#include <limits>

#include "rtf_tokenizer.h"

namespace richtext {
namespace {

// Value of each byte as a hex digit; kSpace for white space between digits, kOther otherwise.
constexpr std::uint8_t kSpace = 0x10;
constexpr std::uint8_t kOther = 0xFF;
constexpr std::array<std::uint8_t, 256> MakeNibbles() {
  std::array<std::uint8_t, 256> nibbles{};
  nibbles.fill(kOther);
  for (int c = 0; c < 10; ++c) nibbles['0' + c] = static_cast<std::uint8_t>(c);
  for (int c = 0; c < 6; ++c) {
    nibbles['a' + c] = static_cast<std::uint8_t>(10 + c);
    nibbles['A' + c] = static_cast<std::uint8_t>(10 + c);
  }
  for (char c : {' ', '\r', '\n', '\t'}) nibbles[static_cast<unsigned char>(c)] = kSpace;
  return nibbles;
}
constexpr std::array<std::uint8_t, 256> kNibbles = MakeNibbles();

std::uint8_t NibbleOf(char c) {
  return kNibbles[static_cast<unsigned char>(c)];
}

int ClampToInt(std::int64_t value) {
  if (value < 0) return 0;
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

bool IsPictureKind(std::string_view word) {
  static constexpr std::array<std::string_view, 9> kKinds = {"dibitmap", "emfblip",    "jpegblip",
                                                             "macpict",  "pmmetafile", "pngblip",
                                                             "wbitmap",  "wmetafile",  "svgblip"};
  for (std::string_view kind : kKinds) {
    if (word == kind) return true;
  }
  return false;
}

void ReadPictureWord(const RtfToken& token, PictureGroupInfo& info) {
  const std::string_view word = token.text;
  if (word == "picw") {
    info.width = ClampToInt(token.param);
  } else if (word == "pich") {
    info.height = ClampToInt(token.param);
  } else if (word == "picwgoal") {
    info.goalWidthTwips = ClampToInt(token.param);
  } else if (word == "pichgoal") {
    info.goalHeightTwips = ClampToInt(token.param);
  } else if (IsPictureKind(word)) {
    info.kind = word;
    info.kindParam = ClampToInt(token.param);
  }
}

// Checks a run of picture data; returns the offset of the first bad byte or npos.
std::size_t CheckHexRun(std::string_view run, std::size_t& hexDigits) {
  for (std::size_t i = 0; i < run.size(); ++i) {
    const std::uint8_t nibble = NibbleOf(run[i]);
    if (nibble == kOther) return i;
    hexDigits += nibble < kSpace;
  }
  return std::string_view::npos;
}

// Appends the bytes of a run of hex digits; `pending` carries a high nibble between runs.
void AppendHexRun(std::string_view run, std::vector<std::uint8_t>& data, int& pending) {
  const std::size_t start = data.size();
  data.resize(start + run.size() / 2 + 1);
  std::uint8_t* out = data.data() + start;
  std::size_t i = 0;
  while (i < run.size()) {
    const std::uint8_t high = NibbleOf(run[i]);
    const std::uint8_t low = i + 1 < run.size() ? NibbleOf(run[i + 1]) : kOther;
    if (pending < 0 && high < kSpace && low < kSpace) {  // the common case: a whole byte
      *out++ = static_cast<std::uint8_t>(high << 4 | low);
      i += 2;
      continue;
    }
    ++i;
    if (high >= kSpace) continue;
    if (pending < 0) {
      pending = high;
    } else {
      *out++ = static_cast<std::uint8_t>(pending << 4 | high);
      pending = -1;
    }
  }
  data.resize(static_cast<std::size_t>(out - data.data()));
}

// Reads the group's words and checks its data; false with `error` set on bad data.
bool ScanPictureGroup(std::string_view group, std::size_t baseOffset, PictureGroupInfo& info,
                      std::string* error) {
  RtfTokenizer tokenizer(group, baseOffset);
  RtfToken token;
  std::size_t closeOffset = 0;
  while (tokenizer.Next(token)) {
    const bool top = tokenizer.depth() == 1;
    switch (token.kind) {
      case RtfTokenKind::GroupEnd:
        closeOffset = token.offset;
        break;
      case RtfTokenKind::ControlWord:
        if (top) ReadPictureWord(token, info);
        break;
      case RtfTokenKind::Text:
        if (top) {
          const std::size_t bad = CheckHexRun(token.text, info.hexDigits);
          if (bad != std::string_view::npos) {
            if (error) *error = RtfError("picture data holds a non-hex byte", token.offset + bad);
            return false;
          }
        }
        break;
      case RtfTokenKind::Binary:
        if (top) info.binary = token.text;
        break;
      case RtfTokenKind::ControlSymbol:
      case RtfTokenKind::HexChar:
        if (top && (token.kind == RtfTokenKind::HexChar || token.param != '*')) {
          if (error) *error = RtfError("picture data holds a control symbol", token.offset);
          return false;
        }
        break;
      case RtfTokenKind::GroupStart:
        break;
    }
  }
  if (!tokenizer.error().empty()) {
    if (error) *error = tokenizer.error();
    return false;
  }
  if (info.hexDigits % 2 != 0) {
    if (error) *error = RtfError("picture data has an odd number of hex digits", closeOffset);
    return false;
  }
  return true;
}

}  // namespace

std::shared_ptr<EmbeddedPicture> DecodePictureGroup(std::string_view group, std::string* error,
                                                    std::size_t baseOffset) {
  PictureGroupInfo info;
  if (!ScanPictureGroup(group, baseOffset, info, error)) return nullptr;
  auto picture = std::make_shared<EmbeddedPicture>();
  picture->rtfGroup.assign(group);
  picture->goalWidthTwips = info.goalWidthTwips;
  picture->goalHeightTwips = info.goalHeightTwips;
  picture->bitmap = DecodePictureBitmap(info, group);
  return picture;
}

std::vector<std::uint8_t> PictureGroupData(std::string_view group) {
  std::vector<std::uint8_t> data;
  data.reserve(group.size() / 2);
  RtfTokenizer tokenizer(group);
  RtfToken token;
  int pending = -1;  // high nibble waiting for its low one
  while (tokenizer.Next(token)) {
    if (tokenizer.depth() != 1) continue;
    if (token.kind == RtfTokenKind::Binary) {
      data.insert(data.end(), token.text.begin(), token.text.end());
    } else if (token.kind == RtfTokenKind::Text) {
      AppendHexRun(token.text, data, pending);
    }
  }
  return data;
}

}  // namespace richtext
