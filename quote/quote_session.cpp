#include "quote_session.h"

#include <algorithm>
#include <array>

#include "catalogue.h"
#include "order_code.h"
#include "shown_text.h"

namespace lumor::quote {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view name, std::string_view wanted) {
  name = TrimBlanks(name);
  return std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

// The decimal digits of a number, most significant first, in buffer's end.
template <class Number>
std::string_view Digits(Number value, std::array<char, 40>& buffer) {
  std::size_t at = buffer.size();
  do {
    buffer[--at] = static_cast<char>('0' + static_cast<int>(value % 10));
    value /= 10;
  } while (value != 0);
  return {buffer.data() + at, buffer.size() - at};
}

template <class Number>
void AppendWhole(std::string& out, Number value) {
  std::array<char, 40> buffer;
  out += Digits(value, buffer);
}

// Whole cents as "1,234.56" with the separators given.
template <class Number>
void AppendCents(std::string& out, Number cents, const PriceSeparators& separators) {
  std::array<char, 40> buffer;
  const std::string_view digits = Digits(cents, buffer);
  const std::size_t whole = digits.size() > 2 ? digits.size() - 2 : 1;
  if (digits.size() <= 2) {
    out += '0';
  } else {
    for (std::size_t i = 0; i < whole; ++i) {
      if (i > 0 && (whole - i) % 3 == 0) out += separators.grouping;
      out += digits[i];
    }
  }
  out += separators.decimal;
  if (digits.size() == 1) out += '0';
  out += digits.substr(digits.size() > 2 ? whole : 0);
}

const PriceSeparators kPlain{".", ""};

std::string CsvProblem(CsvStatus status, std::size_t field) {
  if (status == CsvStatus::kUnclosedQuote) {
    return "malformed CSV: field " + std::to_string(field) + " has an unclosed quote";
  }
  return "malformed CSV: text after the closing quote of field " + std::to_string(field);
}

}  // namespace

struct QuoteSession::Input {
  enum class Mode { kUndecided, kCodes, kCsv, kBadHeader };
  std::string name;
  Mode mode = Mode::kUndecided;
  char delimiter = ',';
  std::size_t codeColumn = 0;
  std::optional<std::size_t> quantityColumn;
  std::string headerProblem;
  RecordReader* reader = nullptr;
};

std::optional<std::string> ReadQuantity(std::string_view text, std::uint64_t& quantity) {
  constexpr auto kMax = QuoteSession::kMaxQuantity;
  text = TrimBlanks(text);
  if (text.empty()) return "the quantity is empty";
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return "quantity '" + MessageText(text) + "' is not a positive whole number";
    }
    // Saturating keeps a long run of digits from wrapping around.
    if (value <= kMax) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value == 0) return "quantity '" + MessageText(text) + "' is not a positive whole number";
  if (value > kMax) return "quantity '" + MessageText(text) + "' is above " + std::to_string(kMax);
  quantity = value;
  return std::nullopt;
}

QuoteSession::QuoteSession(Engine& engine, OutputFormat format, std::ostream& out,
                           std::ostream& err)
    : m_engine(engine), m_format(format), m_out(out), m_err(err) {
  if (m_format == OutputFormat::kCsv)
    m_out << "code,description,unit_price_eur,quantity,total_eur\r\n";
}

void QuoteSession::Reject(const Where& where, std::string_view message) {
  ++m_rejected;
  std::string text = "lumor-quote: ";
  text += where.source;
  text += where.line != 0 ? ":" + std::to_string(where.line) : "";
  text += ": ";
  text += message;
  text += '\n';
  m_err << text;
}

void QuoteSession::RejectInput(std::string_view message) {
  ++m_rejected;
  m_err << "lumor-quote: " << message << '\n';
}

void QuoteSession::PriceArgument(std::size_t number, std::string_view code) {
  const std::string argument = "argument " + std::to_string(number);
  const Where where{argument, 0};
  if (!IsValidUtf8(code)) {
    Reject(where, "not valid UTF-8");
    return;
  }
  Price(where, code, std::nullopt);
}

void QuoteSession::PriceInput(std::string_view name, std::istream& in, bool interactive,
                              std::size_t maxRecordBytes) {
  RecordReader reader(in, maxRecordBytes);
  Input input;
  input.name = name;
  input.reader = &reader;
  Record record;
  while (reader.Next(record)) {
    PriceRecord(input, record);
    if (interactive) {
      m_out.flush();
      m_err.flush();
    }
  }
}

void QuoteSession::PriceRecord(Input& input, const Record& record) {
  const Where where{input.name, record.line};
  if (record.unclosedQuote) {
    Reject(where, "malformed CSV: a quote is not closed before the end of the input");
    return;
  }
  if (record.tooLong) {
    Reject(where, "the record is " + std::to_string(record.length) +
                      " bytes long, above the limit of " + std::to_string(record.text.size()) +
                      ": '" + MessageText(record.text) + "'");
    return;
  }
  if (TrimBlanks(record.text).empty()) return;
  if (!IsValidUtf8(record.text)) {
    Reject(where, "not valid UTF-8");
    return;
  }
  switch (input.mode) {
    case Input::Mode::kUndecided:
      if (ReadHeader(input, record)) return;
      // A title above the header is rejected, but leaves room for the header.
      if (LooksLikeOrderCode(TrimBlanks(record.text))) input.mode = Input::Mode::kCodes;
      [[fallthrough]];
    case Input::Mode::kCodes:
      Price(where, record.text, std::nullopt);
      return;
    case Input::Mode::kCsv:
      PriceCsvRow(input, record);
      return;
    case Input::Mode::kBadHeader:
      Reject(where, "not priced: " + input.headerProblem);
      return;
  }
}

