// The Spanish edition of the reading: every report reviewed as a whole, nothing of the English
// left in it, and the accents written the way every RTF reader understands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "catalogue.h"
#include "catalogue_texts.h"
#include "language.h"
#include "reading.h"
#include "report_dump.h"
#include "report_words.h"
#include "rtf_writer.h"
#include "site.h"
#include "special_rules.h"

namespace baralune {
namespace {

class BoxOnly : public ReadingWindows {
 public:
  richtext::RichTextBox& ReportBox() override { return box; }
  richtext::RichTextBox box;
};

HandDrawer Fixed(std::vector<CardIndex> cards) {
  return [cards](int n) {
    std::vector<CardIndex> hand = cards;
    hand.resize(std::max<std::size_t>(hand.size(), static_cast<std::size_t>(n)) + 1, 0);
    return hand;
  };
}

// The English report tests' hands: between them they fire every special rule but one.
const std::vector<CardIndex> kHands[] = {
    {29, 27, 30},
    {0, 1, 2, 3, 4, 7, 8, 9, 10},
    {20, 21, 22, 27, 25, 29, 10},
    {39, 32, 34, 4, 6, 36, 29, 26, 30, 37, 24, 33, 35, 19, 27, 20, 0, 15, 21, 22, 25},
};

// Every text the English edition can put in a report, the site's words aside.
std::vector<std::string> EnglishTexts() {
  SetCatalogueLanguage(Language::English);
  std::vector<std::string> texts;
  for (int k = 0; k < kDeckSize; ++k) {
    texts.insert(texts.end(),
                 {CardName[k], CardKeywords[k], CardTimePeriod[k], CardDescription[k]});
  }
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    texts.push_back(SpreadDescription[s]);
    texts.emplace_back(SpreadReportName(s));
    for (int p = 1; p <= CardCount(s); ++p) texts.push_back(PositionMeaning(s, p));
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
  void TearDown() override { SetCatalogueLanguage(Language::English); }

  std::string Read(SpreadIndex spread, BoxOnly& windows) {
    SetCatalogueLanguage(Language::Spanish);
    RunReading(spread, windows, Fixed(kHands[spread]));
    return windows.box.Text();
  }

  std::vector<std::string> english_;
};

std::string Golden(int spread) {
  return std::string(BARALUNE_TEST_DATA) + "/golden/report_spread" + std::to_string(spread) +
         ".es.txt";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Text, attributes and order of each spread's Spanish report against a reviewed copy
// (BARALUNE_UPDATE_GOLDEN=1 rewrites the copies).
TEST_F(SpanishReportTest, EachSpreadMatchesItsReviewedReport) {
  for (SpreadIndex spread = 0; spread < kSpreadCount; ++spread) {
    SCOPED_TRACE("spread " + std::to_string(spread));
    BoxOnly windows;
    Read(spread, windows);
    std::string dump = testing::DumpReport(windows.box);
    for (const auto& [value, name] :
         {std::pair{kSiteAddress, "<site address>"}, std::pair{kSiteName, "<site name>"}}) {
      for (auto at = dump.find(value); at != std::string::npos; at = dump.find(value, at)) {
        dump.replace(at, value.size(), name);
      }
    }
    if (std::getenv("BARALUNE_UPDATE_GOLDEN")) {
      std::ofstream(Golden(spread), std::ios::binary) << dump;
      continue;
    }
    EXPECT_EQ(dump, Slurp(Golden(spread)));
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
  SetCatalogueLanguage(Language::Spanish);
  const char* const ranks[] = {"As",   "Dos",   "Tres", "Cuatro", "Cinco",
                               "Seis", "Siete", "Sota", "Rey",    "Caballo"};
  const char* const suits[] = {"Bastos", "Oros", "Copas", "Espadas"};
  for (int k = 0; k < kDeckSize; ++k) {
    EXPECT_EQ(CardName[k], std::string(ranks[k % 10]) + " de " + suits[k / 10]);
    EXPECT_FALSE(CardKeywords[k].empty() || CardTimePeriod[k].empty() || CardDescription[k].empty())
        << k;
  }
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    EXPECT_FALSE(SpreadDescription[s].empty() || SpreadListText(s).empty());
    for (int p = 1; p <= CardCount(s); ++p) EXPECT_FALSE(PositionMeaning(s, p).empty());
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

}  // namespace
}  // namespace baralune
