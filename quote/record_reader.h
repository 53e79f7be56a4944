#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace lumor::quote {

struct Record {
  // Without the line end (LF or CRLF). Of an over-long record only its start.
  std::string_view text;
  std::size_t line = 0;   // where it starts, counted from 1
  std::size_t bytes = 0;  // of the whole record, without the line end
  bool tooLong = false;
  bool unclosedQuote = false;  // the input ended inside a quoted CSV field
};

// Splits a byte stream into records: lines, or in CSV mode lines whose quoted
// fields may hold line ends. Reads in big blocks and keeps at most
// maxRecordBytes of a record, so any input takes linear time and bounded
// memory. A UTF-8 byte order mark at the very start is dropped.
class RecordReader {
 public:
  static constexpr std::size_t kMaxRecordBytes = 64 * 1024;
  static constexpr std::size_t kExcerptBytes = 64;

  // The buffer grows to hold a record of maxRecordBytes and its CRLF.
  explicit RecordReader(std::istream& in, std::size_t maxRecordBytes = kMaxRecordBytes,
                        std::size_t bufferBytes = 1024 * 1024);

  void SetCsv(bool csv) { m_csv = csv; }
  // False at the end of the input. The record's text lives until the next call.
  bool Next(Record& record);

 private:
  enum class CsvState { kFieldStart, kUnquoted, kQuoted, kQuoteInQuoted };

  // Moves the unread bytes to the front and reads more; false when nothing
  // more could be read.
  bool Fill();
  // Looks for the record's end from m_scan on; true when found at m_scan.
  bool FindEnd(bool csv, CsvState& state, std::size_t& lineEnds);

  std::istream& m_in;
  std::size_t m_maxRecordBytes;
  std::vector<char> m_buffer;
  std::size_t m_begin = 0;  // first unread byte
  std::size_t m_scan = 0;   // first byte not yet looked at
  std::size_t m_end = 0;    // end of the bytes read
  std::size_t m_line = 1;
  bool m_atEnd = false;
  bool m_started = false;
  bool m_csv = false;
  std::string m_excerpt;
};

}  // namespace lumor::quote
