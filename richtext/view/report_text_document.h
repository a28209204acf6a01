#pragma once
#include <QImage>
#include <QTextCharFormat>
#include <QTextDocument>
#include <functional>
#include <vector>

#include "document.h"

namespace richtext {

// The Qt character format of a report's characters: colour, bold and underline.
QTextCharFormat ReportCharFormat(const CharFormat& format);

// Fills `target` (emptied first, its default font kept) with `document` as the report is shown
// and printed: colours, bold, underline, alignment, the pictures at their display size, and a
// paragraph made only of underlined spaces drawn as a rule across the page. Returns the
// position in `target` of each document position, one past the end too.
// `sharper`, if given, may offer a picture drawn at more pixels (for a screen of higher density,
// or paper) to show at the same size; a null image keeps the picture's own.
using SharperPicture = std::function<QImage(const EmbeddedPicture& picture)>;
std::vector<int> FillTextDocument(const Document& document, QTextDocument& target,
                                  const SharperPicture& sharper = {});

}  // namespace richtext
