#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <ostream>
#include <vector>

#include "catalogue_icon.h"
#include "combo_box.h"
#include "form_fixture.h"
#include "image_slot.h"
#include "temporary_cache.h"
#include "text_box.h"

namespace lumor::testing {
namespace {

QAccessibleInterface* Accessible(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  if (iface == nullptr) ADD_FAILURE() << "no accessible interface";
  return iface;
}

QString Name(QObject* object) { return Accessible(object)->text(QAccessible::Name); }

struct Caption {
  const char* control;
  const char* name;
};

void PrintTo(const Caption& row, std::ostream* os) { *os << row.control; }

class CaptionNameTest : public FormFixture, public ::testing::WithParamInterface<Caption> {};

// Named by the label beside it, never by the value it happens to hold.
INSTANTIATE_TEST_SUITE_P(
    Boxes, CaptionNameTest,
    ::testing::Values(Caption{"Sol_uc_kombo", "Sol Konnektör / Left Connector"},
                      Caption{"sag_uc_kombo", "Sağ Konnektör/Right Connector"},
                      Caption{"Kablo_kombo", "Kablo Çapı/Cable Diameter"},
                      Caption{"boy_text", "Boy/Length (1-100m)"},
                      Caption{"IndirimText", "Fiyat İndirim Oranı / Predefined Discount (%)"},
                      Caption{
                          "KabloKodu_label",
                          "Sipariş Kodu - Açıklaması ve Fiyat / Order Code - Description and Final "
                          "Discounted Price"}),
    [](const auto& info) { return std::string(info.param.control); });

TEST_P(CaptionNameTest, NamedByItsCaption) {
  QWidget* control = form->Controls().find(GetParam().control);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(Name(control).toStdString(), GetParam().name);
  // Nothing on screen changed: the box still holds what it held.
  if (auto* combo = qobject_cast<toolkit::ComboBox*>(control)) {
    EXPECT_EQ(Accessible(combo)->role(), QAccessible::ComboBox);
    EXPECT_EQ(Accessible(combo)->text(QAccessible::Value), combo->text());
    EXPECT_EQ(Name(combo->lineEdit()).toStdString(), GetParam().name);
  }
}

class AccessibilityTest : public FormFixture {
 protected:
  TemporaryCache cache;  // the catalogue is opened
};

TEST_F(AccessibilityTest, TheWindowIsAFrame) {
  EXPECT_EQ(Accessible(form.get())->role(), QAccessible::Window);
}

TEST_F(AccessibilityTest, EveryPictureIsANamedGraphicInBothLanguages) {
  std::vector<toolkit::ImageSlot*> photos(form->Image2.begin(), form->Image2.end());
  photos.insert(photos.end(), form->Image3.begin(), form->Image3.end());
  photos.insert(photos.end(), {form->Image4, form->Image5, form->Fig0Picture});
  for (auto* photo : photos) {
    SCOPED_TRACE(photo->objectName().toStdString() + " " +
                 photo->property("index").toString().toStdString());
    EXPECT_EQ(Accessible(photo)->role(), QAccessible::Graphic);
    EXPECT_TRUE(Name(photo).contains(QStringLiteral(" / "))) << Name(photo).toStdString();
  }
  // One index, one picture: both sides say the same.
  for (std::size_t i = 0; i < form->Image2.size(); ++i)
    EXPECT_EQ(Name(form->Image2[i]), Name(form->Image3[i])) << i;
}

struct Shown {
  const char* name;
  const char* left;  // picked on the left, single mode
  const char* says;  // in the visible left photo's name
};

void PrintTo(const Shown& row, std::ostream* os) { *os << row.name; }

class PhotoNameTest : public FormFixture, public ::testing::WithParamInterface<Shown> {};

INSTANTIATE_TEST_SUITE_P(Connectors, PhotoNameTest,
                         ::testing::Values(Shown{"sc", "SC", "SC connector, blue housing"},
                                           Shown{"angled_sc", "SA", "SC-APC connector"},
                                           Shown{"fc", "FC", "FC connector, metal body"},
                                           Shown{"lc", "LC", "LC connector, blue"},
                                           Shown{"angled_e2000", "EA", "E2000-APC connector"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(PhotoNameTest, TheVisiblePhotoSaysWhatIsChosen) {
  Pick(form->Sol_uc_kombo, QString::fromLatin1(GetParam().left));
  const std::vector<int> left = VisibleLeft();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_TRUE(Name(form->Image2[static_cast<std::size_t>(left[0])]).contains(GetParam().says))
      << Name(form->Image2[static_cast<std::size_t>(left[0])]).toStdString();
}

TEST_F(AccessibilityTest, TheCatalogueIconIsAButtonThatOpensTheCatalogue) {
  QAccessibleInterface* icon = Accessible(form->OLE1);
  EXPECT_EQ(icon->role(), QAccessible::Button);
  EXPECT_FALSE(icon->text(QAccessible::Name).isEmpty());
  QAccessibleActionInterface* actions = icon->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  QTRY_COMPARE(opener.opened.size(), 1u);
}

TEST_F(AccessibilityTest, EnterAndSpaceOpenTheCatalogue) {
  const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
  form->OLE1->setFocus();
  for (Qt::Key key : keys) QTest::keyClick(form->OLE1, key);
  EXPECT_EQ(opener.opened.size(), std::size(keys));
}

// The event that announces it needs a listening client: the AT-SPI test
// in tests/e2e hears it.
TEST_F(AccessibilityTest, TheOrderLineReadsAsTheNewLine) {
  Type(form->boy_text, QStringLiteral("25"));
  Pick(form->Sol_uc_kombo, QStringLiteral("LC"));
  QAccessibleTextInterface* text = Accessible(form->KabloKodu_label)->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()).toStdString(), Line());
  EXPECT_EQ(Line().rfind("C-S-SM-LC-25-", 0), 0u) << Line();
}

TEST_F(AccessibilityTest, ARejectedDiscountIsDescribedInBothLanguages) {
  Type(form->IndirimText, QStringLiteral("150"));
  const QString warning = Accessible(form->IndirimText)->text(QAccessible::Description);
  EXPECT_TRUE(warning.contains(QString::fromUtf8("lütfen geçerli bir değer giriniz")));
  EXPECT_TRUE(warning.contains(QStringLiteral("please enter a valid value")));
  Type(form->IndirimText, QStringLiteral("5"));
  // What is left is the tooltip, which holds the accepted value.
  EXPECT_FALSE(Accessible(form->IndirimText)
                   ->text(QAccessible::Description)
                   .contains(QStringLiteral("please enter a valid value")));
}

}  // namespace
}  // namespace lumor::testing
