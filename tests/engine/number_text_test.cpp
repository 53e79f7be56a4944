#include "number_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace lumor {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LeadingCase {
  const char* name;
  std::string text;
  double value;
};

// Test logs name the row, not its bytes.
void PrintTo(const LeadingCase& row, std::ostream* os) { *os << row.name; }

const LeadingCase kLeadingCases[] = {
    {"plain integer", "10", 10},
    {"letters end the number", "12abc", 12},
    {"leading blank is skipped", " 12", 12},
    {"inner blank is skipped", "1 2", 12},
    {"tabs and line feeds are skipped", "\t1\n2", 12},
    {"carriage return ends the number", "1\r2", 1},
    {"comma ends the number", "1,5", 1},
    {"decimal point", "1.5", 1.5},
    {"fraction without integer digits", ".5", 0.5},
    {"exponent", "1e3", 1000},
    {"upper-case exponent with sign", "25E-1", 2.5},
    {"exponent without digits", "1e", 1},
    {"exponent sign without digits", "1e+", 1},
    {"blank inside exponent", "1 e 3", 1000},
    {"no number", "abc", 0},
    {"empty text", "", 0},
    {"only blanks", "   ", 0},
    {"lone point", ".", 0},
    {"lone sign", "-", 0},
    {"negative", "-1", -1},
    {"explicit plus", "+7", 7},
    {"two signs", "--5", 0},
    {"sign after blank", " - 3", -3},
    {"hexadecimal", "&HFFFF", 65535},
    {"hexadecimal lower case", "&hff", 255},
    {"hexadecimal stops at non-digit", "&H1G", 1},
    {"octal", "&O17", 15},
    {"octal stops at 8", "&O18", 1},
    {"ampersand alone", "&", 0},
    {"ampersand with other letter", "&X1", 0},
    {"hexadecimal without digits", "&H", 0},
    {"leading zeros", "007", 7},
    {"just under the upper bound", "1000.99", 1000.99},
    {"overflow gives infinity", "1e400", kInf},
    {"negative overflow", "-1e400", -kInf},
    {"underflow gives zero", "1e-400", 0},
    {"huge exponent", "1e99999999999999999999999", kInf},
    {"huge negative exponent", "1e-99999999999999999999999", 0},
    {"zero with huge exponent", "0e99999", 0},
    {"correct rounding of a long fraction", "0.1000000000000000055511151231257827", 0.1},
    {"many leading fraction zeros", "0." + std::string(500, '0') + "1e510", 1e9},
    {"10,000 digits overflow", std::string(10000, '9'), kInf},
    {"10,000 digit fraction", "1." + std::string(10000, '0'), 1},
    {"long digit run cut beyond the cap rounds up", "1." + std::string(1000, '0') + "1", 1},
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
  const auto& c = GetParam();
  EXPECT_EQ(LeadingNumber(c.text), c.value) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, LeadingNumberTest, ::testing::ValuesIn(kLeadingCases),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

struct TextCase {
  double value;
  const char* numberText;
  const char* priceText;
};

const TextCase kTextCases[] = {
    {13.707999999999997, " 13.708", "13.71"},
    {9.797999999999998, " 9.798", "9.80"},
    {21.54456, " 21.54456", "21.54"},
    {37.995999999999995, " 37.996", "38.00"},
    {9.545, " 9.545", "9.55"},  // printf("%.2f") gives 9.54: the binary value is below the tie
    {1.005, " 1.005", "1.01"},
    {2.675, " 2.675", "2.68"},
    {0.125, " .125", "0.13"},
    {0.9, " .9", "0.90"},
    {0.005, " .005", "0.01"},
    {0.0049, " .0049", "0.00"},
    {0, " 0", "0.00"},
    {-0.06853999999999999, "-.06854", "-0.07"},
    {-0.001, "-.001", "0.00"},
    {1.8, " 1.8", "1.80"},
    {2, " 2", "2.00"},
    {1234.5, " 1234.5", "1,234.50"},
    {999.995, " 999.995", "1,000.00"},
    {2854.12, " 2854.12", "2,854.12"},
    {1234567.891, " 1234567.891", "1,234,567.89"},
    {-1234.565, "-1234.565", "-1,234.57"},
    {123456789012345.6, " 123456789012346", "123,456,789,012,346.00"},
    {1e15, " 1E+15", "1,000,000,000,000,000.00"},
    {1.5e-7, " 1.5E-07", "0.00"},
    {0.00001, " .00001", "0.00"},
    {1.0 / 3, " .333333333333333", "0.33"},
};

TEST(NumberTextTest, FifteenDigitsNoLeadingZeroNoTrailingZeros) {
  for (const auto& c : kTextCases) {
    EXPECT_EQ(NumberText(c.value), c.numberText) << c.value;
  }
}

TEST(PriceTextTest, RoundsTheDecimalDigitsHalfAwayFromZero) {
  for (const auto& c : kTextCases) {
    EXPECT_EQ(PriceText(c.value), c.priceText) << c.value;
  }
}

TEST(PriceTextTest, UsesTheSeparatorsItIsGiven) {
  EXPECT_EQ(PriceText(1234567.5, {".", "\u202f"}), "1\u202f234\u202f567.50");
  EXPECT_EQ(PriceText(1234.5, {",", "."}), "1.234,50");
  EXPECT_EQ(PriceText(999.5, {".", ","}), "999.50");
}

// QApplication sets the C library's locale from the environment; none of the
// number texts may follow it.
TEST(NumberTextTest, IgnoresTheCLibraryLocale) {
#ifdef _WIN32
  constexpr const char* kGerman = "German_Germany.1252";  // the Windows C library's name
#else
  constexpr const char* kGerman = "de_DE.UTF-8";
#endif
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, kGerman), nullptr) << "locale " << kGerman << " is missing";
  const double length = LeadingNumber("2.5");
  const std::string number = NumberText(2.5);
  const std::string price = PriceText(1234.5);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(length, 2.5);
  EXPECT_EQ(number, " 2.5");
  EXPECT_EQ(price, "1,234.50");
}

}  // namespace
}  // namespace lumor
