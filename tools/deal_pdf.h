#pragma once
#include <string>
#include <vector>

#include "document.h"
#include "language.h"
#include "types.h"

namespace baralune {

// The reading just dealt as PDF, dated now, its page texts in `language`, made on Qt's
// offscreen platform so that no display is needed. Empty if it could not be made.
std::string HeadlessReadingPdf(SpreadIndex spread, const std::vector<CardIndex>& hand,
                               const richtext::Document& report, Language language);

}  // namespace baralune
