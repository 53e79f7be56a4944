// Saves a picture of the loaded window under a light or a dark palette, for
// looking at by eye: palette_snapshot light|dark out.png
#include <QApplication>
#include <QPalette>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "form_fixture.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s light|dark out.png\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lumor"));
  if (std::strcmp(argv[1], "dark") == 0) {
    QPalette p(QColor(0x353535), QColor(0x353535));
    p.setColor(QPalette::Base, QColor(0x2a2a2a));
    p.setColor(QPalette::Text, QColor(0xeeeeee));
    p.setColor(QPalette::WindowText, QColor(0xeeeeee));
    p.setColor(QPalette::ButtonText, QColor(0xeeeeee));
    QApplication::setPalette(p);
  }
  lumor::testing::FormHarness h;
  h.Type(h.form->IndirimText, QStringLiteral("150"));  // the rejected colour shows too
  QTest::qWait(200);
  return h.form->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
