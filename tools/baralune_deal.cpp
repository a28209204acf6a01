// baralune-deal: deals one reading without a display and writes its report.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "deal_messages.h"
#include "deal_options.h"
#include "language.h"
#include "reading.h"
#include "rich_text_box.h"
#include "safe_output.h"
#include "site.h"
#include "spread_file.h"
#include "system_error.h"
#if BARALUNE_CARD_PICTURES
#include "card_picture_embedder.h"
#endif
#if BARALUNE_PRINT
#include "deal_pdf.h"
#endif
#if BARALUNE_LANGUAGE_CHOICE
#include "language_choice.h"
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

// What `path` names as the kernel finds it, through any links: the file's device and inode if
// it exists, else the canonical folder and the name in it. Two paths naming the same file, by
// a link or another spelling, give the same answer.
std::string FileKey(std::string path) {
  auto folderOf = [](const std::string& p) {
    const auto slash = p.rfind('/');
    return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
  };
  struct stat st {};
  for (int hops = 0; hops < 40 && lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hops) {
    char target[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    if (n < 0 || static_cast<std::size_t>(n) == sizeof target) break;
    const std::string next(target, static_cast<std::size_t>(n));
    path = next.starts_with('/') ? next : folderOf(path) + next;
  }
  if (stat(path.c_str(), &st) == 0) {
    return "file " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
  }
  const std::string folder = folderOf(path);
  char canonical[PATH_MAX];
  if (realpath(folder.empty() ? "." : folder.c_str(), canonical) == nullptr) return "path " + path;
  return "path " + std::string(canonical) + "/" + path.substr(folder.size());
}

// The language the dealer speaks in: the report's, once the arguments are read.
baralune::Language g_speaks = baralune::Language::English;

std::string_view Say(std::string_view english, std::string_view spanish) {
  return baralune::Say(g_speaks, english, spanish);
}

int Fail(const std::string& what, const std::string& why) {
  std::cerr << "baralune-deal: " << what << ": " << why << "\n";
  return 1;
}

std::string CannotWrite(const std::string& path) {
  return std::string(Say("cannot write ", "no se puede escribir ")) + baralune::QuoteArgument(path);
}

int WriteToStdout(std::string_view text) {
  const int error = baralune::WriteFully(STDOUT_FILENO, text);
  return error ? Fail(std::string(Say("cannot write to standard output",
                                      "no se puede escribir en la salida estándar")),
                      baralune::SystemErrorText(error))
               : 0;
}

// The system's language by the program's rule (English without Qt).
baralune::Language SystemLanguage() {
#if BARALUNE_LANGUAGE_CHOICE
  return baralune::SystemLanguage();
#else
  return baralune::Language::English;
#endif
}

// The language --language names among the arguments, before they are all read: the errors
// in them are said in it too.
baralune::Language AskedLanguage(const std::vector<std::string>& args) {
  baralune::Language asked = SystemLanguage();
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] != "--language") continue;
    if (const auto language = baralune::LanguageFromCode(args[i + 1])) asked = *language;
  }
  return asked;
}

// The reader's spread in the file at `path`, or null after saying why there is none.
std::shared_ptr<const baralune::SpreadDefinition> ReadSpread(const std::string& path) {
  namespace ix = baralune::interchange;
  const std::string what = std::string(Say("cannot read spread ", "no se puede leer la tirada ")) +
                           baralune::QuoteArgument(path);
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    Fail(what, baralune::SystemErrorText(errno));
    return nullptr;
  }
  // One byte past the limit is enough to know the file is too large.
  std::string text(ix::kMaxSpreadFileBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) {
    Fail(what, baralune::SystemErrorText(errno));
    return nullptr;
  }
  text.resize(static_cast<std::size_t>(in.gcount()));
  ix::SpreadFileResult read = ix::ReadSpreadFile(text);
  if (!read.spread) {
    Fail(what, ix::DescribeRefusal(read, g_speaks));
    return nullptr;
  }
  return std::make_shared<const baralune::SpreadDefinition>(std::move(*read.spread));
}

