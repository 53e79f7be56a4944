#pragma once

#include <QRadioButton>

namespace lumor::toolkit {

// A classic option button. The options that share a parent are one exclusive
// group, which may have none selected.
//
// Click is raised when the option becomes selected: by the user (mouse,
// space, or the arrow keys, which move to the next or previous option of the
// group in tab order and select it) or by setValue(true) on an unselected
// option, synchronously inside that call. The options deselected on the way
// raise nothing; neither does selecting the selected one again. Tab reaches
// the group at its selected option (at its first when none is selected).
class OptionButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit OptionButton(QWidget* parent);
  OptionButton(const QString& caption, QWidget* parent);

  bool value() const { return isChecked(); }
  // false really deselects, also the selected option of a group; it raises
  // nothing.
  void setValue(bool selected);

 signals:
  void Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  OptionButton* neighbour(bool forward) const;
  void setGroupTabStop(OptionButton* stop);
};

}  // namespace lumor::toolkit
