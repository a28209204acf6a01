// The Spanish edition of the reading: every report reviewed as a whole, nothing of the English
// left in it, and the accents written the way every RTF reader understands.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue.h"
#include "catalogue_texts.h"
#include "language.h"
#include "report_test_support.h"
#include "report_words.h"
#include "rtf_writer.h"
#include "special_rules.h"

namespace baralune {
namespace {

using testing::BoxOnly;
using testing::Fixed;
using testing::kHands;

// Every text the English edition can put in a report, the site's words aside.
std::vector<std::string> EnglishTexts() {
  const Catalogue& c = CatalogueIn(Language::English);
  std::vector<std::string> texts;
  for (int k = 0; k < kDeckSize; ++k) {
    texts.insert(texts.end(),
                 {c.cardName[k], c.cardKeywords[k], c.cardTimePeriod[k], c.cardDescription[k]});
  }
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    texts.push_back(c.spreadDescription[s]);
    texts.emplace_back(SpreadReportName(s, Language::English));
    for (int p = 1; p <= SpreadOf(s).cards; ++p) texts.push_back(c.PositionMeaning(s, p));
  }
  for (const SpecialRule& rule : SpecialRules()) texts.emplace_back(rule.sentence);
  const ReportWords& w = ReportWordsIn(Language::English);
  for (std::string_view word : {w.headerTail, w.visit, w.now, w.spreadName, w.generatedBy,
                                w.position, w.cardName, w.keywords, w.timePeriod, w.description,
                                w.specialInterpretations, w.thanks, w.thanksTail}) {
    texts.emplace_back(word);
  }
  return texts;
}

class SpanishReportTest : public ::testing::Test {
 protected:
  void SetUp() override { english_ = EnglishTexts(); }

  std::string Read(SpreadIndex spread, BoxOnly& windows) {
    RunReading(spread, windows, Fixed(kHands[spread]), Language::Spanish);
    return windows.box.Text();
  }

  std::vector<std::string> english_;
};

// Text, attributes and order of each spread's Spanish report against a reviewed copy
// (BARALUNE_UPDATE_GOLDEN=1 rewrites the copies).
TEST_F(SpanishReportTest, EachSpreadMatchesItsReviewedReport) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    SCOPED_TRACE("spread " + std::to_string(spread));
    BoxOnly windows;
    Read(spread, windows);
    testing::ExpectReviewedReport(windows.box,
                                  "report_spread" + std::to_string(spread) + ".es.txt");
  }
}

TEST_F(SpanishReportTest, NoEnglishTextIsLeftInAnySpreadsReport) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    BoxOnly windows;
    const std::string text = Read(spread, windows);
    for (const std::string& english : english_) {
      EXPECT_EQ(text.find(english), std::string::npos) << "spread " << spread << ": " << english;
    }
  }
  EXPECT_TRUE(AnySpecialInterpretation());
}

// Every English text has its Spanish counterpart, and the card names keep the deck's
// traditional form.
TEST_F(SpanishReportTest, EveryEnglishTextHasItsSpanishCounterpart) {
  const Catalogue& c = CatalogueIn(Language::Spanish);
  const char* const ranks[] = {"As",   "Dos",   "Tres", "Cuatro", "Cinco",
                               "Seis", "Siete", "Sota", "Rey",    "Caballo"};
  const char* const suits[] = {"Bastos", "Oros", "Copas", "Espadas"};
  for (int k = 0; k < kDeckSize; ++k) {
    EXPECT_EQ(c.cardName[k], std::string(ranks[k % 10]) + " de " + suits[k / 10]);
    EXPECT_FALSE(c.cardKeywords[k].empty() || c.cardTimePeriod[k].empty() ||
                 c.cardDescription[k].empty())
        << k;
  }
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    EXPECT_FALSE(c.spreadDescription[s].empty() || SpreadListText(s, Language::Spanish).empty());
    for (int p = 1; p <= SpreadOf(s).cards; ++p) EXPECT_FALSE(c.PositionMeaning(s, p).empty());
  }
  for (std::string_view sentence : texts::kSpecialSentencesEs) EXPECT_FALSE(sentence.empty());
}

// Accented letters go out through the code page; the file itself stays plain ASCII.
TEST_F(SpanishReportTest, AccentsAreWrittenThroughTheCodePage) {
  BoxOnly windows;
  Read(3, windows);
  const std::string rtf = richtext::WriteRtf(windows.box.document());
  for (const char* escape : {"\\'e1", "\\'e9", "\\'ed", "\\'f3", "\\'fa", "\\'f1", "\\'aa"}) {
    EXPECT_NE(rtf.find(escape), std::string::npos) << escape;
  }
  EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(),
                          [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

// The saved report says its language, so word processors check its spelling in it; apart
// from the two tags the English file is what it was before it said so.
TEST_F(SpanishReportTest, RtfDeclaresTheReportsLanguage) {
  const std::pair<Language, std::string> languages[] = {{Language::English, "1033"},
                                                        {Language::Spanish, "3082"}};
  for (const auto& [language, id] : languages) {
    SCOPED_TRACE(id);
    BoxOnly windows;
    RunReading(2, windows, Fixed(kHands[2]), language);
    std::string rtf = windows.box.TextRTF();
    const std::string deflang = "\\deflang" + id, lang = "\\lang" + id;
    EXPECT_EQ(rtf.find("{\\rtf1\\ansi\\ansicpg1252\\deff0" + deflang + "{\\fonttbl"), 0u);
    EXPECT_NE(rtf.find("\\viewkind4\\uc1\\pard" + lang + "\\f0\\fs16 "), std::string::npos);
    rtf.erase(rtf.find(deflang), deflang.size());
    rtf.erase(rtf.find(lang), lang.size());
    richtext::Document unmarked = windows.box.document();
    unmarked.language = 0;
    EXPECT_EQ(rtf, richtext::WriteRtf(unmarked));
  }
}

}  // namespace
}  // namespace baralune
