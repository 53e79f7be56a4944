#include "image_slot.h"

#include <qdrawutil.h>
#include <QPainter>
#include <stdexcept>

namespace lumor::toolkit {

ImageSlot::ImageSlot(const QString& resourcePath, bool bordered, QWidget* parent)
    : QWidget(parent), m_artwork(resourcePath), m_bordered(bordered) {
  // Parsed on first use: most photos of a stack are never shown, and parsing
  // them all would slow the window's start.
  if (!Artwork::exists(resourcePath))
    throw std::runtime_error("no artwork at " + resourcePath.toStdString());
  setFocusPolicy(Qt::NoFocus);
}

QSize ImageSlot::naturalSize() const { return m_artwork.naturalSize(); }

QPixmap ImageSlot::pixmap() const {
  const qreal ratio = devicePixelRatioF();
  if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio)
    m_pixmap = m_artwork.render(ratio);
  return m_pixmap;
}

QSize ImageSlot::sizeHint() const {
  const int border = m_bordered ? kBorderWidth : 0;
  return naturalSize() + QSize(2 * border, 2 * border);
}

void ImageSlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  int border = 0;
  if (m_bordered) {
    // The classic 3D sunken edge: grey and black outside, white and light grey inside.
    qDrawWinPanel(&painter, rect(), palette(), true);
    border = kBorderWidth;
  }
  painter.setClipRect(rect().adjusted(border, border, -border, -border));
  painter.drawPixmap(QPoint(border, border), pixmap());
}

}  // namespace lumor::toolkit
