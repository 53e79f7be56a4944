#pragma once

#include <span>
#include <utility>
#include <vector>

#include "control_registry.h"
#include "control_row.h"

class QWidget;

namespace lumor::toolkit {

// Turns a window's layout table into its controls.
//
// Each row becomes a child of its container with objectName = name (and the
// property "index" for an array member), geometry from twips, font, caption
// and colours. Controls with a tab index take focus in ascending tab index
// order; all others get Qt::NoFocus. Failures (unknown container, duplicate
// name or tab index, missing artwork) throw, naming the row.
class FormBuilder {
 public:
  explicit FormBuilder(QWidget* window);

  // Rows are created in order, so a container comes before its children.
  QWidget* add(const ControlRow& row);
  void add(std::span<const ControlRow> rows);
  // A control the table cannot describe joins the names and the tab order;
  // it must already be a child of the window with its geometry set.
  void adopt(QWidget* control, const char* name, int index, int tabIndex);
  // Sets the tab order, names each captioned control after its label and
  // hands the controls over. Throws for a label of a control that is missing.
  ControlRegistry finish();

 private:
  QWidget* create(const ControlRow& row, QWidget* container) const;
  void checkFree(const char* name, int index, int tabIndex) const;
  void registerControl(QWidget* control, const char* name, int index, int tabIndex);

  QWidget* m_window;
  ControlRegistry m_controls;
  std::vector<std::pair<int, QWidget*>> m_tabStops;
  std::vector<std::pair<QWidget*, const char*>> m_captions;  // label, the control it names
};

// The whole table at once.
ControlRegistry buildForm(QWidget* window, std::span<const ControlRow> rows);

}  // namespace lumor::toolkit
