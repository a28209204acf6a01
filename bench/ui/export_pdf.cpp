// Export as PDF of a Gypsy reading (21 faces on the cover, the longest report): the PDF made
// and written to a file, as the report window's menu entry does it. Target: under 300 ms.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "MDI.h"
#include "frmMain.h"
#include "print_actions.h"
#include "program.h"
#include "random.h"
#include "seams.h"

namespace {

void BM_ExportGypsyReadingAsPdf(benchmark::State& state) {
  baralune::SharedRandom().Seed(2026);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("reading.pdf"));
  baralune::AppSeams().saveFileName = [&](QWidget*, const baralune::SaveDialogRequest&) {
    return path;
  };
  baralune::AppSeams().settings = [&] {
    return std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")),
                                       QSettings::IniFormat);
  };
  baralune::frmMain* main = baralune::ShowNewMainWindow();
  main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Maria"));
  main->findChild<QComboBox*>(QStringLiteral("cboSpread"))->setCurrentIndex(3);
  main->cmdCalculate_Click();
  auto* report = qobject_cast<baralune::MDI*>(baralune::FindLoadedWindow("MDI"));
  if (report == nullptr) {
    state.SkipWithError("no report window");
    return;
  }
  for (auto _ : state) {
    baralune::ExportReadingPdf(report);
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
  baralune::QuitProgram();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}
BENCHMARK(BM_ExportGypsyReadingAsPdf)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
