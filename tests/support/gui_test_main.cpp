#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Widget tests never need a display; the real-window tests live in tests/e2e.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lumor"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
