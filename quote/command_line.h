#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumor::quote {

enum class OutputFormat { kText, kCsv };

struct Options {
  double discountPercent = 0;
  OutputFormat format = OutputFormat::kText;
  bool help = false;
  bool version = false;
  std::vector<std::string_view> codes;  // none: read standard input
};

// Reads the arguments that follow the program name; the usage error
// otherwise. --help and --version end the reading where they stand.
std::optional<std::string> ParseCommandLine(const std::vector<std::string_view>& args,
                                            Options& options);

}  // namespace lumor::quote
