#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

#include "output_buffer.h"

namespace lumor::quote {

// The report of rejected input: one message a rejected line, "line 7: ...".
class RejectionLog {
 public:
  explicit RejectionLog(std::ostream& err) : m_err(err) {}

  // where is "line" or "argument"; the message must already be safe to show.
  void Reject(std::string_view where, std::size_t number, std::string_view message);
  std::size_t Count() const { return m_count; }
  void Flush() { m_err.Flush(); }

 private:
  OutputBuffer m_err;
  std::size_t m_count = 0;
};

}  // namespace lumor::quote
