#include "text_box.h"

#include <limits>

#include "colour_value.h"

namespace lumor::toolkit {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  // Qt's default limit of 32767 would cut a long paste short.
  setMaxLength(std::numeric_limits<int>::max());
  // textChanged also comes for an edit that ends in the same text, such as
  // typing over a selection with the character it holds.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    // A write from code shows the start of the text, as the classic box
    // does; QLineEdit would show its end. The user's own edits are modified.
    if (!isModified()) setCursorPosition(0);
    if (text == m_lastText) return;
    m_lastText = text;
    emit Change();
  });
}

void TextBox::setForeColor(uint32_t colourValue) { setForeColour(this, colourValue); }

}  // namespace lumor::toolkit
