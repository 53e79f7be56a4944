#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace lumor::quote {

struct Record {
  std::string text;            // without its line end; of an over-long record only its start
  std::size_t line = 0;        // where it starts, counted from 1
  std::size_t offset = 0;      // of its first byte in the input
  std::size_t bytes = 0;       // taken from the input, line end included
  std::size_t length = 0;      // of the whole record without its line end
  bool tooLong = false;        // longer than the reader keeps
  bool unclosedQuote = false;  // the input ended inside a quoted CSV field
};

// Splits a byte stream into records: lines ended by LF, CR or CRLF, or in CSV
// mode lines whose quoted fields may hold line ends. Keeps at most
// maxRecordBytes of a record, so any input takes linear time and bounded
// memory. A UTF-8 byte order mark at the very start is dropped. The records'
// bytes and the mark add up to the whole input.
class RecordReader {
 public:
  static constexpr std::size_t kMaxRecordBytes = 64 * 1024;

  explicit RecordReader(std::istream& in, std::size_t maxRecordBytes = kMaxRecordBytes);

  // From the next record on, quotes group text that may hold line ends.
  void SetCsv(char delimiter) {
    m_csv = true;
    m_delimiter = delimiter;
  }
  // False at the end of the input.
  bool Next(Record& record);
  std::size_t MarkBytes() const { return m_markBytes; }

 private:
  int Get();
  int Peek();

  std::streambuf* m_in;
  std::size_t m_maxRecordBytes;
  std::string m_pending;  // bytes looked at for the mark and given back
  std::size_t m_line = 1;
  std::size_t m_offset = 0;
  std::size_t m_markBytes = 0;
  bool m_started = false;
  bool m_csv = false;
  char m_delimiter = ',';
};

enum class CsvStatus { kOk, kUnclosedQuote, kTextAfterQuote };

// Splits one record into its fields per RFC 4180, with the delimiter given.
// Reuses the vector's strings; badField counts from 1.
CsvStatus SplitCsv(std::string_view record, char delimiter, std::vector<std::string>& fields,
                   std::size_t& badField);

// Appends a field, quoted when it holds a comma, a quote or a line end.
void AppendCsvField(std::string& out, std::string_view field);

}  // namespace lumor::quote
