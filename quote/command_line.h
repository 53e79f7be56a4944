#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumor::quote {

enum class OutputFormat { kText, kCsv };

// What one argument stands for: an order code, a file of them, or "-" for
// standard input.
struct Source {
  enum class Kind { kCode, kFile, kStandardInput };
  Kind kind;
  std::string text;
};

struct Options {
  double discountPercent = 0;
  OutputFormat format = OutputFormat::kText;
  std::optional<std::string> output;  // a file; standard output without
  std::vector<Source> sources;        // standard input when empty
  bool help = false;
  bool version = false;
};

// GNU conventions, read with getopt_long; a usage error comes back as its
// message.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args, Options& options);

// A discount as lumor-quote takes it: a plain decimal number of percent from
// 0 to 100, read as the calculator's discount box reads it.
std::optional<std::string> ReadDiscount(std::string_view text, double& percent);

// Every order code starts with its type and a dash, and no sensible file
// name does; "./C-..." names such a file all the same.
bool LooksLikeOrderCode(std::string_view argument);

// --help, with the catalogue's codes.
std::string HelpText();

}  // namespace lumor::quote
