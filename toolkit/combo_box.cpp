#include "combo_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

namespace lumor::toolkit {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  // Qt's edit field stops at 32767 characters; the classic box has no limit.
  lineEdit()->setMaxLength(std::numeric_limits<int>::max());
  // Qt picks the item matching the typed text when editing finishes (Enter or
  // focus loss) and reports it as activated; the classic box only shows text.
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
  disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
  // What is left of activated are the user's own picks.
  connect(this, &QComboBox::activated, this, [this] { emit Click(); });
}

void ComboBox::setText(const QString& text) { setEditText(text); }

void ComboBox::Clear() {
  clear();
  setEditText(QString());
}

void ComboBox::AddItem(const QString& item) {
  const QString kept = text();
  const int keptIndex = currentIndex();
  // The first item of an empty box becomes current, and its text replaces
  // the edit field; undo both.
  addItem(item);
  if (currentIndex() != keptIndex) setCurrentIndex(keptIndex);
  if (text() != kept) setEditText(kept);
}

void ComboBox::showPopup() {
  selectItemOfText();
  QComboBox::showPopup();
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      if (!(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) selectItemOfText();
      break;
    default:
      break;
  }
  QComboBox::keyPressEvent(event);
}

#if QT_CONFIG(wheelevent)
void ComboBox::wheelEvent(QWheelEvent* event) {
  selectItemOfText();
  QComboBox::wheelEvent(event);
}
#endif

// Moving through the list starts at the item the field shows, like the
// classic box, not at whatever Qt last had as current.
void ComboBox::selectItemOfText() {
  const QString shown = text();
  const int index = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index == currentIndex()) return;
  setCurrentIndex(index);
  if (text() != shown) setEditText(shown);
}

}  // namespace lumor::toolkit
