// One whole reading per spread, written into a report box without pictures.
#include <benchmark/benchmark.h>

#include "reading.h"

namespace {

class BoxOnly : public baralune::ReadingWindows {
 public:
  richtext::RichTextBox& ReportBox() override { return box; }
  richtext::RichTextBox box;
};

void BM_Reading(benchmark::State& state) {
  const auto spread = static_cast<baralune::SpreadIndex>(state.range(0));
  BoxOnly windows;
  for (auto _ : state) {
    baralune::RunReading(spread, windows);
    benchmark::DoNotOptimize(windows.box.Length());
  }
}
BENCHMARK(BM_Reading)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
