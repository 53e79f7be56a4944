#include <gtest/gtest.h>

#include <QTest>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "option_button.h"
#include "test_support.h"

namespace lumor::toolkit {
namespace {

// Three options in one container, stacked as in an option frame, and a
// fourth in a container of its own.
struct Options {
  QWidget window;
  QWidget* group = new QWidget(&window);
  QWidget* otherGroup = new QWidget(&window);
  std::array<OptionButton*, 4> option{};
  std::array<int, 4> clicks{};
  bool aloneWhenClicked = true;  // no other option of its group selected during Click

  Options() {
    window.resize(300, 200);
    group->setGeometry(0, 0, 150, 120);
    otherGroup->setGeometry(150, 0, 150, 120);
    for (int i = 0; i < 4; ++i) {
      QWidget* parent = i < 3 ? group : otherGroup;
      option[i] = new OptionButton(QString("option %1").arg(i), parent);
      option[i]->setGeometry(10, 10 + 30 * (i % 3), 120, 24);
      QObject::connect(option[i], &OptionButton::Click, &window, [this, i] {
        ++clicks[i];
        for (int j = 0; j < 4; ++j) {
          if (j != i && option[j]->parentWidget() == option[i]->parentWidget() &&
              option[j]->value())
            aloneWhenClicked = false;
        }
      });
    }
  }
};

struct OptionCase {
  std::string name;
  int selectedBefore;  // -1: none
  int disabled;        // -1: none
  int focused;         // -1: none
  std::function<void(Options&)> act;
  std::array<int, 4> clicks;
  std::array<bool, 4> values;
};
void PrintTo(const OptionCase& row, std::ostream* out) { *out << row.name; }

void click(OptionButton* option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, 12)); }

class OptionButtonTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionButtonTest, RaisesClickOnlyWhenSelected) {
  const OptionCase& row = GetParam();
  Options o;
  testing::showActive(o.window);
  if (row.selectedBefore >= 0) o.option[row.selectedBefore]->setValue(true);
  if (row.disabled >= 0) o.option[row.disabled]->setEnabled(false);
  if (row.focused >= 0) o.option[row.focused]->setFocus();
  o.clicks = {};

  row.act(o);

  EXPECT_EQ(o.clicks, row.clicks);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(o.option[i]->value(), row.values[i]) << "option " << i;
  EXPECT_TRUE(o.aloneWhenClicked) << "Click ran before the previous option was deselected";
}

const std::vector<OptionCase> kOptionCases = {
    {"set_true_on_unselected_clicks_before_returning",
     -1,
     -1,
     -1,
     [](Options& o) {
       o.option[0]->setValue(true);
       EXPECT_EQ(o.clicks[0], 1) << "Click must have run inside setValue";
     },
     {1, 0, 0, 0},
     {true, false, false, false}},
    {"set_true_on_selected_raises_nothing",
     0,
     -1,
     -1,
     [](Options& o) { o.option[0]->setValue(true); },
     {0, 0, 0, 0},
     {true, false, false, false}},
    {"set_true_deselects_the_previous_one_silently",
     0,
     -1,
     -1,
     [](Options& o) { o.option[1]->setValue(true); },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"set_false_deselects_the_selected_option_of_a_group",
     1,
     -1,
     -1,
     [](Options& o) { o.option[1]->setValue(false); },
     {0, 0, 0, 0},
     {false, false, false, false}},
    {"set_false_on_unselected_changes_nothing",
     1,
     -1,
     -1,
     [](Options& o) { o.option[0]->setValue(false); },
     {0, 0, 0, 0},
     {false, true, false, false}},
    {"set_true_on_a_disabled_option_still_clicks",
     -1,
     1,
     -1,
     [](Options& o) { o.option[1]->setValue(true); },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"other_container_is_a_group_of_its_own",
     0,
     -1,
     -1,
     [](Options& o) { o.option[3]->setValue(true); },
     {0, 0, 0, 1},
     {true, false, false, true}},
    {"mouse_selects_and_clicks",
     0,
     -1,
     -1,
     [](Options& o) { click(o.option[2]); },
     {0, 0, 1, 0},
     {false, false, true, false}},
    {"mouse_on_the_selected_option_raises_nothing",
     2,
     -1,
     -1,
     [](Options& o) { click(o.option[2]); },
     {0, 0, 0, 0},
     {false, false, true, false}},
    {"mouse_on_a_disabled_option_raises_nothing",
     0,
     1,
     -1,
     [](Options& o) { click(o.option[1]); },
     {0, 0, 0, 0},
     {true, false, false, false}},
    {"space_selects_the_focused_option",
     -1,
     -1,
     1,
     [](Options& o) { QTest::keyClick(o.option[1], Qt::Key_Space); },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"down_selects_the_next_option",
     0,
     -1,
     0,
     [](Options& o) { QTest::keyClick(o.option[0], Qt::Key_Down); },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"right_selects_the_next_option",
     0,
     -1,
     0,
     [](Options& o) { QTest::keyClick(o.option[0], Qt::Key_Right); },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"up_selects_the_previous_option",
     1,
     -1,
     1,
     [](Options& o) { QTest::keyClick(o.option[1], Qt::Key_Up); },
     {1, 0, 0, 0},
     {true, false, false, false}},
    {"down_from_the_last_option_wraps_to_the_first",
     2,
     -1,
     2,
     [](Options& o) { QTest::keyClick(o.option[2], Qt::Key_Down); },
     {1, 0, 0, 0},
     {true, false, false, false}},
    {"down_skips_a_disabled_option",
     0,
     1,
     0,
     [](Options& o) { QTest::keyClick(o.option[0], Qt::Key_Down); },
     {0, 0, 1, 0},
     {false, false, true, false}},
    {"down_from_an_unselected_focused_option_selects_the_next",
     -1,
     -1,
     0,
     [](Options& o) { QTest::keyClick(o.option[0], Qt::Key_Down); },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"down_moves_the_focus_with_the_selection",
     0,
     -1,
     0,
     [](Options& o) {
       QTest::keyClick(o.option[0], Qt::Key_Down);
       EXPECT_TRUE(o.option[1]->hasFocus());
     },
     {0, 1, 0, 0},
     {false, true, false, false}},
    {"down_in_a_group_of_one_raises_nothing",
     3,
     -1,
     3,
     [](Options& o) { QTest::keyClick(o.option[3], Qt::Key_Down); },
     {0, 0, 0, 0},
     {false, false, false, true}},
};

INSTANTIATE_TEST_SUITE_P(Rows, OptionButtonTest, ::testing::ValuesIn(kOptionCases),
                         testing::RowName{});

// A handler that selects another option of its group: the nested Click runs
// to its end inside the assignment, then the outer handler goes on.
TEST(OptionButtonNesting, ClickHandlerSelectingASiblingRunsItNested) {
  Options o;
  std::vector<std::string> log;
  QObject::connect(o.option[0], &OptionButton::Click, &o.window, [&] {
    log.push_back("0 begins");
    o.option[1]->setValue(true);
    log.push_back(o.option[0]->value() ? "0 ends selected" : "0 ends deselected");
  });
  QObject::connect(o.option[1], &OptionButton::Click, &o.window, [&] { log.push_back("1 runs"); });

  o.option[0]->setValue(true);

  EXPECT_EQ(log, (std::vector<std::string>{"0 begins", "1 runs", "0 ends deselected"}));
  EXPECT_EQ(o.clicks, (std::array<int, 4>{1, 1, 0, 0}));
  EXPECT_FALSE(o.option[0]->value());
  EXPECT_TRUE(o.option[1]->value());
}

}  // namespace
}  // namespace lumor::toolkit
