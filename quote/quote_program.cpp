#include "quote_program.h"

#include <memory>

#include "command_line.h"
#include "csv_quote_writer.h"
#include "native_platform.h"
#include "quote_session.h"
#include "text_quote_writer.h"

namespace lumor::quote {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: lumor-quote [--discount PERCENT] [--format text|csv] [CODE ...]

Prices fibre-optic jumpers from their order codes, such as
C-S-SM-SC-10-SL1800-SC, exactly as the lumor calculator prices them.

Without CODE arguments the codes are read from standard input: one code a
line, or CSV (RFC 4180) when the first line is a header row naming a 'code'
column and perhaps a 'quantity' column (other columns are ignored; names match
in any case). Blank lines, empty rows and lines starting with '#' are skipped;
lines longer than 65536 bytes are rejected.

Options:
  --discount PERCENT  discount for every code, a plain decimal number from 0
                      to 100, such as 12.5 (default 0)
  --format text       the calculator's order line for each code (default);
                      prices are grouped as the calculator groups them under
                      the current locale, and quantities are checked but not
                      shown
  --format csv        code,description,unit_price_eur,quantity,total_eur, then
                      a TOTAL row, with CRLF line ends; prices with "." and
                      no grouping, totals exact to the cent; quantity 1
                      unless the input gives one
  -h, --help          show this help and exit
  --version           show the version and exit

A code is accepted when the calculator can produce it:
TYPE-STRUCTURE-FIBRE-LEFT-LENGTH-SLCABLE-RIGHT with TYPE C or T, STRUCTURE
S or D, FIBRE SM, M1 or M2, connectors SC SA FC FA LC LA ST E2 EA (RIGHT is XX
for T), CABLE 0900 1700 1800 2000 2200 2400 2600 2800 3000 or Fig-0 (Fig-0
only with D), and a LENGTH whose leading number is at least 1 and below 1001.
A quantity is a whole number from 1 to 1000000000.

Every rejected line is reported on standard error with its line number and
the others are still priced. Exit status: 0 when every code was priced, 1
when any line was rejected or the output could not be written, 2 for a usage
error.
)";

void UsageError(std::ostream& err, const std::string& message) {
  err << "lumor-quote: " << message << "\nTry 'lumor-quote --help' for more information.\n";
}

}  // namespace

int QuoteProgram::Run(const std::vector<std::string_view>& args, bool inputIsTerminal) {
  Options options;
  if (auto error = ParseCommandLine(args, options)) {
    UsageError(m_err, *error);
    return kUsageError;
  }
  if (options.help) {
    m_out << kHelp;
    return kAllPriced;
  }
  if (options.version) {
    m_out << "lumor-quote " LUMOR_QUOTE_VERSION "\n";
    return kAllPriced;
  }

  // The regional settings of the environment, as the window has them.
  const auto store = nativeSettingsStore();
  Quoter quoter(*store, options.discountPercent);
  OutputBuffer output(m_out);
  std::unique_ptr<QuoteWriter> writer;
  if (options.format == OutputFormat::kCsv) {
    writer = std::make_unique<CsvQuoteWriter>(output);
  } else {
    writer = std::make_unique<TextQuoteWriter>(output);
  }
  RejectionLog log(m_err);
  QuoteSession session(quoter, *writer, output, log);
  if (!options.codes.empty()) {
    session.PriceArguments(options.codes);
  } else {
    if (inputIsTerminal) {
      m_err << "lumor-quote: reading order codes from the terminal, one a line; end with Ctrl-D\n";
    }
    session.PriceInput(m_in, inputIsTerminal);
  }
  writer->Finish();
  output.Flush();
  log.Flush();
  if (!m_out) {
    m_err << "lumor-quote: the output could not be written\n";
    return kRejected;
  }
  return log.Count() > 0 ? kRejected : kAllPriced;
}

}  // namespace lumor::quote
