#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

#include "types.h"

namespace baralune::journal {

// How a reading was dealt; the numbers are stored and never change meaning.
enum class DealMode : std::uint8_t { Automatic = 0, Manual = 1, OwnCards = 2 };

// One reading as the journal keeps it: enough to show it again.
struct Entry {
  std::int64_t id = 0;  // given by the journal
  QDateTime dealt;      // local time with its offset from UTC
  QString name;
  QString birthDate;  // yyyy-MM-dd as entered
  SpreadIndex spread = 0;
  DealMode mode = DealMode::Automatic;
  std::vector<CardIndex> hand;              // the card of each position, in order
  QString language = QStringLiteral("en");  // the report's: "en" or "es"
};

}  // namespace baralune::journal
