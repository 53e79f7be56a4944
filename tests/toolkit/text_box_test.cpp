#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"
#include "text_box.h"

namespace lumor::toolkit {
namespace {

struct Box {
  QWidget window;
  TextBox* box = new TextBox(&window);
  QStringList textsAtChange;

  Box() {
    window.resize(200, 60);
    box->setGeometry(10, 10, 150, 24);
    box->setText("10");
    QObject::connect(box, &TextBox::Change, &window, [this] { textsAtChange << box->text(); });
  }
};

// The clipboard is shared with every other test; put it back.
class ClipboardText {
 public:
  explicit ClipboardText(const QString& text) : m_saved(QGuiApplication::clipboard()->text()) {
    QGuiApplication::clipboard()->setText(text);
  }
  ~ClipboardText() { QGuiApplication::clipboard()->setText(m_saved); }

 private:
  QString m_saved;
};

struct TextCase {
  std::string name;
  std::function<void(Box&)> act;
  QStringList textsAtChange;  // one entry per Change, as the box read then
  QString text;
};
void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }

class TextBoxTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextBoxTest, ChangeForEveryNewText) {
  const TextCase& row = GetParam();
  Box b;
  testing::showActive(b.window);
  b.box->setFocus();
  b.box->end(false);

  row.act(b);

  EXPECT_EQ(b.textsAtChange, row.textsAtChange);
  EXPECT_EQ(b.box->text(), row.text);
}

const QString kLongText(100000, QChar('7'));

