#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "combo_box.h"
#include "test_support.h"
#include "text_box.h"

namespace lumor::toolkit {
namespace {

const QStringList kCodes = {"SC", "SA", "FC", "LC"};

// A box as the main window has it after start-up: filled, showing "SC",
// nothing current; and a text box to move the focus to.
struct Box {
  QWidget window;
  ComboBox* combo = new ComboBox(&window);
  TextBox* next = new TextBox(&window);
  int clicks = 0;
  QStringList textsAtClick;

  Box() {
    window.resize(300, 100);
    combo->setGeometry(10, 10, 120, 24);
    next->setGeometry(150, 10, 100, 24);
    QObject::connect(combo, &ComboBox::Click, &window, [this] {
      ++clicks;
      textsAtClick << combo->text();
    });
  }

  void fill() {
    for (const QString& code : kCodes) combo->AddItem(code);
  }
  QStringList items() const {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
    return list;
  }
  void typeAfterClearing(const QString& typed) {
    combo->setFocus();
    combo->setText(QString());
    QTest::keyClicks(combo, typed);
  }
  // The list as the user opens it; offscreen the popup is a real window.
  QAbstractItemView* openPopup() {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    return view;
  }
  void pickOnPopupWithMouse(int row) {
    QAbstractItemView* view = openPopup();
    const QRect item = view->visualRect(view->model()->index(row, 0));
    QTest::mouseMove(view->viewport(), item.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  }
  void pickOnPopupWithKeys(int row) {
    QAbstractItemView* view = openPopup();
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
  }
};

struct ComboCase {
  std::string name;
  bool filled;  // the four codes listed, text "SC"; otherwise empty, text "SC"
  std::function<void(Box&)> act;
  int clicks;
  QString text;
  QStringList items;
};
void PrintTo(const ComboCase& row, std::ostream* out) { *out << row.name; }

class ComboBoxTest : public ::testing::TestWithParam<ComboCase> {};

TEST_P(ComboBoxTest, ClickOnlyForTheUsersPick) {
  const ComboCase& row = GetParam();
  Box b;
  b.combo->setText("SC");
  if (row.filled) b.fill();
  testing::showActive(b.window);

  row.act(b);

  EXPECT_EQ(b.clicks, row.clicks);
  EXPECT_EQ(b.combo->text(), row.text);
  EXPECT_EQ(b.items(), row.items);
  // Whenever Click ran, the box already showed the picked item.
  for (const QString& seen : b.textsAtClick) EXPECT_EQ(seen, row.text);
}

const std::vector<ComboCase> kComboCases = {
    {"first_add_item_keeps_the_text_and_selects_nothing",
     false,
     [](Box& b) {
       b.combo->AddItem("FC");
       EXPECT_EQ(b.combo->currentIndex(), -1);
     },
     0,
     "SC",
     {"FC"}},
    {"add_item_appends_at_the_end", false, [](Box& b) { b.fill(); }, 0, "SC", kCodes},
    {"add_item_keeps_an_empty_text_empty", false,
     [](Box& b) {
       b.combo->setText(QString());
       b.fill();
     },
     0, "", kCodes},
    {"clear_empties_list_and_text", true, [](Box& b) { b.combo->Clear(); }, 0, "", {}},
    {"clear_of_an_empty_list_empties_the_text", false, [](Box& b) { b.combo->Clear(); }, 0, "", {}},
    {"set_text_raises_nothing_even_for_a_listed_item", true, [](Box& b) { b.combo->setText("LC"); },
     0, "LC", kCodes},
    {"set_text_keeps_an_unlisted_text", true, [](Box& b) { b.combo->setText("EA"); }, 0, "EA",
     kCodes},
    {"typing_raises_nothing_and_is_not_completed", true, [](Box& b) { b.typeAfterClearing("S"); },
     0, "S", kCodes},
    {"enter_after_typing_a_listed_item_raises_nothing", true,
     [](Box& b) {
       b.typeAfterClearing("FC");
       QTest::keyClick(b.combo, Qt::Key_Return);
     },
     0, "FC", kCodes},
    {"enter_after_typing_an_unlisted_text_adds_nothing", true,
     [](Box& b) {
       b.typeAfterClearing("XY");
       QTest::keyClick(b.combo, Qt::Key_Return);
     },
     0, "XY", kCodes},
    {"leaving_after_typing_a_listed_item_raises_nothing", true,
     [](Box& b) {
       b.typeAfterClearing("FC");
       b.next->setFocus();
       EXPECT_TRUE(b.next->hasFocus());
     },
     0, "FC", kCodes},
    {"down_picks_the_item_after_the_shown_one", true,
     [](Box& b) { QTest::keyClick(b.combo, Qt::Key_Down); }, 1, "SA", kCodes},
    {"down_after_a_code_write_starts_at_the_written_item", true,
     [](Box& b) {
       b.combo->setText("FC");
       QTest::keyClick(b.combo, Qt::Key_Down);
     },
     1, "LC", kCodes},
    {"down_on_an_unlisted_text_picks_the_first_item", true,
     [](Box& b) {
       b.combo->setText("XY");
       QTest::keyClick(b.combo, Qt::Key_Down);
     },
     1, "SC", kCodes},
    {"up_on_the_first_item_raises_nothing", true,
     [](Box& b) { QTest::keyClick(b.combo, Qt::Key_Up); }, 0, "SC", kCodes},
    {"down_on_the_last_item_raises_nothing", true,
     [](Box& b) {
       b.combo->setText("LC");
       QTest::keyClick(b.combo, Qt::Key_Down);
     },
     0, "LC", kCodes},
    {"down_on_a_disabled_box_raises_nothing", true,
     [](Box& b) {
       b.combo->setEnabled(false);
       QTest::keyClick(b.combo, Qt::Key_Down);
     },
     0, "SC", kCodes},
    {"popup_pick_by_mouse_clicks_with_the_item", true, [](Box& b) { b.pickOnPopupWithMouse(2); }, 1,
     "FC", kCodes},
    {"popup_pick_by_enter_clicks_with_the_item", true, [](Box& b) { b.pickOnPopupWithKeys(3); }, 1,
     "LC", kCodes},
    {"popup_pick_of_the_shown_item_still_clicks", true, [](Box& b) { b.pickOnPopupWithKeys(0); }, 1,
     "SC", kCodes},
    {"popup_pick_after_typing_replaces_the_typed_text", true,
     [](Box& b) {
       b.typeAfterClearing("xyz");
       b.pickOnPopupWithKeys(1);
     },
     1, "SA", kCodes},
    {"escape_on_the_popup_raises_nothing", true,
     [](Box& b) {
       QTest::keyClick(b.openPopup(), Qt::Key_Escape);
       EXPECT_FALSE(b.combo->view()->isVisible());
     },
     0, "SC", kCodes},
};

INSTANTIATE_TEST_SUITE_P(Rows, ComboBoxTest, ::testing::ValuesIn(kComboCases), testing::RowName{});

// The popup opens on the item the box shows, so Enter on it picks that item
// rather than nothing.
TEST(ComboBoxPopup, OpensOnTheShownItem) {
  Box b;
  b.fill();
  b.combo->setText("FC");
  testing::showActive(b.window);

  QAbstractItemView* view = b.openPopup();

  EXPECT_EQ(view->currentIndex().row(), 2);
  EXPECT_EQ(b.combo->text(), "FC");
  b.combo->hidePopup();
}

}  // namespace
}  // namespace lumor::toolkit

namespace lumor::toolkit {
namespace {

// Qt's edit field would cut both at 32767 characters.
TEST(ComboBoxText, ALongTextIsKeptWholeWhetherPastedOrWritten) {
  Box b;
  b.fill();
  testing::showActive(b.window);
  const QString longText = QStringLiteral("SC") + QString(40000, 'x');
  b.combo->setText(longText);
  EXPECT_EQ(b.combo->text().size(), longText.size());

  const QString saved = QGuiApplication::clipboard()->text();
  QGuiApplication::clipboard()->setText(longText + QStringLiteral("y"));
  b.combo->setFocus();
  b.combo->lineEdit()->selectAll();
  QTest::keyClick(b.combo->lineEdit(), Qt::Key_V, Qt::ControlModifier);
  QGuiApplication::clipboard()->setText(saved);
  EXPECT_EQ(b.combo->text().size(), longText.size() + 1);
  EXPECT_EQ(b.clicks, 0);
}

}  // namespace
}  // namespace lumor::toolkit
