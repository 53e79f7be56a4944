#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "command_line.h"
#include "quote_session.h"

namespace lumor::quote {
namespace {

using testing::CaseName;
using testing::NamedCase;

struct QuantityCase : NamedCase {
  std::string text;
  std::uint64_t quantity;  // 0: rejected with this message
  const char* message;
};

const QuantityCase kQuantityCases[] = {
    {"one", "1", 1, ""},
    {"blanks around", " 12\t", 12, ""},
    {"leading zeros", "007", 7, ""},
    {"largest", "1000000000", 1000000000, ""},
    {"zero", "0", 0, "quantity '0' is not a positive whole number"},
    {"empty", "", 0, "the quantity is empty"},
    {"only blanks", "  ", 0, "the quantity is empty"},
    {"negative", "-3", 0, "quantity '-3' is not a positive whole number"},
    {"plus sign", "+3", 0, "quantity '+3' is not a positive whole number"},
    {"fraction", "2.5", 0, "quantity '2.5' is not a positive whole number"},
    {"whole number written with a fraction", "3.0", 0,
     "quantity '3.0' is not a positive whole number"},
    {"exponent", "1e3", 0, "quantity '1e3' is not a positive whole number"},
    {"grouped", "1,000", 0, "quantity '1,000' is not a positive whole number"},
    {"above the largest", "1000000001", 0, "quantity '1000000001' is above 1000000000"},
    {"far beyond 64 bits does not wrap", "18446744073709551617", 0,
     "quantity '18446744073709551617' is above 1000000000"},
};

class QuantityTest : public ::testing::TestWithParam<QuantityCase> {};

TEST_P(QuantityTest, AcceptsOnlyPositiveWholeNumbers) {
  const auto& c = GetParam();
  std::uint64_t quantity = 99;
  const auto error = ReadQuantity(c.text, quantity);
  if (c.quantity == 0) {
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, c.message);
  } else {
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(quantity, c.quantity);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, QuantityTest, ::testing::ValuesIn(kQuantityCases), CaseName());

struct DiscountCase : NamedCase {
  const char* text;
  bool accepted;
  double percent;
};

const DiscountCase kDiscountCases[] = {
    {"zero", "0", true, 0},
    {"whole", "12", true, 12},
    {"fraction", "12.5", true, 12.5},
    {"hundred", "100", true, 100},
    {"hundred with zeros", "100.000", true, 100},
    {"leading zeros", "007", true, 7},
    {"just above a hundred", "100.01", false, 0},
    {"what the window would still take", "100.5", false, 0},
    {"negative", "-1", false, 0},
    {"plus sign", "+5", false, 0},
    {"comma", "12,5", false, 0},
    {"no digit before the point", ".5", false, 0},
    {"no digit after the point", "5.", false, 0},
    {"exponent", "1e1", false, 0},
    {"hexadecimal", "&H10", false, 0},
    {"blank inside", "1 2", false, 0},
    {"empty", "", false, 0},
    {"percent sign", "10%", false, 0},
};

class DiscountTest : public ::testing::TestWithParam<DiscountCase> {};

TEST_P(DiscountTest, TakesPlainNumbersFromZeroToHundred) {
  const auto& c = GetParam();
  double percent = -7;
  const auto error = ReadDiscount(c.text, percent);
  EXPECT_EQ(!error, c.accepted) << (error ? *error : "");
  if (c.accepted) {
    EXPECT_EQ(percent, c.percent);
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, DiscountTest, ::testing::ValuesIn(kDiscountCases), CaseName());

TEST(DiscountTest, MessagesSayWhatIsWrong) {
  double percent;
  EXPECT_EQ(ReadDiscount("101", percent), "discount '101' is above 100 percent");
  EXPECT_EQ(ReadDiscount("1\x1b", percent),
            "discount '1\\x1B' is not a plain decimal number of percent, such as 12 or 12.5");
}

using Kind = Source::Kind;
constexpr Kind kCode = Kind::kCode;
constexpr Kind kFile = Kind::kFile;
constexpr Kind kStdin = Kind::kStandardInput;

struct CommandLineCase : NamedCase {
  std::vector<std::string> args;
  const char* error;  // empty: accepted
  double discount = 0;
  OutputFormat format = OutputFormat::kText;
  std::vector<std::pair<Kind, std::string>> sources = {};
  const char* output = "";
  bool help = false;
  bool version = false;
};

const CommandLineCase kCommandLineCases[] = {
    {"nothing reads standard input", {}, ""},
    {"codes, files and standard input told apart",
     {"C-S-SM-SC-10-SL1800-SC", "rack.csv", "-", "T-x", "./C-list.csv", "c-s-sm"},
     "",
     0,
     OutputFormat::kText,
     {{kCode, "C-S-SM-SC-10-SL1800-SC"},
      {kFile, "rack.csv"},
      {kStdin, "-"},
      {kCode, "T-x"},
      {kFile, "./C-list.csv"},
      {kFile, "c-s-sm"}}},
    {"discount as two arguments",
     {"--discount", "12.5", "C-x"},
     "",
     12.5,
     OutputFormat::kText,
     {{kCode, "C-x"}}},
    {"short discount", {"-d", "5"}, "", 5},
    {"short discount joined", {"-d5"}, "", 5},
    {"discount with equals", {"--discount=5"}, "", 5},
    {"an abbreviated long option", {"--disc=5"}, "", 5},
    {"last discount wins", {"--discount", "5", "-d", "7"}, "", 7},
    {"csv format", {"--format", "csv"}, "", 0, OutputFormat::kCsv},
    {"short format", {"-f", "csv"}, "", 0, OutputFormat::kCsv},
    {"text format with equals", {"--format=text"}, "", 0, OutputFormat::kText},
    {"options after operands",
     {"list", "--format", "csv"},
     "",
     0,
     OutputFormat::kCsv,
     {{kFile, "list"}}},
    {"double dash makes the rest operands",
     {"--", "--format"},
     "",
     0,
     OutputFormat::kText,
     {{kFile, "--format"}}},
    {"output file", {"-o", "out.csv"}, "", 0, OutputFormat::kText, {}, "out.csv"},
    {"long output file", {"--output=out.csv"}, "", 0, OutputFormat::kText, {}, "out.csv"},
    {"help", {"--help"}, "", 0, OutputFormat::kText, {}, "", true},
    {"short help", {"-h"}, "", 0, OutputFormat::kText, {}, "", true},
    {"help stops reading", {"--help", "--bogus"}, "", 0, OutputFormat::kText, {}, "", true},
    {"version", {"--version"}, "", 0, OutputFormat::kText, {}, "", false, true},
    {"short version", {"-V"}, "", 0, OutputFormat::kText, {}, "", false, true},
    {"unknown option", {"--discont", "5"}, "unknown option '--discont'"},
    {"unknown short option", {"-x"}, "unknown option '-x'"},
    {"discount without a value", {"--discount"}, "option '--discount' needs a value"},
    {"short discount without a value", {"-d"}, "option '-d' needs a value"},
    {"format without a value", {"--format"}, "option '--format' needs a value"},
    {"output without a value", {"-o"}, "option '-o' needs a value"},
    {"rejected discount",
     {"--discount", "abc"},
     "discount 'abc' is not a plain decimal number of percent, such as 12 or 12.5"},
    {"empty discount",
     {"--discount="},
     "discount '' is not a plain decimal number of percent, such as 12 or 12.5"},
    {"unknown format", {"--format", "json"}, "format 'json' is not text or csv"},
    {"format is case-sensitive", {"--format=CSV"}, "format 'CSV' is not text or csv"},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReadsOptionsAndOperands) {
  const auto& c = GetParam();
  Options options;
  const auto error = ParseCommandLine(c.args, options);
  if (*c.error) {
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, c.error);
    return;
  }
  ASSERT_FALSE(error) << *error;
  EXPECT_EQ(options.discountPercent, c.discount);
  EXPECT_EQ(options.format, c.format);
  std::vector<std::pair<Kind, std::string>> sources;
  for (const Source& source : options.sources) sources.emplace_back(source.kind, source.text);
  EXPECT_EQ(sources, c.sources);
  EXPECT_EQ(options.output.value_or(""), c.output);
  EXPECT_EQ(options.help, c.help);
  EXPECT_EQ(options.version, c.version);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, ::testing::ValuesIn(kCommandLineCases),
                         CaseName());

}  // namespace
}  // namespace lumor::quote
