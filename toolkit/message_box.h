#pragma once

#include <QString>

class QWidget;

namespace lumor::toolkit {

// The classic message box: the text, an OK button, no icon; titled with the
// application title (QCoreApplication::applicationName) when no title is
// given. Modal; returns when the user closes it.
void messageBox(QWidget* parent, const QString& text, const QString& title = {});

}  // namespace lumor::toolkit
