#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <QWidget>
#include <vector>

#include "about_platform.h"
#include "fake_file_probe.h"
#include "fake_program_starter.h"
#include "fake_registry_reader.h"

namespace lumor::testing {

// Message boxes are recorded, never opened, so no test waits on a modal box.
struct RecordedMessage {
  QWidget* parent;
  QString text;
};

struct MessageRecorder {
  std::vector<RecordedMessage> messages;

  auto function() {
    return [this](QWidget* parent, const QString& text) { messages.push_back({parent, text}); };
  }
};

// An About platform of fakes: an empty registry, no files, starts recorded.
struct FakeAboutPlatform {
  FakeRegistryReader registry;
  FakeFileProbe files;
  FakeProgramStarter programs;
  MessageRecorder recorder;

  AboutPlatform platform() { return {registry, files, programs, recorder.function()}; }
};

// Keys and shortcuts behave as for a user only in the active window.
inline void showActive(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

template <class Widget>
Widget* control(QWidget& window, const char* name) {
  auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

}  // namespace lumor::testing
