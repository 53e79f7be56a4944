#include "text_quote_writer.h"

namespace lumor::quote {

void TextQuoteWriter::Write(const OrderCode&, const Quoter& quoter, std::uint64_t) {
  std::string& text = m_out.Text();
  text += quoter.OrderLine();
  text += '\n';
  m_out.Written();
}

}  // namespace lumor::quote
