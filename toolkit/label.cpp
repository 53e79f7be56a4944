#include "label.h"

#include "colour_value.h"

namespace lumor::toolkit {

Label::Label(const QString& caption, QWidget* parent) : QLabel(parent) {
  // Captions such as "<" or "&" are shown as they are written.
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(true);
  setText(caption);
}

void Label::setForeColor(uint32_t colourValue) { setForeColour(this, colourValue); }

void Label::setBackColor(uint32_t colourValue) { setBackColour(this, colourValue); }

}  // namespace lumor::toolkit
