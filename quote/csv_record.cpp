#include "csv_record.h"

namespace lumor::quote {

CsvStatus CsvRecord::Split(std::string_view record) {
  m_size = 0;
  m_badField = 0;
  std::size_t pos = 0;
  for (;;) {
    if (m_fields.size() == m_size) m_fields.emplace_back();
    std::string& field = m_fields[m_size++];
    field.clear();
    if (pos < record.size() && record[pos] == '"') {
      ++pos;
      for (;;) {
        const std::size_t quote = record.find('"', pos);
        if (quote == std::string_view::npos) {
          m_badField = m_size;
          return CsvStatus::kUnclosedQuote;
        }
        field.append(record, pos, quote - pos);
        pos = quote + 1;
        if (pos < record.size() && record[pos] == '"') {
          field += '"';
          ++pos;
        } else {
          break;
        }
      }
      if (pos < record.size() && record[pos] != ',') {
        m_badField = m_size;
        return CsvStatus::kTextAfterQuote;
      }
    } else {
      const std::size_t comma = record.find(',', pos);
      const std::size_t end = comma == std::string_view::npos ? record.size() : comma;
      field.append(record, pos, end - pos);
      pos = end;
    }
    if (pos >= record.size()) return CsvStatus::kOk;
    ++pos;  // the comma
  }
}

}  // namespace lumor::quote
