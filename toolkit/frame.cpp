#include "frame.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

namespace lumor::toolkit {

Frame::Frame(const QString& caption, bool bordered, QWidget* parent)
    : QGroupBox(caption, parent), m_bordered(bordered) {}

// Drawn here rather than by the style: Fusion tints a group box's inside,
// while the classic frame is an etched line with the caption set into its top
// edge, on the container's background.
void Frame::paintEvent(QPaintEvent*) {
  if (!m_bordered) return;
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int indent = metrics.averageCharWidth();
  const QRect edge = rect().adjusted(0, metrics.height() / 2, 0, 0);
  QRect caption;
  if (!title().isEmpty())
    caption = QRect(indent, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
  painter.save();
  painter.setClipRegion(QRegion(rect()).subtracted(caption));
  qDrawShadeRect(&painter, edge, palette(), true, 1);
  painter.restore();
  style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace lumor::toolkit
