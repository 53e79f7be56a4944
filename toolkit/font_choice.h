#pragma once

#include <QFont>
#include <QString>

namespace lumor::toolkit {

// A font as a layout row names it: a classic Windows face (nullptr: the
// application's default face), a point size (0: the default size) and weight.
struct FontChoice {
  const char* face = nullptr;
  double points = 0;
  bool bold = false;

  bool isDefault() const { return face == nullptr && points <= 0 && !bold; }
};

// The installed free family that stands in for a classic face; a face
// without a substitute is passed on unchanged for fontconfig to resolve.
QString substituteFace(const char* face);

// The font for a row: the application font with the substituted family,
// the given point size and weight.
QFont toolkitFont(const FontChoice& wanted);

}  // namespace lumor::toolkit
