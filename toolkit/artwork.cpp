#include "artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <stdexcept>

namespace lumor::toolkit {

QPixmap renderArtwork(QSvgRenderer& renderer, qreal devicePixelRatio) {
  const QSize natural = renderer.defaultSize();
  QPixmap pixmap((QSizeF(natural) * devicePixelRatio).toSize());
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QPixmap renderArtwork(const QString& resourcePath, qreal devicePixelRatio) {
  QSvgRenderer renderer(resourcePath);
  if (!renderer.isValid()) throw std::runtime_error("no artwork at " + resourcePath.toStdString());
  return renderArtwork(renderer, devicePixelRatio);
}

}  // namespace lumor::toolkit
