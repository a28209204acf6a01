// RTF export and import of a full report, and embedding its pictures through the RTF text.
#include <benchmark/benchmark.h>

#include <string>

#include "rich_text_box.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

namespace {

using richtext::Alignment;
using richtext::RichTextBox;

constexpr int kPictures = 64;
constexpr std::size_t kPictureBytes = 6250;  // 12.5 KB of hex, like a 40 x 50 card

// A picture group like the report's, with made-up data that differs per `seed`.
std::string PictureGroup(int seed) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string group = "{\\pict\\wmetafile8\\picw1058\\pich1323\\picwgoal600\\pichgoal750 ";
  unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1u;
  for (std::size_t i = 0; i < kPictureBytes; ++i) {
    if (i % 39 == 0) group += "\r\n";
    state = state * 1103515245u + 12345u;
    group += kDigits[(state >> 20) & 0xF];
    group += kDigits[(state >> 16) & 0xF];
  }
  group += "\r\n}";
  return group;
}

void ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
  const std::size_t at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
}

void EmbedPicture(RichTextBox& box, const std::string& group) {
  box.SetSelText(box.SelText() + "\u009D\u0081");
  std::string rtf = box.TextRTF();
  ReplaceFirst(rtf, "\\'9d", group);
  box.SetTextRTF(rtf);
  const std::ptrdiff_t caret = box.Find("\u0081");
  ReplaceFirst(rtf, "\\'81", "");
  box.SetTextRTF(rtf);
  box.SetSelStart(static_cast<std::size_t>(caret));
}

// About 30,000 characters of formatted text around `pictures` pictures.
RichTextBox Report(int pictures, const std::vector<std::string>& groups) {
  RichTextBox box;
  for (int i = 0; i < kPictures; ++i) {
    box.SetSelAlignment(Alignment::Center);
    box.SetSelColor({128, 0, 0});
    box.SetSelBold(true);
    box.SetSelText(box.SelText() + "Position " + std::to_string(i + 1) + ": Caballo de oros\n");
    if (i < pictures) EmbedPicture(box, groups[static_cast<std::size_t>(i)]);
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

std::vector<std::string> Groups() {
  std::vector<std::string> groups;
  for (int i = 0; i < kPictures; ++i) groups.push_back(PictureGroup(i));
  return groups;
}

void BM_ExportReport(benchmark::State& state) {
  const RichTextBox box = Report(kPictures, Groups());
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
  const std::string rtf = Report(kPictures, Groups()).TextRTF();
  for (auto _ : state) {
    richtext::RtfReadResult result = richtext::ReadRtf(rtf);
    benchmark::DoNotOptimize(result.document->chars.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(rtf.size() * state.iterations()));
}

// Reading the box's own RTF back, as the embedding does: the pictures are shared.
void BM_ImportReportIntoBox(benchmark::State& state) {
  RichTextBox box = Report(kPictures, Groups());
  const std::string rtf = box.TextRTF();
  for (auto _ : state) box.SetTextRTF(rtf);
  state.SetBytesProcessed(static_cast<std::int64_t>(rtf.size() * state.iterations()));
}

// Writing the whole report, embedding all 64 pictures one by one through the RTF text.
void BM_EmbedAllPictures(benchmark::State& state) {
  const std::vector<std::string> groups = Groups();
  for (auto _ : state) {
    RichTextBox box = Report(kPictures, groups);
    benchmark::DoNotOptimize(box.Length());
  }
}

// The same report without pictures, to tell the embedding's share.
void BM_WriteReportText(benchmark::State& state) {
  const std::vector<std::string> groups = Groups();
  for (auto _ : state) {
    RichTextBox box = Report(0, groups);
    benchmark::DoNotOptimize(box.Length());
  }
}

BENCHMARK(BM_ExportReport)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportReport)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportReportIntoBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmbedAllPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteReportText)->Unit(benchmark::kMillisecond);

}  // namespace
