#pragma once

#include "output_buffer.h"
#include "quote_writer.h"

namespace lumor::quote {

// The window's order line, one a code. Quantities are not part of it.
class TextQuoteWriter : public QuoteWriter {
 public:
  explicit TextQuoteWriter(OutputBuffer& out) : m_out(out) {}
  void Write(const OrderCode& code, const Quoter& quoter, std::uint64_t quantity) override;
  void Finish() override {}

 private:
  OutputBuffer& m_out;
};

}  // namespace lumor::quote
