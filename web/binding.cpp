// The browser edition's way into the engine: the table of spreads and the catalogue's names, a
// reading of given cards as the page renders it and as RTF, and a draw of distinct cards. The
// page calls the functions below through the module's ccall; texts travel as JSON.
#include <emscripten/emscripten.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "draw.h"
#include "json_writer.h"
#include "language.h"
#include "page_buffer.h"
#include "picture_embedding.h"
#include "reading.h"
#include "rich_text_box.h"
#include "small_faces.h"
#include "spread_file.h"
#include "spreads.h"

namespace baralune::web {
namespace {

// The face of a card as a report picture, as the desktop's picture list gives it.
richtext::Picture SmallFace(CardIndex card) {
  const unsigned char* rgb = kSmallFaceRgb[card];
  return richtext::Picture::FromRgb(
      kSmallFaceWidth, kSmallFaceHeight,
      std::vector<std::uint8_t>(rgb, rgb + kSmallFaceWidth * kSmallFaceHeight * 3));
}

// The card a report picture shows, or -1.
int CardOfPicture(const richtext::Picture& picture) {
  if (picture.width != kSmallFaceWidth || picture.height != kSmallFaceHeight ||
      picture.rgb.size() != sizeof kSmallFaceRgb[0]) {
    return -1;
  }
  for (int card = 0; card < kDeckSize; ++card) {
    if (std::memcmp(picture.rgb.data(), kSmallFaceRgb[card], picture.rgb.size()) == 0) return card;
  }
  return -1;
}

class FacePictures : public ReportPictures {
 public:
  void InsertCardPicture(richtext::RichTextBox& box, CardIndex card) override {
    // The desktop's embedder takes one number from the shared generator per picture: the same
    // here, so the generator runs through the same sequence.
    (void)SharedRandom().Next();
    (void)richtext::InsertPicture(box, SmallFace(card));
  }
};

class PageWindows : public ReadingWindows {
 public:
  richtext::RichTextBox& ReportBox() override { return box_; }
  ReportPictures* CardPictures() override { return &pictures_; }

 private:
  richtext::RichTextBox box_;
  FacePictures pictures_;
};

std::string Hex(richtext::Rgb colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "#";
  for (const std::uint8_t c : {colour.r, colour.g, colour.b}) {
    out += kHex[c >> 4];
    out += kHex[c & 15];
  }
  return out;
}

const char* AlignmentName(richtext::Alignment alignment) {
  switch (alignment) {
    case richtext::Alignment::Center:
      return "center";
    case richtext::Alignment::Right:
      return "right";
    default:
      return "left";
  }
}

// The document as paragraphs of runs: {"align":..,"runs":[{"text":..,"color":..,"bold":..,
// "underline":..} or {"card":k,"width":twips,"height":twips}]}.
std::string DocumentJson(const richtext::Document& doc) {
  std::string out = "[";
  std::size_t paragraph = 0;
  std::size_t picture = 0;
  bool firstRun = true;
  auto openParagraph = [&] {
    if (paragraph > 0) out += ',';
    out += "{\"align\":\"";
    out += AlignmentName(doc.paragraphs[paragraph]);
    out += "\",\"runs\":[";
    firstRun = true;
  };
  auto separate = [&] {
    if (!firstRun) out += ',';
    firstRun = false;
  };
  openParagraph();
  std::size_t i = 0;
  while (i < doc.chars.size()) {
    const char32_t c = doc.chars[i];
    if (c == richtext::Document::kParagraphBreak) {
      out += "]}";
      ++paragraph;
      openParagraph();
      ++i;
      continue;
    }
    if (c == richtext::Document::kPictureChar) {
      const auto& embedded = doc.pictures[picture++];
      const int card = embedded->bitmap ? CardOfPicture(*embedded->bitmap) : -1;
      const auto shown = richtext::PictureDisplayTwips(*embedded, 15);
      separate();
      out += "{\"card\":" + std::to_string(card) +
             ",\"width\":" + std::to_string(shown ? shown->width : 0) +
             ",\"height\":" + std::to_string(shown ? shown->height : 0) + "}";
      ++i;
      continue;
    }
    // A run: the characters up to the next break, picture or change of format.
    const richtext::CharFormat format = doc.formats[i];
    std::size_t end = i;
    while (end < doc.chars.size() && doc.formats[end] == format &&
           doc.chars[end] != richtext::Document::kParagraphBreak &&
           doc.chars[end] != richtext::Document::kPictureChar) {
      ++end;
    }
    separate();
    out += "{\"text\":";
    AppendJsonString(out, richtext::EncodeUtf8(std::u32string_view(doc.chars).substr(i, end - i)));
    out += ",\"color\":\"" + Hex(format.color) + "\"";
    if (format.bold) out += ",\"bold\":true";
    if (format.underline) out += ",\"underline\":true";
    out += '}';
    i = end;
  }
  out += "]}]";
  return out;
}

void AppendStrings(std::string& out, const auto& texts, std::size_t count) {
  out += '[';
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) out += ',';
    AppendJsonString(out, texts[i]);
  }
  out += ']';
}

