#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "csv.h"
#include "engine.h"
#include "order_code.h"

namespace lumor::quote {

// Prices order codes from arguments and inputs, writing every accepted one
// and reporting every rejected one: each record that is not blank ends as
// exactly one of the two.
class QuoteSession {
 public:
  // The engine must already be set up as the window sets it up.
  QuoteSession(Engine& engine, OutputFormat format, std::ostream& out, std::ostream& err);

  void PriceArgument(std::size_t number, std::string_view code);
  // name is what messages call the input; interactive passes every answer
  // on at once, as for a terminal.
  void PriceInput(std::string_view name, std::istream& in, bool interactive,
                  std::size_t maxRecordBytes = RecordReader::kMaxRecordBytes);
  // Something that could not be read at all, such as a missing file.
  void RejectInput(std::string_view message);
  // The CSV TOTAL row.
  void Finish();

  std::size_t Priced() const { return m_priced; }
  std::size_t Rejected() const { return m_rejected; }

  static constexpr std::uint64_t kMaxQuantity = 1'000'000'000;

 private:
  struct Input;
  // What a message names: "argument 2", or an input and its line.
  struct Where {
    std::string_view source;
    std::size_t line;  // 0 for an argument
  };
  __extension__ typedef unsigned __int128 Sum;

  void PriceRecord(Input& input, const Record& record);
  bool ReadHeader(Input& input, const Record& record);
  void PriceCsvRow(Input& input, const Record& record);
  void Price(const Where& where, std::string_view text,
             std::optional<std::string_view> quantityText);
  void Write(const OrderCode& code, std::uint64_t cents, std::optional<std::uint64_t> quantity);
  void Reject(const Where& where, std::string_view message);

  Engine& m_engine;
  OutputFormat m_format;
  std::ostream& m_out;
  std::ostream& m_err;
  std::size_t m_priced = 0;
  std::size_t m_rejected = 0;
  Sum m_quantity = 0;
  Sum m_cents = 0;
  std::string m_line;
  std::vector<std::string> m_fields;
};

// Reads a quantity: a whole number from 1 to kMaxQuantity, blanks around it
// allowed.
std::optional<std::string> ReadQuantity(std::string_view text, std::uint64_t& quantity);

}  // namespace lumor::quote
