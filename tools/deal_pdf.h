#pragma once
#include <string>
#include <vector>

#include "document.h"
#include "language.h"
#include "reading_value.h"
#include "types.h"

namespace baralune {

// The reading just dealt as PDF, dated now, its page texts in `language`, made on Qt's
// offscreen platform so that no display is needed. Empty if it could not be made.
// `reading` gives the spread, the hand and the language; its report is `report`.
std::string HeadlessReadingPdf(const Reading& reading, const richtext::Document& report);

}  // namespace baralune
