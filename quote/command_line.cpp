#include "command_line.h"

#include "discount_reader.h"
#include "message_text.h"

namespace lumor::quote {

std::optional<std::string> ParseCommandLine(const std::vector<std::string_view>& args,
                                            Options& options) {
  options = Options{};
  bool onlyCodes = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (onlyCodes || arg.empty() || arg.front() != '-') {
      options.codes.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyCodes = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return std::nullopt;
    }
    if (arg == "--version") {
      options.version = true;
      return std::nullopt;
    }

    // --name VALUE or --name=VALUE
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (name != "--discount" && name != "--format") {
      return "unknown option '" + MessageText(name) + "'";
    }
    std::string_view value;
    if (equals != std::string_view::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return "option '" + std::string(name) + "' needs a value";
    }

    if (name == "--discount") {
      if (auto error = ReadDiscount(value, options.discountPercent)) return error;
    } else if (value == "text") {
      options.format = OutputFormat::kText;
    } else if (value == "csv") {
      options.format = OutputFormat::kCsv;
    } else {
      return "format '" + MessageText(value) + "' is not text or csv";
    }
  }
  return std::nullopt;
}

}  // namespace lumor::quote
