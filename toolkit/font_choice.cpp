#include "font_choice.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <array>

namespace lumor::toolkit {
namespace {

struct FaceSubstitute {
  const char* classic;
  const char* installed;
  // Character spacing in percent: the classic sans face runs narrower than
  // its substitute, and the captions were fitted to it.
  int spacing = 100;
};

// Metric-compatible Liberation faces where they exist, DejaVu for the rest.
constexpr std::array<FaceSubstitute, 9> kFaceSubstitutes{{
    {"MS Sans Serif", "Liberation Sans", 94},
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Franklin Gothic Medium Cond", "Liberation Sans Narrow"},
    {"Tahoma", "Liberation Sans"},
    {"Bodoni MT", "Liberation Serif"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Small Fonts", "DejaVu Sans"},
}};

const FaceSubstitute* findSubstitute(const char* face) {
  const QString wanted = QString::fromUtf8(face);
#ifdef _WIN32
  // Windows usually has the classic faces themselves; substitute only what is missing.
  if (QFontDatabase::hasFamily(wanted)) return nullptr;
#endif
  for (const FaceSubstitute& entry : kFaceSubstitutes) {
    // Windows face names are case-insensitive.
    if (wanted.compare(QLatin1String(entry.classic), Qt::CaseInsensitive) == 0) return &entry;
  }
  return nullptr;
}

}  // namespace

QString substituteFace(const char* face) {
  const FaceSubstitute* entry = findSubstitute(face);
  return entry ? QString::fromLatin1(entry->installed) : QString::fromUtf8(face);
}

QFont toolkitFont(const FontChoice& wanted) {
  QFont font = QGuiApplication::font();
  if (wanted.face != nullptr) {
    font.setFamily(substituteFace(wanted.face));
    const FaceSubstitute* entry = findSubstitute(wanted.face);
    if (entry && entry->spacing != 100)
      font.setLetterSpacing(QFont::PercentageSpacing, entry->spacing);
  }
  if (wanted.points > 0) font.setPointSizeF(wanted.points);
  font.setBold(wanted.bold);
  return font;
}

}  // namespace lumor::toolkit
