#include "journal_reader.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <numeric>

namespace baralune::interchange {

namespace {

// The header is one short object: anything longer is not ours.
constexpr std::size_t kMaxHeaderBytes = 4096;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

int ReadResult::SkippedTotal() const {
  return std::accumulate(skipped.begin(), skipped.end(), 0);
}

bool JournalReader::Feed(std::string_view bytes) {
  while (!bytes.empty() && m_result.refusal == Refusal::None) {
    const std::size_t end = bytes.find('\n');
    const std::string_view part = bytes.substr(0, end);
    m_bytes += part.size() + (end == std::string_view::npos ? 0 : 1);
    if (m_bytes > m_limits.maxBytes) {
      Refuse(Refusal::TooLarge);
      break;
    }
    // A line longer than any reading's is not kept while the rest of it goes by.
    const std::size_t limit = m_headerRead ? m_limits.maxLineBytes : kMaxHeaderBytes;
    if (!m_lineTooLong && m_line.size() + part.size() > limit) {
      m_lineTooLong = true;
      m_line.clear();
      m_line.shrink_to_fit();
    }
    if (!m_lineTooLong) m_line.append(part);
    if (!m_headerRead && m_lineTooLong) {
      Refuse(Refusal::NotThisFormat);
      break;
    }
    if (end == std::string_view::npos) break;
    EndLine(false);
    bytes.remove_prefix(end + 1);
  }
  return m_result.refusal == Refusal::None;
}

ReadResult JournalReader::Finish() {
  if (m_result.refusal == Refusal::None && (m_lineTooLong || !m_line.empty())) EndLine(true);
  if (m_result.refusal == Refusal::None && !m_headerRead) Refuse(Refusal::Empty);
  ReadResult result = std::move(m_result);
  m_result = {};
  return result;
}

void JournalReader::Refuse(Refusal why) {
  m_result.refusal = why;
  m_result.readings.clear();
  m_result.readings.shrink_to_fit();
  m_result.skipped = {};
  m_line.clear();
}

void JournalReader::EndLine(bool atEndOfFile) {
  const bool tooLong = m_lineTooLong;
  m_lineTooLong = false;
  if (!m_line.empty() && m_line.back() == '\r') m_line.pop_back();
  if (!tooLong && IsBlank(m_line)) {
    m_line.clear();
    return;
  }
  if (!m_headerRead) {
    ReadHeader();
    m_line.clear();
    return;
  }
  if (++m_rows > m_limits.maxRows) {
    Refuse(Refusal::TooManyRows);
    return;
  }
  auto count = [this](Skip reason) { ++m_result.skipped[static_cast<std::size_t>(reason)]; };
  if (tooLong) {
    count(Skip::LineTooLong);
    return;
  }
  auto parsed = ParseReading(m_line);
  m_line.clear();
  if (auto* reading = std::get_if<Reading>(&parsed)) {
    m_result.readings.push_back(std::move(*reading));
  } else if (atEndOfFile && std::get<Skip>(parsed) == Skip::Damaged) {
    count(Skip::Truncated);  // the file stops in the middle of this line
  } else {
    count(std::get<Skip>(parsed));
  }
}

void JournalReader::ReadHeader() {
  std::string_view line = m_line;
  if (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
  const auto header = nlohmann::json::parse(line.begin(), line.end(), nullptr, false);
  const auto format = header.is_object() ? header.find("format") : header.end();
  const auto version = header.is_object() ? header.find("version") : header.end();
  if (format == header.end() || !format->is_string() || *format != kFormatName ||
      version == header.end() || !version->is_number_unsigned() || *version < 1u) {
    Refuse(Refusal::NotThisFormat);
    return;
  }
  const auto number = version->get<std::uint64_t>();
  m_result.version = static_cast<int>(std::min<std::uint64_t>(number, 1'000'000));
  if (number > static_cast<std::uint64_t>(kFormatVersion)) {
    Refuse(Refusal::NewerVersion);
    return;
  }
  m_headerRead = true;
}

ReadResult ReadJournal(std::string_view text, Limits limits) {
  JournalReader reader(limits);
  reader.Feed(text);
  return reader.Finish();
}

}  // namespace baralune::interchange
