#include "command_button.h"

#include <QApplication>
#include <QShortcut>

namespace lumor::toolkit {

CommandButton::CommandButton(QWidget* parent) : CommandButton(QString(), parent) {}

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  connect(this, &QAbstractButton::clicked, this, &CommandButton::Click);
}

// Owned by the button, so the key is live exactly while the button is
// visible and enabled in the active window.
QShortcut* CommandButton::windowKey(Qt::Key key) {
  auto* shortcut = new QShortcut(QKeySequence(key), this);
  shortcut->setContext(Qt::WindowShortcut);
  shortcut->setAutoRepeat(false);
  return shortcut;
}

void CommandButton::setDefault(bool on) {
  QPushButton::setDefault(on);
  if (on && m_return == nullptr) {
    m_return = windowKey(Qt::Key_Return);
    m_enter = windowKey(Qt::Key_Enter);
    connect(m_return, &QShortcut::activated, this, &CommandButton::pressForEnter);
    connect(m_enter, &QShortcut::activated, this, &CommandButton::pressForEnter);
  }
  if (m_return != nullptr) {
    m_return->setEnabled(on);
    m_enter->setEnabled(on);
  }
}

void CommandButton::setCancel(bool on) {
  if (on && m_escape == nullptr) {
    m_escape = windowKey(Qt::Key_Escape);
    connect(m_escape, &QShortcut::activated, this, &QAbstractButton::click);
  }
  if (m_escape != nullptr) m_escape->setEnabled(on);
}

bool CommandButton::isCancel() const { return m_escape != nullptr && m_escape->isEnabled(); }

// As in a classic dialog, Enter presses the focused command button if there
// is one, and the default button otherwise.
void CommandButton::pressForEnter() {
  auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
  if (focused != nullptr && focused->window() == window()) {
    focused->click();
    return;
  }
  click();
}

}  // namespace lumor::toolkit
