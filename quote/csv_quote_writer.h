#pragma once

#include "decimal_sum.h"
#include "output_buffer.h"
#include "quote_writer.h"

namespace lumor::quote {

// code,description,unit_price_eur,quantity,total_eur and a closing TOTAL
// row, with CRLF line ends as RFC 4180 has them. Prices are the window's
// price text without grouping, as PriceText(price, {".", ""}) gives it;
// every total is exact in whole cents.
class CsvQuoteWriter : public QuoteWriter {
 public:
  explicit CsvQuoteWriter(OutputBuffer& out);
  void Write(const OrderCode& code, const Quoter& quoter, std::uint64_t quantity) override;
  void Finish() override;

 private:
  OutputBuffer& m_out;
  DecimalSum m_quantity;
  DecimalSum m_cents;
};

}  // namespace lumor::quote
