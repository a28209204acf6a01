#include "journal_writer.h"

#include <nlohmann/json.hpp>

#include "reading_json.h"

namespace baralune::interchange {

std::string HeaderLine() {
  const nlohmann::ordered_json header = {{"format", kFormatName}, {"version", kFormatVersion}};
  return header.dump() + '\n';
}

std::string WriteJournal(std::span<const Reading> readings) {
  std::string text = HeaderLine();
  for (const Reading& reading : readings) {
    text += ReadingLine(reading);
    text += '\n';
  }
  return text;
}

}  // namespace baralune::interchange
