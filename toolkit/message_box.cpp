#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lumor::toolkit {

void messageBox(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon,
                  title.isEmpty() ? QCoreApplication::applicationName() : title, text,
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace lumor::toolkit
