// The browser edition's way to the journal file: the page hands over the bytes of a file and
// gets its readings as JSON, or hands over readings and gets the file's lines, written and read
// by the same code as the desktop's, so that a journal moves between them losslessly.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "journal_format.h"
#include "journal_reader.h"
#include "journal_writer.h"
#include "json_writer.h"
#include "page_buffer.h"
#include "reading_json.h"
#include "spread_file.h"
#include "spreads.h"

namespace baralune::web {
namespace {

std::string g_out;  // what the last call below gave

const char* RefusalKey(interchange::Refusal refusal) {
  switch (refusal) {
    case interchange::Refusal::Empty:
      return "empty";
    case interchange::Refusal::NotThisFormat:
      return "not-this-format";
    case interchange::Refusal::NewerVersion:
      return "newer-version";
    case interchange::Refusal::TooManyRows:
      return "too-many-rows";
    case interchange::Refusal::TooLarge:
      return "too-large";
    case interchange::Refusal::None:
      break;
  }
  return "";
}

void AppendReading(std::string& out, const interchange::Reading& reading) {
  // Milliseconds since 1970 stay exact in a JavaScript number (below 2^53).
  out += "{\"dealt\":" + std::to_string(reading.dealtMsecs) +
         ",\"offset\":" + std::to_string(reading.utcOffsetSeconds) + ",\"name\":";
  AppendJsonString(out, reading.name);
  out += ",\"birth\":";
  AppendJsonString(out, reading.birthDate);
  out += ",\"spread\":" + std::to_string(reading.spread) +
         ",\"mode\":" + std::to_string(static_cast<int>(reading.mode)) + ",\"cards\":[";
  for (std::size_t i = 0; i < reading.cards.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(reading.cards[i]);
  }
  out += "],\"language\":";
  AppendJsonString(out, LanguageCode(reading.language));
  // The reader's spread as dealt, as its spread file has it: the page keeps it so and hands it
  // back for the reading and for the journal file.
  if (reading.ownSpread) {
    out += ",\"own\":";
    AppendJsonString(out, interchange::WriteSpreadFile(*reading.ownSpread));
  }
  // The reader's notes: the page has no editor of them, but keeps them as they came.
  if (!reading.notes.empty()) {
    out += ",\"notes\":";
    AppendJsonString(out, reading.notes);
  }
  out += '}';
}

}  // namespace

}  // namespace baralune::web

using namespace baralune;
using namespace baralune::web;

extern "C" {

// Reads the journal file in the buffer: {"refusal":"" or why,"readings":[...],"skipped":[n per
// reason, in the reader's order]}.
EMSCRIPTEN_KEEPALIVE const char* baralune_journal_read() {
  const interchange::ReadResult result = interchange::ReadJournal(PageBuffer());
  PageBuffer().clear();
  PageBuffer().shrink_to_fit();
  g_out = "{\"refusal\":\"";
  g_out += RefusalKey(result.refusal);
  g_out += "\",\"readings\":[";
  for (std::size_t i = 0; i < result.readings.size(); ++i) {
    if (i > 0) g_out += ',';
    AppendReading(g_out, result.readings[i]);
  }
  g_out += "],\"skipped\":[";
  for (std::size_t i = 0; i < result.skipped.size(); ++i) {
    if (i > 0) g_out += ',';
    g_out += std::to_string(result.skipped[i]);
  }
  g_out += "]}";
  return g_out.c_str();
}

// The journal file's first line.
EMSCRIPTEN_KEEPALIVE const char* baralune_journal_header() {
  g_out = interchange::HeaderLine();
  return g_out.c_str();
}

// The file's line for one reading (line end included). The buffer holds its texts separated by
// zero bytes: the name, the date of birth, the spread file of a reader's own spread (`spread`
// kOwnSpread; empty for the four) and then its notes, the rest. "" when the reading is not one
// to write.
EMSCRIPTEN_KEEPALIVE const char* baralune_journal_line(double dealtMsecs, int utcOffsetSeconds,
                                                       int spread, int mode, const char* language,
                                                       const char* cards) {
  g_out.clear();
  interchange::Reading reading;
  reading.dealtMsecs = static_cast<std::int64_t>(dealtMsecs);
  reading.utcOffsetSeconds = utcOffsetSeconds;
  std::string_view texts = PageBuffer();
  std::string_view fields[3];
  for (std::string_view& field : fields) {
    const std::size_t zero = texts.find('\0');
    if (zero == std::string_view::npos) return g_out.c_str();
    field = texts.substr(0, zero);
    texts.remove_prefix(zero + 1);
  }
  reading.name = fields[0];
  reading.birthDate = fields[1];
  reading.notes = texts;
  const auto lang = LanguageFromCode(language ? language : "");
  if (!lang || (!IsKnownSpread(static_cast<SpreadIndex>(spread)) && spread != kOwnSpread) ||
      mode < 0 || mode > 2) {
    return g_out.c_str();
  }
  if (spread == kOwnSpread) {
    interchange::SpreadFileResult own = interchange::ReadSpreadFile(fields[2]);
    if (!own.spread) return g_out.c_str();
    reading.ownSpread = std::move(own.spread);
  }
  reading.spread = static_cast<SpreadIndex>(spread);
  reading.mode = static_cast<interchange::Mode>(mode);
  reading.language = *lang;
  for (std::string_view list = cards ? cards : ""; !list.empty();) {
    const std::size_t comma = std::min(list.find(','), list.size());
    const std::string_view item = list.substr(0, comma);
    int card = -1;
    const auto [end, failed] = std::from_chars(item.data(), item.data() + item.size(), card);
    if (failed != std::errc() || end != item.data() + item.size() || card < 0 ||
        card >= kDeckSize) {
      return g_out.c_str();
    }
    reading.cards.push_back(static_cast<CardIndex>(card));
    list.remove_prefix(std::min(comma + 1, list.size()));
  }
  // Written only what the reader would take back: a reading it would skip is not one to keep.
  const std::string line = interchange::ReadingLine(reading);
  if (!std::holds_alternative<interchange::Reading>(interchange::ParseReading(line))) {
    return g_out.c_str();
  }
  g_out = line + "\n";
  return g_out.c_str();
}

}  // extern "C"
