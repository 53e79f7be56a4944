#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "combo_box.h"
#include "form_fixture.h"
#include "option_button.h"

namespace lumor::testing {
namespace {

using Indices = std::vector<int>;

struct PhotoCase {
  const char* name;
  std::function<void(FormHarness&)> act;
  Indices left;
  const char* middle;
  Indices right;
  bool multimodeEnabled;
};

// Test logs name the row, not its bytes.
void PrintTo(const PhotoCase& row, std::ostream* os) { *os << row.name; }

const PhotoCase kUserCases[] = {
    {"defaults", [](FormHarness&) {}, {0}, "Image4", {0}, true},
    {"angled_left_disables_multimode",
     [](FormHarness& h) { h.Pick(h.form->Sol_uc_kombo, "SA"); },
     {2},
     "Image4",
     {0},
     false},
    {"straight_left_again_enables_them",
     [](FormHarness& h) {
       h.Pick(h.form->Sol_uc_kombo, "SA");
       h.Pick(h.form->Sol_uc_kombo, "FC");
     },
     {3},
     "Image4",
     {0},
     true},
    {"angled_right_disables_multimode",
     [](FormHarness& h) { h.Pick(h.form->sag_uc_kombo, "LA", true); },
     {0},
     "Image4",
     {8},
     false},
    {"multimode_photos",
     [](FormHarness& h) {
       h.ClickOption(h.form->M50_option);
       h.Pick(h.form->Sol_uc_kombo, "LC");
       h.Pick(h.form->sag_uc_kombo, "ST");
     },
     {7},
     "Image4",
     {10},
     true},
    {"fc_multimode_uses_the_fc_picture",
     [](FormHarness& h) {
       h.ClickOption(h.form->M62_Option);
       h.Pick(h.form->Sol_uc_kombo, "FC");
       h.Pick(h.form->sag_uc_kombo, "E2");
     },
     {4},
     "Image4",
     {12},
     true},
    {"pigtail_duplex_end_follows_the_left_alone",
     [](FormHarness& h) {
       h.Pick(h.form->sag_uc_kombo, "EA");
       h.ClickOption(h.form->Dubleks_Option);
       h.ClickOption(h.form->PigTail_Option);
     },
     {0},
     "Image5",
     {15},
     true},
    {"pigtail_simplex_end",
     [](FormHarness& h) { h.ClickOption(h.form->PigTail_Option); },
     {0},
     "Image4",
     {14},
     true},
    {"fig0_cable",
     [](FormHarness& h) { h.Pick(h.form->Kablo_kombo, "Fig-0"); },
     {0},
     "Fig0Picture",
     {0},
     true},
    {"numbered_cable_after_fig0_shows_the_duplex_cable",
     [](FormHarness& h) {
       h.Pick(h.form->Kablo_kombo, "Fig-0");
       h.Pick(h.form->Kablo_kombo, "0900");
     },
     {0},
     "Image5",
     {0},
     true},
};

class PhotoRowUserTest : public ::testing::TestWithParam<PhotoCase> {};

TEST_P(PhotoRowUserTest, ExactlyTheMatchingPhotos) {
  const PhotoCase& c = GetParam();
  FormHarness h;
  c.act(h);
  EXPECT_EQ(h.VisibleLeft(), c.left);
  EXPECT_EQ(h.VisibleMiddle(), c.middle);
  EXPECT_EQ(h.VisibleRight(), c.right);
  EXPECT_EQ(h.MultimodeEnabled(), c.multimodeEnabled);
}

INSTANTIATE_TEST_SUITE_P(Table, PhotoRowUserTest, ::testing::ValuesIn(kUserCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The rule over states the lists alone would not offer, set directly.
struct RuleCase {
  const char* name;
  bool pigtail;
  bool singleMode;
  const char* left;
  const char* right;
  bool enabledBefore;
  Indices leftShown;
  Indices rightShown;
  bool enabledAfter;
};

// Test logs name the row, not its bytes.
void PrintTo(const RuleCase& row, std::ostream* os) { *os << row.name; }

const RuleCase kRuleCases[] = {
    {"patch_sm_both_straight", false, true, "LC", "ST", false, {6}, {9}, true},
    {"patch_sm_left_angled", false, true, "FA", "SC", true, {5}, {0}, false},
    {"patch_sm_right_angled", false, true, "SC", "EA", true, {0}, {13}, false},
    {"patch_mm_right_straight_wins_over_left_angled",
     false,
     false,
     "SA",
     "SC",
     false,
     {2},
     {1},
     true},
    {"patch_mm_right_angled", false, false, "SC", "LA", true, {1}, {8}, false},
    {"pigtail_left_straight", true, false, "E2", "LA", false, {12}, {14}, true},
    {"pigtail_left_angled", true, true, "EA", "SC", true, {13}, {14}, false},
    {"unknown_left_keeps_enabled_state", false, true, "", "SC", false, {}, {0}, false},
    {"unknown_left_keeps_enabled_state_true", false, true, "sc", "SC", true, {}, {0}, true},
    {"unknown_right_leaves_the_slot_empty", false, true, "SA", "XX", true, {2}, {}, false},
};

class PhotoRowRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(PhotoRowRuleTest, MultimodeOptionsFollowThePolish) {
  const RuleCase& c = GetParam();
  FormHarness h;
  auto& s = h.engine->SelectionState;
  s.IsPigTail = c.pigtail;
  s.IsPatchCord = !c.pigtail;
  s.IsSingleMode = c.singleMode;
  s.IsMM50 = !c.singleMode;
  s.LeftConnector = c.left;
  s.RightConnector = c.right;
  h.form->M50_option->setEnabled(c.enabledBefore);
  h.form->M62_Option->setEnabled(c.enabledBefore);
  h.form->Resimleri_Goster();
  EXPECT_EQ(h.VisibleLeft(), c.leftShown);
  EXPECT_EQ(h.VisibleRight(), c.rightShown);
  EXPECT_EQ(h.MultimodeEnabled(), c.enabledAfter);
  EXPECT_EQ(h.VisibleMiddle(), "Image4");
  // A second pass over the same selection changes nothing.
  h.form->Resimleri_Goster();
  EXPECT_EQ(h.VisibleLeft(), c.leftShown);
  EXPECT_EQ(h.MultimodeEnabled(), c.enabledAfter);
}

INSTANTIATE_TEST_SUITE_P(Table, PhotoRowRuleTest, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoRowMiddleTest, SimplexShowsTheSimplexCableEvenForFig0) {
  FormHarness h;
  h.engine->SelectionState.IsFig0 = true;
  h.form->Resimleri_Goster();
  EXPECT_EQ(h.VisibleMiddle(), "Image4");
}

}  // namespace
}  // namespace lumor::testing
