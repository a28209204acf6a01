// Drives the report box through an editing session: caret and selection moves, typing,
// formats, deletions, pictures put in through the marker characters and whole documents set
// as RTF. After every step the document must be consistent with the selection inside it and
// every picture shown within bounds; a picture insertion either leaves the box as it was or
// adds just that picture; and the box's RTF always reads back to the same document.
//
// The input is a list of steps, one a line: a letter, then its argument after one space
// (in TEXT, "\r" is a paragraph break).
//   s N  caret to N            l N  selection length N     i TEXT  type over the selection
//   d    delete the selection  c N  colour N (0xBBGGRR)    b N, u N  bold, underline (N != 0)
//   a N  alignment N % 3       t TEXT  set the whole text  f TEXT  find
//   r RTF  set the whole RTF   w  write the RTF and read it back
//   p W H T  insert a W x H picture at T twips a pixel (with a side above 64 the picture has
//            no pixels and cannot be recorded)
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_target.h"
#include "picture_embedding.h"
#include "rich_text_box.h"

namespace {

using richtext::Document;
using richtext::RichTextBox;

constexpr std::size_t kMaxSteps = 256;
constexpr int kMaxRecordedSide = 64;

void Require(bool condition) {
  if (!condition) std::abort();
}

// The next number of `text` from `at` on, saturated to 64 bits; non-digits end it.
std::int64_t NextNumber(std::string_view text, std::size_t& at) {
  while (at < text.size() && text[at] == ' ') ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (negative) ++at;
  std::int64_t value = 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    const int digit = text[at] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

int ToInt(std::int64_t value) {
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

std::size_t ToSize(std::int64_t value) {
  return value < 0 ? 0 : static_cast<std::size_t>(value);
}

void CheckBox(const RichTextBox& box) {
  const Document& doc = box.document();
  Require(doc.IsConsistent());
  Require(box.Length() == doc.size());
  Require(box.SelStart() <= box.Length() && box.SelLength() <= box.Length() - box.SelStart());
  for (const auto& picture : doc.pictures) {
    const auto size = richtext::PictureDisplayTwips(*picture, 15);
    Require(!size || (size->width >= 1 && size->width <= richtext::kMaxPictureDisplayTwips &&
                      size->height >= 1 && size->height <= richtext::kMaxPictureDisplayTwips));
  }
}

// The box as it stands, to compare with after a step that must not change it.
struct Snapshot {
  explicit Snapshot(const RichTextBox& box)
      : doc(box.document()),
        selStart(box.SelStart()),
        selLength(box.SelLength()),
        format(box.InsertionFormat()),
        revision(box.Revision()) {}

  bool Unchanged(const RichTextBox& box) const {
    return richtext::SameContent(box.document(), doc) && box.SelStart() == selStart &&
           box.SelLength() == selLength && box.InsertionFormat() == format &&
           box.Revision() == revision;
  }

  Document doc;
  std::size_t selStart;
  std::size_t selLength;
  richtext::CharFormat format;
  std::uint64_t revision;
};

void WriteAndReadBack(const RichTextBox& box) {
  const std::string rtf = box.TextRTF();
  RichTextBox copy;
  Require(copy.SetTextRTF(rtf));
  Require(richtext::SameContent(copy.document(), box.document()));
  Require(copy.TextRTF() == rtf);
}

void InsertPictureStep(RichTextBox& box, std::string_view argument) {
  std::size_t at = 0;
  const int width = ToInt(NextNumber(argument, at));
  const int height = ToInt(NextNumber(argument, at));
  const int twips = ToInt(NextNumber(argument, at));
  richtext::Picture picture{width, height, {}, 0, 0};
  if (width >= 1 && width <= kMaxRecordedSide && height >= 1 && height <= kMaxRecordedSide) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7 + width);
    picture = richtext::Picture::FromRgb(width, height, std::move(rgb));
  }
  const richtext::ScreenTwips screen{twips, twips};

  const Snapshot before(box);
  if (!richtext::InsertPicture(box, picture, screen)) {
    Require(before.Unchanged(box));
    return;
  }
  // The picture stands at the caret, in the attributes that were in force, with the selected
  // text behind it; everything else is as it was.
  const Document& doc = box.document();
  const std::size_t start = before.selStart;
  const std::size_t selected = before.selLength;
  std::u32string expected = before.doc.chars;
  expected.insert(start, 1, Document::kPictureChar);
  Require(doc.chars == expected);
  Require(box.SelStart() == start + 1 + selected && box.SelLength() == 0);
  for (std::size_t i = 0; i < doc.size(); ++i) {
    if (i < start) {
      Require(doc.formats[i] == before.doc.formats[i]);
    } else if (i <= start + selected) {
      Require(doc.formats[i] == before.format);
    } else {
      Require(doc.formats[i] == before.doc.formats[i - 1]);
    }
  }
  Require(doc.paragraphs.size() == before.doc.paragraphs.size());
  const std::size_t index = before.doc.PictureIndexAt(start);
  Require(doc.pictures.size() == before.doc.pictures.size() + 1);
  Require(doc.pictures[index]->rtfGroup == richtext::PictureToRtf(picture, screen));
  for (std::size_t i = 0; i < before.doc.pictures.size(); ++i) {
    const std::size_t now = i < index ? i : i + 1;
    Require(doc.pictures[now]->rtfGroup == before.doc.pictures[i]->rtfGroup);
  }
}

void SetRtfStep(RichTextBox& box, std::string_view rtf) {
  const Snapshot before(box);
  if (!box.SetTextRTF(rtf)) {
    Require(before.Unchanged(box));
    return;
  }
  Require(box.SelStart() == 0 && box.SelLength() == 0);
}

void RunStep(RichTextBox& box, char op, std::string_view argument) {
  std::size_t at = 0;
  switch (op) {
    case 's':
      box.SetSelStart(ToSize(NextNumber(argument, at)));
      break;
    case 'l':
      box.SetSelLength(ToSize(NextNumber(argument, at)));
      break;
    case 'i':
      box.SetSelText(argument);
      break;
    case 'd':
      box.SetSelText("");
      break;
    case 'c': {
      const auto rgb = static_cast<std::uint32_t>(NextNumber(argument, at));
      box.SetSelColor({static_cast<std::uint8_t>(rgb), static_cast<std::uint8_t>(rgb >> 8),
                       static_cast<std::uint8_t>(rgb >> 16)});
      break;
    }
    case 'b':
      box.SetSelBold(NextNumber(argument, at) != 0);
      break;
    case 'u':
      box.SetSelUnderline(NextNumber(argument, at) != 0);
      break;
    case 'a':
      box.SetSelAlignment(static_cast<richtext::Alignment>(ToSize(NextNumber(argument, at)) % 3));
      break;
    case 't':
      box.SetText(argument);
      Require(box.SelStart() == box.Length());
      break;
    case 'f': {
      const std::ptrdiff_t found = box.Find(argument);
      Require(found >= -1 && found <= static_cast<std::ptrdiff_t>(box.Length()));
      break;
    }
    case 'r':
      SetRtfStep(box, argument);
      break;
    case 'w':
      WriteAndReadBack(box);
      break;
    case 'p':
      InsertPictureStep(box, argument);
      break;
    default:
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  RichTextBox box;
  for (std::size_t steps = 0; !input.empty() && steps < kMaxSteps; ++steps) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    std::string_view line = input.substr(0, end);
    input.remove_prefix(std::min(end + 1, input.size()));
    if (line.empty()) continue;
    const char op = line[0];
    line.remove_prefix(1);
    if (!line.empty() && line[0] == ' ') line.remove_prefix(1);
    RunStep(box, op, line);
    CheckBox(box);
  }
  WriteAndReadBack(box);
  return 0;
}
