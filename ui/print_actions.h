#pragma once

class QMenu;

namespace baralune {

class MDI;

// Print… (Ctrl+P), Export as PDF… (Ctrl+E) and Print Preview… in the report window's File menu.
void AddPrintActions(MDI* window, QMenu* file);

// Prints the window's reading through the print dialog; a failure is said in a message box.
void PrintReading(MDI* window);
// Shows the window's reading as it would print, in a preview window.
void PreviewReading(MDI* window);
// Asks for a PDF file and writes the window's reading there. A failure leaves any file there
// as it was and is said in a message box naming the file and the reason; Cancel writes nothing.
void ExportReadingPdf(MDI* window);

}  // namespace baralune
