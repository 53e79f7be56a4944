#pragma once

#include <QComboBox>

namespace lumor::toolkit {

// A classic drop-down combo box: a list plus a free edit field.
//
// Click is raised only when the user picks a list item: on the popup (mouse
// or Enter), with Up/Down/PageUp/PageDown on the closed box, or with the
// wheel; text() then holds that item. Typing, Enter in the edit field,
// leaving the field and every call from code raise nothing, and typed text
// is neither completed nor added to the list.
class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ComboBox(QWidget* parent);

  QString text() const { return currentText(); }
  void setText(const QString& text);
  // Empties the list and the edit field.
  void Clear();
  // Appends at the end; the edit field and the (absent) current item stay.
  void AddItem(const QString& item);

  void showPopup() override;

 signals:
  void Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
#if QT_CONFIG(wheelevent)
  void wheelEvent(QWheelEvent* event) override;
#endif

 private:
  void selectItemOfText();
};

}  // namespace lumor::toolkit