bool QuoteSession::ReadHeader(Input& input, const Record& record) {
  // A header is known by its column names alone, with either delimiter.
  for (char delimiter : {',', ';'}) {
    std::size_t bad = 0;
    if (SplitCsv(record.text, delimiter, m_fields, bad) != CsvStatus::kOk) continue;
    std::vector<std::size_t> codes, quantities;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
      if (SameName(m_fields[i], "code") || SameName(m_fields[i], "kod")) codes.push_back(i);
      if (SameName(m_fields[i], "quantity") || SameName(m_fields[i], "adet")) {
        quantities.push_back(i);
      }
    }
    if (codes.empty()) continue;
    input.reader->SetCsv(delimiter);
    input.delimiter = delimiter;
    input.mode = Input::Mode::kCsv;
    const std::string line = std::to_string(record.line);
    if (codes.size() > 1 || quantities.size() > 1) {
      input.mode = Input::Mode::kBadHeader;
      input.headerProblem = "the header on line " + line + " names two " +
                            (codes.size() > 1 ? "code" : "quantity") + " columns";
      Reject({input.name, record.line}, input.headerProblem);
      return true;
    }
    input.codeColumn = codes.front();
    input.quantityColumn.reset();
    if (!quantities.empty()) input.quantityColumn = quantities.front();
    return true;
  }
  return false;
}

void QuoteSession::PriceCsvRow(Input& input, const Record& record) {
  const Where where{input.name, record.line};
  std::size_t bad = 0;
  const CsvStatus status = SplitCsv(record.text, input.delimiter, m_fields, bad);
  if (status != CsvStatus::kOk) {
    Reject(where, CsvProblem(status, bad));
    return;
  }
  const bool blank = std::all_of(m_fields.begin(), m_fields.end(),
                                 [](const std::string& f) { return TrimBlanks(f).empty(); });
  if (blank) return;  // a spreadsheet's empty row, ",,,"

  const auto missing = [&](const char* column, std::size_t index) {
    Reject(where, "the row ends after field " + std::to_string(m_fields.size()) + ", before the " +
                      column + " column (field " + std::to_string(index + 1) + ")");
  };
  if (input.codeColumn >= m_fields.size()) {
    missing("code", input.codeColumn);
    return;
  }
  std::optional<std::string_view> quantity;
  if (input.quantityColumn) {
    if (*input.quantityColumn >= m_fields.size()) {
      missing("quantity", *input.quantityColumn);
      return;
    }
    quantity = m_fields[*input.quantityColumn];
  }
  Price(where, m_fields[input.codeColumn], quantity);
}

void QuoteSession::Price(const Where& where, std::string_view text,
                         std::optional<std::string_view> quantityText) {
  OrderCode code;
  if (auto error = ReadOrderCode(text, code)) {
    Reject(where, error->message);
    return;
  }
  std::optional<std::uint64_t> quantity;
  if (quantityText) {
    std::uint64_t value = 0;
    if (auto error = ReadQuantity(*quantityText, value)) {
      Reject(where, *error);
      return;
    }
    quantity = value;
  }
  SelectOrderCode(code, m_engine.SelectionState);
  try {
    m_engine.BuildOrderLine();
  } catch (const FloatingPointError& e) {
    Reject(where, e.what());
    return;
  }
  const auto cents = PriceCents(m_engine.UnitPrice);
  if (!cents) {
    Reject(where, "the price is out of range");
    return;
  }
  Write(code, *cents, quantity);
}

void QuoteSession::Write(const OrderCode& code, std::uint64_t cents,
                         std::optional<std::uint64_t> quantity) {
  ++m_priced;
  const std::uint64_t pieces = quantity.value_or(1);
  const Sum lineCents = Sum{cents} * pieces;
  m_quantity += pieces;
  m_cents += lineCents;

  std::string& line = m_line;
  line.clear();
  if (m_format == OutputFormat::kText) {
    line += m_engine.OrderLine;
    if (quantity) {
      line += " x ";
      AppendWhole(line, pieces);
      line += " = ";
      AppendCents(line, lineCents, m_engine.PriceSeparators());
      line += " EUR";
    }
    line += '\n';
  } else {
    AppendCsvField(line, code.text);
    line += ',';
    AppendCsvField(line, m_engine.OrderDescription);
    line += ',';
    AppendCents(line, cents, kPlain);
    line += ',';
    AppendWhole(line, pieces);
    line += ',';
    AppendCents(line, lineCents, kPlain);
    line += "\r\n";
  }
  m_out << line;
}

void QuoteSession::Finish() {
  if (m_format == OutputFormat::kCsv) {
    std::string line = "TOTAL,";
    if (m_rejected > 0) {
      line += "not including " + std::to_string(m_rejected) + " rejected";
    }
    line += ",,";
    AppendWhole(line, m_quantity);
    line += ',';
    AppendCents(line, m_cents, kPlain);
    line += "\r\n";
    m_out << line;
  }
  m_out.flush();
}

}  // namespace lumor::quote
