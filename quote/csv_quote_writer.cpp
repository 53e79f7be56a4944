#include "csv_quote_writer.h"

#include "csv_field.h"

namespace lumor::quote {
namespace {

// The order line ends in the window's price text and this unit. The price
// text's digits are the price in whole cents, whatever the grouping; taking
// them from there spares formatting the price a second time. Discounts above
// 100 are refused, so the price has no sign.
constexpr std::string_view kPriceStart = " ----- ";
constexpr std::string_view kUnit = " EUR/adet";

std::uint64_t PriceCents(std::string_view orderLine) {
  orderLine.remove_suffix(kUnit.size());
  orderLine.remove_prefix(orderLine.rfind(kPriceStart) + kPriceStart.size());
  std::uint64_t cents = 0;
  for (char c : orderLine) {
    if (c >= '0' && c <= '9') cents = cents * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return cents;
}

}  // namespace

CsvQuoteWriter::CsvQuoteWriter(OutputBuffer& out) : m_out(out) {
  m_out.Append("code,description,unit_price_eur,quantity,total_eur\r\n");
}

void CsvQuoteWriter::Write(const OrderCode& code, const Quoter& quoter, std::uint64_t quantity) {
  const std::uint64_t cents = PriceCents(quoter.OrderLine());
  // Below 10^9 pieces of below 10^9 cents, so the product fits.
  const std::uint64_t lineCents = cents * quantity;
  m_quantity.Add(quantity);
  m_cents.Add(lineCents);

  std::string& text = m_out.Text();
  AppendCsvField(text, code.text);
  text += ',';
  AppendCsvField(text, quoter.Description());
  text += ',';
  DecimalSum::Append(text, cents, 2);
  text += ',';
  DecimalSum::Append(text, quantity);
  text += ',';
  DecimalSum::Append(text, lineCents, 2);
  text += "\r\n";
  m_out.Written();
}

void CsvQuoteWriter::Finish() {
  std::string& text = m_out.Text();
  text += "TOTAL,,,";
  m_quantity.AppendTo(text);
  text += ',';
  m_cents.AppendTo(text, 2);
  text += "\r\n";
  m_out.Written();
}

}  // namespace lumor::quote
