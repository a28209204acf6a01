#pragma once
#include <QDateTime>
#include <QString>
#include <vector>

#include "language.h"
#include "types.h"

namespace baralune {

// What is known of a reading besides its report: who asked, how it was dealt and its cards.
// The report of a hand is fully determined by the spread and the cards, so this is all it takes
// to show a reading again.
struct ReadingDetails {
  enum class Mode { Automatic, Manual, OwnCards };

  QString name;       // as typed
  QString birthDate;  // as picked in the lists, yyyy-MM-dd (the lists allow days no month has)
  SpreadIndex spread = 0;
  Mode mode = Mode::Automatic;
  std::vector<CardIndex> hand;            // the card of each position, in order
  QDateTime dealt;                        // local date and time, with its offset from UTC
  Language language = Language::English;  // of the report
  bool reopened = false;                  // shown again from the journal rather than dealt now
};

}  // namespace baralune
