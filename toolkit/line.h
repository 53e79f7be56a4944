#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>

namespace lumor::toolkit {

// A classic line control: a straight line between two points given in twips
// of its container, drawn with a pen of borderWidth pixels entirely inside
// the widget, whose geometry is the line's bounding box. It takes no focus
// and lets the mouse through.
class Line : public QWidget {
  Q_OBJECT

 public:
  Line(QPoint fromTwips, QPoint toTwips, QWidget* parent);

  void setBorderWidth(int pixels);
  int borderWidth() const { return m_width; }
  // A classic colour value, resolved when painting so system colours follow
  // the palette. The default is the window-text colour.
  void setBorderColor(uint32_t colourValue);
  uint32_t borderColor() const { return m_colour; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void placeInContainer();

  QPoint m_from;  // pixels in the container
  QPoint m_to;
  int m_width = 1;
  uint32_t m_colour;
};

}  // namespace lumor::toolkit
