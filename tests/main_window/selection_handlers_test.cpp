#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "combo_box.h"
#include "form_fixture.h"
#include "option_button.h"
#include "text_box.h"

namespace lumor::testing {
namespace {

struct HandlerCase {
  const char* name;
  std::function<void(FormHarness&)> act;
  // Expected afterwards.
  bool duplex, fig0, simplexEnabled, rightEnabled;
  const char* right;  // RightConnector
  const char* line;
};

// Test logs name the row, not its bytes.
void PrintTo(const HandlerCase& row, std::ostream* os) { *os << row.name; }

const HandlerCase kCases[] = {
    {"fig0_forces_duplex_from_simplex",
     [](FormHarness& h) { h.Pick(h.form->Kablo_kombo, "Fig-0"); }, true, true, false, true, "SC",
     "C-D-SM-SC-10-SLFig-0-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  0 mm 10 m ----- "
     "38.00 EUR/adet"},
    {"fig0_with_duplex_already_chosen",
     [](FormHarness& h) {
       h.ClickOption(h.form->Dubleks_Option);
       h.Pick(h.form->Kablo_kombo, "Fig-0", true);
     },
     true, true, false, true, "SC",
     "C-D-SM-SC-10-SLFig-0-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  0 mm 10 m ----- "
     "38.00 EUR/adet"},
    {"numbered_cable_after_fig0_keeps_duplex",
     [](FormHarness& h) {
       h.Pick(h.form->Kablo_kombo, "Fig-0");
       h.Pick(h.form->Kablo_kombo, "2000");
     },
     true, false, true, true, "SC",
     "C-D-SM-SC-10-SL2000-SC    Patch Cord Dubleks Single Mode  SC-PC / SC-PC  2 mm 10 m ----- "
     "26.04 EUR/adet"},
    {"pigtail_has_no_right_connector",
     [](FormHarness& h) { h.ClickOption(h.form->PigTail_Option); }, false, false, true, false, "XX",
     "T-S-SM-SC-10-SL1800-XX    Pigtail Simpleks Single Mode  SC-PC /   1.8 mm 10 m ----- "
     "8.81 EUR/adet"},
    {"patch_cord_brings_the_right_connector_back",
     [](FormHarness& h) {
       h.Pick(h.form->sag_uc_kombo, "LC");
       h.ClickOption(h.form->PigTail_Option);
       h.ClickOption(h.form->PatchCord_Option);
     },
     false, false, true, true, "LC",
     "C-S-SM-SC-10-SL1800-LC    Patch Cord Simpleks Single Mode  SC-PC / LC-PC  1.8 mm 10 m ----- "
     "13.94 EUR/adet"},
    {"fibre_change_keeps_connectors",
     [](FormHarness& h) {
       h.Pick(h.form->Sol_uc_kombo, "FC");
       h.ClickOption(h.form->M62_Option);
     },
     false, false, true, true, "SC",
     "C-S-M1-FC-10-SL1800-SC    Patch Cord Simpleks Multi Mode 62.5/125  FC-PC / SC-PC  1.8 mm 10 "
     "m "
     "----- 15.95 EUR/adet"},
    {"handlers_twice_give_the_same_state",
     [](FormHarness& h) {
       for (int i = 0; i < 2; ++i) {
         h.Pick(h.form->Kablo_kombo, "Fig-0");
         h.form->Dubleks_Option_Click();
         h.form->PigTail_Option_Click();
         h.form->M50_option_Click();
         h.Pick(h.form->Sol_uc_kombo, "ST");
       }
     },
     true, true, false, false, "XX",
     "T-D-M2-ST-10-SLFig-0-XX    Pigtail Dubleks Multi Mode 50/125  ST-PC /   0 mm 10 m ----- "
     "32.15 EUR/adet"},
    {"after_a_rejected_length_lines_use_the_empty_length",
     [](FormHarness& h) {
       h.Type(h.form->boy_text, "0");
       h.Pick(h.form->sag_uc_kombo, "ST");
     },
     false, false, true, true, "ST",
     "C-S-SM-SC--SL1800-ST    Patch Cord Simpleks Single Mode  SC-PC / ST-PC  1.8 mm  m ----- "
     "9.25 EUR/adet"},
};

class SelectionHandlersTest : public ::testing::TestWithParam<HandlerCase> {};

TEST_P(SelectionHandlersTest, StateControlsAndLine) {
  const HandlerCase& c = GetParam();
  FormHarness h;
  c.act(h);
  const auto& s = h.engine->SelectionState;
  EXPECT_EQ(s.IsSimplex, !c.duplex);
  EXPECT_EQ(s.IsDuplex, c.duplex);
  EXPECT_EQ(h.form->Simpleks_option->value(), !c.duplex);
  EXPECT_EQ(h.form->Dubleks_Option->value(), c.duplex);
  EXPECT_EQ(s.IsFig0, c.fig0);
  EXPECT_EQ(h.form->Simpleks_option->isEnabled(), c.simplexEnabled);
  EXPECT_EQ(h.form->sag_uc_kombo->isEnabled(), c.rightEnabled);
  EXPECT_EQ(s.RightConnector, c.right);
  EXPECT_EQ(h.Line(), c.line);
  EXPECT_EQ(h.engine->OrderLine, c.line);
}

INSTANTIATE_TEST_SUITE_P(Table, SelectionHandlersTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumor::testing
