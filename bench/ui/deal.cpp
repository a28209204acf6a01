// Deal to the report window shown, for the largest spread (Gypsy, 21 cards).
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "MDI.h"
#include "frmMain.h"
#include "program.h"
#include "random.h"

namespace {

void BM_DealGypsyToReportShown(benchmark::State& state) {
  baralune::SharedRandom().Seed(2026);
  for (auto _ : state) {
    state.PauseTiming();
    baralune::frmMain* main = baralune::ShowNewMainWindow();
    main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Maria"));
    main->findChild<QComboBox*>(QStringLiteral("cboSpread"))->setCurrentIndex(3);
    (void)QTest::qWaitForWindowExposed(main);
    state.ResumeTiming();

    main->cmdCalculate_Click();
    auto* report = qobject_cast<baralune::MDI*>(baralune::FindLoadedWindow("MDI"));
    if (report == nullptr) {
      state.SkipWithError("no report window");
      break;
    }
    (void)QTest::qWaitForWindowExposed(report);
    report->repaint();

    state.PauseTiming();
    report->mnuBack_Click();
    baralune::QuitProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DealGypsyToReportShown)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
