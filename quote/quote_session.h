#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string_view>
#include <vector>

#include "csv_record.h"
#include "output_buffer.h"
#include "quote_writer.h"
#include "quoter.h"
#include "record_reader.h"
#include "rejection_log.h"

namespace lumor::quote {

// Prices order codes from the command line or from an input of one code a
// line or CSV, writing every accepted one and reporting every rejected one.
class QuoteSession {
 public:
  QuoteSession(Quoter& quoter, QuoteWriter& writer, OutputBuffer& output, RejectionLog& log);

  void PriceArguments(const std::vector<std::string_view>& codes);
  // interactive: pass every answer on at once, as for a terminal.
  void PriceInput(std::istream& in, bool interactive,
                  std::size_t maxRecordBytes = RecordReader::kMaxRecordBytes);

 private:
  enum class Mode { kUndecided, kCodes, kCsv, kStopped };

  void PriceRecord(const Record& record, RecordReader& reader);
  // Reads the first line that is not blank or a comment: a CSV header, or
  // else the first code.
  bool ReadHeader(const Record& record, std::string_view line);
  void PriceCsvRow(const Record& record);
  void Price(std::string_view where, std::size_t number, std::string_view text,
             std::optional<std::string_view> quantityText);

  Quoter& m_quoter;
  QuoteWriter& m_writer;
  OutputBuffer& m_output;
  RejectionLog& m_log;
  Mode m_mode = Mode::kUndecided;
  std::size_t m_maxRecordBytes = RecordReader::kMaxRecordBytes;
  std::size_t m_codeColumn = 0;
  std::optional<std::size_t> m_quantityColumn;
  CsvRecord m_row;
};

}  // namespace lumor::quote