std::string CatalogueJson() {
  std::string out = "{\"cardWidth\":" + std::to_string(kCardWidth) +
                    ",\"cardHeight\":" + std::to_string(kCardHeight) + ",\"rowCaptions\":[";
  for (const RowCaption& row : spread_layout::kRomanyRows) {
    if (&row != spread_layout::kRomanyRows) out += ',';
    out += "{\"text\":";
    AppendJsonString(out, row.text);
    out += ",\"left\":" + std::to_string(row.left) + ",\"top\":" + std::to_string(row.top) +
           ",\"width\":" + std::to_string(row.width) +
           ",\"height\":" + std::to_string(kRowCaptionHeight) + "}";
  }
  out += "],\"spreads\":[";
  for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
    const Spread& spread = kSpreads[s];
    if (s > 0) out += ',';
    out += "{\"key\":";
    AppendJsonString(out, spread.key);
    out += ",\"cards\":" + std::to_string(spread.cards) + ",\"places\":[";
    for (std::size_t p = 0; p < spread.places.size(); ++p) {
      if (p > 0) out += ',';
      out += "[" + std::to_string(spread.places[p].left) + "," +
             std::to_string(spread.places[p].top) + "]";
    }
    out += "]}";
  }
  out += "],\"languages\":{";
  for (const Language language : {Language::English, Language::Spanish}) {
    const Catalogue& catalogue = CatalogueIn(language);
    if (language == Language::Spanish) out += ',';
    AppendJsonString(out, LanguageCode(language));
    out += ":{\"cardNames\":";
    AppendStrings(out, catalogue.cardName, kDeckSize);
    out += ",\"spreads\":[";
    for (SpreadIndex s = 0; s < kSpreadCount; ++s) {
      if (s > 0) out += ',';
      out += "{\"listText\":";
      AppendJsonString(out, SpreadListText(s, language));
      out += ",\"reportName\":";
      AppendJsonString(out, SpreadReportName(s, language));
      out += ",\"description\":";
      AppendJsonString(out, catalogue.spreadDescription[static_cast<std::size_t>(s)]);
      out += ",\"positions\":[";
      for (int p = 1; p <= kSpreads[s].cards; ++p) {
        if (p > 1) out += ',';
        AppendJsonString(out, PositionMeaning(s, p, language));
      }
      out += "]}";
    }
    out += "]}";
  }
  out += "}}";
  return out;
}

// 64 bits from the browser's cryptographic generator (emscripten's getentropy asks
// crypto.getRandomValues); false when it gives none.
bool Entropy(std::uint64_t& value) {
  return getentropy(&value, sizeof value) == 0;
}

// The draw's generator, its clock readings replaced by the browser's entropy: the desktop's
// rule (a reseed before each position, repeats drawn again) with nothing predictable in it.
// Null when the browser has no cryptographic generator.
RandomGenerator* PageRandom() {
  static const bool ready = [] {
    std::uint64_t seed = 0;
    if (!Entropy(seed)) return false;
    SharedRandom().Seed(seed);
    SharedRandom().SetClock([] {
      std::uint64_t value = 0;
      // Checked once above; were it to fail later, the generator's own state still moves on.
      (void)Entropy(value);
      return value;
    });
    return true;
  }();
  return ready ? &SharedRandom() : nullptr;
}

// The hand of `count` cards `list` names, or why it is none.
std::string ParseHand(int count, std::string_view list, std::vector<CardIndex>& hand) {
  bool used[kDeckSize] = {};
  std::size_t at = 0;
  while (at <= list.size()) {
    const std::size_t end = std::min(list.find(',', at), list.size());
    const std::string_view item = list.substr(at, end - at);
    int card = 0;
    const auto [rest, failed] = std::from_chars(item.data(), item.data() + item.size(), card);
    if (item.empty() || failed != std::errc() || rest != item.data() + item.size() || card < 0 ||
        card >= kDeckSize) {
      return "not a card: " + std::string(item);
    }
    if (used[card]) return "card repeated: " + std::string(item);
    used[card] = true;
    hand.push_back(static_cast<CardIndex>(card));
    at = end + 1;
  }
  if (static_cast<int>(hand.size()) != count) return "wrong number of cards";
  return {};
}

