#include "rtf_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "codepage1252.h"
#include "picture_group.h"
#include "rtf_control_words.h"
#include "rtf_tokenizer.h"

namespace richtext {
namespace {

// Bounds the byte comparisons per picture when looking for one to share, so that many
// pictures of equal length cannot make reading quadratic.
constexpr std::size_t kMaxReuseCandidates = 8;

enum class Destination : std::uint8_t { Text, Skip, ColorTable, Picture };

struct GroupState {
  CharFormat format;
  Alignment alignment = Alignment::Left;
  Destination destination = Destination::Text;
  bool ignorablePending = false;  // just after "\*"
  bool pictureGroup = false;      // this group holds "\pict"
  bool onlyWords = true;          // nothing but control words so far: "\pict" may still come
  std::int64_t unicodeSkip = 1;   // \ucN
  std::size_t openOffset = 0;
};

constexpr bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

std::uint8_t ClampByte(std::int64_t value) {
  return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

// Pictures of the previous document, found by their group bytes.
class PicturePool {
 public:
  explicit PicturePool(const Document* previous) : previous_(previous) {}

  std::shared_ptr<const EmbeddedPicture> Find(std::string_view group) {
    if (!previous_ || previous_->pictures.empty()) return nullptr;
    const auto& pictures = previous_->pictures;
    // Pictures usually come back in the same order, so try the one after the last match.
    if (next_ < pictures.size() && Matches(pictures[next_], group)) return pictures[next_++];
    if (byLength_.empty()) {
      byLength_.reserve(pictures.size());
      for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (pictures[i]) byLength_.emplace_back(pictures[i]->rtfGroup.size(), i);
      }
      std::sort(byLength_.begin(), byLength_.end());
    }
    auto it = std::lower_bound(byLength_.begin(), byLength_.end(),
                               std::pair<std::size_t, std::size_t>{group.size(), 0});
    for (std::size_t tried = 0;
         it != byLength_.end() && it->first == group.size() && tried < kMaxReuseCandidates;
         ++it, ++tried) {
      if (Matches(pictures[it->second], group)) {
        next_ = it->second + 1;
        return pictures[it->second];
      }
    }
    return nullptr;
  }

  // The next expected picture when its group stands at `offset` of `rtf`, byte for byte.
  // Comparing the stored bytes is far cheaper than tokenizing the hex again.
  std::shared_ptr<const EmbeddedPicture> TakeExpectedAt(std::string_view rtf, std::size_t offset) {
    if (!previous_ || next_ >= previous_->pictures.size()) return nullptr;
    const auto& picture = previous_->pictures[next_];
    if (!picture || !Matches(picture, rtf.substr(offset, picture->rtfGroup.size()))) {
      return nullptr;
    }
    ++next_;
    return picture;
  }

 private:
  static bool Matches(const std::shared_ptr<const EmbeddedPicture>& picture,
                      std::string_view group) {
    return picture && picture->rtfGroup.size() == group.size() &&
           std::memcmp(picture->rtfGroup.data(), group.data(), group.size()) == 0;
  }

  const Document* previous_;
  std::size_t next_ = 0;
  std::vector<std::pair<std::size_t, std::size_t>> byLength_;  // (group length, index)
};

// Builds a document from the tokens of an RTF text.
class RtfDocumentReader {
 public:
  RtfDocumentReader(std::string_view rtf, const Document* previous, Document storage)
      : rtf_(rtf), pool_(previous), doc_(std::move(storage)) {
    doc_.chars.clear();
    doc_.formats.clear();
    doc_.pictures.clear();
    const std::size_t expected = previous ? previous->size() + 64 : rtf.size() / 4;
    doc_.chars.reserve(expected);
    doc_.formats.reserve(expected);
    doc_.paragraphs.clear();
    if (previous) {
      doc_.paragraphs.reserve(previous->paragraphs.size() + 4);
      doc_.pictures.reserve(previous->pictures.size() + 1);
    }
  }

  // Handles one token; false with error() set when the document cannot be read.
  bool OnToken(const RtfToken& token);
  // Called on a group start at `offset`: when a picture of the previous document stands there
  // unchanged, takes it whole and returns the offset just behind its group, else 0.
  std::size_t TakeKnownPicture(std::size_t offset);
  Document TakeDocument() { return std::move(doc_); }
  const std::string& error() const { return error_; }

