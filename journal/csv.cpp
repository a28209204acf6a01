#include "csv.h"

#include <string_view>

#include "catalogue.h"
#include "readings.h"

namespace baralune::journal {

namespace {

// Whether a spreadsheet opening the file would read `field` as a formula.
bool LooksLikeFormula(const std::string& field) {
  return !field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string::npos;
}

void AppendField(std::string& out, const std::string& text) {
  const std::string field = LooksLikeFormula(text) ? "'" + text : text;
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string ModeName(DealMode mode) {
  switch (mode) {
    case DealMode::Automatic:
      return "automatic";
    case DealMode::Manual:
      return "manual";
    case DealMode::OwnCards:
      return "own_cards";
  }
  return {};
}

}  // namespace

// Spreads and cards are named in the program's language; the header and the ways of dealing are
// fixed keys for whatever reads the file.
std::string ToCsv(const std::vector<Entry>& entries, Language language) {
  const Catalogue& catalogue = CatalogueIn(language);
  std::string out = "date,name,birth_date,spread,mode,cards,notes\r\n";
  for (const Entry& entry : entries) {
    std::string cards;
    for (const CardIndex card : entry.hand) {
      if (!cards.empty()) cards += " | ";
      cards += catalogue.cardName[card];
    }
    const std::string fields[] = {
        entry.dealt.toString(Qt::ISODate).toStdString(),
        entry.name.toStdString(),
        entry.birthDate.toStdString(),
        entry.own ? entry.own->name : std::string(SpreadListText(entry.spread, language)),
        ModeName(entry.mode),
        cards,
        entry.notes.toStdString(),
    };
    for (std::size_t i = 0; i < std::size(fields); ++i) {
      if (i > 0) out += ',';
      AppendField(out, fields[i]);
    }
    out += "\r\n";
  }
  return out;
}

CsvExport ExportCsv(QSqlDatabase& db, const QString& search, Language language) {
  CsvExport result;
  const std::vector<Entry> entries = LoadList(db, search, &result.leftOut, &result.failure);
  if (result.failure.isEmpty()) result.csv = ToCsv(entries, language);
  return result;
}

}  // namespace baralune::journal
