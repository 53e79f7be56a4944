#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>

namespace lumor::toolkit {

// One picture of the artwork, named by its SVG resource. The SVG is the one
// source: where Qt SVG is available it is rendered at run time; elsewhere
// (Windows) the build renders it into PNGs at 1x and 2x beside the SVG's
// resource name ("x.svg" -> "x.png", "x@2x.png"), and those are used.
class Artwork {
 public:
  explicit Artwork(QString resourcePath);
  ~Artwork();
  Artwork(const Artwork&) = delete;
  Artwork& operator=(const Artwork&) = delete;

  // Whether the resource is there, without parsing it.
  static bool exists(const QString& resourcePath);

  bool isValid() const;
  QSize naturalSize() const;
  // Natural size times the device-pixel ratio, laid out at the natural size.
  QPixmap render(qreal devicePixelRatio) const;

 private:
  struct Source;
  QString m_path;
  mutable std::unique_ptr<Source> m_source;  // parsed on first use
  Source& source() const;
};

// Throws std::runtime_error when the resource is missing or not a picture.
QPixmap renderArtwork(const QString& resourcePath, qreal devicePixelRatio);
// The picture as an icon at every size it has.
QIcon artworkIcon(const QString& resourcePath);

}  // namespace lumor::toolkit
