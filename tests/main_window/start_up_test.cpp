#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "combo_box.h"
#include "form_fixture.h"
#include "option_button.h"
#include "text_box.h"

namespace lumor::testing {
namespace {

const QStringList kSingleModeCodes = {"SC", "SA", "FC", "FA", "LC", "LA", "ST", "E2", "EA"};
const QStringList kMultimodeCodes = {"SC", "FC", "LC", "ST", "E2"};
const QStringList kCables = {"0900", "1700", "1800", "2000", "2200",
                             "2400", "2600", "2800", "3000", "Fig-0"};
constexpr const char* kDefaultLine =
    "C-S-SM-SC-10-SL1800-SC    Patch Cord Simpleks Single Mode  SC-PC / SC-PC  1.8 mm 10 m ----- "
    "13.71 EUR/adet";

class StartUpTest : public FormFixture {};

TEST_F(StartUpTest, WindowOpensInTheDefaultState) {
  EXPECT_EQ(Line(), kDefaultLine);
  EXPECT_EQ(form->Sol_uc_kombo->text(), "SC");
  EXPECT_EQ(form->sag_uc_kombo->text(), "SC");
  EXPECT_EQ(form->Kablo_kombo->text(), "1800");
  EXPECT_EQ(form->boy_text->text(), "10");
  EXPECT_EQ(form->IndirimText->text(), "0");
  EXPECT_EQ(Items(form->Sol_uc_kombo), kSingleModeCodes);
  EXPECT_EQ(Items(form->sag_uc_kombo), kSingleModeCodes);
  EXPECT_EQ(Items(form->Kablo_kombo), kCables);
  EXPECT_EQ(form->Kablo_kombo->currentIndex(), -1);

  const std::pair<toolkit::OptionButton*, bool> options[] = {
      {form->SM_option, true},        {form->M50_option, false},     {form->M62_Option, false},
      {form->Simpleks_option, true},  {form->Dubleks_Option, false}, {form->PigTail_Option, false},
      {form->PatchCord_Option, true},
  };
  for (const auto& [option, selected] : options) {
    EXPECT_EQ(option->value(), selected) << option->objectName().toStdString();
    EXPECT_TRUE(option->isEnabled()) << option->objectName().toStdString();
  }
  EXPECT_TRUE(form->sag_uc_kombo->isEnabled());
  EXPECT_EQ(VisibleLeft(), std::vector<int>{0});
  EXPECT_EQ(VisibleMiddle(), "Image4");
  EXPECT_EQ(VisibleRight(), std::vector<int>{0});
  EXPECT_TRUE(MultimodeEnabled());
  EXPECT_FALSE(engine->SelectionState.IsFig0);
  QWidget* focus = form->focusWidget();
  EXPECT_TRUE(focus == form->Sol_uc_kombo || focus == form->Sol_uc_kombo->lineEdit());
}

TEST_F(StartUpTest, DecimalPointIsForcedOnceAndGivenBackBeforeTheAboutDialog) {
  using Writes = std::vector<std::pair<std::string, std::string>>;
  const std::string path = Engine::kDecimalSeparatorPath;
  EXPECT_EQ(store.writes, (Writes{{path, "."}}));
  EXPECT_TRUE(form->close());
  EXPECT_EQ(aboutShown, 1);
  EXPECT_EQ(decimalWhenAboutShown, ",");
  EXPECT_EQ(store.writes, (Writes{{path, "."}, {path, ","}}));
}

TEST_F(StartUpTest, ClosingWithARejectedValueStillCloses) {
  Type(form->boy_text, "abc");
  Type(form->IndirimText, "150");
  EXPECT_TRUE(form->close());
  EXPECT_EQ(aboutShown, 1);
}

TEST_F(StartUpTest, FibreChangeRefillsTheListsAndKeepsTheTexts) {
  ClickOption(form->M50_option);
  EXPECT_EQ(Items(form->Sol_uc_kombo), kMultimodeCodes);
  EXPECT_EQ(Items(form->sag_uc_kombo), kMultimodeCodes);
  ClickOption(form->SM_option);
  EXPECT_EQ(Items(form->Sol_uc_kombo), kSingleModeCodes);

  Pick(form->Sol_uc_kombo, "SA");
  form->Kombolari_Doldur();
  form->Kombolari_Doldur();
  EXPECT_EQ(Items(form->Sol_uc_kombo), kSingleModeCodes);  // cleared first, never doubled
  EXPECT_EQ(form->Sol_uc_kombo->text(), "SA");
  EXPECT_EQ(engine->SelectionState.LeftConnector, "SA");
  EXPECT_EQ(Items(form->Kablo_kombo), kCables);
}

TEST_F(StartUpTest, TypingIntoTheComboBoxesAndTheLineChangesNothing) {
  form->Sol_uc_kombo->setFocus();
  form->Sol_uc_kombo->lineEdit()->selectAll();
  QTest::keyClicks(form->Sol_uc_kombo->lineEdit(), "LC");
  QTest::keyClick(form->Sol_uc_kombo->lineEdit(), Qt::Key_Return);
  form->Kablo_kombo->setFocus();
  form->Kablo_kombo->lineEdit()->selectAll();
  QTest::keyClicks(form->Kablo_kombo->lineEdit(), "Fig-0");
  QTest::keyClick(form->Kablo_kombo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(engine->SelectionState.LeftConnector, "SC");
  EXPECT_EQ(engine->SelectionState.CableCode, "1800");
  EXPECT_EQ(Items(form->Kablo_kombo), kCables);
  EXPECT_EQ(Line(), kDefaultLine);

  Type(form->KabloKodu_label, "anything");
  ClickOption(form->Dubleks_Option);
  EXPECT_EQ(Line().substr(0, 4), "C-D-");  // the next recomputation overwrites it
}

}  // namespace
}  // namespace lumor::testing
