#include "quote_program.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "command_line.h"
#include "native_platform.h"
#include "quote_session.h"
#include "shown_text.h"

namespace lumor::quote {
namespace {

constexpr std::string_view kStandardInputName = "(standard input)";

std::string SystemReason() { return std::strerror(errno); }

// The window's set-up, and its decimal separator given back on every way out.
class PricingEngine {
 public:
  PricingEngine(SettingsStore& store, double discountPercent) : engine(store) {
    engine.ForceDecimalPoint();
    engine.LoadDefaults();
    engine.DiscountPercent = discountPercent;
  }
  ~PricingEngine() { engine.RestoreDecimalSeparator(); }
  PricingEngine(const PricingEngine&) = delete;
  PricingEngine& operator=(const PricingEngine&) = delete;

  Engine engine;
};

}  // namespace

int QuoteProgram::Run(const std::vector<std::string>& args, bool inputIsTerminal) {
  Options options;
  if (auto error = ParseCommandLine(args, options)) {
    m_err << "lumor-quote: " << *error << "\nTry 'lumor-quote --help' for more information.\n";
    return kUsageError;
  }
  if (options.help || options.version) {
    m_out << (options.help ? HelpText() : "lumor-quote " LUMOR_QUOTE_VERSION "\n");
    m_out.flush();
    return m_out ? kAllPriced : kWriteFailed;
  }

  std::ofstream file;
  std::ostream* out = &m_out;
  std::string outputName = "standard output";
  if (options.output) {
    outputName = "'" + MessageText(*options.output) + "'";
    file.open(*options.output, std::ios::binary | std::ios::trunc);
    if (!file) {
      m_err << "lumor-quote: cannot write " << outputName << ": " << SystemReason() << '\n';
      return kWriteFailed;
    }
    out = &file;
  }

  // The regional settings of the environment, as the window has them.
  const auto store = nativeSettingsStore();
  PricingEngine pricing(*store, options.discountPercent);
  QuoteSession session(pricing.engine, options.format, *out, m_err);

  if (options.sources.empty()) options.sources.push_back({Source::Kind::kStandardInput, "-"});
  std::size_t argument = 0;
  for (const Source& source : options.sources) {
    ++argument;
    switch (source.kind) {
      case Source::Kind::kCode:
        session.PriceArgument(argument, source.text);
        break;
      case Source::Kind::kStandardInput:
        if (inputIsTerminal) {
          m_err << "lumor-quote: reading order codes from the terminal, one a line; end with "
                   "Ctrl-D\n";
        }
        session.PriceInput(kStandardInputName, m_in, inputIsTerminal);
        break;
      case Source::Kind::kFile: {
        const std::string shown = MessageText(source.text, 200);
        std::error_code ec;
        if (std::filesystem::is_directory(source.text, ec)) {
          session.RejectInput("cannot read '" + shown + "': Is a directory");
          break;
        }
        std::ifstream in(source.text, std::ios::binary);
        if (!in) {
          std::string message = "cannot read '" + shown + "': " + SystemReason();
          if (source.text.find("-SL") != std::string::npos) {
            message += " (an order code starts with C- or T-)";
          }
          session.RejectInput(message);
          break;
        }
        session.PriceInput(shown, in, false);
        break;
      }
    }
  }
  session.Finish();
  if (!*out) {
    m_err << "lumor-quote: cannot write " << outputName << ": " << SystemReason() << '\n';
    return kWriteFailed;
  }
  return session.Rejected() > 0 ? kRejected : kAllPriced;
}

}  // namespace lumor::quote
