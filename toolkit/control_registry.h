#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace lumor::toolkit {

// The controls of one window by name and array index (-1 for a control that
// is not an array member). Controls carry the same key: objectName is the
// name, and an array member has the dynamic property "index".
class ControlRegistry {
 public:
  static constexpr const char* kIndexProperty = "index";

  // Throws std::logic_error for a name and index already taken.
  void add(QWidget* control, std::string_view name, int index);

  // nullptr when there is no such control.
  QWidget* find(std::string_view name, int index = -1) const;

  // Throws std::logic_error when the control is missing or of another type.
  template <class T>
  T* get(std::string_view name, int index = -1) const {
    static_assert(std::is_base_of_v<QWidget, T>, "controls are widgets");
    QWidget* control = find(name, index);
    if (control == nullptr) throw std::logic_error("no control " + describe(name, index));
    if (T* typed = qobject_cast<T*>(control)) return typed;
    throw std::logic_error(describe(name, index) + " is a " + control->metaObject()->className() +
                           ", not a " + T::staticMetaObject.className());
  }

  std::size_t size() const { return m_controls.size(); }

  // "Name" or "Name(3)".
  static std::string describe(std::string_view name, int index);

 private:
  std::map<std::pair<std::string, int>, QPointer<QWidget>, std::less<>> m_controls;
};

}  // namespace lumor::toolkit
