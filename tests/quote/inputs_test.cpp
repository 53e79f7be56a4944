#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "command_line.h"
#include "decimal_sum.h"
#include "discount_reader.h"
#include "quantity_reader.h"

namespace lumor::quote {
namespace {

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

struct CommandLineCase : NamedCase {
  std::vector<std::string_view> args;
  const char* error;  // empty: accepted
  double discount;
  OutputFormat format;
  std::vector<std::string_view> codes;
  bool help;
  bool version;
};

const CommandLineCase kCommandLineCases[] = {
    {"nothing reads standard input", {}, "", 0, OutputFormat::kText, {}, false, false},
    {"codes",
     {"C-S-SM-SC-10-SL1800-SC", "x"},
     "",
     0,
     OutputFormat::kText,
     {"C-S-SM-SC-10-SL1800-SC", "x"},
     false,
     false},
    {"discount as two arguments",
     {"--discount", "12.5", "c"},
     "",
     12.5,
     OutputFormat::kText,
     {"c"},
     false,
     false},
    {"discount with equals", {"--discount=5"}, "", 5, OutputFormat::kText, {}, false, false},
    {"last discount wins",
     {"--discount", "5", "--discount", "7"},
     "",
     7,
     OutputFormat::kText,
     {},
     false,
     false},
    {"csv format", {"--format", "csv"}, "", 0, OutputFormat::kCsv, {}, false, false},
    {"text format with equals", {"--format=text"}, "", 0, OutputFormat::kText, {}, false, false},
    {"options after codes",
     {"c", "--format", "csv"},
     "",
     0,
     OutputFormat::kCsv,
     {"c"},
     false,
     false},
    {"double dash makes the rest codes",
     {"--", "--format"},
     "",
     0,
     OutputFormat::kText,
     {"--format"},
     false,
     false},
    {"empty argument is a code", {""}, "", 0, OutputFormat::kText, {""}, false, false},
    {"help", {"--help"}, "", 0, OutputFormat::kText, {}, true, false},
    {"short help", {"-h"}, "", 0, OutputFormat::kText, {}, true, false},
    {"help stops reading", {"--help", "--bogus"}, "", 0, OutputFormat::kText, {}, true, false},
    {"version", {"--version"}, "", 0, OutputFormat::kText, {}, false, true},
    {"unknown option",
     {"--discont", "5"},
     "unknown option '--discont'",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
    {"single dash", {"-"}, "unknown option '-'", 0, OutputFormat::kText, {}, false, false},
    {"discount without a value",
     {"--discount"},
     "option '--discount' needs a value",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
    {"format without a value",
     {"--format"},
     "option '--format' needs a value",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
    {"rejected discount",
     {"--discount", "abc"},
     "discount 'abc' is not a plain decimal number of percent, such as 12 or 12.5",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
    {"empty discount",
     {"--discount="},
     "discount '' is not a plain decimal number of percent, such as 12 or 12.5",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
    {"unknown format",
     {"--format", "json"},
     "format 'json' is not text or csv",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
    {"format is case-sensitive",
     {"--format=CSV"},
     "format 'CSV' is not text or csv",
     0,
     OutputFormat::kText,
     {},
     false,
     false},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReadsOptionsAndCodes) {
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
  EXPECT_EQ(options.codes, c.codes);
  EXPECT_EQ(options.help, c.help);
  EXPECT_EQ(options.version, c.version);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, ::testing::ValuesIn(kCommandLineCases),
                         CaseName());

struct SumCase : NamedCase {
  std::vector<std::uint64_t> values;
  int decimals;
  const char* text;
};

const SumCase kSumCases[] = {
    {"nothing", {}, 2, "0.00"},
    {"below one euro", {7}, 2, "0.07"},
    {"cents", {1371, 1371, 1371}, 2, "41.13"},
    {"whole numbers", {3, 2}, 0, "5"},
    {"carry into the high limb", {999'999'999'999'999'999u, 1}, 0, "1000000000000000000"},
    {"high limb pads the low one", {999'999'999'999'999'999u, 2, 5}, 2, "10000000000000000.06"},
    {"beyond 64 bits",
     {18'446'744'073'709'551'615u, 18'446'744'073'709'551'615u},
     0,
     "36893488147419103230"},
};

class DecimalSumTest : public ::testing::TestWithParam<SumCase> {};

TEST_P(DecimalSumTest, AddsExactly) {
  const auto& c = GetParam();
  DecimalSum sum;
  for (std::uint64_t v : c.values) sum.Add(v);
  EXPECT_EQ(sum.Text(c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Sums, DecimalSumTest, ::testing::ValuesIn(kSumCases), CaseName());

}  // namespace
}  // namespace lumor::quote
