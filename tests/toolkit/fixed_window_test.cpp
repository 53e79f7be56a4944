#include <gtest/gtest.h>

#include <QDialog>
#include <QScreen>

#include "fixed_window.h"
#include "test_support.h"

namespace lumor::toolkit {
namespace {

TEST(FixedWindow, ClientAreaFromTwipsFixedAndCentred) {
  QWidget window;
  setUpFixedWindow(&window, 9870, 7830);

  EXPECT_EQ(window.size(), QSize(658, 522));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the user could resize it";
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window.windowType(), Qt::Window);
  const QPoint centre = window.screen()->availableGeometry().center();
  EXPECT_LE((window.geometry().center() - centre).manhattanLength(), 2);
}

TEST(FixedWindow, DialogStaysADialog) {
  QDialog dialog;
  setUpFixedWindow(&dialog, 7260, 4260);
  EXPECT_EQ(dialog.windowType(), Qt::Dialog);
  EXPECT_EQ(dialog.size(), QSize(484, 284));
}

}  // namespace
}  // namespace lumor::toolkit
