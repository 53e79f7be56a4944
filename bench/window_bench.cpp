#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "engine.h"
#include "fake_document_opener.h"
#include "fake_settings_store.h"
#include "lumor_ana_form.h"
#include "text_box.h"

namespace {

// One keystroke in the length box, up to the new line in the order-line
// box: the handler runs synchronously inside the key event.
void BM_LengthKeystroke(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "window_bench";
  static char* argv[] = {name, nullptr};
  // Left alive to the end: tearing Qt down among the static destructors crashes.
  static const auto* app = new QApplication(argc, argv);
  (void)app;
  lumor::FakeSettingsStore store;
  lumor::Engine engine(store);
  lumor::FakeDocumentOpener opener;
  lumor::Lumor_ana_form form(engine,
                             {.documentOpener = opener, .showAbout = {}, .showMessage = {}});
  form.Form_Load();
  form.show();
  auto* box = form.boy_text;
  box->setFocus();
  box->end(false);
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      QTest::keyClick(box, Qt::Key_Backspace);
    } else {
      QTest::keyClick(box, Qt::Key_5);
    }
    typed = !typed;
    benchmark::DoNotOptimize(form.KabloKodu_label->text().size());
  }
  if (!form.KabloKodu_label->text().startsWith(QStringLiteral("C-S-SM-SC-10"))) {
    state.SkipWithError("the line did not follow the keystrokes");
  }
}
BENCHMARK(BM_LengthKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
