#include <gtest/gtest.h>

#include <ostream>

#include "engine.h"
#include "fake_settings_store.h"

namespace lumor {
namespace {

const std::string kPath = Engine::kDecimalSeparatorPath;
using Writes = std::vector<std::pair<std::string, std::string>>;

struct GuardCase {
  const char* name;
  std::optional<std::string> userValue;
  Writes afterForce;
  Writes afterRestore;
  std::string saved;
};

// Test logs name the row, not its bytes.
void PrintTo(const GuardCase& row, std::ostream* os) { *os << row.name; }

const GuardCase kGuardCases[] = {
    {"comma is forced and written back", ",", {{kPath, "."}}, {{kPath, "."}, {kPath, ","}}, ","},
    {"point is never written", ".", {}, {}, "."},
    {"empty text is forced and written back", "", {{kPath, "."}}, {{kPath, "."}, {kPath, ""}}, ""},
    {"missing value writes nothing", std::nullopt, {}, {}, ""},
};

class DecimalGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(DecimalGuardTest, WritesAtMostTwice) {
  const auto& c = GetParam();
  FakeSettingsStore store;
  if (c.userValue) store.values[kPath] = *c.userValue;
  Engine engine(store);

  engine.ForceDecimalPoint();
  EXPECT_EQ(store.writes, c.afterForce) << c.name;
  EXPECT_EQ(engine.DecimalSeparator, ".");
  EXPECT_EQ(engine.SavedDecimalSeparator, c.saved);
  EXPECT_EQ(engine.PriceSeparators().decimal, ".");

  engine.RestoreDecimalSeparator();
  EXPECT_EQ(store.writes, c.afterRestore) << c.name;
  if (c.userValue) {
    EXPECT_EQ(store.values[kPath], *c.userValue);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, DecimalGuardTest, ::testing::ValuesIn(kGuardCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST(DecimalGuardSharingTest, FirstCopyToCloseBringsTheUserValueBack) {
  FakeSettingsStore store;
  store.values[kPath] = ",";
  Engine first(store), second(store);
  first.ForceDecimalPoint();
  second.ForceDecimalPoint();  // reads "." and so writes nothing
  EXPECT_EQ(second.SavedDecimalSeparator, ".");
  first.RestoreDecimalSeparator();
  EXPECT_EQ(store.values[kPath], ",");
  second.RestoreDecimalSeparator();
  EXPECT_EQ(store.values[kPath], ",");
  EXPECT_EQ(store.writes, (Writes{{kPath, "."}, {kPath, ","}}));
}

TEST(DecimalGuardFailureTest, ReadAndWriteFailuresReachTheCaller) {
  FakeSettingsStore store;
  store.values[kPath] = ",";
  store.failingWrites.insert(kPath);
  Engine engine(store);
  EXPECT_THROW(engine.ForceDecimalPoint(), SettingsError);
  EXPECT_TRUE(store.writes.empty());

  FakeSettingsStore unreadable;
  unreadable.failingReads.insert(kPath);
  EXPECT_THROW(Engine{unreadable}, SettingsError);
}

TEST(DecimalGuardFailureTest, RestoreRunsOnceOnly) {
  FakeSettingsStore store;
  store.values[kPath] = ",";
  Engine engine(store);
  engine.ForceDecimalPoint();
  engine.RestoreDecimalSeparator();
  engine.RestoreDecimalSeparator();
  EXPECT_EQ(store.writes.size(), 2u);
}

struct GroupingCase {
  const char* name;
  std::optional<std::string> grouping;
  const char* price;
};

const GroupingCase kGroupingCases[] = {
    {"comma grouping", ",", "2,854.12"},
    {"point grouping clashes with the forced point", ".", "2,854.12"},
    {"no grouping defined", "", "2,854.12"},
    {"missing grouping", std::nullopt, "2,854.12"},
    {"narrow no-break space kept", "\u202f", "2\u202f854.12"},
};

TEST(PriceSeparatorsTest, GroupingFollowsTheUserUnlessItClashes) {
  for (const auto& c : kGroupingCases) {
    FakeSettingsStore store;
    store.values[kPath] = ",";
    if (c.grouping) store.values[Engine::kGroupingSeparatorPath] = *c.grouping;
    Engine engine(store);
    engine.ForceDecimalPoint();
    EXPECT_EQ(PriceText(2854.12, engine.PriceSeparators()), c.price) << c.name;
  }
}

}  // namespace
}  // namespace lumor
