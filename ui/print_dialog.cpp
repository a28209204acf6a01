#include "print_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "reading_print.h"

namespace baralune {

namespace {
bool g_notesChosen = false;
}  // namespace

bool NotesChosenForPrint() {
  return g_notesChosen;
}

void SetUpPrinter(QPrinter& printer, const QString& title) {
  print::SetUpPage(printer);
  printer.setDocName(title);
}

QString PrintWithDialog(QWidget* parent, const PagePainter& paint, const QString& title) {
  auto Tr = [](const char* text) { return QCoreApplication::translate("PrintDialog", text); };
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, title);
  QPrintDialog dialog(&printer, parent);
  // The notes are the reader's private words: printed only when asked for, each time.
  g_notesChosen = false;
  auto* options = new QWidget;
  options->setWindowTitle(Tr(QT_TRANSLATE_NOOP("PrintDialog", "Notes")));
  auto* notes = new QCheckBox(Tr(QT_TRANSLATE_NOOP("PrintDialog", "Include my notes")), options);
  notes->setObjectName(QStringLiteral("chkIncludeNotes"));
  (new QVBoxLayout(options))->addWidget(notes);
  dialog.setOptionTabs({options});
  if (dialog.exec() != QDialog::Accepted) return {};  // cancelled: nothing printed, nothing said
  g_notesChosen = notes->isChecked();
  if (!paint(printer))
    return Tr(QT_TRANSLATE_NOOP("PrintDialog", "the printer could not be started"));
  if (printer.printerState() == QPrinter::Error)
    return Tr(QT_TRANSLATE_NOOP("PrintDialog", "the print system reported an error"));
  return {};
}

void ShowPrintPreview(QWidget* parent, const PagePainter& paint, const QString& title) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, title);
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* shown) {
                     if (!paint(*shown)) qWarning("Print preview: the pages could not be drawn");
                   });
  dialog.exec();
}

}  // namespace baralune
