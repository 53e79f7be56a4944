#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "case_name.h"
#include "csv.h"
#include "engine.h"
#include "known_lines.h"
#include "posix_settings_store.h"
#include "program_runner.h"
#include "shown_text.h"

namespace lumor::quote {
namespace {

using testing::CaseName;
using testing::NamedCase;

const std::string kTryHelp = "Try 'lumor-quote --help' for more information.\n";

bool LocaleInstalled(const std::string& name) {
  PosixSettingsStore store(name);
  return store.ReadText(Engine::kDecimalSeparatorPath).has_value();
}

std::string ReadData(const std::string& name) {
  std::ifstream in(std::string(LUMOR_QUOTE_TEST_DATA) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text, const char* end) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos; (pos = text.find(end, start)) != std::string::npos;) {
    lines.push_back(text.substr(start, pos - start));
    start = pos + std::string_view(end).size();
  }
  EXPECT_EQ(start, text.size()) << "output does not end with a line end";
  return lines;
}

struct ProgramCase : NamedCase {
  std::vector<std::string> args;
  std::string input;
  std::string out;
  std::string err;
  int status;
  std::string locale = "C";
};

const ProgramCase kProgramCases[] = {
    {"version", {"--version"}, "", "lumor-quote 1.1.18\n", "", 0},
    {"codes as arguments, one rejected",
     {kDefault, "C-S-SM-SC-10-SL1900-SC", "T-D-M2-FA-10-SL1800-XX"},
     "",
     kDefaultLine + kPigtailLine,
     "lumor-quote: argument 2: cable code '1900' is not one of 0900, 1700, 1800, 2000, 2200, 2400, "
     "2600, "
     "2800, 3000, Fig-0\n",
     1},
    {"arguments leave standard input alone", {kDefault}, "garbage\n", kDefaultLine, "", 0},
    {"a non-UTF-8 argument",
     {"C-S-SM-SC-10-SL1800-S\xC3"},
     "",
     "",
     "lumor-quote: argument 1: not valid UTF-8\n",
     1},
    {"an empty argument names no file",
     {""},
     "",
     "",
     "lumor-quote: cannot read '': No such file or directory\n",
     1},
    {"a missing file, with a hint when it looks like a mistyped code",
     {"c-s-sm-sc-10-SL1800-SC", kDefault},
     "",
     kDefaultLine,
     "lumor-quote: cannot read 'c-s-sm-sc-10-SL1800-SC': No such file or directory (an order "
     "code starts with C- or T-)\n",
     1},
    {"a directory is no input", {"/"}, "", "", "lumor-quote: cannot read '/': Is a directory\n", 1},
    {"codes and standard input in the order given",
     {"T-D-M2-FA-10-SL1800-XX", "-", "T-D-M2-FA-10-SL1800-XX"},
     kDefault + "\n",
     kPigtailLine + kDefaultLine + kPigtailLine,
     "",
     0},
    {"a failed write has its own status and says why",
     {"-o", "/dev/full", kDefault},
     "",
     "",
     "lumor-quote: cannot write '/dev/full': No space left on device\n",
     3},
    {"an output that cannot be opened",
     {"--output=/nonexistent/out.txt", kDefault},
     "",
     "",
     "lumor-quote: cannot write '/nonexistent/out.txt': No such file or directory\n",
     3},
    {"standard input all priced", {}, kDefault + "\n", kDefaultLine, "", 0},
    {"empty standard input", {}, "", "", "", 0},
    {"discount as the window applies it",
     {"--discount", "5", "C-S-M1-LC-2.5-SL2000-ST"},
     "",
     "C-S-M1-LC-2.5-SL2000-ST    Patch Cord Simpleks Multi Mode 62.5/125  LC-PC / ST-PC  2 mm "
     "2.5 m ----- 9.49 EUR/adet\n",
     "",
     0},
    {"discount of 100",
     {"--discount=100", kDefault},
     "",
     "C-S-SM-SC-10-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m ----- "
     "0.00 EUR/adet\n",
     "",
     0},
    {"CSV from arguments",
     {"--format", "csv", kDefault},
     "",
     "code,description,unit_price_eur,quantity,total_eur\r\n" + kDefault +
         ",Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m,13.71,1,13.71\r\n"
         "TOTAL,,,1,13.71\r\n",
     "",
     0},
    {"text keeps the window's grouping, CSV has none",
     {"C-D-SM-SC-1000-SL3000-SC", "--format", "csv"},
     "",
     "code,description,unit_price_eur,quantity,total_eur\r\n"
     "C-D-SM-SC-1000-SL3000-SC,Patch Cord Dubleks Single Mode  SC-PC / SC-PC  3 mm 1000 m,"
     "1399.60,1,1399.60\r\nTOTAL,,,1,1399.60\r\n",
     "",
     0,
     "fr_FR.UTF-8"},
    {"grouping of the locale, as in the window",
     {"C-D-SM-SC-1000-SL3000-SC"},
     "",
     "C-D-SM-SC-1000-SL3000-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  3 mm 1000 m "
     "----- 1\u202f399.60 EUR/adet\n",
     "",
     0,
     "fr_FR.UTF-8"},
    {"a comma decimal locale still prints the window's point",
     {"C-D-SM-SC-1000-SL3000-SC"},
     "",
     "C-D-SM-SC-1000-SL3000-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  3 mm 1000 m "
     "----- 1,399.60 EUR/adet\n",
     "",
     0,
     "de_DE.UTF-8"},
    {"unknown option",
     {"--bogus", kDefault},
     "",
     "",
     "lumor-quote: unknown option '--bogus'\n" + kTryHelp,
     2},
    {"discount above 100",
     {"--discount", "101", kDefault},
     "",
     "",
     "lumor-quote: discount '101' is above 100 percent\n" + kTryHelp,
     2},
    {"discount that is not a plain number",
     {"--discount", "5%", kDefault},
     "",
     "",
     "lumor-quote: discount '5%' is not a plain decimal number of percent, such as 12 or 12.5\n" +
         kTryHelp,
     2},
    {"unknown format",
     {"--format", "xml"},
     "",
     "",
     "lumor-quote: format 'xml' is not text or csv\n" + kTryHelp,
     2},
    {"a usage error prices nothing",
     {kDefault, "--discount"},
     "",
     "",
     "lumor-quote: option '--discount' needs a value\n" + kTryHelp,
     2},
};

class ProgramTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramTest, WritesExactlyThisAndExits) {
  const auto& c = GetParam();
  if (!LocaleInstalled(c.locale)) GTEST_SKIP() << c.locale << " is not installed";
  const ProgramResult r = RunQuoteProgram(c.args, c.input, c.locale);
  EXPECT_EQ(r.out, c.out);
  EXPECT_EQ(r.err, c.err);
  EXPECT_EQ(r.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Runs, ProgramTest, ::testing::ValuesIn(kProgramCases), CaseName());

TEST(ProgramTest, HelpShowsUsageOnStandardOutput) {
  const ProgramResult r = RunQuoteProgram({"--help"}, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(r.out.starts_with("Usage: lumor-quote [OPTION]... [CODE|FILE]...\n")) << r.out;
  for (const char* topic : {"--discount=PERCENT", "--format=csv", "--output=FILE", "kod", "adet",
                            "SC SA FC FA LC LA ST E2 EA", "(Fig-0 only with D)", "Exit status",
                            "3  the output could not be written"}) {
    EXPECT_NE(r.out.find(topic), std::string::npos) << topic;
  }
}

struct FileCase : NamedCase {
  std::vector<std::string> args;
  const char* expected;
};

const FileCase kFileCases[] = {
    {"CSV to CSV", {"--discount", "5", "--format", "csv"}, "rack.expected.csv"},
    {"CSV to order lines", {"--discount", "5"}, "rack.expected.txt"},
};

class WholeFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(WholeFileTest, MatchesTheExpectedOutput) {
  const auto& c = GetParam();
  const ProgramResult r = RunQuoteProgram(c.args, ReadData("rack.csv"));
  EXPECT_EQ(r.out, ReadData(c.expected));
  EXPECT_EQ(r.err, ReadData("rack.expected.err"));
  EXPECT_EQ(r.status, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, WholeFileTest, ::testing::ValuesIn(kFileCases), CaseName());

TEST(ProgramTest, HostileInputIsReportedSafelyAndEnds) {
  std::string junk;
  for (int round = 0; round < 64; ++round) {
    for (int b = 0; b < 256; ++b) junk += static_cast<char>((b * 37 + round) % 256);
  }
  const std::string input =
      junk + "\n" + std::string(1 << 20, '"') + "\n" + kDefault + "\n" + std::string(4 << 20, 'x');
  const ProgramResult r = RunQuoteProgram({}, input);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, kDefaultLine);
  EXPECT_TRUE(IsValidUtf8(r.err));
  for (char c : r.err) {
    EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << "raw control character";
  }
  std::size_t tooLong = 0;
  for (const auto& line : Lines(r.err, "\n")) {
    EXPECT_TRUE(line.starts_with("lumor-quote: (standard input):")) << line;
    tooLong += line.find(" bytes long, above the limit of 65536: ") != std::string::npos;
    EXPECT_LT(line.size(), 300u);
  }
  EXPECT_EQ(tooLong, 2u) << "the megabyte of quotes and the last line";
}

// Every combination the window offers, composed by the engine as the window
// composes it.
struct Composed {
  std::string code;
  std::string line;
  std::string description;
  double price;
};

std::vector<Composed> ComposeCatalogue(const std::string& locale, double discount) {
  // Plain and odd lengths the window accepts, with "-", "-SL" and blanks.
  const char* lengths[] = {"10",  "1",    "2.5", "1000.99", "12abc", "1,5",    " 7",       "7 ",
                           "3-4", "5-SL", "1e3", "&H10",    "0010",  "1    2", "1-SLFig-0"};
  PosixSettingsStore store(locale);
  Engine e(store);
  e.ForceDecimalPoint();
  e.LoadDefaults();
  e.DiscountPercent = discount;
  auto& s = e.SelectionState;
  std::vector<Composed> all;
  for (bool pigtail : {false, true}) {
    for (bool duplex : {false, true}) {
      for (int fibre = 0; fibre < 3; ++fibre) {
        for (int left = 1; !e.ConnectorTable(left).Code.empty(); ++left) {
          for (int right = 1; !e.ConnectorTable(right).Code.empty(); ++right) {
            if (pigtail && right > 1) break;
            for (int cable = 1; !e.CableCodeTable(cable).empty(); ++cable) {
              const bool fig0 = e.CableCodeTable(cable) == "Fig-0";
              if (fig0 && !duplex) continue;
              for (const char* length : lengths) {
                s.IsPigTail = pigtail;
                s.IsPatchCord = !pigtail;
                s.IsDuplex = duplex;
                s.IsSimplex = !duplex;
                s.IsSingleMode = fibre == 0;
                s.IsMM62 = fibre == 1;
                s.IsMM50 = fibre == 2;
                s.IsFig0 = fig0;
                s.LeftConnector = e.ConnectorTable(left).Code;
                s.RightConnector = pigtail ? "XX" : e.ConnectorTable(right).Code;
                s.CableCode = e.CableCodeTable(cable);
                s.CableLength = length;
                e.BuildOrderLine();
                const std::size_t codeEnd =
                    e.OrderLine.rfind(" ----- ") - 4 - e.OrderDescription.size();
                all.push_back(
                    {e.OrderLine.substr(0, codeEnd), e.OrderLine, e.OrderDescription, e.UnitPrice});
              }
            }
          }
        }
      }
    }
  }
  e.RestoreDecimalSeparator();
  return all;
}

struct RoundTripCase : NamedCase {
  const char* locale;
  const char* discount;
  double percent;
};

const RoundTripCase kRoundTrips[] = {
    {"no discount", "C", "0", 0},
    {"discount under a locale that groups", "fr_FR.UTF-8", "12.5", 12.5},
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, EveryComposedCodeReadsBackToTheSameLine) {
  const auto& c = GetParam();
  if (!LocaleInstalled(c.locale)) GTEST_SKIP() << c.locale << " is not installed";
  const auto all = ComposeCatalogue(c.locale, c.percent);
  ASSERT_EQ(all.size(), 5130u * 15u);
  std::string input;
  for (const auto& composed : all) input += composed.code + "\n";

  const ProgramResult r = RunQuoteProgram({"--discount", c.discount}, input, c.locale);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const auto lines = Lines(r.out, "\n");
  ASSERT_EQ(lines.size(), all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    ASSERT_EQ(lines[i], all[i].line) << "code " << all[i].code;
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RoundTripTest, ::testing::ValuesIn(kRoundTrips), CaseName());

// A grouping locale is where the CSV's plain prices could go wrong.
class CsvRoundTripTest : public RoundTripTest {};

TEST_P(CsvRoundTripTest, EveryComposedCodeGivesTheWindowsPriceInCsv) {
  const auto& c = GetParam();
  if (!LocaleInstalled(c.locale)) GTEST_SKIP() << c.locale << " is not installed";
  const auto all = ComposeCatalogue(c.locale, c.percent);
  std::string input;
  for (const auto& composed : all) input += composed.code + "\n";

  const ProgramResult r =
      RunQuoteProgram({"--discount", c.discount, "--format", "csv"}, input, c.locale);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const auto rows = Lines(r.out, "\r\n");
  ASSERT_EQ(rows.size(), all.size() + 2);
  std::vector<std::string> row;
  std::size_t bad = 0;
  std::uint64_t cents = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    ASSERT_EQ(SplitCsv(rows[i + 1], ',', row, bad), CsvStatus::kOk) << rows[i + 1];
    ASSERT_EQ(row.size(), 5u) << rows[i + 1];
    const std::string price = PriceText(all[i].price, {".", ""});
    ASSERT_EQ(row[0], all[i].code);
    ASSERT_EQ(row[1], all[i].description);
    ASSERT_EQ(row[2], price) << all[i].code;
    ASSERT_EQ(row[3], "1");
    ASSERT_EQ(row[4], price);
    std::string digits;
    for (char d : price) {
      if (d != '.') digits += d;
    }
    cents += std::stoull(digits);
  }
  const std::string total = std::to_string(cents);
  EXPECT_EQ(rows.back(), "TOTAL,,," + std::to_string(all.size()) + "," +
                             total.substr(0, total.size() - 2) + "." +
                             total.substr(total.size() - 2));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CsvRoundTripTest, ::testing::Values(kRoundTrips[1]),
                         CaseName());

}  // namespace
}  // namespace lumor::quote
