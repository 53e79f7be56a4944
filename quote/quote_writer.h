#pragma once

#include <cstdint>

#include "order_code.h"
#include "quoter.h"

namespace lumor::quote {

// Writes the priced order codes in one output format.
class QuoteWriter {
 public:
  virtual ~QuoteWriter() = default;
  // The quoter has just priced the code.
  virtual void Write(const OrderCode& code, const Quoter& quoter, std::uint64_t quantity) = 0;
  virtual void Finish() = 0;
};

}  // namespace lumor::quote
