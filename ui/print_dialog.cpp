#include "print_dialog.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "reading_print.h"

namespace baralune {

QString PrintWithDialog(QWidget* parent, const PagePainter& paint) {
  auto Tr = [](const char* text) { return QCoreApplication::translate("PrintDialog", text); };
  QPrinter printer(QPrinter::HighResolution);
  print::SetUpPage(printer);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return {};  // cancelled: nothing printed, nothing said
  if (!paint(printer))
    return Tr(QT_TRANSLATE_NOOP("PrintDialog", "the printer could not be started"));
  if (printer.printerState() == QPrinter::Error)
    return Tr(QT_TRANSLATE_NOOP("PrintDialog", "the print system reported an error"));
  return {};
}

}  // namespace baralune
