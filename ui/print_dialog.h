#pragma once
#include <QString>

#include "seams.h"

namespace baralune {

// The print seam's real side: the platform's print dialog on a printer set up for the user's
// paper, then `paint` on the printer chosen. Returns the reason printing failed, or nothing.
QString PrintWithDialog(QWidget* parent, const PagePainter& paint);

}  // namespace baralune
