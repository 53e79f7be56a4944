#pragma once

#include <QLabel>
#include <cstdint>

namespace lumor::toolkit {

// A classic label: plain text from the top-left corner, wrapped at word
// boundaries within its width, on the background of its container unless
// setBackColor gives it one. The caption is written with setText.
class Label : public QLabel {
  Q_OBJECT

 public:
  Label(const QString& caption, QWidget* parent);

  // Classic colour values (0x00BBGGRR or a system colour).
  void setForeColor(uint32_t colourValue);
  void setBackColor(uint32_t colourValue);
};

}  // namespace lumor::toolkit