 private:
  GroupState& state() { return stack_.back(); }
  bool OnGroupStart(const RtfToken& token);
  bool OnGroupEnd(const RtfToken& token);
  void OnControlWord(const RtfToken& token);
  void OnControlSymbol(char symbol);
  void OnText(std::string_view text);
  bool AddPicture(std::string_view group, std::size_t offset);
  void EmitChar(char32_t c);
  void EmitBreak();
  void FlushSurrogate();
  void Push(char32_t c, const CharFormat& format) {
    doc_.chars.push_back(c);
    doc_.formats.push_back(format);
  }

  std::string_view rtf_;
  PicturePool pool_;
  Document doc_;
  std::vector<GroupState> stack_;
  std::vector<Rgb> colors_;
  Rgb colorEntry_;
  std::int64_t fallbackToSkip_ = 0;  // characters still to skip after \uN
  char32_t pendingHigh_ = 0;         // high surrogate waiting for its low half
  CharFormat pendingFormat_;
  std::string error_;
};

bool RtfDocumentReader::OnToken(const RtfToken& original) {
  RtfToken token = original;
  if (fallbackToSkip_ > 0) {
    switch (token.kind) {
      case RtfTokenKind::GroupStart:
      case RtfTokenKind::GroupEnd:
        fallbackToSkip_ = 0;  // a brace ends the fallback text
        break;
      case RtfTokenKind::Text: {
        std::size_t i = 0;
        for (; i < token.text.size() && fallbackToSkip_ > 0; ++i) {
          if (token.text[i] != '\r' && token.text[i] != '\n') --fallbackToSkip_;
        }
        token.text.remove_prefix(i);
        break;
      }
      default:
        --fallbackToSkip_;
        return true;
    }
  }
  switch (token.kind) {
    case RtfTokenKind::GroupStart:
      return OnGroupStart(token);
    case RtfTokenKind::GroupEnd:
      return OnGroupEnd(token);
    default:
      break;
  }
  GroupState& current = state();
  if (current.destination == Destination::Skip || current.destination == Destination::Picture) {
    return true;
  }
  switch (token.kind) {
    case RtfTokenKind::ControlWord:
      OnControlWord(token);
      break;
    case RtfTokenKind::ControlSymbol:
      OnControlSymbol(static_cast<char>(token.param));
      break;
    case RtfTokenKind::HexChar:
      current.ignorablePending = false;
      current.onlyWords = false;
      if (current.destination == Destination::Text) {
        EmitChar(Cp1252ToUnicode(static_cast<unsigned char>(token.param)));
      }
      break;
    case RtfTokenKind::Text:
      current.ignorablePending = false;
      if (token.text.find_first_not_of("\r\n") != std::string_view::npos) {
        current.onlyWords = false;
      }
      if (current.destination == Destination::Text) {
        OnText(token.text);
      } else if (token.text.find(';') != std::string_view::npos) {
        for (char c : token.text) {
          if (c != ';') continue;
          colors_.push_back(colorEntry_);
          colorEntry_ = Rgb{};  // an entry without components is the automatic colour
        }
      }
      break;
    default:
      current.ignorablePending = false;
      current.onlyWords = false;
      break;
  }
  return true;
}

bool RtfDocumentReader::OnGroupStart(const RtfToken& token) {
  if (stack_.empty()) {
    stack_.emplace_back();
  } else {
    stack_.back().onlyWords = false;
    stack_.push_back(stack_.back());
    GroupState& inner = stack_.back();
    if (inner.destination != Destination::Text) inner.destination = Destination::Skip;
    inner.ignorablePending = false;
    inner.pictureGroup = false;
    inner.onlyWords = true;
  }
  stack_.back().openOffset = token.offset;
  return true;
}

bool RtfDocumentReader::OnGroupEnd(const RtfToken& token) {
  const GroupState closed = stack_.back();
  if (stack_.size() == 1) {
    FlushSurrogate();
    doc_.paragraphs.push_back(closed.alignment);  // the last paragraph
    stack_.pop_back();
    return true;
  }
  stack_.pop_back();
  if (!closed.pictureGroup) return true;
  return AddPicture(rtf_.substr(closed.openOffset, token.offset + 1 - closed.openOffset),
                    closed.openOffset);
}

std::size_t RtfDocumentReader::TakeKnownPicture(std::size_t offset) {
  // Only where a picture group would become a picture: in text, outside any skipped part.
  if (stack_.empty() || state().destination != Destination::Text) return 0;
  std::shared_ptr<const EmbeddedPicture> picture = pool_.TakeExpectedAt(rtf_, offset);
  if (!picture) return 0;
  fallbackToSkip_ = 0;  // a brace ends the fallback text
  state().onlyWords = false;
  const std::size_t end = offset + picture->rtfGroup.size();
  FlushSurrogate();
  Push(Document::kPictureChar, state().format);
  doc_.pictures.push_back(std::move(picture));
  return end;
}

bool RtfDocumentReader::AddPicture(std::string_view group, std::size_t offset) {
  std::shared_ptr<const EmbeddedPicture> picture = pool_.Find(group);
  if (!picture) {
    picture = DecodePictureGroup(group, &error_, offset);
    if (!picture) return false;
  }
  FlushSurrogate();
  Push(Document::kPictureChar, state().format);
  doc_.pictures.push_back(std::move(picture));
  return true;
}

void RtfDocumentReader::OnControlWord(const RtfToken& token) {
  GroupState& current = state();
  const RtfControlWord word = LookUpControlWord(token.text);
  if (current.ignorablePending) {
    current.ignorablePending = false;
    // "{\*\word": skip the group unless it is a destination we take.
    if (word.action != RtfAction::ShapePicture) current.destination = Destination::Skip;
    return;
  }
  const std::int64_t param = token.hasParam ? token.param : 1;
  const bool inText = current.destination == Destination::Text;
  switch (word.action) {
    case RtfAction::None:
    case RtfAction::ShapePicture:
      break;
    case RtfAction::SkipGroup:
      current.destination = Destination::Skip;
      break;
    case RtfAction::ColorTable:
      current.destination = Destination::ColorTable;
      colors_.clear();
      colorEntry_ = Rgb{};
      break;
    case RtfAction::Picture:
      // Only a group that has shown no text yet can be kept whole as a picture.
      if (inText && stack_.size() > 1 && current.onlyWords) {
        current.destination = Destination::Picture;
        current.pictureGroup = true;
      }
      break;
    case RtfAction::Red:
      colorEntry_.r = ClampByte(token.param);
      break;
    case RtfAction::Green:
      colorEntry_.g = ClampByte(token.param);
      break;
    case RtfAction::Blue:
      colorEntry_.b = ClampByte(token.param);
      break;
    case RtfAction::Color: {
      const std::int64_t index = token.hasParam ? token.param : 0;
      const bool known = index >= 0 && static_cast<std::uint64_t>(index) < colors_.size();
      current.format.color = known ? colors_[static_cast<std::size_t>(index)] : Rgb{};
      break;
    }
    case RtfAction::Bold:
      current.format.bold = param != 0;
      break;
    case RtfAction::Underline:
      current.format.underline = param != 0;
      break;
    case RtfAction::UnderlineNone:
      current.format.underline = false;
      break;
    case RtfAction::Plain:
      current.format = CharFormat{};
      break;
    case RtfAction::ParagraphReset:
    case RtfAction::AlignLeft:
      current.alignment = Alignment::Left;
      break;
    case RtfAction::AlignCenter:
      current.alignment = Alignment::Center;
      break;
    case RtfAction::AlignRight:
      current.alignment = Alignment::Right;
      break;
    case RtfAction::Break:
      current.onlyWords = false;
      if (inText) EmitBreak();
      break;
    case RtfAction::Character:
      current.onlyWords = false;
      if (inText) EmitChar(word.character);
      break;
    case RtfAction::Unicode:
      current.onlyWords = false;
      if (inText) {
        std::int64_t code = token.param;
        if (code < 0) code += 0x10000;  // written as a signed 16-bit number
        EmitChar(code >= 0 && code <= 0xFFFF ? static_cast<char32_t>(code) : U'\uFFFD');
        fallbackToSkip_ = current.unicodeSkip;
      }
      break;
    case RtfAction::UnicodeSkip:
      current.unicodeSkip = std::max<std::int64_t>(token.param, 0);
      break;
  }
}

void RtfDocumentReader::OnControlSymbol(char symbol) {
  GroupState& current = state();
  if (symbol == '*') {
    current.ignorablePending = true;
    return;
  }
  current.ignorablePending = false;
  current.onlyWords = false;
  if (current.destination != Destination::Text) return;
  switch (symbol) {
    case '\\':
    case '{':
    case '}':
      EmitChar(static_cast<unsigned char>(symbol));
      break;
    case '~':
      EmitChar(U'\u00A0');
      break;
    case '_':
      EmitChar(U'\u2011');
      break;
    case '\r':
    case '\n':
      EmitBreak();  // a backslash before a line end is \par
      break;
    default:
      break;  // optional hyphens, index marks and the like
  }
}

void RtfDocumentReader::OnText(std::string_view text) {
  const auto printable = [](char c) { return c >= 0x20 && c < 0x7F; };
  std::size_t i = 0;
  while (i < text.size()) {
    // Runs of printable ASCII, most of a report's text, go in whole.
    if (pendingHigh_ == 0 && printable(text[i])) {
      std::size_t end = i + 1;
      while (end < text.size() && printable(text[end])) ++end;
      doc_.chars.append(text.begin() + static_cast<std::ptrdiff_t>(i),
                        text.begin() + static_cast<std::ptrdiff_t>(end));
      const std::size_t at = doc_.formats.size();
      doc_.formats.resize(at + (end - i));
      std::fill(doc_.formats.begin() + static_cast<std::ptrdiff_t>(at), doc_.formats.end(),
                state().format);
      i = end;
      continue;
    }
    const char c = text[i++];
    if (c == '\r' || c == '\n') continue;
    EmitChar(Cp1252ToUnicode(static_cast<unsigned char>(c)));
  }
}

void RtfDocumentReader::FlushSurrogate() {
  if (pendingHigh_ == 0) return;
  pendingHigh_ = 0;
  Push(U'\uFFFD', pendingFormat_);
}

void RtfDocumentReader::EmitChar(char32_t c) {
  if (pendingHigh_ != 0) {
    if (IsLowSurrogate(c)) {
      const char32_t combined = 0x10000 + ((pendingHigh_ - 0xD800) << 10) + (c - 0xDC00);
      pendingHigh_ = 0;
      Push(combined, pendingFormat_);
      return;
    }
    FlushSurrogate();
  }
  if (IsHighSurrogate(c)) {
    pendingHigh_ = c;
    pendingFormat_ = state().format;
    return;
  }
  if (c < 0x20 && c != U'\t') return;  // other control characters carry nothing to show
  // A lone surrogate or a stray picture placeholder cannot stand in the document.
  if (IsLowSurrogate(c) || c == Document::kPictureChar) c = U'\uFFFD';
  Push(c, state().format);
}

void RtfDocumentReader::EmitBreak() {
  FlushSurrogate();
  Push(Document::kParagraphBreak, state().format);
  doc_.paragraphs.push_back(state().alignment);
}

bool IsTrailingFiller(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '\0';
}

}  // namespace

RtfReadResult ReadRtf(std::string_view rtf, const Document* previous, Document storage) {
  RtfReadResult result;
  if (rtf.substr(0, 5) != "{\\rtf") {
    result.error = RtfError("not RTF: the text must start with {\\rtf", 0);
    return result;
  }
  RtfTokenizer tokenizer(rtf);
  RtfDocumentReader reader(rtf, previous, std::move(storage));
  RtfToken token;
  while (tokenizer.Next(token)) {
    if (token.kind == RtfTokenKind::GroupStart && previous) {
      if (const std::size_t end = reader.TakeKnownPicture(token.offset)) {
        tokenizer.SkipOpenGroup(end);
        continue;
      }
    }
    if (!reader.OnToken(token)) {
      result.error = reader.error();
      return result;
    }
  }
  if (!tokenizer.error().empty()) {
    result.error = tokenizer.error();
    return result;
  }
  for (std::size_t i = tokenizer.position(); i < rtf.size(); ++i) {
    if (!IsTrailingFiller(rtf[i])) {
      result.error = RtfError(rtf[i] == '}' ? "unbalanced braces: '}' without an open group"
                                            : "unexpected data after the end of the document",
                              i);
      return result;
    }
  }
  result.document = reader.TakeDocument();
  return result;
}

}  // namespace richtext
