#include "fixed_window.h"

#include <QScreen>
#include <QWidget>

#include "twips.h"

namespace lumor::toolkit {

void setUpFixedWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips) {
  const Qt::WindowFlags type = window->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
  window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window->setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
  centreOnScreen(window);
}

void centreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  QRect placed(QPoint(), window->size());
  placed.moveCenter(screen->availableGeometry().center());
  window->move(placed.topLeft());
}

}  // namespace lumor::toolkit
