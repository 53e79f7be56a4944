#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "colour_value.h"
#include "combo_box.h"
#include "command_button.h"
#include "form_builder.h"
#include "frame.h"
#include "image_slot.h"
#include "label.h"
#include "line.h"
#include "option_button.h"
#include "test_support.h"
#include "text_box.h"

namespace lumor::toolkit {
namespace {

using K = ControlKind;

// A cut-down main window: every kind, two arrays, a frame holding options, a
// borderless frame holding a label, tab indices out of order and on
// controls that take no focus.
const ControlRow kLayout[] = {
    {K::Frame, "Frame1", -1, nullptr, "Fiber Tipi / FiberType", 4920, 240, 2055, 1335, 3},
    {K::OptionButton, "SM_option", -1, "Frame1", "SM Single Mode", 240, 240, 1695, 375, 4},
    {K::OptionButton, "M50_option", -1, "Frame1", "MM 50/125", 240, 600, 1215, 255, 5},
    {K::Label, "Label2", 0, nullptr, "Sol Konnektör / Left Connector:", 360, 3600, 2295, 255, 17},
    {K::ComboBox,
     "Sol_uc_kombo",
     -1,
     nullptr,
     "SC",
     360,
     3960,
     1935,
     360,
     0,
     {"MS Sans Serif", 9.75, true}},
    {K::Label, "Label2", 1, nullptr, "Boy/Length (1-100m):", 3000, 3600, 1575, 255, 24},
    {K::TextBox, "boy_text", -1, nullptr, "10", 3480, 3930, 615, 285, 15},
    {K::ComboBox, "Kablo_kombo", -1, nullptr, "1800", 4920, 3930, 975, 315, 1},
    {.kind = K::Image,
     .name = "Image2",
     .index = 0,
     .left = 480,
     .top = 1800,
     .width = 1560,
     .height = 1560,
     .resource = ":/test/art/square.svg"},
    {.kind = K::Image,
     .name = "Image2",
     .index = 1,
     .left = 480,
     .top = 1800,
     .width = 1560,
     .height = 1560,
     .resource = ":/test/art/square.svg"},
    {.kind = K::PictureBox,
     .name = "Fig0Picture",
     .left = 3600,
     .top = 1800,
     .width = 2310,
     .height = 1560,
     .tabIndex = 30,
     .resource = ":/test/art/wide.svg"},
    {.kind = K::Line,
     .name = "Line1",
     .left = 0,
     .top = 6840,
     .width = 9840,
     .height = 6840,
     .foreColour = kDesktopColour,
     .lineWidth = 2},
    {.kind = K::Frame,
     .name = "Frame4",
     .caption = "Firma Bilgisi",
     .left = 6360,
     .top = 6960,
     .width = 3495,
     .height = 855,
     .tabIndex = 20,
     .border = false},
    {.kind = K::Label,
     .name = "Label4",
     .index = 0,
     .container = "Frame4",
     .caption = "VORN DIŞ ZODEVUR A.Ş.",
     .left = 1305,
     .top = 120,
     .width = 2190,
     .height = 195,
     .tabIndex = 21,
     .font = {"MS Sans Serif", 8.25, true},
     .foreColour = kDesktopColour},
    {.kind = K::CommandButton,
     .name = "cmdOK",
     .caption = "&Tamam-Çıkış",
     .left = 5640,
     .top = 7080,
     .width = 1260,
     .height = 345,
     .tabIndex = 40,
     .isDefault = true,
     .isCancel = true},
};

struct Window {
  QWidget window;
  ControlRegistry controls;

  Window() {
    window.resize(658, 522);
    FormBuilder builder(&window);
    builder.add(kLayout);
    auto* ole = new QWidget(&window);
    ole->setGeometry(496, 24, 96, 75);
    builder.adopt(ole, "OLE1", -1, 23);
    controls = builder.finish();
  }
};

QString shownText(QWidget* control) {
  if (auto* combo = qobject_cast<ComboBox*>(control)) return combo->text();
  if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
  return {};
}

struct PlacementCase {
  std::string name;
  const char* control;
  int index;
  const char* container;  // nullptr: the window
  const char* className;
  QRect geometry;
  QString text;
};
void PrintTo(const PlacementCase& row, std::ostream* out) { *out << row.name; }

class FormBuilderPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(FormBuilderPlacementTest, PlacesTheRowInItsContainer) {
  const PlacementCase& row = GetParam();
  Window w;
  QWidget* control = w.controls.get<QWidget>(row.control, row.index);
  QWidget* container = row.container ? w.controls.get<QWidget>(row.container) : &w.window;

