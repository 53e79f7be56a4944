#pragma once

#include <string>
#include <vector>

namespace lumor::quote {

struct ProgramResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or 128 plus the signal that ended it
};

// Runs the built lumor-quote with the arguments and the input as its
// standard input, under the locale given (LC_ALL), and waits for it.
ProgramResult RunQuoteProgram(const std::vector<std::string>& args, const std::string& input,
                              const std::string& locale = "C");

}  // namespace lumor::quote
