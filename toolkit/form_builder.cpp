#include "form_builder.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

#include "accessible_controls.h"
#include "colour_value.h"
#include "combo_box.h"
#include "command_button.h"
#include "frame.h"
#include "image_slot.h"
#include "label.h"
#include "line.h"
#include "option_button.h"
#include "text_box.h"
#include "twips.h"

namespace lumor::toolkit {
namespace {

bool takesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::TextBox:
    case ControlKind::PictureBox:
    case ControlKind::CommandButton:
      return true;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Line:
      return false;
  }
  return false;
}

}  // namespace

FormBuilder::FormBuilder(QWidget* window) : m_window(window) {}

QWidget* FormBuilder::add(const ControlRow& row) {
  QWidget* container = m_window;
  if (row.container != nullptr) {
    container = m_controls.find(row.container);
    if (container == nullptr)
      throw std::logic_error(ControlRegistry::describe(row.name, row.index) + ": no container " +
                             row.container);
  }
  const int tabIndex = takesFocus(row.kind) ? row.tabIndex : -1;
  checkFree(row.name, row.index, tabIndex);
  QWidget* control = create(row, container);
  if (row.kind != ControlKind::Line)
    control->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
  if (!row.font.isDefault()) control->setFont(toolkitFont(row.font));
  if (row.foreColour && row.kind != ControlKind::Line) setForeColour(control, *row.foreColour);
  if (row.backColour) setBackColour(control, *row.backColour);
  // A window already on screen does not show children added later by itself.
  if (container->isVisible()) control->show();
  registerControl(control, row.name, row.index, tabIndex);
  if (row.kind == ControlKind::Label && row.labelFor != nullptr)
    m_captions.emplace_back(control, row.labelFor);
  return control;
}

void FormBuilder::add(std::span<const ControlRow> rows) {
  for (const ControlRow& row : rows) add(row);
}

void FormBuilder::adopt(QWidget* control, const char* name, int index, int tabIndex) {
  checkFree(name, index, tabIndex);
  registerControl(control, name, index, tabIndex);
}

QWidget* FormBuilder::create(const ControlRow& row, QWidget* container) const {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::Frame:
      return new Frame(caption, row.border, container);
    case ControlKind::OptionButton:
      return new OptionButton(caption, container);
    case ControlKind::ComboBox: {
      auto* combo = new ComboBox(container);
      combo->setText(caption);
      return combo;
    }
    case ControlKind::TextBox: {
      auto* box = new TextBox(container);
      box->setText(caption);
      return box;
    }
    case ControlKind::Label: {
      auto* label = new Label(caption, container);
      label->setWordWrap(row.wordWrap);
      return label;
    }
    case ControlKind::Image:
    case ControlKind::PictureBox:
      return new ImageSlot(QString::fromUtf8(row.resource), row.border, container);
    case ControlKind::CommandButton: {
      auto* button = new CommandButton(caption, container);
      button->setDefault(row.isDefault);
      button->setCancel(row.isCancel);
      return button;
    }
    case ControlKind::Line: {
      auto* line = new Line(QPoint(row.left, row.top), QPoint(row.width, row.height), container);
      line->setBorderWidth(row.lineWidth);
      if (row.foreColour) line->setBorderColor(*row.foreColour);
      return line;
    }
  }
  throw std::logic_error(ControlRegistry::describe(row.name, row.index) + ": unknown kind");
}

// Checked before anything is created, so a bad row leaves no stray widget.
void FormBuilder::checkFree(const char* name, int index, int tabIndex) const {
  if (m_controls.find(name, index) != nullptr)
    throw std::logic_error("two controls named " + ControlRegistry::describe(name, index));
  const bool taken = std::any_of(m_tabStops.begin(), m_tabStops.end(),
                                 [tabIndex](const auto& stop) { return stop.first == tabIndex; });
  if (tabIndex >= 0 && taken)
    throw std::logic_error(ControlRegistry::describe(name, index) + ": tab index " +
                           std::to_string(tabIndex) + " is taken");
}

void FormBuilder::registerControl(QWidget* control, const char* name, int index, int tabIndex) {
  m_controls.add(control, name, index);
  control->setObjectName(QString::fromUtf8(name));
  if (index >= 0) control->setProperty(ControlRegistry::kIndexProperty, index);
  if (tabIndex < 0) {
    control->setFocusPolicy(Qt::NoFocus);
    return;
  }
  if (control->focusPolicy() == Qt::NoFocus) control->setFocusPolicy(Qt::StrongFocus);
  m_tabStops.emplace_back(tabIndex, control);
}

ControlRegistry FormBuilder::finish() {
  // The caption may come before or after its control in the table.
  for (const auto& [widget, target] : m_captions) {
    auto* label = static_cast<Label*>(widget);
    QWidget* control = m_controls.find(target);
    if (control == nullptr)
      throw std::logic_error(label->objectName().toStdString() + ": no control " + target +
                             " to caption");
    label->setBuddy(control);
    const QString name = accessibleNameOfCaption(label->text());
    control->setAccessibleName(name);
    // An editable combo box hands its focus to its edit field, which is what
    // a screen reader announces on entering it.
    if (auto* combo = qobject_cast<ComboBox*>(control); combo && combo->lineEdit())
      combo->lineEdit()->setAccessibleName(name);
  }
  m_captions.clear();
  std::sort(m_tabStops.begin(), m_tabStops.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < m_tabStops.size(); ++i)
    QWidget::setTabOrder(m_tabStops[i - 1].second, m_tabStops[i].second);
  m_tabStops.clear();
  return std::move(m_controls);
}

ControlRegistry buildForm(QWidget* window, std::span<const ControlRow> rows) {
  FormBuilder builder(window);
  builder.add(rows);
  return builder.finish();
}

}  // namespace lumor::toolkit
