#pragma once

class QWidget;

namespace lumor::toolkit {

// A classic fixed-single window: a client area of the given twips that the
// user cannot resize, a title bar with system menu and close box but neither
// minimise nor maximise, centred on its screen. Call before the first show;
// a QDialog stays a dialog.
void setUpFixedWindow(QWidget* window, int clientWidthTwips, int clientHeightTwips);

// Centres the window's client area on the available area of its screen.
void centreOnScreen(QWidget* window);

}  // namespace lumor::toolkit
