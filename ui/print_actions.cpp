#include "print_actions.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <string_view>

#include "MDI.h"
#include "look.h"
#include "print_dialog.h"
#include "program.h"
#include "reading_print.h"
#include "save_file.h"
#include "seams.h"

namespace baralune {

void AddPrintActions(MDI* window, QMenu* file) {
  QAction* print = file->addAction(MDI::tr("&Print…"));
  print->setObjectName(QStringLiteral("mnuPrint"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QObject::connect(print, &QAction::triggered, window, [window] { PrintReading(window); });
  QAction* pdf = file->addAction(MDI::tr("&Export as PDF…"));
  pdf->setObjectName(QStringLiteral("mnuExportPdf"));
  pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  QObject::connect(pdf, &QAction::triggered, window, [window] { ExportReadingPdf(window); });
  QAction* preview = file->addAction(MDI::tr("Print Pre&view…"));
  preview->setObjectName(QStringLiteral("mnuPrintPreview"));
  QObject::connect(preview, &QAction::triggered, window, [window] { PreviewReading(window); });
}

namespace {

// The reading as it goes on paper: without the reader's notes unless they asked for them.
ReadingDetails WithoutNotes(const ReadingDetails& details) {
  ReadingDetails shown = details;
  shown.notes.clear();
  return shown;
}

}  // namespace

void PrintReading(MDI* window) {
  const ReadingDetails details = window->Details();
  const richtext::Document& report = window->ReportBox().document();
  QString error;
  try {
    error = AppSeams().print(
        window,
        [&](QPagedPaintDevice& printer) {
          return print::PaintReading(
              printer, NotesChosenForPrint() ? details : WithoutNotes(details), report);
        },
        print::ReadingTitle(details));
  } catch (const std::exception& failure) {
    ReportFailedStep(MDI::tr("The reading could not be printed:\n%1"), failure);
    return;
  }
  if (!error.isEmpty()) {
    ShowMessage(window, MDI::tr("The reading could not be printed: %1").arg(error),
                QMessageBox::Warning);
  }
}

void PreviewReading(MDI* window) {
  const ReadingDetails details = WithoutNotes(window->Details());
  const richtext::Document& report = window->ReportBox().document();
  try {
    AppSeams().printPreview(
        window,
        [&](QPagedPaintDevice& printer) { return print::PaintReading(printer, details, report); },
        print::ReadingTitle(details));
  } catch (const std::exception& failure) {
    ReportFailedStep(MDI::tr("The print preview could not be shown:\n%1"), failure);
  }
}

void ExportReadingPdf(MDI* window) {
  const QString path = AskSavePath(window, MDI::tr("PDF (*.pdf)"), QStringLiteral("pdf"));
  if (path.isEmpty()) return;  // cancelled: nothing written, nothing said

  QString error;
  try {
    const QByteArray pdf =
        print::ReadingPdf(WithoutNotes(window->Details()), window->ReportBox().document());
    error = pdf.isEmpty() ? MDI::tr("the PDF could not be made")
                          : SaveFile(path, std::string_view(pdf.constData(),
                                                            static_cast<std::size_t>(pdf.size())));
  } catch (const std::exception& failure) {
    ReportFailedStep(MDI::tr("The reading could not be exported as PDF:\n%1"), failure);
    return;
  }
  if (error.isEmpty()) {
    RememberSaveFolder(path);
    return;
  }
  ShowMessage(window,
              MDI::tr("The reading could not be exported to %1: %2")
                  .arg(QDir::toNativeSeparators(path), error),
              QMessageBox::Warning);
}

}  // namespace baralune
