// baralune-deal: deals one reading without a display and writes its report.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "deal_options.h"
#include "reading.h"
#include "rich_text_box.h"
#include "site.h"
#if BARALUNE_CARD_PICTURES
#include "card_picture_embedder.h"
#endif

namespace {

class HeadlessWindows : public baralune::ReadingWindows {
 public:
  richtext::RichTextBox& ReportBox() override { return box_; }
#if BARALUNE_CARD_PICTURES
  baralune::ReportPictures* CardPictures() override {
    return &pictures_;
  }
#endif

 private:
  richtext::RichTextBox box_;
#if BARALUNE_CARD_PICTURES
  baralune::CardPictureEmbedder pictures_;  // no screen: 15 twips a pixel
#endif
};

// The plain text of the report with pictures left out.
std::string PlainText(const richtext::RichTextBox& box) {
  std::u32string text = box.document().chars;
  std::erase(text, richtext::Document::kPictureChar);
  return richtext::EncodeUtf8(text) + "\n";
}

bool WriteAll(const std::string& path, const std::string& bytes) {
  // Write beside the target and rename over it, so a failed write never leaves half a file.
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) {
      std::cerr << "baralune-deal: cannot write " << path << ": " << std::strerror(errno) << "\n";
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::cerr << "baralune-deal: cannot write " << path << ": " << std::strerror(errno) << "\n";
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using baralune::DealOptions;
  const auto parsed = baralune::ParseDealOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::cerr << "baralune-deal: " << parsed.error << "\n"
              << "Try 'baralune-deal --help' for more information.\n";
    return 2;
  }
  const DealOptions& options = *parsed.options;
  if (options.action == DealOptions::Action::Help) {
    std::cout << baralune::kDealUsage;
    return 0;
  }
  if (options.action == DealOptions::Action::Version) {
    std::cout << "baralune-deal " << baralune::kVersion << "\n";
    return 0;
  }

  HeadlessWindows windows;
  baralune::CurrentSpreadIndex = options.spread;
  baralune::RunReading(baralune::CurrentSpreadIndex, windows);
  const std::string report =
      options.plainText ? PlainText(windows.ReportBox()) : windows.ReportBox().TextRTF();
  if (options.outPath.empty()) {
    std::cout.write(report.data(), static_cast<std::streamsize>(report.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
  }
  return WriteAll(options.outPath, report) ? 0 : 1;
}
