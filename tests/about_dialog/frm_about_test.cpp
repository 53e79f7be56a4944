#include "frm_about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

#include "about_fixture.h"
#include "image_slot.h"
#include "maker_texts.h"
#include "system_information_keys.h"

namespace lumor {
namespace {

using testing::control;
using testing::FakeAboutPlatform;
using testing::showActive;

// Runs deferred deletes, so a dialog closed with WA_DeleteOnClose is gone.
void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST(FrmAboutTest, LoadSetsTheCaptionsFromTheApplicationIdentity) {
  FakeAboutPlatform fakes;
  QPointer<frmAbout> dialog = new frmAbout(fakes.platform());
  dialog->show();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About lumor"));
  EXPECT_EQ(control<QLabel>(*dialog, "lblTitle")->text(), QStringLiteral("lumor"));
  EXPECT_EQ(control<QLabel>(*dialog, "lblVersion")->text(), QStringLiteral("Version 1.1.18"));
  dialog->close();
  flushDeletes();
}

TEST(FrmAboutTest, ShowsTheMakersLogoAndTexts) {
  FakeAboutPlatform fakes;
  frmAbout dialog(fakes.platform());
  const MakerTexts maker = LoadMakerTexts();
  // The shipped data has no address or number: those labels stay empty,
  // where a placeholder once stood.
  ASSERT_FALSE(maker.description.isEmpty());
  EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(), maker.address);
  EXPECT_EQ(control<QLabel>(dialog, "Label3")->text(), maker.phone);
  EXPECT_EQ(control<QLabel>(dialog, "lblDescription")->text(), maker.description);
  EXPECT_EQ(control<toolkit::ImageSlot>(dialog, "Image1")->naturalSize(), QSize(230, 108));
}

TEST(FrmAboutTest, IsAFixedCentredDialogWithoutMinimiseOrMaximise) {
  FakeAboutPlatform fakes;
  QPointer<frmAbout> dialog = new frmAbout(fakes.platform());
  dialog->show();
  EXPECT_EQ(dialog->minimumSize(), QSize(484, 284));  // 7260 x 4260 twips
  EXPECT_EQ(dialog->maximumSize(), QSize(484, 284));
  const Qt::WindowFlags flags = dialog->windowFlags();
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  // Within a window frame's width of the screen's centre.
  const QPoint offCentre =
      dialog->geometry().center() - dialog->screen()->availableGeometry().center();
  EXPECT_LE(std::abs(offCentre.x()), 8);
  EXPECT_LE(std::abs(offCentre.y()), 8);
  dialog->close();
  flushDeletes();
}

struct CloseCase {
  const char* name;
  std::function<void(frmAbout&)> act;
};

void PrintTo(const CloseCase& row, std::ostream* out) { *out << row.name; }

const CloseCase kCloseCases[] = {
    {"Enter", [](frmAbout& d) { QTest::keyClick(&d, Qt::Key_Return); }},
    {"KeypadEnter", [](frmAbout& d) { QTest::keyClick(&d, Qt::Key_Enter, Qt::KeypadModifier); }},
    {"Escape", [](frmAbout& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    {"EscapeWithSysInfoFocused",
     [](frmAbout& d) {
       control<QPushButton>(d, "cmdSysInfo")->setFocus();
       QTest::keyClick(&d, Qt::Key_Escape);
     }},
    {"OkButton",
     [](frmAbout& d) { QTest::mouseClick(control<QPushButton>(d, "cmdOK"), Qt::LeftButton); }},
    {"AltT", [](frmAbout& d) { QTest::keyClick(&d, Qt::Key_T, Qt::AltModifier); }},
    {"CloseBox", [](frmAbout& d) { d.close(); }},
};

class FrmAboutCloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(FrmAboutCloseTest, ClosesAndDestroysTheDialog) {
  FakeAboutPlatform fakes;
  QPointer<frmAbout> dialog = new frmAbout(fakes.platform());
  showActive(*dialog);
  GetParam().act(*dialog);
  // A mnemonic presses its button a moment later, as a click the user can see.
  QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 2000);
  EXPECT_TRUE(fakes.programs.started.empty());
  EXPECT_TRUE(fakes.recorder.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, FrmAboutCloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrmAboutTest, EnterOnTheFocusedSysInfoButtonStartsTheTool) {
  FakeAboutPlatform fakes;
  fakes.registry.keys[{kHkeyLocalMachine, kSysInfoKey}].values[kSysInfoValue] =
      FakeRegistryReader::Text("C:\\msinfo32.exe");
  QPointer<frmAbout> dialog = new frmAbout(fakes.platform());
  showActive(*dialog);
  QTest::keyClick(dialog, Qt::Key_Tab);
  QTest::keyClick(dialog, Qt::Key_Return);
  EXPECT_EQ(fakes.programs.started, std::vector<std::string>{"C:\\msinfo32.exe"});
  EXPECT_TRUE(dialog->isVisible());
  dialog->close();
  flushDeletes();
}

TEST(FrmAboutTest, SysInfoUnavailableShowsTheMessageOverTheOpenDialog) {
  FakeAboutPlatform fakes;
  QPointer<frmAbout> dialog = new frmAbout(fakes.platform());
  showActive(*dialog);
  QTest::mouseClick(control<QPushButton>(*dialog, "cmdSysInfo"), Qt::LeftButton);
  ASSERT_EQ(fakes.recorder.messages.size(), 1u);
  EXPECT_EQ(fakes.recorder.messages[0].text,
            QStringLiteral("System Information Is Unavailable At This Time"));
  EXPECT_EQ(fakes.recorder.messages[0].parent, dialog.data());
  EXPECT_TRUE(dialog->isVisible());
  dialog->close();
  flushDeletes();
}

// The last window closing ends the event loop, so the program ends.
TEST(FrmAboutTest, ClosingTheLastWindowEndsTheProgram) {
  ASSERT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "another window would keep it running";
  FakeAboutPlatform fakes;
  QPointer<frmAbout> dialog = showAboutDialog(fakes.platform());
  showActive(*dialog);
  bool timedOut = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  watchdog.start(10000);
  QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });

  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(timedOut);
  flushDeletes();
  EXPECT_TRUE(dialog.isNull());
}

TEST(FrmAboutTest, ShowAboutDialogKeepsOneInstance) {
  FakeAboutPlatform fakes;
  QPointer<frmAbout> first = showAboutDialog(fakes.platform());
  EXPECT_EQ(showAboutDialog(fakes.platform()), first.data());
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->parentWidget(), nullptr);
  first->close();
  flushDeletes();
  QPointer<frmAbout> second = showAboutDialog(fakes.platform());
  EXPECT_TRUE(first.isNull());
  EXPECT_FALSE(second.isNull());
  second->close();
  flushDeletes();
}

}  // namespace
}  // namespace lumor
