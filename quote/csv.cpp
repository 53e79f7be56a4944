#include "csv.h"

#include <algorithm>

namespace lumor::quote {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();
constexpr std::string_view kMark = "\xEF\xBB\xBF";

}  // namespace

RecordReader::RecordReader(std::istream& in, std::size_t maxRecordBytes)
    : m_in(in.rdbuf()), m_maxRecordBytes(maxRecordBytes) {}

int RecordReader::Get() {
  if (!m_pending.empty()) {
    const auto c = static_cast<unsigned char>(m_pending.front());
    m_pending.erase(0, 1);
    return c;
  }
  return m_in ? m_in->sbumpc() : kEnd;
}

int RecordReader::Peek() {
  if (!m_pending.empty()) return static_cast<unsigned char>(m_pending.front());
  return m_in ? m_in->sgetc() : kEnd;
}

bool RecordReader::Next(Record& record) {
  if (!m_started) {
    m_started = true;
    // Only a whole mark is dropped; a part of one is text.
    while (m_pending.size() < kMark.size() && m_pending == kMark.substr(0, m_pending.size())) {
      const int c = m_in ? m_in->sbumpc() : kEnd;
      if (c == kEnd) break;
      m_pending += static_cast<char>(c);
    }
    if (m_pending == kMark) {
      m_pending.clear();
      m_markBytes = kMark.size();
      m_offset = kMark.size();
    }
  }

  record.text.clear();
  record.line = m_line;
  record.offset = m_offset;
  record.bytes = 0;
  record.length = 0;
  record.tooLong = false;
  record.unclosedQuote = false;

  bool quoted = false;
  bool fieldStart = true;
  bool afterQuote = false;  // just after a quote that may close the field
  int c = Get();
  if (c == kEnd) return false;
  const auto keep = [&](char byte) {
    if (record.length < m_maxRecordBytes) record.text += byte;
    ++record.length;
  };
  for (; c != kEnd; c = Get()) {
    ++record.bytes;
    if (c == '\n' || c == '\r') {
      // CRLF is one line end; inside quotes it is kept as it was written.
      const bool crlf = c == '\r' && Peek() == '\n';
      if (crlf) {
        Get();
        ++record.bytes;
      }
      ++m_line;
      if (!quoted) break;
      keep(static_cast<char>(c));
      if (crlf) keep('\n');
      continue;
    }
    if (m_csv) {
      if (quoted) {
        if (c == '"') {
          quoted = false;
          afterQuote = true;
        }
      } else if (c == '"' && (fieldStart || afterQuote)) {
        // Opens a field at its start; right after a closing quote it stands
        // for a quote character and the field goes on.
        quoted = true;
        afterQuote = false;
      } else {
        fieldStart = c == static_cast<unsigned char>(m_delimiter);
        afterQuote = false;
      }
    }
    keep(static_cast<char>(c));
  }
  record.unclosedQuote = quoted;
  record.tooLong = record.length > m_maxRecordBytes;
  m_offset += record.bytes;
  return true;
}

CsvStatus SplitCsv(std::string_view record, char delimiter, std::vector<std::string>& fields,
                   std::size_t& badField) {
  std::size_t count = 0;
  std::size_t pos = 0;
  badField = 0;
  const auto done = [&](CsvStatus status) {
    fields.resize(count);
    if (status != CsvStatus::kOk) badField = count;
    return status;
  };
  for (;;) {
    if (fields.size() == count) fields.emplace_back();
    std::string& field = fields[count++];
    field.clear();
    if (pos < record.size() && record[pos] == '"') {
      ++pos;
      for (;;) {
        const std::size_t quote = record.find('"', pos);
        if (quote == std::string_view::npos) return done(CsvStatus::kUnclosedQuote);
        field.append(record, pos, quote - pos);
        pos = quote + 1;
        if (pos < record.size() && record[pos] == '"') {
          field += '"';
          ++pos;
        } else {
          break;
        }
      }
      if (pos < record.size() && record[pos] != delimiter) {
        return done(CsvStatus::kTextAfterQuote);
      }
    } else {
      const std::size_t end = std::min(record.find(delimiter, pos), record.size());
      field.append(record, pos, end - pos);
      pos = end;
    }
    if (pos >= record.size()) return done(CsvStatus::kOk);
    ++pos;  // the delimiter
  }
}

void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace lumor::quote
