#include <QApplication>
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
  QApplication app(argc, argv);
  lumor::setApplicationIdentity();
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
