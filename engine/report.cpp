#include "report.h"

#include <cstdint>
#include <string>

#include "catalogue.h"
#include "report_words.h"
#include "site.h"
#include "special_rules.h"
#include "spreads.h"

namespace baralune {

namespace {

using richtext::Alignment;
using richtext::RichTextBox;

constexpr std::string_view kCrLf = "\r\n";

// Appends pieces at the caret the way the report box expects: the selection (always empty
// here) is replaced by itself followed by the piece.
class Pen {
 public:
  explicit Pen(RichTextBox& box) : box_(box) {}

  template <typename... Pieces>
  void Append(const Pieces&... pieces) {
    std::string text = box_.SelText();
    (text.append(pieces), ...);
    box_.SetSelText(text);
  }
  void Color(richtext::Rgb c) { box_.SetSelColor(c); }
  void Bold(bool on) { box_.SetSelBold(on); }
  void Underline(bool on) { box_.SetSelUnderline(on); }
  void Align(Alignment a) { box_.SetSelAlignment(a); }

 private:
  RichTextBox& box_;
};

const std::string& Rule() {
  static const std::string spaces(512, ' ');
  return spaces;
}

void WriteHeader(Pen& pen, const ReportWords& words) {
  pen.Color(kReportRed);
  pen.Bold(true);
  pen.Append(kSiteName, words.headerTail, kCrLf, kCrLf);
  pen.Bold(false);
  pen.Color(kReportBlack);
  pen.Bold(true);
  pen.Align(Alignment::Center);
  pen.Append(words.visit, kCrLf);
  pen.Bold(false);
  pen.Bold(true);
  pen.Append(kSiteAddress, " ", kCrLf);
  pen.Bold(false);
  pen.Bold(true);
  pen.Append(words.now, kCrLf);
  pen.Align(Alignment::Left);
  pen.Bold(false);
  pen.Underline(true);
  pen.Append(Rule(), kCrLf);
  pen.Underline(false);
}

void WriteSpreadPart(Pen& pen, const ReportWords& words, std::string_view name,
                     std::string_view description) {
  pen.Color(kReportTeal);
  pen.Bold(true);
  pen.Append(kCrLf, words.spreadName, kCrLf);
  pen.Bold(false);
  pen.Color(kReportPurple);
  pen.Bold(true);
  pen.Append(name, kCrLf);
  pen.Bold(false);
  pen.Append(description, kCrLf);
  pen.Append(words.generatedBy, kSiteAddress, kCrLf, kCrLf);
}

// A reader's paragraphs, one line each, as the Gypsy spread's two.
std::string Paragraphs(const std::vector<std::string>& paragraphs) {
  std::string text;
  for (const std::string& paragraph : paragraphs) {
    if (!text.empty()) text.append(kCrLf);
    text.append(paragraph);
  }
  return text;
}

void WriteLabel(Pen& pen, std::string_view label) {
  pen.Color(kReportTeal);
  pen.Bold(true);
  pen.Append(kCrLf, label);
  pen.Bold(false);
  pen.Color(kReportBlack);
}

void WritePositionBlock(Pen& pen, const ReportWords& words, const Catalogue& catalogue,
                        std::string_view meaning, bool descriptionFirst, int position,
                        CardIndex card) {
  pen.Color(kReportTeal);
  pen.Bold(true);
  pen.Append(kCrLf, words.position, std::to_string(position), ": ", kCrLf);
  pen.Bold(false);
  pen.Color(kReportBlack);
  pen.Append(meaning);
  pen.Color(kReportTeal);
  pen.Bold(true);
  pen.Append(kCrLf, words.cardName, kCrLf);
  pen.Bold(false);
  pen.Color(kReportBlack);
  pen.Append(catalogue.cardName[card]);

  // The Gypsy spread puts the description first.
  const bool first = descriptionFirst;
  struct Item {
    std::string_view label;
    const std::string& value;
  };
  const Item keywords{words.keywords, catalogue.cardKeywords[card]};
  const Item period{words.timePeriod, catalogue.cardTimePeriod[card]};
  const Item description{words.description, catalogue.cardDescription[card]};
  const Item items[3] = {first ? description : keywords, first ? keywords : period,
                         first ? period : description};
  for (int i = 0; i < 3; ++i) {
    WriteLabel(pen, items[i].label);
    pen.Append(kCrLf, items[i].value, i == 2 ? kCrLf : std::string_view{});
  }
  pen.Append(words.generatedBy, kSiteAddress, kCrLf, kCrLf);
}

void WriteSpecialInterpretations(Pen& pen, const ReportWords& words, const SpecialFindings& special,
                                 RichTextBox& box, ReportPictures* pictures) {
  if (!special.Any()) return;
  pen.Color(kReportPurple);
  pen.Bold(true);
  pen.Append(words.specialInterpretations, kCrLf);
  pen.Bold(false);
  int printed = 0;
  for (std::size_t slot = 0; slot < special.interpretations.size(); ++slot) {
    if (special.interpretations[slot].empty()) continue;
    for (CardIndex card : special.cards[slot]) {
      if (pictures) pictures->InsertCardPicture(box, card);
    }
    pen.Append(kCrLf);
    pen.Color(kReportTeal);
    pen.Bold(true);
    pen.Append(std::to_string(++printed), ". ");
    pen.Bold(false);
    pen.Color(kReportBlack);
    pen.Append(special.interpretations[slot], kCrLf);
  }
}

void WriteClosing(Pen& pen, const ReportWords& words) {
  pen.Underline(true);
  pen.Append(kCrLf, Rule(), kCrLf);
  pen.Underline(false);
  pen.Bold(true);
  pen.Color(kReportRed);
  pen.Append(words.generatedBy, kSiteAddress, kCrLf);
  pen.Append(kCrLf, words.thanks, kSiteAddress, words.thanksTail);
  pen.Color(kReportBlack);
  pen.Bold(false);
}

}  // namespace

void WriteReport(const Reading& reading, RichTextBox& box, SpreadDisplay* display,
                 ReportPictures* pictures) {
  Pen pen(box);
  const SpreadIndex spread = reading.spread;
  const ReportWords& words = ReportWordsIn(reading.language);
  const Catalogue& catalogue = CatalogueIn(reading.language);
  box.SetText("");
  box.SetLanguage(static_cast<std::uint16_t>(WindowsLanguageId(reading.language)));
  WriteHeader(pen, words);
  if (reading.own) {
    const SpreadDefinition& own = *reading.own;
    if (display) display->LayOutOwnSpread(own);
    WriteSpreadPart(pen, words, own.name, Paragraphs(own.description));
    const int positions = static_cast<int>(own.positions.size());
    for (int p = 1; p <= positions; ++p) {
      const CardIndex card = reading.hand.at(static_cast<std::size_t>(p - 1));
      if (display) display->PlaceCardPicture(kOwnSpread, p, card);
      if (pictures) pictures->InsertCardPicture(box, card);
      WritePositionBlock(pen, words, catalogue, own.positions[static_cast<std::size_t>(p - 1)].text,
                         false, p, card);
    }
    if (display) display->BringLayoutToFront(kOwnSpread);
  } else if (IsKnownSpread(spread)) {
    WriteSpreadPart(pen, words, SpreadReportName(spread, reading.language),
                    catalogue.spreadDescription[spread]);
    const int positions = SpreadOf(spread).cards;
    for (int p = 1; p <= positions; ++p) {
      const CardIndex card = reading.hand.at(static_cast<std::size_t>(p - 1));
      if (display) display->PlaceCardPicture(spread, p, card);
      if (pictures) pictures->InsertCardPicture(box, card);
      WritePositionBlock(pen, words, catalogue, catalogue.PositionMeaning(spread, p),
                         SpreadOf(spread).descriptionFirst, p, card);
    }
    if (display) display->BringLayoutToFront(spread);
  }
  WriteSpecialInterpretations(pen, words, reading.special, box, pictures);
  WriteClosing(pen, words);
}

}  // namespace baralune
