#pragma once
#include <QString>

#include "seams.h"

class QPrinter;

namespace baralune {

// A printer for a reading: the user's paper, and `title` as the document's name (a PDF printed
// to a file carries it as its title).
void SetUpPrinter(QPrinter& printer, const QString& title);

// The print seam's real side: the platform's print dialog on a printer set up for the user's
// paper, with the option "Include my notes", then `paint` on the printer chosen. Returns the reason
// printing failed, or nothing.
QString PrintWithDialog(QWidget* parent, const PagePainter& paint, const QString& title);

// Whether the reader ticked "Include my notes" in the print dialog last shown (off by default,
// and off again each time the dialog opens).
bool NotesChosenForPrint();

// The print preview seam's real side: the pages on a printer set up the same way, shown in a
// preview window from which they can be printed.
void ShowPrintPreview(QWidget* parent, const PagePainter& paint, const QString& title);

}  // namespace baralune
