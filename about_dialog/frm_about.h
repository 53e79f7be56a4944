#pragma once

#include <QDialog>

#include "about_platform.h"
#include "sys_info_launcher.h"

namespace lumor {

namespace toolkit {
class CommandButton;
class ImageSlot;
class Label;
class Line;
}  // namespace toolkit

// The About dialog: the maker's logo and contact texts, the program's title
// and version, a button that closes it and one that starts the operating
// system's system-information tool. It is the program's last window, so
// closing it ends the program.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // Without a parent it is a window of its own, destroyed when it closes.
  explicit frmAbout(const AboutPlatform& platform, QWidget* parent = nullptr);

  // Load handler: runs once, before the dialog is first shown.
  void Form_Load();
  void StartSysInfo();

  void setVisible(bool visible) override;

 private:
  void cmdOK_Click();
  void cmdSysInfo_Click();

  AboutPlatform m_platform;
  SysInfoLauncher m_sysInfo;
  bool m_loaded = false;

  toolkit::ImageSlot* Image1;
  toolkit::Label* Label2;
  toolkit::Label* Label3;
  toolkit::Line* Line1;
  toolkit::Label* lblTitle;
  toolkit::Label* lblVersion;
  toolkit::Label* lblDescription;
  toolkit::CommandButton* cmdOK;
  toolkit::CommandButton* cmdSysInfo;
};

// Shows the one About dialog, modeless and without an owner, creating and
// loading it first if there is none. A dialog already open keeps the
// platform it was created with.
frmAbout* showAboutDialog(const AboutPlatform& platform);
frmAbout* showAboutDialog();  // with nativeAboutPlatform()

}  // namespace lumor
