#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "about_fixture.h"
#include "frm_about.h"
#include "posix_file_probe.h"
#include "posix_program_starter.h"
#include "posix_registry_reader.h"

namespace lumor {
namespace {

using testing::control;
using testing::MessageRecorder;
using testing::showActive;

// Sets PATH for one test and puts the old value back.
class ScopedPath {
 public:
  explicit ScopedPath(const QByteArray& path)
      : m_old(qEnvironmentVariableIsSet("PATH") ? std::optional(qgetenv("PATH")) : std::nullopt) {
    qputenv("PATH", path);
  }
  ~ScopedPath() {
    if (m_old) {
      qputenv("PATH", *m_old);
    } else {
      qunsetenv("PATH");
    }
  }
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

 private:
  std::optional<QByteArray> m_old;
};

// The dialog over the real POSIX layers; only the message box is recorded.
struct PosixAbout {
  PosixRegistryReader registry;
  PosixFileProbe files;
  PosixProgramStarter programs;
  MessageRecorder recorder;
  QPointer<frmAbout> dialog = new frmAbout({registry, files, programs, recorder.function()});

  ~PosixAbout() {
    if (dialog) dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void clickSysInfo() {
    showActive(*dialog);
    QTest::mouseClick(control<QPushButton>(*dialog, "cmdSysInfo"), Qt::LeftButton);
  }
};

TEST(PosixSysInfoTest, ClickingSysInfoRunsTheToolFoundOnThePath) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString marker = folder.filePath(QStringLiteral("ran"));
  QFile script(folder.filePath(QStringLiteral("hardinfo")));
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  // Shell built-ins only: the PATH of this test holds nothing else.
  script.write("#!/bin/sh\necho started > '" + QFile::encodeName(marker) + "'\n");
  script.close();
  script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ScopedPath path(QFile::encodeName(folder.path()));

  PosixAbout about;
  about.clickSysInfo();

  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
  EXPECT_TRUE(about.recorder.messages.empty());
  EXPECT_TRUE(about.dialog->isVisible());
}

TEST(PosixSysInfoTest, WithoutAToolOnThePathTheMessageAppears) {
  ScopedPath path("");
  PosixAbout about;
  about.clickSysInfo();
  ASSERT_EQ(about.recorder.messages.size(), 1u);
  EXPECT_EQ(about.recorder.messages[0].text,
            QStringLiteral("System Information Is Unavailable At This Time"));
}

}  // namespace
}  // namespace lumor
