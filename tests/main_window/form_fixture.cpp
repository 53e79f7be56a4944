#include "form_fixture.h"

#include <QAbstractItemView>
#include <QTest>

#include "combo_box.h"
#include "image_slot.h"
#include "option_button.h"
#include "text_box.h"

namespace lumor::testing {

FormHarness::FormHarness() {
  store.values[Engine::kDecimalSeparatorPath] = ",";
  store.values[Engine::kGroupingSeparatorPath] = ".";
  engine = std::make_unique<Engine>(store);
  form = std::make_unique<Lumor_ana_form>(
      *engine, MainWindowServices{
                   .documentOpener = opener,
                   .showAbout =
                       [this] {
                         ++aboutShown;
                         decimalWhenAboutShown = store.values[Engine::kDecimalSeparatorPath];
                       },
                   .showMessage = [this](QWidget*, const QString& text) { messages << text; }});
  form->Form_Load();
  form->show();
  form->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

FormHarness::~FormHarness() = default;

void FormHarness::Pick(toolkit::ComboBox* combo, const QString& item, bool byMouse) {
  const int row = combo->findText(item, Qt::MatchExactly);
  ASSERT_GE(row, 0) << item.toStdString() << " is not listed";
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  const QModelIndex index = view->model()->index(row, 0);
  if (byMouse) {
    const QPoint at = view->visualRect(index).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  } else {
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_Return);
  }
}

void FormHarness::ClickOption(toolkit::OptionButton* option) {
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void FormHarness::Type(toolkit::TextBox* box, const QString& text) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(box, Qt::Key_Delete);
    return;
  }
  QTest::keyClicks(box, text);
}

QStringList FormHarness::Items(toolkit::ComboBox* combo) const {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

namespace {

template <std::size_t N>
std::vector<int> Visible(const std::array<toolkit::ImageSlot*, N>& stack, const QWidget* window) {
  std::vector<int> shown;
  for (std::size_t i = 0; i < N; ++i) {
    if (stack[i]->isVisibleTo(window)) shown.push_back(static_cast<int>(i));
  }
  return shown;
}

}  // namespace

std::vector<int> FormHarness::VisibleLeft() const { return Visible(form->Image2, form.get()); }
std::vector<int> FormHarness::VisibleRight() const { return Visible(form->Image3, form.get()); }

std::string FormHarness::VisibleMiddle() const {
  std::string shown;
  const std::pair<const toolkit::ImageSlot*, const char*> middle[] = {
      {form->Image4, "Image4"}, {form->Image5, "Image5"}, {form->Fig0Picture, "Fig0Picture"}};
  for (const auto& [photo, name] : middle) {
    if (!photo->isVisibleTo(form.get())) continue;
    if (!shown.empty()) shown += "+";
    shown += name;
  }
  return shown;
}

bool FormHarness::MultimodeEnabled() const {
  EXPECT_EQ(form->M50_option->isEnabled(), form->M62_Option->isEnabled());
  return form->M50_option->isEnabled();
}

std::string FormHarness::Line() const { return form->KabloKodu_label->text().toStdString(); }

}  // namespace lumor::testing
