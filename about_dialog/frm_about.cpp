#include "frm_about.h"

#include <QPointer>
#include <array>

#include "application_identity.h"
#include "colour_value.h"
#include "command_button.h"
#include "control_row.h"
#include "fixed_window.h"
#include "form_builder.h"
#include "image_slot.h"
#include "label.h"
#include "line.h"
#include "maker_texts.h"

namespace lumor {
namespace {

using K = toolkit::ControlKind;
using toolkit::ControlRow;
using toolkit::FontChoice;

constexpr int kClientWidth = 7260;
constexpr int kClientHeight = 4260;

constexpr FontChoice kAddressFont{.face = "Arial Narrow", .points = 9.75, .bold = true};
constexpr FontChoice kPhoneFont{.face = "Arial Narrow", .points = 9};
constexpr FontChoice kTitleFont{.face = "Bodoni MT", .points = 12, .bold = true};
constexpr FontChoice kSmallFont{.face = "Small Fonts", .points = 6};
constexpr uint32_t kLabelBack = toolkit::kCaptionTextColour;
constexpr uint32_t kLineGrey = toolkit::rgbValue(128, 128, 128);

// The maker's texts come from the resources' data file; the captions of
// lblTitle and lblVersion are written at load and never seen as they are here.
// clang-format off
constexpr std::array<ControlRow, 9> kLayout{{
    {.kind = K::Image, .name = "Image1", .left = 1920, .top = 0, .width = 3450, .height = 1620, .border = false, .resource = ":/lumor/images/maker_logo.svg"},
    {.kind = K::Label, .name = "Label2", .left = 585, .top = 2040, .width = 6135, .height = 255, .font = kAddressFont, .backColour = kLabelBack},
    {.kind = K::Label, .name = "Label3", .left = 1605, .top = 2400, .width = 4095, .height = 375, .font = kPhoneFont, .backColour = kLabelBack},
    {.kind = K::Line, .name = "Line1", .index = 1, .left = 840, .top = 2760, .width = 6404, .height = 2760, .foreColour = kLineGrey},
    {.kind = K::Label, .name = "lblTitle", .caption = "Application Title", .left = 2670, .top = 3000, .width = 1965, .height = 360, .font = kTitleFont, .backColour = kLabelBack},
    {.kind = K::Label, .name = "lblVersion", .caption = "Version", .left = 240, .top = 3480, .width = 3885, .height = 225, .font = kSmallFont, .backColour = kLabelBack},
    {.kind = K::Label, .name = "lblDescription", .left = 240, .top = 3720, .width = 3885, .height = 330, .font = kSmallFont, .backColour = kLabelBack},
    {.kind = K::CommandButton, .name = "cmdOK", .caption = "&Tamam-Çıkış", .left = 5640, .top = 3240, .width = 1260, .height = 345, .tabIndex = 0, .isDefault = true, .isCancel = true},
    {.kind = K::CommandButton, .name = "cmdSysInfo", .caption = "&Sistem Bilgisi", .left = 5640, .top = 3720, .width = 1245, .height = 345, .tabIndex = 1},
}};
// clang-format on

}  // namespace

frmAbout::frmAbout(const AboutPlatform& platform, QWidget* parent)
    : QDialog(parent),
      m_platform(platform),
      m_sysInfo(platform.registry, platform.files, platform.programs,
                [this](const std::string& text) {
                  m_platform.messageBox(this, QString::fromStdString(text));
                }) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose);
  toolkit::setUpFixedWindow(this, kClientWidth, kClientHeight);
  // The classic toolkit's default face, for the buttons.
  setFont(toolkit::toolkitFont({"MS Sans Serif", 8.25, false}));
  toolkit::setBackColour(this, toolkit::kWindowBackColour);

  const toolkit::ControlRegistry controls = toolkit::buildForm(this, kLayout);
  Image1 = controls.get<toolkit::ImageSlot>("Image1");
  Label2 = controls.get<toolkit::Label>("Label2");
  Label3 = controls.get<toolkit::Label>("Label3");
  Line1 = controls.get<toolkit::Line>("Line1", 1);
  lblTitle = controls.get<toolkit::Label>("lblTitle");
  lblVersion = controls.get<toolkit::Label>("lblVersion");
  lblDescription = controls.get<toolkit::Label>("lblDescription");
  cmdOK = controls.get<toolkit::CommandButton>("cmdOK");
  cmdSysInfo = controls.get<toolkit::CommandButton>("cmdSysInfo");

  // The logo, the contact texts, the line and the title share one centre line.
  for (toolkit::Label* centred : {Label2, Label3, lblTitle}) {
    centred->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }

  const MakerTexts maker = LoadMakerTexts();
  Label2->setText(maker.address);
  Label3->setText(maker.phone);
  lblDescription->setText(maker.description);

  connect(cmdOK, &toolkit::CommandButton::Click, this, &frmAbout::cmdOK_Click);
  connect(cmdSysInfo, &toolkit::CommandButton::Click, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load() {
  const ApplicationIdentity& app = applicationIdentity();
  setWindowTitle(QStringLiteral("About ") + app.title);
  lblVersion->setText(QStringLiteral("Version ") + app.versionText());
  lblTitle->setText(app.title);
}

void frmAbout::StartSysInfo() { m_sysInfo.StartSysInfo(); }

void frmAbout::setVisible(bool visible) {
  if (visible && !m_loaded) {
    m_loaded = true;
    Form_Load();
  }
  QDialog::setVisible(visible);
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

frmAbout* showAboutDialog(const AboutPlatform& platform) {
  static QPointer<frmAbout> instance;
  if (instance.isNull()) instance = new frmAbout(platform);
  instance->show();
  return instance;
}

frmAbout* showAboutDialog() { return showAboutDialog(nativeAboutPlatform()); }

}  // namespace lumor
