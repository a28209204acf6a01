// The spread file: what is written comes back the same, and a file that is not a sound spread
// is refused with its reason.
#include <gtest/gtest.h>

#include <string>

#include "reading_json.h"
#include "spread_file.h"
#include "spread_library.h"

namespace baralune::interchange {
namespace {

SpreadDefinition Sample() {
  SpreadDefinition spread;
  spread.name = "La cruz de Ñúñez \"🃏\"";
  spread.description = {"Five cards in a cross.", "The centre is you."};
  spread.positions = {{"Card 1: you.", {4717, 3000}},
                      {"Card 2: above.", {4717, 1440}},
                      {"Card 3: below.", {4717, 4560}},
                      {"Card 4: behind.", {3500, 3000}},
                      {"Card 5: ahead.", {5934, 3000}}};
  spread.rowCaptions = {{"NOW", 4000, 1000, 2500}};
  return spread;
}

// The sample's file with `from` replaced by `to`.
std::string Edited(const std::string& from, const std::string& to) {
  std::string text = WriteSpreadFile(Sample());
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(SpreadFileTest, WrittenFileReadsBackTheSame) {
  const std::string text = WriteSpreadFile(Sample());
  EXPECT_TRUE(text.starts_with("{\n  \"format\": \"baralune-spread\",\n  \"version\": 1,"));
  const SpreadFileResult read = ReadSpreadFile(text);
  ASSERT_TRUE(read.spread) << DescribeRefusal(read, Language::English);
  EXPECT_EQ(*read.spread, Sample());
  // Members a later version adds are passed over; captions and description may be left out.
  EXPECT_TRUE(ReadSpreadFile(Edited("\"name\"", "\"colour\": \"red\", \"name\"")).spread);
  SpreadDefinition bare = Sample();
  bare.description.clear();
  bare.rowCaptions.clear();
  std::string text2 = WriteSpreadFile(bare);
  EXPECT_EQ(text2.find("row_captions"), std::string::npos);
  EXPECT_EQ(ReadSpreadFile(text2).spread, bare);
}

TEST(SpreadFileTest, RefusesWhatIsNotASoundSpread) {
  std::string positions = "[";
  for (int i = 0; i < 22; ++i) positions += "{\"text\":\"x\",\"left\":0,\"top\":400},";
  positions.back() = ']';
  const struct {
    std::string text;
    SpreadRefusal why;
  } cases[] = {
      {"", SpreadRefusal::NotThisFormat},
      {"not json", SpreadRefusal::NotThisFormat},
      {"[1]", SpreadRefusal::NotThisFormat},
      {Edited("baralune-spread", "baralune-journal"), SpreadRefusal::NotThisFormat},
      {Edited("\"version\": 1", "\"version\": \"1\""), SpreadRefusal::NotThisFormat},
      {Edited("\"version\": 1", "\"version\": 2"), SpreadRefusal::NewerVersion},
      {Edited("\"left\": 4717", "\"left\": 4717.5"), SpreadRefusal::Damaged},
      {Edited("\"left\": 4717", "\"left\": 99999999999999999999"), SpreadRefusal::Damaged},
      {Edited("\"name\"", "\"nombre\""), SpreadRefusal::Damaged},
      {Edited("\"Five", "[[[[[[[[[[]]]]]]]]]], \"Five"), SpreadRefusal::Damaged},
      {Edited("Card 1: you.", "\\u0007"), SpreadRefusal::Unsound},
      {Edited("\"NOW\"", "\"\xC3\""), SpreadRefusal::NotThisFormat},  // not UTF-8
      {Edited("\"name\": \"", "\"name\": \"" + std::string(100000, 'x')), SpreadRefusal::Unsound},
      {Edited("\"top\": 1440", "\"top\": 3000"), SpreadRefusal::Unsound},    // on card 1
      {Edited("\"left\": 5934", "\"left\": 9500"), SpreadRefusal::Unsound},  // off the display
      {Edited(WriteSpreadFile(Sample()).substr(WriteSpreadFile(Sample()).find("\"positions\"")),
              "\"positions\": " + positions + "}"),
       SpreadRefusal::Unsound},
      {std::string(kMaxSpreadFileBytes + 1, ' '), SpreadRefusal::TooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 300));
    const SpreadFileResult read = ReadSpreadFile(c.text);
    EXPECT_FALSE(read.spread);
    EXPECT_EQ(read.refusal, c.why);
    EXPECT_FALSE(DescribeRefusal(read, Language::Spanish).empty());
  }
  const SpreadFileResult many = ReadSpreadFile(cases[15].text);
  ASSERT_TRUE(many.problem);
  EXPECT_EQ(many.problem->kind, SpreadProblem::Kind::TooManyPositions);
  EXPECT_EQ(DescribeRefusal(many, Language::English), "the spread has more than 21 positions");
}

// A journal file's reading of a reader's spread carries the spread; without a sound one the
// line is skipped.
TEST(SpreadFileTest, JournalLinesCarryTheReadersSpread) {
  Reading reading;
  reading.name = "Ana";
  reading.spread = kOwnSpread;
  reading.ownSpread = Sample();
  reading.cards = {0, 1, 2, 3, 39};
  const std::string line = ReadingLine(reading);
  const auto parsed = ParseReading(line);
  ASSERT_TRUE(std::holds_alternative<Reading>(parsed));
  EXPECT_EQ(std::get<Reading>(parsed), reading);
  std::string unsound = line;
  unsound.replace(unsound.find("\"left\":4717"), 11, "\"left\":-400");
  EXPECT_EQ(std::get<Skip>(ParseReading(unsound)), Skip::UnknownSpread);
  reading.cards.pop_back();
  EXPECT_EQ(std::get<Skip>(ParseReading(ReadingLine(reading))), Skip::WrongCardCount);
}

// The kept spreads come back in order; one that cannot be read is counted, not taken.
TEST(SpreadFileTest, TheLibraryKeepsEachSpread) {
  SpreadDefinition second = Sample();
  second.name = "Second";
  std::string text = WriteSpreadLibrary({Sample(), second, Sample()});
  text.replace(text.rfind("\"left\": 4717"), 12, "\"left\": -1");
  const SpreadLibrary library = ReadSpreadLibrary(text);
  ASSERT_EQ(library.spreads.size(), 2u);
  EXPECT_EQ(library.spreads[1], second);
  EXPECT_EQ(library.skipped, 1);
  EXPECT_EQ(ReadSpreadLibrary(WriteSpreadFile(Sample())).refusal, SpreadRefusal::NotThisFormat);
}

}  // namespace
}  // namespace baralune::interchange