  EXPECT_EQ(control->objectName(), row.control);
  EXPECT_EQ(control->property(ControlRegistry::kIndexProperty),
            row.index >= 0 ? QVariant(row.index) : QVariant());
  EXPECT_EQ(control->parentWidget(), container);
  EXPECT_STREQ(control->metaObject()->className(), row.className);
  EXPECT_EQ(control->geometry(), row.geometry);
  EXPECT_EQ(shownText(control), row.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormBuilderPlacementTest,
                         ::testing::Values(PlacementCase{"frame_on_the_window",
                                                         "Frame1",
                                                         -1,
                                                         nullptr,
                                                         "lumor::toolkit::Frame",
                                                         {328, 16, 137, 89},
                                                         "Fiber Tipi / FiberType"},
                                           PlacementCase{"option_relative_to_its_frame",
                                                         "M50_option",
                                                         -1,
                                                         "Frame1",
                                                         "lumor::toolkit::OptionButton",
                                                         {16, 40, 81, 17},
                                                         "MM 50/125"},
                                           PlacementCase{"array_member_by_index",
                                                         "Label2",
                                                         1,
                                                         nullptr,
                                                         "lumor::toolkit::Label",
                                                         {200, 240, 105, 17},
                                                         "Boy/Length (1-100m):"},
                                           PlacementCase{"combo_shows_its_initial_text",
                                                         "Sol_uc_kombo",
                                                         -1,
                                                         nullptr,
                                                         "lumor::toolkit::ComboBox",
                                                         {24, 264, 129, 24},
                                                         "SC"},
                                           PlacementCase{"text_box_shows_its_initial_text",
                                                         "boy_text",
                                                         -1,
                                                         nullptr,
                                                         "lumor::toolkit::TextBox",
                                                         {232, 262, 41, 19},
                                                         "10"},
                                           PlacementCase{
                                               "images_of_one_slot_lie_on_top_of_each_other",
                                               "Image2",
                                               1,
                                               nullptr,
                                               "lumor::toolkit::ImageSlot",
                                               {32, 120, 104, 104},
                                               ""},
                                           PlacementCase{"line_box_is_as_thick_as_its_pen",
                                                         "Line1",
                                                         -1,
                                                         nullptr,
                                                         "lumor::toolkit::Line",
                                                         {0, 456, 658, 2},
                                                         ""},
                                           PlacementCase{"utf8_caption_in_a_borderless_frame",
                                                         "Label4",
                                                         0,
                                                         "Frame4",
                                                         "lumor::toolkit::Label",
                                                         {87, 8, 146, 13},
                                                         "VORN DIŞ ZODEVUR A.Ş."},
                                           PlacementCase{"button_keeps_its_mnemonic",
                                                         "cmdOK",
                                                         -1,
                                                         nullptr,
                                                         "lumor::toolkit::CommandButton",
                                                         {376, 472, 84, 23},
                                                         "&Tamam-Çıkış"}),
                         testing::RowName{});

// The name of the control that has the focus (an editable combo's line edit
// counts as the combo).
std::string focusedControl() {
  for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
      const QVariant index = w->property(ControlRegistry::kIndexProperty);
      return w->objectName().toStdString() +
             (index.isValid() ? "(" + std::to_string(index.toInt()) + ")" : "");
    }
  }
  return "(none)";
}

struct TabCase {
  std::string name;
  const char* selected;  // option selected before tabbing, or nullptr
  std::vector<std::string> order;
};
void PrintTo(const TabCase& row, std::ostream* out) { *out << row.name; }

class FormBuilderTabOrderTest : public ::testing::TestWithParam<TabCase> {};

// Focus starts at tab index 0 and follows the indices; an option group is
// one stop, its selected option (arrows move inside it), as in the classic
// dialog manager.
TEST_P(FormBuilderTabOrderTest, TabFollowsTheTabIndices) {
  const TabCase& row = GetParam();
  Window w;
  if (row.selected) w.controls.get<OptionButton>(row.selected)->setValue(true);
  testing::showActive(w.window);

  std::vector<std::string> order{focusedControl()};
  while (order.size() < row.order.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order.push_back(focusedControl());
  }

  EXPECT_EQ(order, row.order);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormBuilderTabOrderTest,
    ::testing::Values(TabCase{"group_without_selection_stops_at_its_first_option",
                              nullptr,
                              {"Sol_uc_kombo", "Kablo_kombo", "SM_option", "boy_text", "OLE1",
                               "Fig0Picture", "cmdOK", "Sol_uc_kombo"}},
                      TabCase{"group_stops_at_its_selected_option",
                              "M50_option",
                              {"Sol_uc_kombo", "Kablo_kombo", "M50_option", "boy_text", "OLE1",
                               "Fig0Picture", "cmdOK", "Sol_uc_kombo"}}),
    testing::RowName{});

TEST(FormBuilderFocus, ControlsOfKindsWithoutFocusTakeNone) {
  Window w;
  for (const char* name : {"Frame1", "Frame4", "Line1"})
    EXPECT_EQ(w.controls.get<QWidget>(name)->focusPolicy(), Qt::NoFocus) << name;
  EXPECT_EQ(w.controls.get<QWidget>("Label4", 0)->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(w.controls.get<QWidget>("Image2", 0)->focusPolicy(), Qt::NoFocus);
  EXPECT_NE(w.controls.get<QWidget>("Fig0Picture")->focusPolicy(), Qt::NoFocus);
}

TEST(FormBuilderRegistry, TypedLookupFailsLoudly) {
  Window w;
  EXPECT_NE(w.controls.get<ComboBox>("Sol_uc_kombo"), nullptr);
  EXPECT_NE(w.controls.get<QComboBox>("Sol_uc_kombo"), nullptr);
  EXPECT_THROW(w.controls.get<TextBox>("Sol_uc_kombo"), std::logic_error);
  EXPECT_THROW(w.controls.get<Label>("Label2"), std::logic_error) << "an array needs its index";
  EXPECT_THROW(w.controls.get<Label>("Label2", 2), std::logic_error);
  EXPECT_THROW(w.controls.get<ImageSlot>("nothing"), std::logic_error);
}

struct BadRowCase {
  std::string name;
  ControlRow row;
};
void PrintTo(const BadRowCase& row, std::ostream* out) { *out << row.name; }

class FormBuilderBadRowTest : public ::testing::TestWithParam<BadRowCase> {};

TEST_P(FormBuilderBadRowTest, ThrowsAndLeavesNoStrayControl) {
  QWidget window;
  FormBuilder builder(&window);
  builder.add({.kind = K::Frame, .name = "Frame1", .tabIndex = -1});
  builder.add({.kind = K::TextBox, .name = "boy_text", .tabIndex = 15});
  const auto before = window.findChildren<QWidget*>().size();

  EXPECT_THROW(builder.add(GetParam().row), std::exception);
  EXPECT_EQ(window.findChildren<QWidget*>().size(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormBuilderBadRowTest,
    ::testing::Values(
        BadRowCase{"unknown_container", {.kind = K::Label, .name = "L", .container = "Frame9"}},
        BadRowCase{"name_taken", {.kind = K::Label, .name = "boy_text"}},
        BadRowCase{"tab_index_taken", {.kind = K::ComboBox, .name = "c", .tabIndex = 15}},
        BadRowCase{"missing_artwork",
                   {.kind = K::Image, .name = "Image9", .resource = ":/test/art/none.svg"}}),
    testing::RowName{});

// Frames, labels and options have no panels of their own; a label given a
// back colour does; a line paints its whole box and nothing beyond; a frame
// without border paints nothing at all.
TEST(FormBuilderPainting, ControlsShowTheWindowBackground) {
  const QColor back(200, 255, 200);
  const ControlRow layout[] = {
      {K::Frame, "Frame1", -1, nullptr, "x", 0, 0, 3000, 1500},
      {K::OptionButton, "Option1", -1, "Frame1", "x", 300, 300, 2400, 600},
      {K::Label, "Label1", -1, nullptr, "x", 3000, 0, 1500, 1500},
      {.kind = K::Label,
       .name = "Label2",
       .caption = "x",
       .left = 4500,
       .width = 1500,
       .height = 1500,
       .backColour = kCaptionTextColour},
      {.kind = K::Line,
       .name = "Line1",
       .left = 0,
       .top = 2400,
       .width = 6000,
       .height = 2400,
       .foreColour = rgbValue(128, 128, 128),
       .lineWidth = 2},
      {.kind = K::Frame,
       .name = "Frame2",
       .caption = "Firma Bilgisi",
       .left = 0,
       .top = 2550,
       .width = 3000,
       .height = 450,
       .border = false},
  };
  QWidget window;
  window.resize(400, 200);
  setBackColour(&window, rgbValue(200, 255, 200));
  buildForm(&window, layout);

  const QImage shot = window.grab().toImage();
  EXPECT_EQ(shot.pixelColor(150, 50), back) << "inside the option, inside the frame";
  EXPECT_EQ(shot.pixelColor(190, 90), back) << "inside the frame";
  EXPECT_EQ(shot.pixelColor(290, 90), back) << "inside the label";
  EXPECT_EQ(shot.pixelColor(390, 90), colourFromValue(kCaptionTextColour)) << "own back colour";
  EXPECT_EQ(shot.pixelColor(0, 160), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(200, 161), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(399, 160), QColor(128, 128, 128));
  EXPECT_EQ(shot.pixelColor(200, 159), back);
  EXPECT_EQ(shot.pixelColor(200, 162), back);
  int drawnByBorderlessFrame = 0;
  for (int y = 170; y < 200; ++y)
    for (int x = 0; x < 200; ++x) drawnByBorderlessFrame += shot.pixelColor(x, y) != back;
  EXPECT_EQ(drawnByBorderlessFrame, 0) << "a frame without border shows neither edge nor caption";
}

TEST(FormBuilderFonts, RowFontReplacesTheDefault) {
  Window w;
  const QFont combo = w.controls.get<QWidget>("Sol_uc_kombo")->font();
  EXPECT_EQ(combo.family(), "Liberation Sans");
  EXPECT_DOUBLE_EQ(combo.pointSizeF(), 9.75);
  EXPECT_TRUE(combo.bold());
  EXPECT_EQ(w.controls.get<QWidget>("Kablo_kombo")->font(), QApplication::font());
}

// A caption names its control for screen readers wherever it sits in the
// table, and a caption of a control that is missing is a broken table.
TEST(FormBuilderCaptions, NameTheControlTheyLabel) {
  QWidget window;
  FormBuilder builder(&window);
  const ControlRow rows[] = {
      {.kind = K::ComboBox, .name = "Combo1", .caption = "SC", .tabIndex = 0},
      {.kind = K::Label, .name = "Label1", .caption = "Sol / Left: ", .labelFor = "Combo1"},
      {.kind = K::Label, .name = "Label2", .caption = "Boy", .labelFor = "Text1"},
      {.kind = K::TextBox, .name = "Text1", .caption = "10", .tabIndex = 1}};
  builder.add(rows);
  const ControlRegistry controls = builder.finish();
  auto* combo = controls.get<ComboBox>("Combo1");
  EXPECT_EQ(combo->accessibleName().toStdString(), "Sol / Left");
  EXPECT_EQ(combo->lineEdit()->accessibleName().toStdString(), "Sol / Left");
  EXPECT_EQ(controls.get<Label>("Label1")->buddy(), combo);
  EXPECT_EQ(controls.get<TextBox>("Text1")->accessibleName().toStdString(), "Boy");
  EXPECT_EQ(combo->text().toStdString(), "SC") << "naming changes nothing on screen";

  QWidget other;
  FormBuilder broken(&other);
  broken.add({.kind = K::Label, .name = "Label1", .caption = "x", .labelFor = "Missing"});
  EXPECT_THROW(broken.finish(), std::logic_error);
}

}  // namespace
}  // namespace lumor::toolkit
