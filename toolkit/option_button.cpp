#include "option_button.h"

#include <QKeyEvent>

namespace lumor::toolkit {

OptionButton::OptionButton(QWidget* parent) : OptionButton(QString(), parent) {}

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
  setAutoExclusive(true);
  // toggled(true) comes once per real selection, after Qt has deselected the
  // previous option, and never for a click on the selected one.
  connect(this, &QAbstractButton::toggled, this, [this](bool selected) {
    if (!selected) return;
    setGroupTabStop(this);
    emit Click();
  });
}

void OptionButton::setValue(bool selected) {
  if (selected == isChecked()) return;
  if (selected) {
    setChecked(true);
    return;
  }
  // Qt refuses to uncheck the checked button of an auto-exclusive group.
  setAutoExclusive(false);
  setChecked(false);
  setAutoExclusive(true);
  setGroupTabStop(nullptr);
}

// Tab reaches a group at its selected option, or at its first when none is
// selected; Qt instead keeps the tab stop on whichever option last had focus.
void OptionButton::setGroupTabStop(OptionButton* stop) {
  if (parentWidget() == nullptr) return;
  const auto options = parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
  for (OptionButton* option : options) {
    const Qt::FocusPolicy policy = option->focusPolicy();
    if (policy == Qt::NoFocus) continue;
    const bool isStop = stop == nullptr || option == stop;
    option->setFocusPolicy(isStop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                  : Qt::FocusPolicy(policy & ~Qt::TabFocus));
  }
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
  bool forward = false;
  switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
      forward = true;
      break;
    case Qt::Key_Up:
    case Qt::Key_Left:
      break;
    default:
      QRadioButton::keyPressEvent(event);
      return;
  }
  // Qt moves by geometry and selects only when the focused option was
  // selected; the classic group walks its tab order, wraps, and always selects.
  event->accept();
  OptionButton* next = neighbour(forward);
  if (next == nullptr) return;
  next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  if (!next->isChecked()) next->click();
}

OptionButton* OptionButton::neighbour(bool forward) const {
  OptionButton* last = nullptr;
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    auto* option = qobject_cast<OptionButton*>(w);
    if (option == nullptr || option->parentWidget() != parentWidget() || !option->isEnabled() ||
        !option->isVisible())
      continue;
    if (forward) return option;
    last = option;
  }
  return last;
}

}  // namespace lumor::toolkit
