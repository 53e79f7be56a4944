#include <QApplication>
#include <QWidget>

// The yardstick for start-up time and memory: an empty Qt window of the
// calculator's size.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare window"));
  window.setFixedSize(658, 522);
  window.show();
  return QApplication::exec();
}
