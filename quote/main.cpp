#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "quote_program.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on every other platform: no "\r" before each "\n".
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    lumor::quote::QuoteProgram program(std::cin, std::cout, std::cerr);
    return program.Run(args, isatty(STDIN_FILENO) == 1);
  } catch (const std::exception& e) {
    std::cerr << "lumor-quote: " << e.what() << '\n';
    return lumor::quote::QuoteProgram::kRejected;
  }
}
