#include <gtest/gtest.h>

#include <limits>
#include <ostream>

#include "engine.h"
#include "jumper.h"

namespace lumor {
namespace {

using namespace lumor::testing;

struct PriceCase {
  const char* name;
  Jumper jumper;
  double unitPrice;  // compared bit for bit
};

// Test logs name the row, not its bytes.
void PrintTo(const PriceCase& row, std::ostream* os) { *os << row.name; }

const PriceCase kPriceCases[] = {
    {"default selection", {false, false, SM, "SC", "SC", "1800", "10", 0}, 13.707999999999997},
    {"empty length adds no cable",
     {false, false, SM, "SC", "SC", "1800", "", 0},
     9.797999999999998},
    {"pigtail duplex MM50 with discount",
     {true, true, MM50, "FA", "XX", "1800", "10", 10},
     21.54456},
    {"pigtail duplex MM50", {true, true, MM50, "FA", "XX", "1800", "10", 0}, 23.9384},
    {"MM62 LC to ST", {false, false, MM62, "LC", "ST", "2000", "2.5", 5}, 9.48727},
    {"Fig-0 duplex", {false, true, SM, "SC", "SC", "Fig-0", "10", 0}, 37.995999999999995},
    {"pigtail never pays a right connector",
     {true, false, SM, "SC", "SC", "1800", "10", 0},
     (100 * ((1.7000000000000002 + 2.13) * 2.3)) / 100},
    {"angled code costs the same in multimode",
     {false, false, MM50, "SA", "XX", "1800", "0", 0},
     (100 * (2.33 * 2.3)) / 100},
    {"lower-case code is not found", {false, false, SM, "sc", "sc", "1800", "0", 0}, 0},
    {"unknown cable adds nothing",
     {false, false, SM, "SC", "SC", "1900", "10", 0},
     9.797999999999998},
    {"discount 100", {false, false, SM, "SC", "SC", "1800", "10", 100}, 0},
    {"discount above 100 goes negative",
     {false, false, SM, "SC", "SC", "1800", "10", 100.5},
     -0.06853999999999999},
    {"length text with letters",
     {false, false, SM, "SC", "SC", "1800", "12abc", 0},
     (100 * ((0.17 * 12 + 2.13 + 2.13) * 2.3)) / 100},
};

class PriceTest : public ::testing::TestWithParam<PriceCase> {};

TEST_P(PriceTest, UnitPriceMatchesTheWrittenOrderOfRoundings) {
  Engine e;
  Apply(e, GetParam().jumper);
  e.CalculatePrice();
  EXPECT_EQ(e.UnitPrice, GetParam().unitPrice) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Table, PriceTest, ::testing::ValuesIn(kPriceCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(PriceErrorTest, NonFiniteInputsRaiseAndReachTheCaller) {
  const struct {
    const char* length;
    double discount;
  } rows[] = {
      {"1e400", 0},                                     // infinite length
      {"1e307", 0},                                     // overflow in the markup
      {"10", std::numeric_limits<double>::infinity()},  // infinite discount
      {"0", -std::numeric_limits<double>::infinity()},
  };
  for (const auto& r : rows) {
    Engine e;
    e.LoadDefaults();
    e.SelectionState.CableLength = r.length;
    e.DiscountPercent = r.discount;
    EXPECT_THROW(e.BuildOrderLine(), FloatingPointError) << r.length << " " << r.discount;
    EXPECT_EQ(e.OrderLine, "");
    EXPECT_EQ(e.OrderDescription, "");
  }
}

TEST(PriceErrorTest, ErrorDoesNotStickToTheNextCalculation) {
  Engine e;
  e.LoadDefaults();
  e.SelectionState.CableLength = "1e400";
  EXPECT_THROW(e.CalculatePrice(), FloatingPointError);
  e.SelectionState.CableLength = "10";
  EXPECT_NO_THROW(e.CalculatePrice());
  EXPECT_EQ(e.UnitPrice, 13.707999999999997);
}

}  // namespace
}  // namespace lumor
