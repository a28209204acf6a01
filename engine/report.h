#pragma once
#include <vector>

#include "reading_value.h"
#include "reading_windows.h"
#include "types.h"

namespace baralune {

inline constexpr richtext::Rgb kReportRed{128, 0, 0};
inline constexpr richtext::Rgb kReportBlack{0, 0, 0};
inline constexpr richtext::Rgb kReportTeal{0, 128, 128};
inline constexpr richtext::Rgb kReportPurple{128, 0, 128};

// Writes the whole report of `reading` (its spread, language, hand and special
// interpretations) into the report box: header, spread part, one block per position, the
// special interpretations that fired, closing, placing each card in the spread display as its
// block is written. `display` and `pictures` may be null; their steps are then left out.
void WriteReport(const Reading& reading, richtext::RichTextBox& box, SpreadDisplay* display,
                 ReportPictures* pictures);

}  // namespace baralune
