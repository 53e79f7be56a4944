#pragma once

#include <QPoint>
#include <QRect>

namespace lumor::toolkit {

// Layouts are in twips; Qt's high-DPI scaling turns the resulting
// device-independent pixels into device pixels.
inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel; halves round away from zero.
int twipsToPixels(int twips);
QPoint twipsPoint(int x, int y);
// Each of the four is rounded on its own, as the classic toolkit does.
QRect twipsRect(int left, int top, int width, int height);

}  // namespace lumor::toolkit
