#pragma once

#include <QLineEdit>
#include <cstdint>

namespace lumor::toolkit {

// A classic single-line text box without a length limit.
//
// Change is raised synchronously whenever the text changes, by the user
// (typing, pasting, cutting) or by setText, and not when the new text equals
// the old. A Change handler may write its own box: the nested Change runs to
// its end first and its text is the one that stays. A write from code
// leaves the box showing the start of its text.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent);

  // A classic colour value (0x00BBGGRR or a system colour).
  void setForeColor(uint32_t colourValue);
  // An empty text removes the tooltip.
  void setToolTipText(const QString& text) { setToolTip(text); }

 signals:
  void Change();

 private:
  QString m_lastText;  // as of the last Change
};

}  // namespace lumor::toolkit
