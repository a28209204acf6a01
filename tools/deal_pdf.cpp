#include "deal_pdf.h"

#include <QDateTime>
#include <QGuiApplication>
#include <cstdio>

#include "language_choice.h"
#include "reading_print.h"

namespace baralune {

std::string HeadlessReadingPdf(const Reading& reading, const richtext::Document& report) {
  const Language language = reading.language;
  // Qt's own notices (a missing runtime folder, font set-up) are not the dealer's to pass on:
  // it speaks in one line of its own when something fails.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  // Always offscreen: a platform inherited from a desktop session would want its display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "baralune-deal";
  char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  ApplyLanguage(language);  // the translations need the application object

  ReadingDetails details;
  details.spread = reading.spread;
  details.own = reading.own;
  details.hand = reading.hand;
  details.dealt = QDateTime::currentDateTime();
  details.language = language;
  const QByteArray pdf = print::ReadingPdf(details, report);
  return pdf.toStdString();
}

}  // namespace baralune
