#pragma once

#include <QPushButton>

class QShortcut;

namespace lumor::toolkit {

// A classic command button. Click is raised when it is pressed: mouse,
// space, Enter while it is the default button (or has focus), Escape while it
// is the cancel button. Default and cancel work in any window, not only in a
// QDialog, and press the button synchronously.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(QWidget* parent);
  CommandButton(const QString& caption, QWidget* parent);

  // Hides QPushButton::setDefault, which alone works in a QDialog only and
  // presses the button a moment later; call it through a CommandButton.
  void setDefault(bool on);
  void setCancel(bool on);
  bool isCancel() const;

 signals:
  void Click();

 private:
  QShortcut* windowKey(Qt::Key key);
  void pressForEnter();

  QShortcut* m_return = nullptr;
  QShortcut* m_enter = nullptr;
  QShortcut* m_escape = nullptr;
};

}  // namespace lumor::toolkit
