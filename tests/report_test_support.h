#pragma once
// What the report tests share: a reading with a report box only, fixed hands, and comparison
// of a whole report with its reviewed copy under tests/golden.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "reading.h"
#include "report_dump.h"
#include "site.h"

namespace baralune::testing {

class BoxOnly : public ReadingWindows {
 public:
  richtext::RichTextBox& ReportBox() override { return box; }
  richtext::RichTextBox box;
};

// Deals `cards` in order, padded with card 0 to the spread's size, plus the spare slot.
inline HandDrawer Fixed(std::vector<CardIndex> cards) {
  return [cards](int n) {
    std::vector<CardIndex> hand = cards;
    hand.resize(std::max<std::size_t>(hand.size(), static_cast<std::size_t>(n)) + 1, 0);
    return hand;
  };
}

// Hands chosen to fire rules 8 and 10; nothing; 2, 6 and 10; and eleven rules.
inline const std::vector<CardIndex> kHands[] = {
    {29, 27, 30},
    {0, 1, 2, 3, 4, 7, 8, 9, 10},
    {20, 21, 22, 27, 25, 29, 10},
    {39, 32, 34, 4, 6, 36, 29, 26, 30, 37, 24, 33, 35, 19, 27, 20, 0, 15, 21, 22, 25},
};

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The report in `box`, text and attributes, against tests/golden/<name>. The site is a build
// setting, so the reviewed copies name it by placeholder. BARALUNE_UPDATE_GOLDEN=1 rewrites the
// copy after a deliberate change, for review.
inline void ExpectReviewedReport(const richtext::RichTextBox& box, const std::string& name) {
  std::string dump = DumpReport(box);
  for (const auto& [value, placeholder] :
       {std::pair{kSiteAddress, "<site address>"}, std::pair{kSiteName, "<site name>"}}) {
    for (auto at = dump.find(value); at != std::string::npos; at = dump.find(value, at)) {
      dump.replace(at, value.size(), placeholder);
    }
  }
  const std::string path = std::string(BARALUNE_TEST_DATA) + "/golden/" + name;
  if (std::getenv("BARALUNE_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << dump;
    return;
  }
  EXPECT_EQ(dump, Slurp(path));
}

}  // namespace baralune::testing
