#pragma once
// Renders a report box as readable lines, one per paragraph, with each run's attributes, so a
// report's text and attributes can be compared as a whole.
#include <string>

#include "rich_text_box.h"

namespace baralune::testing {

inline std::string ColorName(richtext::Rgb c) {
  if (c == richtext::Rgb{128, 0, 0}) return "red";
  if (c == richtext::Rgb{0, 0, 0}) return "black";
  if (c == richtext::Rgb{0, 128, 128}) return "teal";
  if (c == richtext::Rgb{128, 0, 128}) return "purple";
  return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

inline std::string DumpReport(const richtext::RichTextBox& box) {
  const richtext::Document& doc = box.document();
  std::string out;
  std::size_t paragraph = 0;
  auto startParagraph = [&] {
    out += doc.paragraphs[paragraph] == richtext::Alignment::Center ? "[center]" : "[left]";
  };
  startParagraph();
  std::size_t i = 0;
  while (i < doc.size()) {
    if (doc.chars[i] == richtext::Document::kParagraphBreak) {
      out += "\n";
      ++paragraph;
      startParagraph();
      ++i;
      continue;
    }
    const richtext::CharFormat format = doc.formats[i];
    std::u32string run;
    while (i < doc.size() && doc.formats[i] == format &&
           doc.chars[i] != richtext::Document::kParagraphBreak) {
      run += doc.chars[i++];
    }
    std::string text = richtext::EncodeUtf8(run);
    const std::string rule(512, ' ');
    for (auto at = text.find(rule); at != std::string::npos; at = text.find(rule)) {
      text.replace(at, rule.size(), "<512 spaces>");
    }
    out += " {" + ColorName(format.color) + (format.bold ? ",b" : "") +
           (format.underline ? ",u" : "") + "}" + text;
  }
  out += "\n";
  return out;
}

}  // namespace baralune::testing