const std::vector<TextCase> kTextCases = {
    {"typing_raises_change_per_key",
     [](Box& b) { QTest::keyClicks(b.box, "05"); },
     {"100", "1005"},
     "1005"},
    {"backspace_raises_change",
     [](Box& b) { QTest::keyClick(b.box, Qt::Key_Backspace); },
     {"1"},
     "1"},
    {"set_text_raises_change_before_returning",
     [](Box& b) {
       b.box->setText("7");
       EXPECT_EQ(b.textsAtChange.size(), 1);
     },
     {"7"},
     "7"},
    {"set_text_to_the_same_text_raises_nothing", [](Box& b) { b.box->setText("10"); }, {}, "10"},
    {"typing_over_a_selection_with_the_same_character_raises_nothing",
     [](Box& b) {
       b.box->setSelection(1, 1);
       QTest::keyClick(b.box, Qt::Key_0);
     },
     {},
     "10"},
    {"emptying_raises_change_once", [](Box& b) { b.box->setText(QString()); }, {""}, ""},
    {"paste_raises_change_once_and_keeps_a_long_text_whole",
     [](Box& b) {
       ClipboardText clipboard(kLongText);
       b.box->selectAll();
       QTest::keyClick(b.box, Qt::Key_V, Qt::ControlModifier);
     },
     {kLongText},
     kLongText},
    {"long_text_written_by_code_is_kept_whole",
     [](Box& b) { b.box->setText(kLongText); },
     {kLongText},
     kLongText},
    {"cut_raises_change",
     [](Box& b) {
       ClipboardText clipboard{QString()};
       b.box->selectAll();
       QTest::keyClick(b.box, Qt::Key_X, Qt::ControlModifier);
     },
     {""},
     ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, TextBoxTest, ::testing::ValuesIn(kTextCases), testing::RowName{});

// A handler that clears its own box when it holds "x", the way a rejected
// input is cleared: the nested Change runs to its end inside the outer one,
// and the cleared text is what stays.
struct NestedCase {
  std::string name;
  std::function<void(Box&)> write;
};
void PrintTo(const NestedCase& row, std::ostream* out) { *out << row.name; }

class TextBoxNestingTest : public ::testing::TestWithParam<NestedCase> {};

TEST_P(TextBoxNestingTest, HandlerClearingItsOwnBoxRunsNested) {
  Box b;
  testing::showActive(b.window);
  b.box->setText(QString());
  b.textsAtChange.clear();
  std::vector<std::string> log;
  QObject::connect(b.box, &TextBox::Change, &b.window, [&] {
    const std::string seen = b.box->text().toStdString();
    log.push_back("begin '" + seen + "'");
    if (seen == "x") b.box->setText(QString());
    log.push_back("end '" + seen + "'");
  });

  GetParam().write(b);

  EXPECT_EQ(log, (std::vector<std::string>{"begin 'x'", "begin ''", "end ''", "end 'x'"}));
  EXPECT_EQ(b.box->text(), "");
  // The box stays usable: the next key is a normal change.
  QTest::keyClick(b.box, Qt::Key_5);
  EXPECT_EQ(b.box->text(), "5");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextBoxNestingTest,
    ::testing::Values(NestedCase{"typed", [](Box& b) { QTest::keyClick(b.box, Qt::Key_X); }},
                      NestedCase{"written_by_code", [](Box& b) { b.box->setText("x"); }},
                      NestedCase{"pasted",
                                 [](Box& b) {
                                   ClipboardText clipboard("x");
                                   QTest::keyClick(b.box, Qt::Key_V, Qt::ControlModifier);
                                 }}),
    testing::RowName{});

// A write from code shows the start of the text, however it comes.
struct ViewCase {
  std::string name;
  std::function<void(Box&, const QString&)> write;
};
void PrintTo(const ViewCase& row, std::ostream* out) { *out << row.name; }

class TextBoxViewTest : public ::testing::TestWithParam<ViewCase> {};

// The first character sits at the box's left edge once it has painted.
int FirstShownPosition(TextBox* box) {
  (void)box->grab();  // Qt scrolls the text when it paints
  return box->cursorPositionAt(QPoint(box->contentsRect().left() + 4, box->height() / 2));
}

TEST_P(TextBoxViewTest, AWriteFromCodeShowsTheStart) {
  Box b;
  testing::showActive(b.window);
  const QString longText = QStringLiteral("C-S-SM-EA-100-SL1800-EA    ") + QString(200, 'x');
  GetParam().write(b, longText);
  ASSERT_EQ(b.box->text(), longText);
  EXPECT_EQ(FirstShownPosition(b.box), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextBoxViewTest,
    ::testing::Values(ViewCase{"unfocused", [](Box& b, const QString& t) { b.box->setText(t); }},
                      ViewCase{"focused_after_typing_at_the_end",
                               [](Box& b, const QString& t) {
                                 b.box->setFocus();
                                 b.box->end(false);
                                 QTest::keyClicks(b.box, QString(100, '7'));
                                 b.box->setText(t);
                               }},
                      // A Change handler writing its own box, as the length check does.
                      ViewCase{"written_by_its_own_change_handler",
                               [](Box& b, const QString& t) {
                                 b.box->setFocus();
                                 QObject::connect(b.box, &TextBox::Change, &b.window, [&b, t] {
                                   if (b.box->text() != t) b.box->setText(t);
                                 });
                                 QTest::keyClick(b.box, Qt::Key_5);
                               }}),
    testing::RowName{});

TEST(TextBoxView, TypingKeepsTheCursorWhereTheUserPutIt) {
  Box b;
  testing::showActive(b.window);
  b.box->setText(QString(200, '1'));
  b.box->setFocus();
  b.box->end(false);
  QTest::keyClicks(b.box, QStringLiteral("23"));
  EXPECT_EQ(b.box->cursorPosition(), 202);
  EXPECT_GT(FirstShownPosition(b.box), 0) << "the end the user types at stays in view";
}

TEST(TextBoxForeColor, PaintsTheTextInTheGivenColour) {
  const auto hasRedText = [](TextBox* box) {
    const QImage image = box->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 180 && c.green() < 80 && c.blue() < 80) return true;
      }
    return false;
  };
  Box b;
  b.box->setText("WWWW");

  b.box->setForeColor(255);
  EXPECT_TRUE(hasRedText(b.box));

  b.box->setForeColor(0x80000008);
  EXPECT_FALSE(hasRedText(b.box));
}

}  // namespace
}  // namespace lumor::toolkit
