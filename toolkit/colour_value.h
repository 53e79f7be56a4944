#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

class QWidget;

namespace lumor::toolkit {

// A classic colour value is 0x00BBGGRR, or kSystemColour plus a system
// colour index that follows the user's colour scheme.
inline constexpr uint32_t kSystemColour = 0x80000000u;
inline constexpr uint32_t kDesktopColour = kSystemColour + 1;
inline constexpr uint32_t kWindowBackColour = kSystemColour + 5;
inline constexpr uint32_t kWindowTextColour = kSystemColour + 8;
inline constexpr uint32_t kCaptionTextColour = kSystemColour + 9;
inline constexpr uint32_t kButtonFaceColour = kSystemColour + 15;
inline constexpr uint32_t kButtonTextColour = kSystemColour + 18;

// The classic RGB(): red in the low byte.
constexpr uint32_t rgbValue(uint8_t red, uint8_t green, uint8_t blue) {
  return uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16;
}

// Resolves a colour value; system colours are read from `palette`.
// Throws std::out_of_range for a value that is neither form.
QColor colourFromValue(uint32_t value, const QPalette& palette);
// The same against the application palette.
QColor colourFromValue(uint32_t value);

// The WCAG contrast ratio of two colours, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// Text that reads on `background`: `text` itself when it has kReadableContrast,
// otherwise the nearest shade of its hue, lighter or darker, that has.
inline constexpr double kReadableContrast = 4.5;
QColor readableOn(const QColor& text, const QColor& background);

// Text colour of a control (its foreground role), resolved against its palette
// and made readable on the control's background: the classic teal on a dark
// scheme's window would otherwise fall to about 2:1.
void setForeColour(QWidget* control, uint32_t value);
// Background of a control: it fills its own background from then on.
void setBackColour(QWidget* control, uint32_t value);

}  // namespace lumor::toolkit
