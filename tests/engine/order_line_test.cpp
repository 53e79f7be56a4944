#include <gtest/gtest.h>

#include <ostream>

#include "engine.h"
#include "jumper.h"

namespace lumor {
namespace {

using namespace lumor::testing;

struct LineCase {
  const char* name;
  Jumper jumper;
  const char* line;
};

// Test logs name the row, not its bytes.
void PrintTo(const LineCase& row, std::ostream* os) { *os << row.name; }

const LineCase kLineCases[] = {
    {"default",
     {false, false, SM, "SC", "SC", "1800", "10", 0},
     "C-S-SM-SC-10-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m ----- "
     "13.71 EUR/adet"},
    {"pigtail three blanks after slash",
     {true, true, MM50, "FA", "XX", "1800", "10", 0},
     "T-D-M2-FA-10-SL1800-XX    Pigtail Dubleks Multi Mode 50/125  FC-APC /   1.8 mm 10 m ----- "
     "23.94 EUR/adet"},
    {"Fig-0 diameter zero",
     {false, true, SM, "SC", "SC", "Fig-0", "10", 0},
     "C-D-SM-SC-10-SLFig-0-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  0 mm 10 m ----- "
     "38.00 EUR/adet"},
    {"0900 diameter without leading zero",
     {false, false, SM, "SC", "SC", "0900", "10", 0},
     "C-S-SM-SC-10-SL0900-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  .9 mm 10 m ----- "
     "11.29 EUR/adet"},
    {"multimode 62.5 with discount",
     {false, false, MM62, "LC", "ST", "2000", "2.5", 5},
     "C-S-M1-LC-2.5-SL2000-ST    Patch Cord Simpleks Multi Mode 62.5/125  LC-PC / ST-PC  2 mm 2.5 "
     "m "
     "----- 9.49 EUR/adet"},
    {"empty length",
     {false, false, SM, "SC", "SC", "1800", "", 0},
     "C-S-SM-SC--SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm  m ----- "
     "9.80 EUR/adet"},
    {"length kept verbatim",
     {false, false, SM, "SC", "SC", "1800", "12abc", 0},
     "C-S-SM-SC-12abc-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 12abc m "
     "----- 14.49 EUR/adet"},
    {"discount 100",
     {false, false, SM, "SC", "SC", "1800", "10", 100},
     "C-S-SM-SC-10-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m ----- "
     "0.00 EUR/adet"},
    {"discount 100.5",
     {false, false, SM, "SC", "SC", "1800", "10", 100.5},
     "C-S-SM-SC-10-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m ----- "
     "-0.07 EUR/adet"},
    {"unknown codes copied, names empty",
     {false, false, SM, "QQ", "sc", "1900", "10", 0},
     "C-S-SM-QQ-10-SL1900-sc    Patch Cord Simpleks Single Mode   /   1.9 mm 10 m ----- "
     "0.00 EUR/adet"},
    {"price above a thousand is grouped",
     {false, true, SM, "SC", "SC", "3000", "1000", 0},
     "C-D-SM-SC-1000-SL3000-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  3 mm 1000 m ----- "
     "1,399.60 EUR/adet"},
};

class OrderLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(OrderLineTest, ComposesTheWholeLine) {
  const auto& c = GetParam();
  Engine e;
  Apply(e, c.jumper);
  e.BuildOrderLine();
  EXPECT_EQ(e.OrderLine, c.line) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, OrderLineTest, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(OrderLineRebuildTest, EveryCallStartsFromEmpty) {
  Engine e;
  e.LoadDefaults();
  e.BuildOrderLine();
  const std::string first = e.OrderLine;
  e.BuildOrderLine();
  EXPECT_EQ(e.OrderLine, first);
  EXPECT_EQ(e.OrderDescription, "Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m");
}

}  // namespace
}  // namespace lumor
