#include <QFile>
#include <QImage>
#include <QImageReader>

#include "artwork.h"

namespace lumor::toolkit {
namespace {

// "x.svg" -> "x.png" or "x@2x.png".
QString Rendered(const QString& svgPath, int scale) {
  QString base = svgPath;
  if (base.endsWith(QLatin1String(".svg"))) base.chop(4);
  return scale == 1 ? base + QLatin1String(".png") : base + QStringLiteral("@%1x.png").arg(scale);
}

}  // namespace

struct Artwork::Source {
  explicit Source(const QString& path) : natural(QImageReader(Rendered(path, 1)).size()) {}
  QSize natural;  // read from the header; the pixels wait until they are drawn
};

Artwork::Artwork(QString resourcePath) : m_path(std::move(resourcePath)) {}
Artwork::~Artwork() = default;

bool Artwork::exists(const QString& resourcePath) {
  return QFile::exists(Rendered(resourcePath, 1));
}

Artwork::Source& Artwork::source() const {
  if (!m_source) m_source = std::make_unique<Source>(m_path);
  return *m_source;
}

bool Artwork::isValid() const { return source().natural.isValid(); }

QSize Artwork::naturalSize() const { return source().natural; }

QPixmap Artwork::render(qreal devicePixelRatio) const {
  const QSize wanted = (QSizeF(naturalSize()) * devicePixelRatio).toSize();
  // The next larger rendering, scaled down, stays sharper than one scaled up.
  QImage image(Rendered(m_path, devicePixelRatio > 1.0 ? 2 : 1));
  if (image.isNull()) return {};
  if (image.size() != wanted)
    image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon artworkIcon(const QString& resourcePath) {
  QIcon icon;
  icon.addFile(Rendered(resourcePath, 1));
  icon.addFile(Rendered(resourcePath, 2));
  return icon;
}

}  // namespace lumor::toolkit
