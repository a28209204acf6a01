// Whole readings with their card pictures embedded, as the report window gets them.
#include <benchmark/benchmark.h>

#include "card_picture_embedder.h"
#include "reading.h"

namespace {

class ReportWithPictures : public baralune::ReadingWindows {
 public:
  richtext::RichTextBox& ReportBox() override { return box; }
  baralune::ReportPictures* CardPictures() override { return &pictures; }
  richtext::RichTextBox box;
  baralune::CardPictureEmbedder pictures;
};

void BM_ReadingWithPictures(benchmark::State& state) {
  const auto spread = static_cast<baralune::SpreadIndex>(state.range(0));
  ReportWithPictures windows;
  for (auto _ : state) {
    baralune::RunReading(spread, windows);
    benchmark::DoNotOptimize(windows.box.Length());
  }
}
BENCHMARK(BM_ReadingWithPictures)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The worst reading: 21 positions and every rule firing. The 22 cards the twelve rules name
// cannot all lie in 21 positions, so the hand carries one more card in its spare slot's place,
// which only the rules look at. 21 + 38 pictures.
void BM_WorstGypsyReading(benchmark::State& state) {
  const std::vector<baralune::CardIndex> hand = {39, 32, 34, 4,  6,  20, 22, 25, 27, 36, 29, 26,
                                                 30, 37, 24, 33, 35, 21, 19, 0,  15, 5,  0};
  ReportWithPictures windows;
  for (auto _ : state) {
    baralune::RunReading(3, windows, [&](int) { return hand; });
    benchmark::DoNotOptimize(windows.box.Length());
  }
  state.counters["pictures"] = static_cast<double>(windows.box.document().pictures.size());
  state.counters["rtf_bytes"] = static_cast<double>(windows.box.TextRTF().size());
}
BENCHMARK(BM_WorstGypsyReading)->Unit(benchmark::kMillisecond);

}  // namespace
