#pragma once

#include <QString>

namespace lumor::toolkit {

// Gives the toolkit's controls the roles and names a screen reader expects:
// a combo box is named by its caption rather than by the item it holds, a
// picture is a graphic, a line a separator and a top-level form a frame.
// Safe to call any number of times; the controls call it themselves.
void installAccessibleControls();

// The accessible name a caption gives the control it labels: the caption
// without its trailing colon.
QString accessibleNameOfCaption(const QString& caption);

}  // namespace lumor::toolkit
