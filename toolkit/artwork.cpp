#include "artwork.h"

#include <stdexcept>

namespace lumor::toolkit {

QPixmap renderArtwork(const QString& resourcePath, qreal devicePixelRatio) {
  const Artwork artwork(resourcePath);
  if (!artwork.isValid()) throw std::runtime_error("no artwork at " + resourcePath.toStdString());
  return artwork.render(devicePixelRatio);
}

}  // namespace lumor::toolkit
