#pragma once

#include <QGroupBox>

namespace lumor::toolkit {

// A classic frame: a captioned container. Its children are placed relative
// to its top-left corner, caption included. Without a border nothing of the
// frame is drawn, the caption neither. It has no background of its own.
class Frame : public QGroupBox {
  Q_OBJECT

 public:
  Frame(const QString& caption, bool bordered, QWidget* parent);

  bool hasBorder() const { return m_bordered; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_bordered;
};

}  // namespace lumor::toolkit
