// Start-up to the main window shown, against an empty Qt Widgets window shown the same way in
// the same run. The ratio is what matters: the machine's speed cancels out. Two measures: the
// whole process (the one a user feels) and, within one process, the window alone.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <vector>

#include "frmMain.h"
#include "language_choice.h"
#include "program.h"
#include "seams.h"
#include "startup.h"

namespace {

using baralune::AppSeams;

// Until the window is on screen and has been painted once.
void WaitShown(QWidget* window) {
  (void)QTest::qWaitForWindowExposed(window);
  window->repaint();
}

double ShowEmptyWindow() {
  QElapsedTimer timer;
  timer.start();
  auto* window = new QWidget();
  window->resize(626, 292);
  window->show();
  WaitShown(window);
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  delete window;
  return ms;
}

double StartBaralune(const QString& settingsFile,
                     baralune::Language language = baralune::Language::English) {
  AppSeams().settings = [settingsFile] {
    return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
  };
  QElapsedTimer timer;
  timer.start();
  // In Spanish the translations are loaded first; English loads nothing.
  if (language != baralune::Language::English) baralune::ApplyLanguage(language);
  // The start-up sequence after the instance check: reminder, main window, advertisement.
  baralune::UpdateReminder();
  baralune::frmMain* window = baralune::ShowNewMainWindow();
  baralune::CoBrand_Randomize(*window);
  WaitShown(window);
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return ms;
}

void MeasureStartUp(benchmark::State& state, baralune::Language language) {
  QTemporaryDir dir;
  const QString settings = dir.filePath(QStringLiteral("settings.ini"));
  double baralune = 0;
  double empty = 0;
  for (auto _ : state) {
    state.PauseTiming();
    empty += ShowEmptyWindow();
    baralune::ApplyLanguage(baralune::Language::English);  // each start from scratch
    state.ResumeTiming();
    baralune += StartBaralune(settings, language);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["main_ms"] = baralune / n;
  state.counters["empty_ms"] = empty / n;
  state.counters["ratio"] = baralune / empty;
}

void BM_StartUpToMainWindowShown(benchmark::State& state) {
  MeasureStartUp(state, baralune::Language::English);
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_StartUpToMainWindowShownInSpanish(benchmark::State& state) {
  MeasureStartUp(state, baralune::Language::Spanish);
}
BENCHMARK(BM_StartUpToMainWindowShownInSpanish)->Unit(benchmark::kMillisecond)->MinTime(2.0);

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A whole process: from its start until its first window has been painted and it has ended.
double RunUntilShown(const QString& program, const QProcessEnvironment& env) {
  QProcess process;
  process.setProgram(program);
  process.setProcessEnvironment(env);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  QElapsedTimer timer;
  timer.start();
  process.start();
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return -1;
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void MeasureProcessStartUp(benchmark::State& state, const QString& locale) {
  QTemporaryDir dir;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  // The system's language decides, as on a user's first start.
  env.remove(QStringLiteral("LC_ALL"));
  env.remove(QStringLiteral("LC_MESSAGES"));
  env.insert(QStringLiteral("LANG"), locale);
  if (env.value(QStringLiteral("DISPLAY")).isEmpty() &&
      env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()) {
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  }
  env.insert(QStringLiteral("BARALUNE_TEST_DIR"), dir.path());
  env.insert(QStringLiteral("BARALUNE_TEST_AUTOANSWER"), QStringLiteral("no"));
  env.insert(QStringLiteral("BARALUNE_TEST_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
  // Medians: the machine may be busy with other work for a moment.
  std::vector<double> baralune;
  std::vector<double> empty;
  for (auto _ : state) {
    state.PauseTiming();
    const double e = RunUntilShown(QStringLiteral(EMPTY_WINDOW_PROGRAM), env);
    state.ResumeTiming();
    const double b = RunUntilShown(QStringLiteral(BARALUNE_PROGRAM), env);
    if (b < 0 || e < 0) {
      state.SkipWithError("a program did not start and end cleanly");
      break;
    }
    baralune.push_back(b);
    empty.push_back(e);
  }
  if (baralune.empty()) return;
  const double b = Median(baralune);
  const double e = Median(empty);
  state.counters["baralune_ms"] = b;
  state.counters["empty_ms"] = e;
  state.counters["ratio"] = b / e;
}

void BM_ProcessStartUpToMainWindowShown(benchmark::State& state) {
  MeasureProcessStartUp(state, QStringLiteral("C.UTF-8"));
}
BENCHMARK(BM_ProcessStartUpToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(21);

void BM_ProcessStartUpToMainWindowShownInSpanish(benchmark::State& state) {
  MeasureProcessStartUp(state, QStringLiteral("es_ES.UTF-8"));
}
BENCHMARK(BM_ProcessStartUpToMainWindowShownInSpanish)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(21);

}  // namespace
