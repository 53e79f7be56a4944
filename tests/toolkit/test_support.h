#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <QTest>
#include <QWidget>
#include <ostream>
#include <string>

namespace lumor::toolkit::testing {

// Keys, focus and shortcuts behave as for a user only in the active window.
inline void showActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Parameterised rows are named by their `name` member.
struct RowName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};

}  // namespace lumor::toolkit::testing

// Readable failures for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QColor& colour, std::ostream* out) {
  *out << colour.name(QColor::HexArgb).toStdString();
}
