#include "rtf_writer.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "codepage1252.h"

namespace richtext {
namespace {

constexpr std::string_view kHeaderStart = "{\\rtf1\\ansi\\ansicpg1252\\deff0";
constexpr std::string_view kFontTable = "{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}\r\n";
// The box's 8.25 pt font at its nearest half-point size.
constexpr std::string_view kBodyStart = "\\viewkind4\\uc1\\pard";
constexpr std::string_view kBodyFont = "\\f0\\fs16 ";

constexpr std::uint32_t Pack(Rgb c) {
  return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

// The document's colours in order of first use; index 0 of the RTF table stays automatic.
class ColorTable {
 public:
  explicit ColorTable(const Document& doc) {
    bool haveLast = false;
    Rgb last;
    for (const CharFormat& format : doc.formats) {
      if (haveLast && format.color == last) continue;
      last = format.color;
      haveLast = true;
      if (indexes_.emplace(Pack(last), static_cast<int>(colors_.size()) + 1).second) {
        colors_.push_back(last);
      }
    }
  }
  // The \cf number of a colour the document uses.
  int IndexOf(Rgb color) const { return indexes_.at(Pack(color)); }
  void Write(std::string& out) const {
    out += "{\\colortbl ;";
    for (const Rgb& c : colors_) {
      out += "\\red";
      out += std::to_string(c.r);
      out += "\\green";
      out += std::to_string(c.g);
      out += "\\blue";
      out += std::to_string(c.b);
      out += ';';
    }
    out += "}\r\n";
  }

 private:
  std::vector<Rgb> colors_;
  std::unordered_map<std::uint32_t, int> indexes_;
};

class BodyWriter {
 public:
  BodyWriter(const Document& doc, const ColorTable& colors, std::string& out)
      : doc_(doc), colors_(colors), out_(out) {}

  void Write() {
    std::size_t paragraph = 0;
    std::size_t picture = 0;
    bool paragraphStart = true;
    for (std::size_t i = 0; i < doc_.chars.size(); ++i) {
      if (paragraphStart) {
        SetAlignment(doc_.paragraphs[paragraph]);
        paragraphStart = false;
      }
      SetFormat(doc_.formats[i]);
      const char32_t c = doc_.chars[i];
      if (c == Document::kParagraphBreak) {
        out_ += "\\par\r\n";
        wordOpen_ = false;
        ++paragraph;
        paragraphStart = true;
      } else if (c == Document::kPictureChar) {
        out_ += doc_.pictures[picture++]->rtfGroup;
        wordOpen_ = false;
        previousBackslash_ = false;
      } else if (IsPlain(c)) {
        i = WritePlainRun(i) - 1;
      } else {
        WriteChar(c);
      }
    }
    if (paragraphStart) SetAlignment(doc_.paragraphs[paragraph]);
  }

 private:
  // Printable ASCII that RTF takes as it is; most of a report is made of it.
  static bool IsPlain(char32_t c) {
    return c >= 0x20 && c < 0x7F && c != U'\\' && c != U'{' && c != U'}' && c != U'\'';
  }

  // Writes the plain characters from `first` on that share its format; returns the index
  // of the first character not written.
  std::size_t WritePlainRun(std::size_t first) {
    std::size_t end = first + 1;
    while (end < doc_.chars.size() && IsPlain(doc_.chars[end]) &&
           doc_.formats[end] == doc_.formats[first]) {
      ++end;
    }
    if (wordOpen_) out_ += ' ';
    wordOpen_ = false;
    previousBackslash_ = false;
    const std::size_t at = out_.size();
    out_.resize(at + (end - first));
    for (std::size_t k = first; k < end; ++k)
      out_[at + k - first] = static_cast<char>(doc_.chars[k]);
    return end;
  }

  void Word(std::string_view word) {
    out_ += word;
    wordOpen_ = true;
    previousBackslash_ = false;
  }
  void Number(int value) { out_ += std::to_string(value); }
  // Plain text after a control word needs the delimiting space.
  void Literal(char c) {
    if (wordOpen_) out_ += ' ';
    wordOpen_ = false;
    out_ += c;
  }
  void Hex(unsigned byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out_ += "\\'";
    out_ += kDigits[byte >> 4];
    out_ += kDigits[byte & 0xF];
    wordOpen_ = false;
  }

  void SetAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    switch (alignment) {
      case Alignment::Left:
        Word("\\ql");
        break;
      case Alignment::Center:
        Word("\\qc");
        break;
      case Alignment::Right:
        Word("\\qr");
        break;
    }
  }

  void SetFormat(const CharFormat& format) {
    if (!haveColor_ || !(format.color == format_.color)) {
      Word("\\cf");
      Number(colors_.IndexOf(format.color));
      haveColor_ = true;
    }
    if (format.bold != format_.bold) Word(format.bold ? "\\b" : "\\b0");
    if (format.underline != format_.underline) Word(format.underline ? "\\ul" : "\\ulnone");
    format_ = format;
  }

  void WriteChar(char32_t c) {
    const bool afterBackslash = previousBackslash_;
    previousBackslash_ = false;
    if (c < 0x80) {
      switch (c) {
        case U'\\':
          out_ += "\\\\";
          wordOpen_ = false;
          previousBackslash_ = true;
          return;
        case U'{':
        case U'}':
          out_ += '\\';
          out_ += static_cast<char>(c);
          wordOpen_ = false;
          return;
        case U'\t':
          Word("\\tab");
          return;
        case U'\'':
          // "\\" then "'" would read as the marker escapes \'9d and \'81 to a text search.
          if (afterBackslash) {
            Hex(0x27);
            return;
          }
          break;
        case 0x7F:
          Hex(0x7F);
          return;
        default:
          if (c < 0x20) return;  // other control characters have no place in RTF text
          break;
      }
      Literal(static_cast<char>(c));
      return;
    }
    const int byte = UnicodeToCp1252(c);
    if (byte >= 0) {
      Hex(static_cast<unsigned>(byte));
      return;
    }
    if (c > 0xFFFF) {
      const char32_t v = c - 0x10000;
      Unicode(0xD800 + (v >> 10));
      Unicode(0xDC00 + (v & 0x3FF));
    } else {
      Unicode(c);
    }
  }

  // \uN with N as a signed 16-bit number, then "?" for readers without Unicode.
  void Unicode(char32_t unit) {
    out_ += "\\u";
    out_ += std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit)));
    out_ += '?';
    wordOpen_ = false;
  }

  const Document& doc_;
  const ColorTable& colors_;
  std::string& out_;
  CharFormat format_;
  bool haveColor_ = false;
  Alignment alignment_ = Alignment::Left;
  bool wordOpen_ = false;           // a control word waits for its delimiter
  bool previousBackslash_ = false;  // the last text written was an escaped backslash
};

}  // namespace

std::string WriteRtf(const Document& doc) {
  std::string out;
  WriteRtf(doc, out);
  return out;
}

void WriteRtf(const Document& doc, std::string& out) {
  std::size_t pictureBytes = 0;
  for (const auto& picture : doc.pictures) pictureBytes += picture->rtfGroup.size();
  out.clear();
  out.reserve(256 + pictureBytes + doc.chars.size() * 2);
  const std::string language = std::to_string(doc.language);
  out += kHeaderStart;
  if (doc.language != 0) out.append("\\deflang").append(language);
  out += kFontTable;
  const ColorTable colors(doc);
  colors.Write(out);
  out += kBodyStart;
  if (doc.language != 0) out.append("\\lang").append(language);
  out += kBodyFont;
  BodyWriter(doc, colors, out).Write();
  out += '}';
}

}  // namespace richtext
