#include "control_registry.h"

namespace lumor::toolkit {

void ControlRegistry::add(QWidget* control, std::string_view name, int index) {
  if (!m_controls.try_emplace({std::string(name), index}, control).second)
    throw std::logic_error("two controls named " + describe(name, index));
}

QWidget* ControlRegistry::find(std::string_view name, int index) const {
  const auto it = m_controls.find(std::pair<std::string, int>(name, index));
  return it == m_controls.end() ? nullptr : it->second.data();
}

std::string ControlRegistry::describe(std::string_view name, int index) {
  std::string text(name);
  if (index >= 0) text += "(" + std::to_string(index) + ")";
  return text;
}

}  // namespace lumor::toolkit
