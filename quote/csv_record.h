#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumor::quote {

enum class CsvStatus { kOk, kUnclosedQuote, kTextAfterQuote };

// The fields of one RFC 4180 record. The storage is kept from record to
// record, so reading many rows allocates only while they grow.
class CsvRecord {
 public:
  // The record without its line end; quoted fields may hold line ends.
  CsvStatus Split(std::string_view record);

  std::size_t Size() const { return m_size; }
  std::string_view operator[](std::size_t i) const { return m_fields[i]; }
  // The field (from 1) that made the last Split fail.
  std::size_t BadField() const { return m_badField; }

 private:
  std::vector<std::string> m_fields;
  std::size_t m_size = 0;
  std::size_t m_badField = 0;
};

}  // namespace lumor::quote
