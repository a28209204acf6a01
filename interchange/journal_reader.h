#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "journal_format.h"
#include "reading_json.h"

namespace baralune::interchange {

// Why a whole file was refused: nothing of it is to be taken.
enum class Refusal {
  None,
  Empty,          // no header line at all
  NotThisFormat,  // the first line is not a Baralune journal file's header
  NewerVersion,   // written by a newer Baralune, in a version this one cannot read
  TooManyRows,    // more readings than Limits::maxRows
  TooLarge,       // more bytes than Limits::maxBytes
};

// What a journal file gave: its readings and the lines skipped by reason, or the refusal.
struct ReadResult {
  Refusal refusal = Refusal::None;
  int version = 0;  // of the file, once its header was read
  std::vector<Reading> readings;
  std::array<int, kSkipReasons> skipped = {};

  int Skipped(Skip reason) const { return skipped[static_cast<std::size_t>(reason)]; }
  int SkippedTotal() const;
};

// Reads a journal file handed over in pieces of any size, as they come from the disk or the
// browser, and stops taking them once the file is refused. Blank lines are passed over; a line
// may end in CRLF; a byte-order mark before the header is allowed.
class JournalReader {
 public:
  explicit JournalReader(Limits limits = {}) : m_limits(limits) {}

  // Takes the next piece; false once the file is refused, when the rest need not be read.
  bool Feed(std::string_view bytes);
  // The outcome, once the whole file was fed. A last line without a line end is taken if it
  // is whole and skipped as cut short otherwise.
  ReadResult Finish();

 private:
  void EndLine(bool atEndOfFile);
  void ReadHeader();
  void Refuse(Refusal why);

  Limits m_limits;
  ReadResult m_result;
  std::string m_line;
  std::uint64_t m_bytes = 0;
  std::size_t m_rows = 0;
  bool m_headerRead = false;
  bool m_lineTooLong = false;
};

// Reads a journal file held whole in memory.
ReadResult ReadJournal(std::string_view text, Limits limits = {});

}  // namespace baralune::interchange
