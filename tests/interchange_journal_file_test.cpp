// The journal file on its own: what the writer writes comes back the same, and whatever a
// hostile or damaged file holds is refused or skipped, counted by reason, within bounds.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "iso_time.h"
#include "journal_reader.h"
#include "journal_writer.h"
#include "spreads.h"

namespace baralune::interchange {
namespace {

Reading Sample(SpreadIndex spread = 3) {
  Reading reading;
  reading.dealtMsecs = 1'773'518'709'250;  // 2026-03-14T20:05:09.250Z
  reading.utcOffsetSeconds = 3600;
  reading.name = "José \"Pepe\" Ñúñez 🃏";
  reading.birthDate = "1990-02-31";
  reading.spread = spread;
  reading.mode = Mode::OwnCards;
  reading.language = Language::Spanish;
  for (int p = 0; p < SpreadOf(spread).cards; ++p)
    reading.cards.push_back(static_cast<CardIndex>(p));
  return reading;
}

// A line of the sample with one member's JSON text replaced.
std::string With(const std::string& key, const std::string& json) {
  std::string line = ReadingLine(Sample());
  const std::size_t at = line.find("\"" + key + "\":");
  const std::size_t from = at + key.size() + 3;
  std::size_t to = from;
  if (line[from] == '"') {
    to = line.find('"', from + 1) + 1;
    while (line[to - 2] == '\\') to = line.find('"', to) + 1;
  } else if (line[from] == '[') {
    to = line.find(']', from) + 1;
  }
  return line.replace(from, to - from, json);
}

ReadResult ReadLines(const std::string& rows) {
  return ReadJournal(HeaderLine() + rows);
}

TEST(JournalFileFormatTest, WhatIsWrittenIsReadBackTheSame) {
  std::vector<Reading> readings;
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    for (int m = 0; m < 3; ++m) {
      Reading r = Sample(s);
      r.mode = static_cast<Mode>(m);
      r.language = m % 2 ? Language::English : Language::Spanish;
      r.utcOffsetSeconds = (m - 1) * 34200;                 // -09:30, 00:00, +09:30
      r.dealtMsecs = -86'400'000LL * 365 * 60 + s * 7 + m;  // before 1970 too
      readings.push_back(r);
    }
  }
  readings[1].birthDate.clear();
  readings[2].notes = "Preguntó por \"el trabajo\".\nSalió bien.\t✓";
  // The longest notes the Notes window takes, in a script of three bytes a character.
  for (int i = 0; i < 100'000; ++i) readings[3].notes += "月";
  const std::string text = WriteJournal(readings);
  EXPECT_TRUE(text.starts_with("{\"format\":\"baralune-journal\",\"version\":1}\n"));
  const ReadResult read = ReadJournal(text);
  EXPECT_EQ(read.refusal, Refusal::None);
  EXPECT_EQ(read.SkippedTotal(), 0);
  EXPECT_EQ(read.readings, readings);

  // Read in pieces of any size, with CRLF line ends, it is the same.
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  JournalReader reader;
  for (std::size_t i = 0; i < crlf.size(); i += 7) reader.Feed(std::string_view(crlf).substr(i, 7));
  EXPECT_EQ(reader.Finish().readings, readings);
}

TEST(JournalFileFormatTest, DatesAreIsoWithTheirOffset) {
  EXPECT_EQ(FormatDealt(1'773'518'709'250, 3600), "2026-03-14T21:05:09.250+01:00");
  EXPECT_EQ(FormatDealt(1'773'518'709'250, -12600), "2026-03-14T16:35:09.250-03:30");
  // An offset of odd seconds is written to the minute; the moment stays the same.
  const auto odd = ParseDealt(FormatDealt(-2'208'988'800'000, -75));
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->msecsSinceEpoch, -2'208'988'800'000);
  // Whatever a damaged journal holds is written without overflow, and not read back.
  EXPECT_FALSE(ParseDealt(FormatDealt(INT64_MAX, INT32_MAX)));
  EXPECT_FALSE(ParseDealt(FormatDealt(INT64_MIN, INT32_MIN)));
  // Another program's forms: UTC, no fraction, a longer fraction.
  EXPECT_EQ(ParseDealt("2026-03-14T20:05:09Z")->msecsSinceEpoch, 1'773'518'709'000);
  EXPECT_EQ(ParseDealt("2026-03-14T20:05:09.250999Z")->msecsSinceEpoch, 1'773'518'709'250);
  for (const char* bad :
       {"2026-02-29T10:00:00Z", "2026-03-14 20:05:09Z", "2026-03-14T20:05:09",
        "2026-03-14T24:00:00Z", "2026-03-14T20:05:09+15:00", "2026-03-14T20:05:09.Z",
        "0000-01-01T00:00:00Z", "2026-03-14T20:05:09+01:00x"}) {
    EXPECT_FALSE(ParseDealt(bad)) << bad;
  }
}

TEST(JournalFileFormatTest, BadRowsAreSkippedAndCountedByReason) {
  const std::string name100k(100'000, 'a');
  const std::string name32767(32767, 'a');
  const std::pair<std::string, Skip> rows[] = {
      {"not json", Skip::Damaged},
      {"[1,2,3]", Skip::Damaged},
      {With("name", "42"), Skip::Damaged},
      {With("language", "\"es\",\"notes\":7"), Skip::Damaged},
      {With("cards", "[[[[1]]]]"), Skip::Damaged},
      {"{\"dealt\":\"2026-03-14T20:05:09Z\"}", Skip::Damaged},
      {With("name", "\"a\\u0000b\""), Skip::ControlCharacter},
      {With("name", "\"a\\u0085b\""), Skip::ControlCharacter},
      {With("birth_date", "\"1990-02-3\\n\""), Skip::ControlCharacter},
      {With("name", "\"" + name100k + "\""), Skip::NameTooLong},
      {With("name", "\"" + name32767 + "🃏\""), Skip::NameTooLong},
      {With("dealt", "\"yesterday\""), Skip::BadDate},
      {With("birth_date", "\"1990-13-01\""), Skip::BadDate},
      {With("spread", "\"celtic_cross\""), Skip::UnknownSpread},
      {With("mode", "\"psychic\""), Skip::UnknownMode},
      {With("language", "\"fr\""), Skip::UnknownLanguage},
      {With("cards", "[0,1,40]"), Skip::BadCard},
      {With("cards", "[0,1,-1]"), Skip::BadCard},
      {With("cards", "[0,1,2.5]"), Skip::BadCard},
      {With("cards", "[0,1,99999999999999999999999]"), Skip::BadCard},
      {With("cards", "[0,1,2]"), Skip::WrongCardCount},
  };
  std::string text;
  for (const auto& [line, reason] : rows) text += line + "\n";
  // Duplicate positions: a Gypsy hand with card 5 twice.
  std::string cards = "[";
  for (int p = 0; p < 21; ++p) cards += std::to_string(p == 20 ? 5 : p) + (p < 20 ? "," : "]");
  text += With("cards", cards) + "\n";
  text += ReadingLine(Sample()) + "\n\n   \n";  // blank lines are passed over
  text += ReadingLine(Sample()).substr(0, 60);  // cut short, no line end

  const ReadResult read = ReadLines(text);
  ASSERT_EQ(read.refusal, Refusal::None);
  ASSERT_EQ(read.readings.size(), 1u);
  EXPECT_EQ(read.readings[0], Sample());
  std::array<int, kSkipReasons> expected = {};
  for (const auto& [line, reason] : rows) ++expected[static_cast<int>(reason)];
  ++expected[static_cast<int>(Skip::DuplicateCard)];
  ++expected[static_cast<int>(Skip::Truncated)];
  EXPECT_EQ(read.skipped, expected);
  // A name of the longest length the main window takes is kept.
  EXPECT_EQ(ReadLines(With("name", "\"" + name32767 + "\"")).readings.size(), 1u);
  // A whole last line without its line end is kept.
  EXPECT_EQ(ReadLines(ReadingLine(Sample())).readings.size(), 1u);
}

TEST(JournalFileFormatTest, WholeFilesAreRefusedForWhatTheyAre) {
  EXPECT_EQ(ReadJournal("").refusal, Refusal::Empty);
  EXPECT_EQ(ReadJournal("\n\n").refusal, Refusal::Empty);
  EXPECT_EQ(ReadJournal("date,name,birth_date,spread,mode,cards\r\n").refusal,
            Refusal::NotThisFormat);
  EXPECT_EQ(ReadJournal("{\\rtf1\\ansi}").refusal, Refusal::NotThisFormat);
  EXPECT_EQ(ReadJournal("{\"format\":\"other\",\"version\":1}\n").refusal, Refusal::NotThisFormat);
  EXPECT_EQ(ReadJournal("{\"format\":\"baralune-journal\",\"version\":\"1\"}\n").refusal,
            Refusal::NotThisFormat);
  EXPECT_EQ(ReadJournal(std::string(10'000'000, 'x')).refusal, Refusal::NotThisFormat);
  const ReadResult newer =
      ReadJournal("{\"format\":\"baralune-journal\",\"version\":2}\n" + ReadingLine(Sample()));
  EXPECT_EQ(newer.refusal, Refusal::NewerVersion);
  EXPECT_EQ(newer.version, 2);
  EXPECT_TRUE(newer.readings.empty());
  // A byte-order mark and members the header does not need are fine.
  EXPECT_EQ(ReadJournal("\xEF\xBB\xBF{\"format\":\"baralune-journal\",\"version\":1,\"by\":\"x\"}")
                .refusal,
            Refusal::None);
}

// Hostile sizes, fed as they would come from disk, never held whole: a line of 100 MB is
// skipped without being kept, and millions of rows are refused after the cap.
TEST(JournalFileFormatTest, HugeLinesAndMillionsOfRowsStayWithinBounds) {
  Limits limits;
  limits.maxBytes = 1ull << 40;
  JournalReader reader(limits);
  reader.Feed(HeaderLine());
  const std::string block(1 << 20, '7');
  reader.Feed("{\"name\":\"");
  for (int i = 0; i < 100; ++i) reader.Feed(block);
  reader.Feed("\"}\n" + ReadingLine(Sample()) + "\n");
  ReadResult read = reader.Finish();
  EXPECT_EQ(read.refusal, Refusal::None);
  EXPECT_EQ(read.Skipped(Skip::LineTooLong), 1);
  EXPECT_EQ(read.readings.size(), 1u);

  JournalReader many(limits);
  many.Feed(HeaderLine());
  std::string chunk;
  for (int i = 0; i < 1000; ++i) chunk += ReadingLine(Sample(0)) + "\n";
  int fed = 0;
  while (fed < 3'000'000 && many.Feed(chunk)) fed += 1000;
  EXPECT_EQ(fed, static_cast<int>(Limits{}.maxRows));  // stopped at the cap, not the end
  read = many.Finish();
  EXPECT_EQ(read.refusal, Refusal::TooManyRows);
  EXPECT_TRUE(read.readings.empty());

  // A file larger than the limit is refused as it grows.
  Limits small;
  small.maxBytes = 1 << 20;
  small.maxRows = std::numeric_limits<std::size_t>::max();
  JournalReader large(small);
  large.Feed(HeaderLine());
  while (large.Feed(chunk)) {
  }
  EXPECT_EQ(large.Finish().refusal, Refusal::TooLarge);
}

}  // namespace
}  // namespace baralune::interchange
