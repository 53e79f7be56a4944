#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <stdexcept>

#include "artwork.h"

namespace lumor::toolkit {

struct Artwork::Source {
  explicit Source(const QString& path) : renderer(path) {}
  QSvgRenderer renderer;
};

Artwork::Artwork(QString resourcePath) : m_path(std::move(resourcePath)) {}
Artwork::~Artwork() = default;

bool Artwork::exists(const QString& resourcePath) { return QFile::exists(resourcePath); }

Artwork::Source& Artwork::source() const {
  if (!m_source) m_source = std::make_unique<Source>(m_path);
  return *m_source;
}

bool Artwork::isValid() const { return source().renderer.isValid(); }

QSize Artwork::naturalSize() const { return source().renderer.defaultSize(); }

QPixmap Artwork::render(qreal devicePixelRatio) const {
  QPixmap pixmap((QSizeF(naturalSize()) * devicePixelRatio).toSize());
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    source().renderer.render(&painter);
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon artworkIcon(const QString& resourcePath) { return QIcon(resourcePath); }

}  // namespace lumor::toolkit
