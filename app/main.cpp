#include <QApplication>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "application_identity.h"
#include "artwork.h"
#include "engine.h"
#include "frm_about.h"
#include "lumor_ana_form.h"
#include "message_box.h"
#include "native_platform.h"

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
  QApplication::setWindowIcon(lumor::toolkit::artworkIcon(QStringLiteral(":/lumor/images/icon.svg")));

  const auto store = lumor::nativeSettingsStore();
  const auto opener = lumor::nativeDocumentOpener();
  // The engine reads the store as it is made, so a failing store is caught too.
  std::optional<lumor::Engine> engine;
  std::unique_ptr<lumor::Lumor_ana_form> window;
  try {
    engine.emplace(*store);
    lumor::MainWindowServices services{
        .documentOpener = *opener,
        .showAbout = [] { lumor::showAboutDialog(); },
        .showMessage = [](QWidget* parent,
                          const QString& text) { lumor::toolkit::messageBox(parent, text); }};
    window = std::make_unique<lumor::Lumor_ana_form>(*engine, std::move(services));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
  } catch (const std::exception& e) {
    lumor::toolkit::messageBox(nullptr, QString::fromUtf8(e.what()));
    return 1;
  }
  // From here the window deletes itself when it closes.
  window.release()->show();
  return QApplication::exec();
}
