#include <QApplication>
#include <cstdio>
#include <exception>

#include "application_identity.h"
#include "desktop_document_opener.h"
#include "engine.h"
#include "frm_about.h"
#include "lumor_ana_form.h"
#include "message_box.h"
#include "posix_settings_store.h"

int main(int argc, char** argv) {
#ifndef _WIN32
  // Without a display Qt would abort with a message about plugins.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs(
        "lumor: no graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); lumor is a "
        "desktop program: start it from your desktop, or use lumor-quote on the command line\n",
        stderr);
    return 1;
  }
#endif
  QApplication app(argc, argv);
  lumor::setApplicationIdentity();
  // Ties the window to its menu entry and icon where the desktop goes by the
  // desktop id (Wayland, portals); on X11 the class "lumor" does.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMOR_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/lumor/images/icon.svg")));

  lumor::PosixSettingsStore store;
  lumor::Engine engine(store);
  lumor::DesktopDocumentOpener opener;

  auto* window = new lumor::Lumor_ana_form(engine, {.documentOpener = opener,
                                                    .showAbout = [] { lumor::showAboutDialog(); },
                                                    .showMessage =
                                                        [](QWidget* parent, const QString& text) {
                                                          lumor::toolkit::messageBox(parent, text);
                                                        }});
  window->setAttribute(Qt::WA_DeleteOnClose);
  try {
    window->Form_Load();
  } catch (const std::exception& e) {
    lumor::toolkit::messageBox(nullptr, QString::fromUtf8(e.what()));
    return 1;
  }
  window->show();
  return QApplication::exec();
}