// The reading as PDF at `path`, through the same safe replacement as the report.
int WritePdf(const std::string& path, const baralune::Reading& reading,
             const richtext::RichTextBox& box) {
#if BARALUNE_PRINT
  const std::string pdf = baralune::HeadlessReadingPdf(reading, box.document());
  if (pdf.empty())
    return Fail(CannotWrite(path), std::string(Say("no PDF was made", "no se pudo crear el PDF")));
  const baralune::ReplaceResult written = baralune::ReplaceFile(path, pdf);
  if (written.ok()) return 0;
  return Fail(CannotWrite(path), baralune::Describe(written, g_speaks));
#else
  (void)reading;
  (void)box;
  return Fail(CannotWrite(path),
              std::string(Say("this build makes no PDF", "esta versión no crea archivos PDF")));
#endif
}

}  // namespace

int main(int argc, char** argv) {
  using baralune::DealOptions;
  baralune::HoldStandardDescriptors();
  const std::vector<std::string> args(argv + 1, argv + argc);
  g_speaks = AskedLanguage(args);
  baralune::SetSystemErrorLanguage(g_speaks);
  const auto parsed = baralune::ParseDealOptions(args, g_speaks);
  if (!parsed.options) {
    std::cerr << "baralune-deal: " << parsed.error << "\n"
              << Say("Try 'baralune-deal --help' for more information.\n",
                     "Prueba «baralune-deal --help» para más información.\n");
    return 2;
  }
  const DealOptions& options = *parsed.options;
  // The PDF would silently replace the report.
  if (!options.outPath.empty() && !options.pdfPath.empty() &&
      FileKey(options.outPath) == FileKey(options.pdfPath)) {
    std::cerr << "baralune-deal: "
              << Say("--out and --pdf name the same file", "--out y --pdf indican el mismo archivo")
              << "\n"
              << Say("Try 'baralune-deal --help' for more information.\n",
                     "Prueba «baralune-deal --help» para más información.\n");
    return 2;
  }
  if (options.action == DealOptions::Action::Help) {
    return WriteToStdout(baralune::DealUsage(g_speaks));
  }
  if (options.action == DealOptions::Action::Version) {
    return WriteToStdout("baralune-deal " + std::string(baralune::kVersion) + "\n");
  }

  const baralune::HandDrawer draw = options.cards.empty()
                                        ? baralune::HandDrawer(baralune::DrawFromSharedRandom)
                                        : baralune::EnteredHand(options.cards);
  HeadlessWindows windows;
  baralune::Reading reading;
  if (options.spreadFile.empty()) {
    reading = baralune::RunReading(options.spread, windows, draw, g_speaks);
  } else {
    auto spread = ReadSpread(options.spreadFile);
    if (!spread) return 1;
    const std::size_t positions = spread->positions.size();
    if (!options.cards.empty() && options.cards.size() != positions) {
      std::cerr << "baralune-deal: " << Say("--cards needs ", "--cards necesita ") << positions
                << Say(" cards for that spread", " cartas para esa tirada") << "\n"
                << Say("Try 'baralune-deal --help' for more information.\n",
                       "Prueba «baralune-deal --help» para más información.\n");
      return 2;
    }
    reading = baralune::RunReading(std::move(spread), windows, draw, g_speaks);
  }
  const std::string report =
      options.plainText ? PlainText(windows.ReportBox()) : windows.ReportBox().TextRTF();
  if (options.outPath.empty() && options.pdfPath.empty()) return WriteToStdout(report);
  if (!options.outPath.empty()) {
    const baralune::ReplaceResult written = baralune::ReplaceFile(options.outPath, report);
    if (!written.ok()) {
      return Fail(CannotWrite(options.outPath), baralune::Describe(written, g_speaks));
    }
  }
  if (!options.pdfPath.empty()) return WritePdf(options.pdfPath, reading, windows.ReportBox());
  return 0;
}
