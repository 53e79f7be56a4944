#include <QApplication>
#include <exception>

#include "application_identity.h"
#include "desktop_document_opener.h"
#include "engine.h"
#include "frm_about.h"
#include "lumor_ana_form.h"
#include "message_box.h"
#include "posix_settings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  lumor::setApplicationIdentity();
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
