#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "language.h"
#include "spread_definition.h"
#include "types.h"

namespace baralune {

// How a reading was dealt; the journal stores the numbers, so they never change meaning.
enum class DealMode : std::uint8_t { Automatic = 0, Manual = 1, OwnCards = 2 };

// What is known of a reading besides its report: who asked, how it was dealt and its cards.
// The report of a hand is fully determined by the spread, the cards and the language, so this
// is all it takes to show a reading again; the windows, the journal and the printed reading
// share it.
struct ReadingDetails {
  using Mode = DealMode;

  std::int64_t id = 0;     // given by the journal once kept
  QString name;            // as typed
  QString birthDate;       // as picked in the lists, yyyy-MM-dd (the lists allow days no month has)
  SpreadIndex spread = 0;  // kOwnSpread: the reader's own spread `own`, as it was dealt
  std::shared_ptr<const SpreadDefinition> own;
  Mode mode = Mode::Automatic;
  std::vector<CardIndex> hand;            // the card of each position, in order
  QDateTime dealt;                        // local date and time, with its offset from UTC
  Language language = Language::English;  // of the report
  QString notes;                          // the reader's own words on it, plain text
  bool reopened = false;                  // shown again from the journal rather than dealt now
};

}  // namespace baralune
