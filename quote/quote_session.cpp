#include "quote_session.h"

#include <string>

#include "message_text.h"
#include "order_code_reader.h"
#include "quantity_reader.h"
#include "utf8.h"

namespace lumor::quote {
namespace {

constexpr std::string_view kLine = "line";

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsSkipped(std::string_view trimmed) { return trimmed.empty() || trimmed.front() == '#'; }

bool SameName(std::string_view name, std::string_view wanted) {
  name = TrimBlanks(name);
  if (name.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != wanted[i]) return false;
  }
  return true;
}

std::string CsvProblem(CsvStatus status, std::size_t field) {
  if (status == CsvStatus::kUnclosedQuote) {
    return "field " + std::to_string(field) + " has an unclosed quote";
  }
  return "text after the closing quote of field " + std::to_string(field);
}

}  // namespace

QuoteSession::QuoteSession(Quoter& quoter, QuoteWriter& writer, OutputBuffer& output,
                           RejectionLog& log)
    : m_quoter(quoter), m_writer(writer), m_output(output), m_log(log) {}

void QuoteSession::PriceArguments(const std::vector<std::string_view>& codes) {
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (!IsValidUtf8(codes[i])) {
      m_log.Reject("argument", i + 1, "not valid UTF-8");
      continue;
    }
    Price("argument", i + 1, codes[i], std::nullopt);
  }
}

void QuoteSession::PriceInput(std::istream& in, bool interactive, std::size_t maxRecordBytes) {
  m_maxRecordBytes = maxRecordBytes;
  RecordReader reader(in, maxRecordBytes);
  Record record;
  while (m_mode != Mode::kStopped && reader.Next(record)) {
    PriceRecord(record, reader);
    if (interactive) {
      m_output.Flush();
      m_log.Flush();
    }
  }
}

void QuoteSession::PriceRecord(const Record& record, RecordReader& reader) {
  const std::string_view trimmed = TrimBlanks(record.text);
  if (record.unclosedQuote) {
    m_log.Reject(kLine, record.line,
                 "malformed CSV: a quote is not closed before the end of the input");
    return;
  }
  if (record.tooLong) {
    if (!trimmed.empty() && trimmed.front() == '#') return;
    m_log.Reject(kLine, record.line,
                 std::string(m_mode == Mode::kCsv ? "the record" : "the line") + " is " +
                     std::to_string(record.bytes) + " bytes long, above the limit of " +
                     std::to_string(m_maxRecordBytes) + ": '" + MessageText(record.text) + "'");
    return;
  }
  if (IsSkipped(trimmed)) return;
  if (!IsValidUtf8(record.text)) {
    m_log.Reject(kLine, record.line, "not valid UTF-8");
    return;
  }
  switch (m_mode) {
    case Mode::kUndecided:
      if (ReadHeader(record, trimmed)) {
        reader.SetCsv(m_mode == Mode::kCsv);
        return;
      }
      m_mode = Mode::kCodes;
      [[fallthrough]];
    case Mode::kCodes:
      Price(kLine, record.line, trimmed, std::nullopt);
      return;
    case Mode::kCsv:
      PriceCsvRow(record);
      return;
    case Mode::kStopped:
      return;
  }
}

bool QuoteSession::ReadHeader(const Record& record, std::string_view line) {
  // Every order code starts so, and no sensible column name does.
  if (line.size() >= 2 && (line[0] == 'C' || line[0] == 'T') && line[1] == '-') return false;

  const CsvStatus status = m_row.Split(record.text);
  const bool looksLikeCsv = m_row.Size() > 1 || line.front() == '"';
  if (status != CsvStatus::kOk) {
    if (!looksLikeCsv) return false;
    m_log.Reject(kLine, record.line,
                 "malformed CSV header: " + CsvProblem(status, m_row.BadField()));
    m_mode = Mode::kStopped;
    return true;
  }
  std::optional<std::size_t> code;
  std::optional<std::size_t> quantity;
  for (std::size_t i = 0; i < m_row.Size(); ++i) {
    for (auto [name, column] : {std::pair{"code", &code}, std::pair{"quantity", &quantity}}) {
      if (!SameName(m_row[i], name)) continue;
      if (*column) {
        m_log.Reject(kLine, record.line,
                     std::string("the CSV header has two '") + name + "' columns");
        m_mode = Mode::kStopped;
        return true;
      }
      *column = i;
    }
  }
  if (!code) {
    if (!looksLikeCsv) return false;
    m_log.Reject(kLine, record.line,
                 "the CSV header '" + MessageText(record.text, 80) +
                     "' has no 'code' column, so no row can be priced");
    m_mode = Mode::kStopped;
    return true;
  }
  m_codeColumn = *code;
  m_quantityColumn = quantity;
  m_mode = Mode::kCsv;
  return true;
}

void QuoteSession::PriceCsvRow(const Record& record) {
  const CsvStatus status = m_row.Split(record.text);
  if (status != CsvStatus::kOk) {
    m_log.Reject(kLine, record.line, "malformed CSV: " + CsvProblem(status, m_row.BadField()));
    return;
  }
  bool blank = true;
  for (std::size_t i = 0; i < m_row.Size() && blank; ++i) blank = TrimBlanks(m_row[i]).empty();
  if (blank) return;  // a spreadsheet's empty row, ",,,"

  const auto missing = [&](const char* column, std::size_t index) {
    m_log.Reject(kLine, record.line,
                 "the row ends after field " + std::to_string(m_row.Size()) + ", before the " +
                     column + " column (field " + std::to_string(index + 1) + ")");
  };
  if (m_codeColumn >= m_row.Size()) {
    missing("code", m_codeColumn);
    return;
  }
  std::optional<std::string_view> quantity;
  if (m_quantityColumn) {
    if (*m_quantityColumn >= m_row.Size()) {
      missing("quantity", *m_quantityColumn);
      return;
    }
    quantity = m_row[*m_quantityColumn];
  }
  Price(kLine, record.line, m_row[m_codeColumn], quantity);
}

void QuoteSession::Price(std::string_view where, std::size_t number, std::string_view text,
                         std::optional<std::string_view> quantityText) {
  OrderCode code;
  if (auto error = ReadOrderCode(text, code)) {
    m_log.Reject(where, number, error->message);
    return;
  }
  std::uint64_t quantity = 1;
  if (quantityText) {
    if (auto error = ReadQuantity(*quantityText, quantity)) {
      m_log.Reject(where, number, *error);
      return;
    }
  }
  try {
    m_quoter.Price(code);
  } catch (const FloatingPointError& e) {
    m_log.Reject(where, number, e.what());
    return;
  }
  m_writer.Write(code, m_quoter, quantity);
}

}  // namespace lumor::quote
