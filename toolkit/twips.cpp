#include "twips.h"

#include <cstdlib>

namespace lumor::toolkit {

int twipsToPixels(int twips) {
  // Integer halving keeps INT_MIN/INT_MAX inputs free of overflow.
  const int whole = twips / kTwipsPerPixel;
  const int rest = twips % kTwipsPerPixel;
  if (2 * std::abs(rest) >= kTwipsPerPixel) return whole + (rest > 0 ? 1 : -1);
  return whole;
}

QPoint twipsPoint(int x, int y) { return {twipsToPixels(x), twipsToPixels(y)}; }

QRect twipsRect(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace lumor::toolkit
