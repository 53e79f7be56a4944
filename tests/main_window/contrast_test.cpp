#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>
#include <ostream>

#include "colour_value.h"
#include "form_fixture.h"
#include "label.h"
#include "text_box.h"

namespace lumor::testing {
namespace {

QPalette LightPalette() {
  QPalette p(QColor(0xf0f0f0), QColor(0xf0f0f0));
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::Text, Qt::black);
  p.setColor(QPalette::WindowText, Qt::black);
  return p;
}

QPalette DarkPalette() {
  QPalette p(QColor(0x353535), QColor(0x353535));
  p.setColor(QPalette::Base, QColor(0x2a2a2a));
  p.setColor(QPalette::Text, QColor(0xeeeeee));
  p.setColor(QPalette::WindowText, QColor(0xeeeeee));
  p.setColor(QPalette::ButtonText, QColor(0xeeeeee));
  return p;
}

struct Scheme {
  const char* name;
  QPalette (*palette)();
};

void PrintTo(const Scheme& row, std::ostream* os) { *os << row.name; }

// The user's palette is in place before the window is built, as at start-up.
class PaletteScope {
 public:
  explicit PaletteScope(const QPalette& palette) : m_saved(QApplication::palette()) {
    QApplication::setPalette(palette);
  }
  ~PaletteScope() { QApplication::setPalette(m_saved); }
  PaletteScope(const PaletteScope&) = delete;
  PaletteScope& operator=(const PaletteScope&) = delete;

 private:
  QPalette m_saved;
};

class ContrastTest : public ::testing::TestWithParam<Scheme> {
 protected:
  PaletteScope scope{GetParam().palette()};
  FormHarness h;
};

void ExpectEveryTextReadable(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QLineEdit*>(w) &&
        !qobject_cast<QRadioButton*>(w))
      continue;
    const QPalette& p = w->palette();
    const double ratio = toolkit::contrastRatio(p.color(QPalette::Active, w->foregroundRole()),
                                                p.color(QPalette::Active, w->backgroundRole()));
    EXPECT_GE(ratio, toolkit::kReadableContrast)
        << w->objectName().toStdString() << " " << w->property("index").toInt();
  }
}

TEST_P(ContrastTest, EveryTextReadsOnItsBackground) { ExpectEveryTextReadable(h.form.get()); }

TEST_P(ContrastTest, ARejectedDiscountStaysReadable) {
  h.Type(h.form->IndirimText, QStringLiteral("150"));
  ExpectEveryTextReadable(h.form.get());
}

INSTANTIATE_TEST_SUITE_P(Schemes, ContrastTest,
                         ::testing::Values(Scheme{"light", &LightPalette},
                                           Scheme{"dark", &DarkPalette}),
                         [](const auto& info) { return std::string(info.param.name); });

// Under a light scheme the footer keeps the classic desktop teal.
TEST(ContrastLight, TheFooterKeepsTheClassicColour) {
  PaletteScope scope(LightPalette());
  FormHarness h;
  auto* footer = h.form->Controls().get<toolkit::Label>("Label4", 0);
  EXPECT_EQ(footer->palette().color(QPalette::Active, footer->foregroundRole()), QColor(0x008080));
}

}  // namespace
}  // namespace lumor::testing
