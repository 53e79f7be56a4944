#pragma once

#include <QPixmap>
#include <QWidget>

#include "artwork.h"

namespace lumor::toolkit {

// A classic image or picture box showing one artwork resource at its natural
// size from the top-left corner, optionally inside a 2-pixel sunken border
// (so a 100 x 100 picture fills a 104 x 104 control). Visible is
// QWidget::setVisible. Throws std::runtime_error for a missing resource.
class ImageSlot : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBorderWidth = 2;

  ImageSlot(const QString& resourcePath, bool bordered, QWidget* parent);

  bool hasBorder() const { return m_bordered; }
  // The picture's own size in device-independent pixels.
  QSize naturalSize() const;
  // The picture as painted on the current screen.
  QPixmap pixmap() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Artwork m_artwork;
  bool m_bordered;
  mutable QPixmap m_pixmap;  // re-rendered when the device-pixel ratio changes
};

}  // namespace lumor::toolkit
