#include "colour_value.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace lumor::toolkit {
namespace {

struct SystemColour {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;  // NoRole: the fixed desktop colour
};

// Indexed by the classic system colour index. The roles follow Qt's own
// Windows theme, which fills Base from the window colour and Window from the
// button face; the desktop has no palette role, so it keeps the classic teal.
constexpr std::array<SystemColour, 31> kSystemColours{{
    {QPalette::Active, QPalette::Button},           // 0 scroll bar
    {QPalette::Active, QPalette::NoRole},           // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Active, QPalette::Dark},             // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window background
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::WindowText},       // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text: drawn on the caption
    {QPalette::Active, QPalette::Button},           // 10 active border
    {QPalette::Active, QPalette::Button},           // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Active, QPalette::Midlight},         // 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 3D highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
    {QPalette::Active, QPalette::Button},           // 25 unused
    {QPalette::Active, QPalette::Link},             // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
    {QPalette::Active, QPalette::Dark},             // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},        // 29 menu highlight
    {QPalette::Active, QPalette::Window},           // 30 menu bar
}};

constexpr QRgb kClassicDesktop = 0xff008080;

[[noreturn]] void badValue(uint32_t value) {
  throw std::out_of_range("not a colour value: 0x" + QString::number(value, 16).toStdString());
}

}  // namespace

QColor colourFromValue(uint32_t value, const QPalette& palette) {
  if (value & kSystemColour) {
    const uint32_t index = value & ~kSystemColour;
    if (index >= kSystemColours.size()) badValue(value);
    const SystemColour& entry = kSystemColours[index];
    if (entry.role == QPalette::NoRole) return QColor::fromRgb(kClassicDesktop);
    return palette.color(entry.group, entry.role);
  }
  if (value > 0xffffffu) badValue(value);
  return QColor(int(value & 0xff), int(value >> 8 & 0xff), int(value >> 16 & 0xff));
}

QColor colourFromValue(uint32_t value) {
  return colourFromValue(value, QGuiApplication::palette());
}

double contrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background) {
  if (contrastRatio(text, background) >= kReadableContrast) return text;
  // Towards whichever end of the scale is further from the background.
  const bool lighten = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background);
  float hue = 0;
  float saturation = 0;
  float lightness = 0;
  text.getHslF(&hue, &saturation, &lightness);
  QColor shade = text;
  for (int step = 1; step <= 100; ++step) {
    const float l = lighten ? lightness + (1 - lightness) * float(step) / 100
                            : lightness * (1 - float(step) / 100);
    shade = QColor::fromHslF(hue, saturation, l);
    if (contrastRatio(shade, background) >= kReadableContrast) break;
  }
  return shade;
}

void setForeColour(QWidget* control, uint32_t value) {
  QPalette palette = control->palette();
  const QColor colour = readableOn(colourFromValue(value, palette),
                                   palette.color(QPalette::Active, control->backgroundRole()));
  // Disabled text keeps the scheme's grey, as a classic disabled control does.
  palette.setColor(QPalette::Active, control->foregroundRole(), colour);
  palette.setColor(QPalette::Inactive, control->foregroundRole(), colour);
  control->setPalette(palette);
}

void setBackColour(QWidget* control, uint32_t value) {
  QPalette palette = control->palette();
  palette.setColor(control->backgroundRole(), colourFromValue(value, palette));
  control->setPalette(palette);
  control->setAutoFillBackground(true);
}

}  // namespace lumor::toolkit
