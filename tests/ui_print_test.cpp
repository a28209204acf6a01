// Print and Export as PDF from the report window: the menu entries, the file dialog, the
// failures said and never damaging a file, the print seam, the paper, and a PDF untouched by
// the desktop's theme. What the PDF holds is read back with poppler in
// readers/reading_pdf_test.sh.
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include "cover_page.h"
#include "notes_window.h"

#include "print_dialog.h"
#include "reading_print.h"
#include "save_file.h"
#include "ui_test_support.h"

namespace baralune::testing {
namespace {

class PrintTest : public UiTest {
 protected:
  void SetUp() override {
    report = DealAutomatic(OpenMainWindow(), 2);
    ASSERT_NE(report, nullptr);
  }
  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QAction* Action(const char* name) { return Child<QAction>(report, name); }
  // The print dialog's printer is a PDF written into `pdf`.
  void PrintInto(QByteArray& pdf) {
    desktop.print = [&pdf](const PagePainter& paint) {
      QBuffer buffer(&pdf);
      buffer.open(QIODevice::WriteOnly);
      QPdfWriter printer(&buffer);
      print::SetUpPage(printer);
      return paint(printer) ? QString() : QStringLiteral("could not paint");
    };
  }

  MDI* report = nullptr;
};

TEST_F(PrintTest, TheFileMenuOffersPrintAndPdfRightAfterSave) {
  const auto* file = Child<QMenu>(report, "mnuFile");
  const QList<QAction*> actions = file->actions();
  const int save = static_cast<int>(actions.indexOf(Action("mnuSave")));
  ASSERT_GE(save, 0);
  ASSERT_GT(actions.size(), save + 4);
  EXPECT_EQ(actions[save + 1], Action("mnuPrint"));
  EXPECT_EQ(actions[save + 2], Action("mnuExportPdf"));
  EXPECT_EQ(actions[save + 3], Action("mnuPrintPreview"));
  EXPECT_TRUE(actions[save + 4]->isSeparator());
  EXPECT_EQ(Action("mnuPrint")->text(), QStringLiteral("&Print…"));
  EXPECT_EQ(Action("mnuPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
  EXPECT_EQ(Action("mnuExportPdf")->text(), QStringLiteral("&Export as PDF…"));
  EXPECT_EQ(Action("mnuExportPdf")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
}

TEST_F(PrintTest, ExportAsksForAPdfFileAndWritesTheReading) {
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("reading"));
  const QString folder = SaveFolder();
  Action("mnuExportPdf")->trigger();
  ASSERT_EQ(desktop.saveRequests.size(), 1u);
  EXPECT_EQ(desktop.saveRequests[0].title, QStringLiteral("Baralune"));
  EXPECT_EQ(desktop.saveRequests[0].filter, QStringLiteral("PDF (*.pdf)"));
  EXPECT_EQ(desktop.saveRequests[0].defaultSuffix, QStringLiteral("pdf"));
  EXPECT_EQ(desktop.saveRequests[0].directory, folder);
  const QByteArray pdf = ReadFile(desktop.saveAnswer + QStringLiteral(".pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_TRUE(desktop.messages.empty());
  // The next dialog opens where the PDF went.
  EXPECT_EQ(SaveFolder(), desktop.dir.path());
}

TEST_F(PrintTest, FailedExportsAreSaidAndLeaveEveryFileAsItWas) {
  const QString readOnly = desktop.dir.filePath(QStringLiteral("kept.pdf"));
  WriteFile(readOnly, "kept");
  QFile::setPermissions(readOnly, QFile::ReadOwner);
  const QString folder = desktop.dir.filePath(QStringLiteral("folder.pdf"));
  ASSERT_TRUE(QDir().mkdir(folder));
  QStringList targets = {readOnly, folder,
                         desktop.dir.filePath(QStringLiteral("no-such-folder/reading.pdf"))};
  const QString lockedFolder = desktop.dir.filePath(QStringLiteral("locked"));
  ASSERT_TRUE(QDir().mkdir(lockedFolder));
  WriteFile(lockedFolder + QStringLiteral("/old.pdf"), "old");
  QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::ExeOwner);
  if (geteuid() != 0) targets << lockedFolder + QStringLiteral("/old.pdf");  // root writes there

  for (const QString& target : targets) {
    desktop.messages.clear();
    desktop.saveAnswer = target;
    report->findChild<QAction*>(QStringLiteral("mnuExportPdf"))->trigger();
    ASSERT_EQ(desktop.messages.size(), 1u) << target.toStdString();
    EXPECT_TRUE(desktop.messages[0].text.contains(target))
        << desktop.messages[0].text.toStdString();
    EXPECT_EQ(desktop.messages[0].icon, QMessageBox::Warning);
  }
  EXPECT_EQ(ReadFile(readOnly), QByteArray("kept"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
  EXPECT_EQ(QDir(lockedFolder).entryList(QDir::Files), QStringList{QStringLiteral("old.pdf")});
  QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  // Cancel writes nothing and says nothing.
  desktop.messages.clear();
  desktop.saveAnswer.clear();
  const QStringList before = QDir(desktop.dir.path()).entryList();
  Action("mnuExportPdf")->trigger();
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(QDir(desktop.dir.path()).entryList(), before);
}

TEST_F(PrintTest, PrintPaintsOnThePrinterChosenAndSaysWhyItFailed) {
  QByteArray printed;
  PrintInto(printed);
  Action("mnuPrint")->trigger();
  EXPECT_TRUE(printed.startsWith("%PDF-"));
  EXPECT_TRUE(desktop.messages.empty());

  desktop.print = [](const PagePainter&) { return QStringLiteral("the printer is out of paper"); };
  Action("mnuPrint")->trigger();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_TRUE(desktop.messages[0].text.endsWith(QStringLiteral("the printer is out of paper")));

  // The preview draws the same pages; both carry the exported PDF's title.
  bool previewed = false;
  desktop.preview = [&](const PagePainter& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter printer(&buffer);
    previewed = paint(printer);
  };
  Action("mnuPrintPreview")->trigger();
  EXPECT_TRUE(previewed);
  const QString title = print::ReadingTitle(report->Details());
  EXPECT_EQ(desktop.printTitles, (std::vector<QString>(3, title)));

  // A device no painter can begin on is no success.
  QPdfWriter unwritable(desktop.dir.filePath(QStringLiteral("no-such-folder/printer.pdf")));
  EXPECT_FALSE(print::PaintReading(unwritable, report->Details(), report->ReportBox().document()));
}

// The reader's notes go on paper, on pages of their own, only when printing asked for them: the
// dialog's box is off unless ticked, and the preview and the PDF never have them.
TEST_F(PrintTest, NotesArePrintedOnlyWhenAskedFor) {
  auto pages = [](const QByteArray& pdf) { return pdf.count("/Type /Page\n"); };
  auto painted = [this](const ReadingDetails& details) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter printer(&buffer);
    print::SetUpPage(printer);
    EXPECT_TRUE(print::PaintReading(printer, details, report->ReportBox().document()));
    return pdf;
  };
  const qsizetype without = pages(painted(report->Details()));
  ASSERT_GT(without, 1);
  report->ShowNotes()->Editor()->insertPlainText(QStringLiteral("Asked about the move."));
  ReadingDetails withNotes = report->Details();
  ASSERT_FALSE(withNotes.notes.isEmpty());
  EXPECT_EQ(pages(painted(withNotes)), without + 1);

  QByteArray printed;
  PrintInto(printed);
  Action("mnuPrint")->trigger();
  EXPECT_FALSE(NotesChosenForPrint());
  EXPECT_EQ(pages(printed), without);
  desktop.saveAnswer = desktop.dir.filePath(QStringLiteral("notes.pdf"));
  Action("mnuExportPdf")->trigger();
  EXPECT_EQ(pages(ReadFile(desktop.saveAnswer)), without);
}

// Printed to a file through the print dialog's printer, a reading has the title an exported one
// has: poppler reads both back.
TEST_F(PrintTest, APdfPrintedToAFileCarriesTheExportedTitle) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP();
  auto titleOf = [](const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
      if (line.startsWith("Title:")) return QString::fromUtf8(line.mid(6)).trimmed();
    }
    return QString();
  };
  const QString printed = desktop.dir.filePath(QStringLiteral("printed.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  SetUpPrinter(printer, print::ReadingTitle(report->Details()));
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(printed);
  ASSERT_TRUE(print::PaintReading(printer, report->Details(), report->ReportBox().document()));
  const QString exported = desktop.dir.filePath(QStringLiteral("exported.pdf"));
  WriteFile(exported, print::ReadingPdf(report->Details(), report->ReportBox().document()));
  EXPECT_FALSE(titleOf(exported).isEmpty());
  EXPECT_EQ(titleOf(printed), titleOf(exported));
}

TEST(PrintPaperTest, LetterWhereUsMeasuresAreTheCustomElseA4) {
  EXPECT_EQ(print::PaperFor(QLocale(QLocale::English, QLocale::UnitedStates)).id(),
            QPageSize::Letter);
  EXPECT_EQ(print::PaperFor(QLocale(QLocale::English, QLocale::UnitedKingdom)).id(), QPageSize::A4);
  EXPECT_EQ(print::PaperFor(QLocale(QLocale::Spanish, QLocale::Spain)).id(), QPageSize::A4);
}

TEST_F(PrintTest, ThePdfIsTheSameUnderADarkTheme) {
  auto pdf = [&] {
    QByteArray bytes = print::ReadingPdf(report->Details(), report->ReportBox().document());
    // What differs from one run to the next: the time it was made and the document's id.
    static const QRegularExpression made(
        QStringLiteral("/CreationDate \\([^)]*\\)|/ID \\[[^]]*\\]"));
    return QString::fromLatin1(bytes).remove(made);
  };
  const QPalette light = QApplication::palette();
  const QString onLight = pdf();
  QPalette dark;
  for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::Light}) {
    dark.setColor(role, QColor(0x20, 0x20, 0x20));
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Dark,
                    QPalette::Shadow, QPalette::Link}) {
    dark.setColor(role, QColor(0xee, 0xee, 0xee));
  }
  QApplication::setPalette(dark);
  const QString onDark = pdf();
  QApplication::setPalette(light);
  EXPECT_GT(onLight.size(), 10000);
  EXPECT_TRUE(onLight == onDark);
}

// A name too long for the cover is shortened in its middle; the label and both ends stay.
TEST(CoverPageTest, ALongNameFitsTheCoverWithItsLabel) {
  const QFontMetricsF metrics(QFont(QStringLiteral("DejaVu Sans"), 11));
  const double width = metrics.horizontalAdvance(QLatin1Char('x')) * 60;
  EXPECT_EQ(print::NameLine(QStringLiteral("Ana"), metrics, width), QStringLiteral("Name: Ana"));
  const QString name =
      QStringLiteral("Begin ") + QString(500, QLatin1Char('W')) + QStringLiteral("\nEnd");
  const QString line = print::NameLine(name, metrics, width);
  EXPECT_LE(metrics.horizontalAdvance(line), width);
  EXPECT_TRUE(line.startsWith(QStringLiteral("Name: Begin"))) << line.toStdString();
  EXPECT_TRUE(line.endsWith(QStringLiteral("W End"))) << line.toStdString();
}

}  // namespace
}  // namespace baralune::testing
