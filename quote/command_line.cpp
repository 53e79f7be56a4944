#include "command_line.h"

#include <getopt.h>

#include "catalogue.h"
#include "number_text.h"
#include "shown_text.h"

namespace lumor::quote {
namespace {

bool IsPlainDecimal(std::string_view text) {
  std::size_t pos = 0;
  const auto digits = [&] {
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
    return pos > start;
  };
  if (!digits()) return false;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    if (!digits()) return false;
  }
  return pos == text.size();
}

}  // namespace

constexpr std::string_view kHelpTemplate =
    R"(Usage: lumor-quote [OPTION]... [CODE|FILE]...

Prices fibre-optic jumpers from their order codes, such as
C-S-SM-SC-10-SL1800-SC, exactly as the lumor calculator prices them.

An argument that starts with C- or T- is an order code; any other argument
is a FILE of codes, and - is standard input (write ./C-list.csv for a file
whose name starts like a code). Without arguments the codes are read from
standard input.

A FILE holds one code a line, or CSV (RFC 4180) when its first line is a
header naming a 'code' (or 'kod') column and perhaps a 'quantity' (or
'adet') column; names match in any case, other columns are ignored, and the
header's delimiter, ',' or ';', is the file's. Lines may end in LF, CRLF or
CR; a UTF-8 byte order mark is skipped. Blank lines and empty rows are
skipped; every other line is priced or rejected. A record longer than 65536
bytes is rejected.

Options:
  -d, --discount=PERCENT  discount for every code, a plain decimal number from
                          0 to 100, such as 12.5 (default 0)
  -f, --format=text       the calculator's order line for each code (default);
                          prices are grouped as the calculator groups them
                          under the current locale; with a quantity column
                          each line ends in " x QUANTITY = TOTAL EUR"
  -f, --format=csv        code,description,unit_price_eur,quantity,total_eur,
                          then a TOTAL row, with CRLF line ends; prices with
                          "." and no grouping, totals exact to the cent;
                          quantity 1 unless the input gives one. When any
                          record was rejected, the TOTAL row's description
                          says how many it leaves out.
  -o, --output=FILE       write to FILE instead of standard output
  -h, --help              show this help and exit
  -V, --version           show the version and exit

A code is accepted when the calculator can produce it from a length it
accepts: TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT, where
  TYPE       C (patch cord) or T (pigtail)
  STRUCTURE  S (simplex) or D (duplex)
  FIBRE      SM, M1 (multimode 62.5/125) or M2 (multimode 50/125)
  LEFT       one of {connectors}
  RIGHT      the same, or {none} for a pigtail (T)
  CABLE      one of {cables}
             ({duplex} only with D)
  LENGTH     a text whose leading number is at least 1 and below 1001
An empty LENGTH, which the calculator writes only after refusing a length,
is rejected, and so is a LENGTH that holds a control character or the start
of another code (two codes pasted on one line). A quantity is a whole number
from 1 to 1000000000.

Every rejected code is reported on standard error as FILE:LINE: or
argument N: and why; the others are still priced.

Exit status:
  0  every code was priced
  1  a code, a record or an input file was rejected
  2  usage error
  3  the output could not be written
)";

std::string HelpText() {
  std::string connectors, cables, duplex;
  for (const auto& c : kConnectors)
    connectors += (connectors.empty() ? "" : " ") + std::string(c.code);
  for (const auto& c : kCables) {
    cables += (cables.empty() ? "" : " ") + std::string(c.code);
    if (c.duplexOnly) duplex += (duplex.empty() ? "" : ", ") + std::string(c.code);
  }
  std::string text(kHelpTemplate);
  for (auto [name, value] : {std::pair{"{connectors}", connectors},
                             {"{none}", std::string(kNoConnector)},
                             {"{cables}", cables},
                             {"{duplex}", duplex}}) {
    const std::size_t at = text.find(name);
    text.replace(at, std::string_view(name).size(), value);
  }
  return text;
}

bool LooksLikeOrderCode(std::string_view argument) {
  return argument.size() >= 2 && (argument[0] == 'C' || argument[0] == 'T') && argument[1] == '-';
}

std::optional<std::string> ReadDiscount(std::string_view text, double& percent) {
  if (!IsPlainDecimal(text)) {
    return "discount '" + MessageText(text) +
           "' is not a plain decimal number of percent, such as 12 or 12.5";
  }
  const double value = LeadingNumber(text);
  if (value > 100) return "discount '" + MessageText(text) + "' is above 100 percent";
  percent = value;
  return std::nullopt;
}

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            Options& options) {
  options = Options{};
  std::vector<std::string> storage;
  storage.reserve(args.size() + 1);
  storage.emplace_back("lumor-quote");
  storage.insert(storage.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : storage) argv.push_back(arg.data());
  argv.push_back(nullptr);

  static const option kLong[] = {
      {"discount", required_argument, nullptr, 'd'}, {"format", required_argument, nullptr, 'f'},
      {"output", required_argument, nullptr, 'o'},   {"help", no_argument, nullptr, 'h'},
      {"version", no_argument, nullptr, 'V'},        {nullptr, 0, nullptr, 0},
  };
  // ":" first: the messages are ours; 0 restarts the scan for every call.
  optind = 0;
  opterr = 0;
  const int argc = static_cast<int>(argv.size() - 1);
  for (int c; (c = getopt_long(argc, argv.data(), ":d:f:o:hV", kLong, nullptr)) != -1;) {
    switch (c) {
      case 'd':
        if (auto error = ReadDiscount(optarg, options.discountPercent)) return error;
        break;
      case 'f':
        if (std::string_view(optarg) == "text") {
          options.format = OutputFormat::kText;
        } else if (std::string_view(optarg) == "csv") {
          options.format = OutputFormat::kCsv;
        } else {
          return "format '" + MessageText(optarg) + "' is not text or csv";
        }
        break;
      case 'o':
        options.output = optarg;
        break;
      case 'h':
        options.help = true;
        return std::nullopt;
      case 'V':
        options.version = true;
        return std::nullopt;
      case ':':
        return "option '" + MessageText(argv[static_cast<std::size_t>(optind) - 1]) +
               "' needs a value";
      default:
        if (optopt != 0)
          return "unknown option '-" + MessageText(std::string(1, static_cast<char>(optopt))) + "'";
        return "unknown option '" + MessageText(argv[static_cast<std::size_t>(optind) - 1]) + "'";
    }
  }
  for (int i = optind; i < argc; ++i) {
    const std::string arg = argv[static_cast<std::size_t>(i)];
    if (arg == "-") {
      options.sources.push_back({Source::Kind::kStandardInput, arg});
    } else if (LooksLikeOrderCode(arg)) {
      options.sources.push_back({Source::Kind::kCode, arg});
    } else {
      options.sources.push_back({Source::Kind::kFile, arg});
    }
  }
  return std::nullopt;
}

}  // namespace lumor::quote
