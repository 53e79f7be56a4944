#include "line.h"

#include <QPainter>
#include <algorithm>

#include "colour_value.h"
#include "twips.h"

namespace lumor::toolkit {

Line::Line(QPoint fromTwips, QPoint toTwips, QWidget* parent)
    : QWidget(parent),
      m_from(twipsPoint(fromTwips.x(), fromTwips.y())),
      m_to(twipsPoint(toTwips.x(), toTwips.y())),
      m_colour(kWindowTextColour) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  placeInContainer();
}

void Line::setBorderWidth(int pixels) {
  m_width = std::max(1, pixels);
  placeInContainer();
  update();
}

void Line::setBorderColor(uint32_t colourValue) {
  colourFromValue(colourValue);  // a bad value fails here, not in a paint event
  m_colour = colourValue;
  update();
}

void Line::placeInContainer() {
  // The pen is as wide as the box is thick, so a horizontal line of width 2
  // is a widget 2 pixels high.
  const QPoint topLeft(std::min(m_from.x(), m_to.x()), std::min(m_from.y(), m_to.y()));
  setGeometry(topLeft.x(), topLeft.y(), std::abs(m_to.x() - m_from.x()) + m_width,
              std::abs(m_to.y() - m_from.y()) + m_width);
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Square caps reach the box's ends; the centre line sits half a pen in.
  painter.setPen(QPen(colourFromValue(m_colour, palette()), m_width, Qt::SolidLine, Qt::SquareCap));
  const QPointF inset(m_width / 2.0, m_width / 2.0);
  const QPointF origin = pos();
  painter.drawLine(QPointF(m_from) - origin + inset, QPointF(m_to) - origin + inset);
}

}  // namespace lumor::toolkit
