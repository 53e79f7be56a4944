#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <set>

#include "catalogue_icon.h"
#include "combo_box.h"
#include "form_fixture.h"
#include "image_slot.h"
#include "option_button.h"
#include "text_box.h"

namespace lumor::testing {
namespace {

class LayoutTest : public FormFixture {
 protected:
  // One of the window's own controls, not a part Qt made inside one.
  bool IsControl(QWidget* w) const {
    const QVariant index = w->property("index");
    return !w->objectName().isEmpty() &&
           form->Controls().find(w->objectName().toStdString(),
                                 index.isValid() ? index.toInt() : -1) == w;
  }
};

QString CaptionOf(const QWidget* w) {
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* c = qobject_cast<const toolkit::ComboBox*>(w)) return c->text();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  return {};
}

// Rows copied from the design figures, in pixels (twips / 15), so that a
// slip in the layout table shows up here.
struct Row {
  const char* name;
  int index;
  const char* className;
  const char* container;
  const char* caption;  // nullptr: not checked
  QRect geometry;
};

const Row kRows[] = {
    {"Frame3",
     -1,
     "lumor::toolkit::Frame",
     "Lumor_ana_form",
     "Kablo-Tipi / Jumper Type",
     {24, 16, 137, 89}},
    {"PigTail_Option", -1, "lumor::toolkit::OptionButton", "Frame3", "Pig-tail", {16, 24, 65, 17}},
    {"Dubleks_Option", -1, "lumor::toolkit::OptionButton", "Frame2", "Dubleks", {8, 48, 73, 25}},
    {"M62_Option", -1, "lumor::toolkit::OptionButton", "Frame1", "MM 62.5/125", {16, 56, 113, 25}},
    {"Sol_uc_kombo", -1, "lumor::toolkit::ComboBox", "Lumor_ana_form", "SC", {24, 264, 129, 24}},
    {"Kablo_kombo", -1, "lumor::toolkit::ComboBox", "Lumor_ana_form", "1800", {328, 262, 65, 21}},
    {"boy_text", -1, "lumor::toolkit::TextBox", "Lumor_ana_form", "10", {232, 262, 41, 19}},
    {"Label1", 0, "lumor::toolkit::Label", "Lumor_ana_form", "µ (mikron)", {392, 262, 49, 17}},
    {"Label3",
     -1,
     "lumor::toolkit::Label",
     "Lumor_ana_form",
     "Sağ Konnektör/Right Connector:",
     {464, 240, 169, 17}},
    {"Label6",
     -1,
     "lumor::toolkit::Label",
     "Lumor_ana_form",
     "Fiyat İndirim Oranı / Predefined Discount (%):",
     {32, 368, 217, 17}},
    {"Label7",
     2,
     "lumor::toolkit::Label",
     "Lumor_ana_form",
     "Sipariş Kodu - Açıklaması ve Fiyat / Order Code - Description and Final Discounted Price:",
     {16, 392, 585, 25}},
    {"IndirimText", -1, "lumor::toolkit::TextBox", "Lumor_ana_form", "0", {264, 366, 33, 19}},
    {"KabloKodu_label",
     -1,
     "lumor::toolkit::TextBox",
     "Lumor_ana_form",
     nullptr,
     {16, 416, 593, 25}},
    {"Image2", 13, "lumor::toolkit::ImageSlot", "Lumor_ana_form", nullptr, {32, 120, 104, 104}},
    {"Fig0Picture",
     -1,
     "lumor::toolkit::ImageSlot",
     "Lumor_ana_form",
     nullptr,
     {240, 120, 154, 104}},
    {"Image3", 15, "lumor::toolkit::ImageSlot", "Lumor_ana_form", nullptr, {504, 120, 104, 104}},
    {"Image6", -1, "lumor::toolkit::ImageSlot", "Lumor_ana_form", nullptr, {0, 472, 140, 50}},
    {"Label4", 0, "lumor::toolkit::Label", "Frame4", "VORN DIŞ ZODEVUR A.Ş.", {87, 8, 146, 13}},
    {"OLE1", -1, "lumor::CatalogueIcon", "Lumor_ana_form", nullptr, {496, 24, 96, 75}},
};

TEST_F(LayoutTest, ControlsMatchTheDesignFigures) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(toolkit::ControlRegistry::describe(row.name, row.index));
    QWidget* w = form->Controls().find(row.name, row.index);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), row.name);
    EXPECT_STREQ(w->metaObject()->className(), row.className);
    EXPECT_EQ(w->parentWidget()->objectName(), row.container);
    if (row.caption) {
      EXPECT_EQ(CaptionOf(w), QString::fromUtf8(row.caption));
    }
    EXPECT_EQ(w->geometry(), row.geometry);
  }
}

TEST_F(LayoutTest, WindowIsFixedCentredAndCaptioned) {
  EXPECT_EQ(form->Controls().size(), 65u);
  EXPECT_EQ(form->size(), QSize(658, 522));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(form->windowTitle(),
            QString::fromUtf8("Lumor - VORN DIŞ ZODEVUR A.Ş. Patch cord ve Pig-Tail Müşteri "
                              "Programı / Customer Program"));
  EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(LayoutTest, KeyboardFocusFollowsTheTabIndexes) {
  const std::vector<QString> expected = {
      "Sol_uc_kombo", "Kablo_kombo",     "sag_uc_kombo",   "SM_option",      "M50_option",
      "M62_Option",   "Simpleks_option", "Dubleks_Option", "PigTail_Option", "PatchCord_Option",
      "boy_text",     "KabloKodu_label", "OLE1",           "IndirimText",    "Fig0Picture"};
  std::vector<QString> chain;
  std::set<QWidget*> seen;
  QWidget* w = form->Controls().find("Sol_uc_kombo");
  while (w && seen.insert(w).second) {
    // The combo boxes' own edit fields sit in the chain behind their box.
    // Unselected options drop out of Tab (it goes to a group's selected
    // option) but keep their place in the order.
    if (IsControl(w) && w->focusPolicy() != Qt::NoFocus) {
      chain.push_back(w->objectName());
    }
    w = w->nextInFocusChain();
  }
  EXPECT_EQ(chain, expected);
}

TEST_F(LayoutTest, PhotoStacksShareOneRectangleInsideTheWindow) {
  for (const auto* photo : form->Image2) EXPECT_EQ(photo->geometry(), form->Image2[0]->geometry());
  for (const auto* photo : form->Image3) EXPECT_EQ(photo->geometry(), form->Image3[0]->geometry());
  EXPECT_EQ(form->Image4->geometry(), form->Fig0Picture->geometry());
  EXPECT_EQ(form->Image5->geometry(), form->Fig0Picture->geometry());
  // Left slot, then the cable, then the right end: one assembled jumper.
  EXPECT_LT(form->Image2[0]->geometry().right(), form->Image4->geometry().left());
  EXPECT_LT(form->Image4->geometry().right(), form->Image3[0]->geometry().left());

  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (!IsControl(w)) continue;
    const QRect inWindow(w->mapTo(form.get(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(form->rect().contains(inWindow))
        << w->objectName().toStdString() << " leaves the client area";
  }
}

}  // namespace
}  // namespace lumor::testing
