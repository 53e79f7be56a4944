#include <gtest/gtest.h>

#include <stdexcept>

#include "engine.h"

namespace lumor {
namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { engine.LoadDefaults(); }
  Engine engine;
};

TEST_F(CatalogueTest, ConnectorNames) {
  const struct {
    const char* code;
    const char* name;
  } rows[] = {
      {"SC", "SC-PC"},  {"SA", "SC-APC"}, {"FC", "FC-PC"},
      {"FA", "FC-APC"}, {"LC", "LC-PC"},  {"LA", "LC-APC"},
      {"ST", "ST-PC"},  {"E2", "E2000"},  {"EA", "E2000-APC"},
      {"XX", ""},   // the right end of a pigtail
      {"sc", ""},   // case-sensitive
      {"SC ", ""},  // no trimming
      {"", ""},     // the empty slots match, and their names are empty
  };
  for (const auto& r : rows) EXPECT_EQ(engine.ConnectorName(r.code), r.name) << r.code;
}

TEST_F(CatalogueTest, LastMatchingSlotWins) {
  engine.ConnectorTable(50) = {"SC", "late"};
  EXPECT_EQ(engine.ConnectorName("SC"), "late");
}

TEST_F(CatalogueTest, DefaultSelectionAndTables) {
  const auto& s = engine.SelectionState;
  EXPECT_TRUE(s.IsPatchCord && s.IsSimplex && s.IsSingleMode);
  EXPECT_FALSE(s.IsPigTail || s.IsDuplex || s.IsMM62 || s.IsMM50 || s.IsFig0);
  EXPECT_EQ(s.LeftConnector, "SC");
  EXPECT_EQ(s.RightConnector, "SC");
  EXPECT_EQ(s.CableCode, "1800");
  EXPECT_EQ(s.CableLength, "10");
  EXPECT_EQ(engine.DiscountPercent, 0);

  const char* cables[] = {"0900", "1700", "1800", "2000", "2200",
                          "2400", "2600", "2800", "3000", "Fig-0"};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(engine.CableCodeTable(i), cables[i - 1]);
  EXPECT_EQ(engine.CableCodeTable(11), "");
  EXPECT_EQ(engine.ConnectorTable(10).Code, "");
  EXPECT_EQ(engine.ConnectorTable(9).Code, "EA");
}

TEST_F(CatalogueTest, LoadDefaultsLeavesDiscountAndResultsAlone) {
  engine.DiscountPercent = 7;
  engine.BuildOrderLine();
  const std::string line = engine.OrderLine;
  engine.SelectionState.LeftConnector = "LC";
  engine.LoadDefaults();
  EXPECT_EQ(engine.DiscountPercent, 7);
  EXPECT_EQ(engine.OrderLine, line);
  EXPECT_EQ(engine.SelectionState.LeftConnector, "SC");
}

TEST_F(CatalogueTest, SlotNumbersOutsideTheTableThrow) {
  for (int slot : {0, -1, 51, 1000}) {
    EXPECT_THROW(engine.ConnectorTable(slot), std::out_of_range) << slot;
    EXPECT_THROW(engine.CableCodeTable(slot), std::out_of_range) << slot;
  }
  EXPECT_NO_THROW(engine.ConnectorTable(1));
  EXPECT_NO_THROW(engine.CableCodeTable(50));
}

}  // namespace
}  // namespace lumor
