#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <cstdint>

#include "engine.h"
#include "fake_document_opener.h"
#include "fake_settings_store.h"
#include "lumor_ana_form.h"
#include "combo_box.h"
#include "text_box.h"

namespace {

// The window with a length text of `length` characters ("10" and blanks,
// still accepted), for the cost of a big paste left standing.
struct Window {
  explicit Window(std::int64_t length) {
    form.Form_Load();
    form.show();
    if (length > 2) form.boy_text->setText(QStringLiteral("10") + QString(length - 2, ' '));
  }
  static QApplication& app() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "window_bench";
    static char* argv[] = {name, nullptr};
    // Left alive to the end: tearing Qt down among the static destructors crashes.
    static auto* application = new QApplication(argc, argv);
    return *application;
  }
  QApplication& application = app();
  lumor::FakeSettingsStore store;
  lumor::Engine engine{store};
  lumor::FakeDocumentOpener opener;
  lumor::Lumor_ana_form form{engine, {.documentOpener = opener, .showAbout = {}, .showMessage = {}}};
};

// One keystroke in the length box, up to the new line in the order-line
// box: the handler runs synchronously inside the key event.
void BM_LengthKeystroke(benchmark::State& state) {
  Window w(state.range(0));
  auto* box = w.form.boy_text;
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
    benchmark::DoNotOptimize(w.form.KabloKodu_label->text().size());
  }
  if (!w.form.KabloKodu_label->text().startsWith(QStringLiteral("C-S-SM-SC-10"))) {
    state.SkipWithError("the line did not follow the keystrokes");
  }
}
BENCHMARK(BM_LengthKeystroke)
    ->Arg(2)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

// A pick in the left connector list with the same length text standing.
void BM_ConnectorPick(benchmark::State& state) {
  Window w(state.range(0));
  auto* combo = w.form.Sol_uc_kombo;
  combo->setFocus();
  bool down = true;
  for (auto _ : state) {
    // The arrow keys pick as a user does, so the Click handler runs.
    QTest::keyClick(combo, down ? Qt::Key_Down : Qt::Key_Up);
    down = !down;
    benchmark::DoNotOptimize(w.form.KabloKodu_label->text().size());
  }
  if (!w.form.KabloKodu_label->text().startsWith(QStringLiteral("C-S-SM-S"))) {
    state.SkipWithError("the line did not follow the picks");
  }
}
BENCHMARK(BM_ConnectorPick)->Arg(2)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace
