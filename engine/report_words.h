#pragma once
#include <string_view>

#include "language.h"

namespace baralune {

// The report's own words around the catalogue's texts, in one language. The site's name and
// address go between them.
struct ReportWords {
  std::string_view headerTail;  // after the site's name
  std::string_view visit;
  std::string_view now;
  std::string_view spreadName;
  std::string_view generatedBy;  // before the site's address
  std::string_view position;     // before the position's number
  std::string_view cardName;
  std::string_view keywords;
  std::string_view timePeriod;
  std::string_view description;
  std::string_view specialInterpretations;
  std::string_view thanks;      // before the site's address
  std::string_view thanksTail;  // after it
};

const ReportWords& ReportWordsIn(Language language);

}  // namespace baralune
