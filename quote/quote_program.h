#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace lumor::quote {

// lumor-quote as a whole, over streams so that it can run in a test.
class QuoteProgram {
 public:
  static constexpr int kAllPriced = 0;
  static constexpr int kRejected = 1;
  static constexpr int kUsageError = 2;
  static constexpr int kWriteFailed = 3;

  QuoteProgram(std::istream& in, std::ostream& out, std::ostream& err)
      : m_in(in), m_out(out), m_err(err) {}

  // args without the program name; the exit status.
  int Run(const std::vector<std::string>& args, bool inputIsTerminal);

 private:
  std::istream& m_in;
  std::ostream& m_out;
  std::ostream& m_err;
};

}  // namespace lumor::quote
