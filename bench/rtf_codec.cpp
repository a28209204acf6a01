// RTF export and import of a full report, and embedding its pictures through the RTF text.
#include <benchmark/benchmark.h>

#include <string>

#include "picture_embedding.h"
#include "rich_text_box.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

namespace {

using richtext::Alignment;
using richtext::RichTextBox;

constexpr int kPictures = 64;
// A 40 x 50 picture whose pixels differ per `seed`, as the card faces differ.
richtext::Picture CardLikePicture(int seed) {
  std::vector<std::uint8_t> rgb(40 * 50 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    rgb[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed) * 13) & 0xFF);
  }
  return richtext::Picture::FromRgb(40, 50, std::move(rgb));
}

void EmbedPicture(RichTextBox& box, int seed) {
  richtext::InsertPicture(box, CardLikePicture(seed));
}

// About 30,000 characters of formatted text around `pictures` pictures.
RichTextBox Report(int pictures) {
  RichTextBox box;
  for (int i = 0; i < kPictures; ++i) {
    box.SetSelAlignment(Alignment::Center);
    box.SetSelColor({128, 0, 0});
    box.SetSelBold(true);
    box.SetSelText(box.SelText() + "Position " + std::to_string(i + 1) + ": Caballo de oros\n");
    if (i < pictures) EmbedPicture(box, i);
    box.SetSelText(box.SelText() + "\n");
    box.SetSelAlignment(Alignment::Left);
    box.SetSelColor({0, 0, 0});
    box.SetSelBold(false);
    for (int line = 0; line < 7; ++line) {
      box.SetSelText(box.SelText() + "Se\u00f1al de un viaje y de noticias que llegan ");
      box.SetSelUnderline(true);
      box.SetSelText(box.SelText() + "pronto");
      box.SetSelUnderline(false);
      box.SetSelText(box.SelText() + ", \u201cbuen camino\u201d.\n");
    }
  }
  return box;
}

void BM_ExportReport(benchmark::State& state) {
  const RichTextBox box = Report(kPictures);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string rtf = box.TextRTF();
    bytes = rtf.size();
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
  state.counters["chars"] = static_cast<double>(box.Length());
  state.counters["rtf_bytes"] = static_cast<double>(bytes);
}

// Reading a saved report: every picture group is new and checked.
void BM_ImportReport(benchmark::State& state) {
  const std::string rtf = Report(kPictures).TextRTF();
  for (auto _ : state) {
    richtext::RtfReadResult result = richtext::ReadRtf(rtf);
    benchmark::DoNotOptimize(result.document->chars.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(rtf.size() * state.iterations()));
}

// Reading the box's own RTF back, as the embedding does: the pictures are shared.
void BM_ImportReportIntoBox(benchmark::State& state) {
  RichTextBox box = Report(kPictures);
  const std::string rtf = box.TextRTF();
  for (auto _ : state) box.SetTextRTF(rtf);
  state.SetBytesProcessed(static_cast<std::int64_t>(rtf.size() * state.iterations()));
}

// Writing the whole report, embedding 64 card-sized pictures one by one.
void BM_EmbedAllPictures(benchmark::State& state) {
  for (auto _ : state) {
    RichTextBox box = Report(kPictures);
    benchmark::DoNotOptimize(box.Length());
  }
}

// The same report without pictures, to tell the embedding's share.
void BM_WriteReportText(benchmark::State& state) {
  for (auto _ : state) {
    RichTextBox box = Report(0);
    benchmark::DoNotOptimize(box.Length());
  }
}

BENCHMARK(BM_ExportReport)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportReport)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportReportIntoBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmbedAllPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteReportText)->Unit(benchmark::kMillisecond);

}  // namespace
