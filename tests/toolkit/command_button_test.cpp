#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "command_button.h"
#include "message_box.h"
#include "test_support.h"
#include "text_box.h"

namespace lumor::toolkit {
namespace {

// The About dialog's pair: OK is default and cancel, a second button beside
// it, and a text box to hold the focus.
struct Buttons {
  std::unique_ptr<QWidget> window;
  CommandButton* ok;
  CommandButton* other;
  TextBox* box;
  int okClicks = 0;
  int otherClicks = 0;

  explicit Buttons(bool dialog)
      : window(dialog ? std::make_unique<QDialog>() : std::make_unique<QWidget>()),
        ok(new CommandButton("&OK", window.get())),
        other(new CommandButton("&Other", window.get())),
        box(new TextBox(window.get())) {
    window->resize(300, 120);
    ok->setGeometry(10, 10, 80, 24);
    other->setGeometry(100, 10, 80, 24);
    box->setGeometry(10, 50, 100, 24);
    ok->setDefault(true);
    ok->setCancel(true);
    QObject::connect(ok, &CommandButton::Click, window.get(), [this] { ++okClicks; });
    QObject::connect(other, &CommandButton::Click, window.get(), [this] { ++otherClicks; });
  }
};

struct ButtonCase {
  std::string name;
  bool dialog;
  std::function<void(Buttons&)> act;
  int okClicks;
  int otherClicks;
};
void PrintTo(const ButtonCase& row, std::ostream* out) { *out << row.name; }

class CommandButtonTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(CommandButtonTest, PressedByMouseAndKeys) {
  const ButtonCase& row = GetParam();
  Buttons b(row.dialog);
  testing::showActive(*b.window);
  b.box->setFocus();

  row.act(b);

  // Synchronous: no event loop has run since the key.
  EXPECT_EQ(b.okClicks, row.okClicks);
  EXPECT_EQ(b.otherClicks, row.otherClicks);
  EXPECT_TRUE(b.window->isVisible()) << "the window closed itself";
}

// Keys go where the user's would: to the focused widget of the active window.
void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

const std::vector<ButtonCase> kButtonCases = {
    {"mouse_presses", false, [](Buttons& b) { QTest::mouseClick(b.other, Qt::LeftButton); }, 0, 1},
    {"enter_presses_the_default_button", false, [](Buttons&) { key(Qt::Key_Return); }, 1, 0},
    {"keypad_enter_presses_the_default_button", false, [](Buttons&) { key(Qt::Key_Enter); }, 1, 0},
    {"escape_presses_the_cancel_button", false, [](Buttons&) { key(Qt::Key_Escape); }, 1, 0},
    {"enter_on_a_focused_button_presses_that_one", false,
     [](Buttons& b) {
       b.other->setFocus();
       key(Qt::Key_Return);
     },
     0, 1},
    {"disabled_default_button_ignores_enter", false,
     [](Buttons& b) {
       b.ok->setEnabled(false);
       key(Qt::Key_Return);
     },
     0, 0},
    {"hidden_cancel_button_ignores_escape", false,
     [](Buttons& b) {
       b.ok->hide();
       key(Qt::Key_Escape);
     },
     0, 0},
    {"no_longer_default_ignores_enter", false,
     [](Buttons& b) {
       b.ok->setDefault(false);
       b.ok->setCancel(false);
       key(Qt::Key_Return);
       key(Qt::Key_Escape);
     },
     0, 0},
    {"in_a_dialog_enter_presses_at_once", true, [](Buttons&) { key(Qt::Key_Return); }, 1, 0},
    {"in_a_dialog_escape_presses_instead_of_rejecting", true, [](Buttons&) { key(Qt::Key_Escape); },
     1, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, CommandButtonTest, ::testing::ValuesIn(kButtonCases),
                         testing::RowName{});

// Reads the box the user would see, then closes it with its only button.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::Warning;
  qsizetype buttons = 0;
};

SeenBox showAndClose(const QString& text, const QString& title) {
  SeenBox seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll.stop();
    seen = {box->windowTitle(), box->text(), box->icon(), box->buttons().size()};
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  poll.start(10);
  messageBox(nullptr, text, title);
  return seen;
}

TEST(MessageBox, OkOnlyNoIconTitledWithTheApplicationByDefault) {
  const SeenBox untitled = showAndClose("System Information Is Unavailable At This Time", {});
  EXPECT_EQ(untitled.title, QApplication::applicationName());
  EXPECT_EQ(untitled.text, "System Information Is Unavailable At This Time");
  EXPECT_EQ(untitled.icon, QMessageBox::NoIcon);
  EXPECT_EQ(untitled.buttons, 1);

  EXPECT_EQ(showAndClose("text", "Own title").title, "Own title");
}

}  // namespace
}  // namespace lumor::toolkit
