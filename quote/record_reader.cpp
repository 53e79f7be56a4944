#include "record_reader.h"

#include <algorithm>
#include <cstring>

namespace lumor::quote {

RecordReader::RecordReader(std::istream& in, std::size_t maxRecordBytes, std::size_t bufferBytes)
    : m_in(in),
      m_maxRecordBytes(maxRecordBytes),
      m_buffer(std::max(bufferBytes, maxRecordBytes + 2)) {}

bool RecordReader::Fill() {
  if (m_atEnd) return false;
  if (m_begin > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
    m_scan -= m_begin;
    m_end -= m_begin;
    m_begin = 0;
  }
  // Take what is there without waiting for a whole block, so that codes
  // typed at a terminal are answered line by line.
  std::streambuf* source = m_in.rdbuf();
  std::streamsize available = source ? source->in_avail() : -1;
  if (available == 0) {
    available = source->sgetc() == std::char_traits<char>::eof() ? -1 : source->in_avail();
  }
  const auto room = static_cast<std::streamsize>(m_buffer.size() - m_end);
  const std::streamsize got =
      available < 0 ? 0
                    : source->sgetn(m_buffer.data() + m_end,
                                    std::min(room, std::max<std::streamsize>(available, 1)));
  if (got <= 0) {
    m_atEnd = true;
    return false;
  }
  m_end += static_cast<std::size_t>(got);
  return true;
}

bool RecordReader::FindEnd(bool csv, CsvState& state, std::size_t& lineEnds) {
  const char* data = m_buffer.data();
  if (!csv) {
    const void* found = std::memchr(data + m_scan, '\n', m_end - m_scan);
    if (!found) {
      m_scan = m_end;
      return false;
    }
    m_scan = static_cast<std::size_t>(static_cast<const char*>(found) - data);
    return true;
  }
  if (state != CsvState::kQuoted) {
    // Most rows hold no quote, and then their line end is the record's.
    const void* lineEnd = std::memchr(data + m_scan, '\n', m_end - m_scan);
    const std::size_t end =
        lineEnd ? static_cast<std::size_t>(static_cast<const char*>(lineEnd) - data) : m_end;
    if (!std::memchr(data + m_scan, '"', end - m_scan)) {
      if (end > m_scan) state = data[end - 1] == ',' ? CsvState::kFieldStart : CsvState::kUnquoted;
      m_scan = end;
      return lineEnd != nullptr;
    }
  }
  for (; m_scan < m_end; ++m_scan) {
    const char c = data[m_scan];
    if (state == CsvState::kQuoted) {
      if (c == '"') {
        state = CsvState::kQuoteInQuoted;
      } else if (c == '\n') {
        ++lineEnds;
      }
      continue;
    }
    if (c == '\n') return true;
    if (c == ',') {
      state = CsvState::kFieldStart;
    } else if (c == '"' && state != CsvState::kUnquoted) {
      // Opens a field at its start; right after a closing quote it stands
      // for a quote character and the field goes on.
      state = CsvState::kQuoted;
    } else {
      // After a closing quote this is malformed, which the record's split
      // reports; the record still ends at the next line end.
      state = CsvState::kUnquoted;
    }
  }
  return false;
}

bool RecordReader::Next(Record& record) {
  if (!m_started) {
    m_started = true;
    while (m_end < 3 && Fill()) {
    }
    if (m_end >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0) m_begin = m_scan = 3;
  }

  record = Record{};
  record.line = m_line;
  m_excerpt.clear();
  std::size_t dropped = 0;  // bytes of an over-long record already let go
  char lastDropped = '\0';
  std::size_t lineEnds = 0;  // inside quotes
  CsvState state = CsvState::kFieldStart;
  const auto keep = [&](std::size_t n) {
    if (m_excerpt.size() < kExcerptBytes) {
      m_excerpt.append(m_buffer.data() + m_begin, std::min(n, kExcerptBytes - m_excerpt.size()));
    }
  };

  // A comment is a line even in CSV mode, whatever quotes it holds.
  bool csv = m_csv;
  if (csv) {
    if (m_begin == m_end) Fill();
    if (m_begin < m_end && m_buffer[m_begin] == '#') csv = false;
  }

  bool found = false;
  for (;;) {
    found = FindEnd(csv, state, lineEnds);
    if (found) break;
    // Over the limit even if the last byte is the CR of a CRLF: keep only
    // the start and let the rest go as it is scanned.
    if (m_scan > m_begin && dropped + (m_scan - m_begin) > m_maxRecordBytes + 1) {
      keep(m_scan - m_begin);
      lastDropped = m_buffer[m_scan - 1];
      dropped += m_scan - m_begin;
      m_begin = m_scan;
    }
    if (!Fill()) break;
  }
  if (!found && dropped == 0 && m_begin == m_end) return false;

  std::size_t length = m_scan - m_begin;
  const char last = length > 0 ? m_buffer[m_begin + length - 1] : lastDropped;
  const bool crEnds = state != CsvState::kQuoted && last == '\r';
  record.bytes = dropped + length - (crEnds ? 1 : 0);
  if (crEnds && length > 0) --length;
  record.tooLong = record.bytes > m_maxRecordBytes;
  if (record.tooLong) {
    keep(length);
    record.text = m_excerpt;
  } else {
    record.text = std::string_view(m_buffer.data() + m_begin, length);
  }
  record.unclosedQuote = state == CsvState::kQuoted;

  m_line += lineEnds + 1;
  m_begin = m_scan = found ? m_scan + 1 : m_scan;
  return true;
}

}  // namespace lumor::quote