// Draws `count` distinct cards as a list separated by commas, or why none were drawn.
std::string DrawList(int count, std::string& list) {
  list.clear();
  RandomGenerator* random = PageRandom();
  if (random == nullptr) return "the browser gave no random numbers";
  const std::vector<CardIndex> hand = DrawHand(count, *random);
  for (std::size_t p = 0; p + 1 < hand.size(); ++p) {
    if (p > 0) list += ',';
    list += std::to_string(hand[p]);
  }
  return {};
}

struct LastReading {
  std::string json;
  std::string rtf;
  std::string error;
};
LastReading g_last;
std::string g_text;

}  // namespace
}  // namespace baralune::web

using namespace baralune;
using namespace baralune::web;

extern "C" {

// The spreads, their places and row captions, and each language's names, as JSON.
EMSCRIPTEN_KEEPALIVE const char* baralune_catalogue() {
  static const std::string json = CatalogueJson();
  return json.c_str();
}

// Reads `cards` (card indices separated by commas, one per position) of `spread` in `language`
// ("en" or "es"). Returns 1 and keeps the reading for the functions below, or 0 and keeps the
// reason in baralune_error(). Built without exception handling, which slows every call down in
// WebAssembly: what the engine would refuse is refused here first, and anything thrown all the
// same stops the module, which the page reports.
EMSCRIPTEN_KEEPALIVE int baralune_read(int spread, const char* language, const char* cards) {
  g_last = {};
  std::vector<CardIndex> hand;
  const auto lang = LanguageFromCode(language ? language : "");
  const std::string error =
      IsKnownSpread(static_cast<SpreadIndex>(spread))
          ? ParseHand(SpreadOf(static_cast<SpreadIndex>(spread)).cards, cards ? cards : "", hand)
          : "no such spread";
  if (!error.empty() || !lang) {
    g_last.error = lang ? error : "unknown language";
    return 0;
  }
  PageWindows windows;
  RunReading(static_cast<SpreadIndex>(spread), windows, EnteredHand(hand), *lang);
  g_last.json = DocumentJson(windows.ReportBox().document());
  g_last.rtf = windows.ReportBox().TextRTF();
  return 1;
}

// The same for a reader's own spread, its spread file in the buffer (see baralune_buffer):
// checked whole as the desktop checks a file it imports before the engine sees it.
EMSCRIPTEN_KEEPALIVE int baralune_read_own(const char* language, const char* cards) {
  g_last = {};
  interchange::SpreadFileResult read = interchange::ReadSpreadFile(PageBuffer());
  const auto lang = LanguageFromCode(language ? language : "");
  if (!read.spread || !lang) {
    g_last.error = !lang ? "unknown language"
                         : "not a spread: " + interchange::DescribeRefusal(read, Language::English);
    return 0;
  }
  std::vector<CardIndex> hand;
  const std::string error =
      ParseHand(static_cast<int>(read.spread->positions.size()), cards ? cards : "", hand);
  if (!error.empty()) {
    g_last.error = error;
    return 0;
  }
  PageWindows windows;
  RunReading(std::make_shared<const SpreadDefinition>(std::move(*read.spread)), windows,
             EnteredHand(hand), *lang);
  g_last.json = DocumentJson(windows.ReportBox().document());
  g_last.rtf = windows.ReportBox().TextRTF();
  return 1;
}

EMSCRIPTEN_KEEPALIVE const char* baralune_report_json() {
  return g_last.json.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* baralune_rtf_data() {
  return g_last.rtf.data();
}
EMSCRIPTEN_KEEPALIVE int baralune_rtf_size() {
  return static_cast<int>(g_last.rtf.size());
}
EMSCRIPTEN_KEEPALIVE const char* baralune_error() {
  return g_last.error.c_str();
}

// Draws the cards of a hand of `spread`: distinct indices separated by commas, "" on failure.
EMSCRIPTEN_KEEPALIVE const char* baralune_draw(int spread) {
  g_text.clear();
  if (!IsKnownSpread(static_cast<SpreadIndex>(spread))) return g_text.c_str();
  if (std::string error = DrawList(SpreadOf(static_cast<SpreadIndex>(spread)).cards, g_text);
      !error.empty()) {
    g_last.error = std::move(error);
  }
  return g_text.c_str();
}

// The same for a reader's spread of `count` positions.
EMSCRIPTEN_KEEPALIVE const char* baralune_draw_count(int count) {
  g_text.clear();
  if (count < 1 || count > static_cast<int>(kMaxSpreadPositions)) return g_text.c_str();
  if (std::string error = DrawList(count, g_text); !error.empty()) g_last.error = std::move(error);
  return g_text.c_str();
}

}  // extern "C"
