#include "rejection_log.h"

#include <string>

namespace lumor::quote {

void RejectionLog::Reject(std::string_view where, std::size_t number, std::string_view message) {
  ++m_count;
  std::string& text = m_err.Text();
  text += where;
  text += ' ';
  text += std::to_string(number);
  text += ": ";
  text += message;
  text += '\n';
  m_err.Written();
}

}  // namespace lumor::quote
