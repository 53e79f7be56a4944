#include "lumor_ana_form.h"

#include <QCloseEvent>
#include <exception>
#include <iterator>
#include <string_view>

#include "artwork.h"
#include "catalogue.h"
#include "catalogue_icon.h"
#include "colour_value.h"
#include "combo_box.h"
#include "engine.h"
#include "fixed_window.h"
#include "font_choice.h"
#include "form_builder.h"
#include "image_slot.h"
#include "label.h"
#include "main_window_layout.h"
#include "maker_texts.h"
#include "number_text.h"
#include "option_button.h"
#include "text_box.h"
#include "twips.h"

namespace lumor {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// The photo slots of each catalogue connector, in catalogue order: the
// single-mode picture and the multimode one (the same for an angled polish).
struct Photo {
  int singleMode;
  int multiMode;
};

constexpr Photo kPhotos[] = {{0, 1}, {2, 2},  {3, 4},   {5, 5},  {6, 7},
                             {8, 8}, {9, 10}, {11, 12}, {13, 13}};
static_assert(std::size(kPhotos) == kConnectors.size(), "a photo row for every connector");

// What each picture slot shows, for screen readers; an index means the same
// on both sides, and the last two exist only on the right.
constexpr const char* kPhotoNames[] = {
    "SC konnektör, mavi gövde / SC connector, blue housing",
    "SC konnektör, bej gövde / SC connector, beige housing",
    "SC-APC konnektör, yeşil gövde / SC-APC connector, green housing",
    "FC konnektör, metal gövde, koyu kılıf / FC connector, metal body, dark boot",
    "FC konnektör, metal gövde, koyu kılıf / FC connector, metal body, dark boot",
    "FC-APC konnektör, metal gövde, yeşil kılıf / FC-APC connector, metal body, green boot",
    "LC konnektör, mavi / LC connector, blue",
    "LC konnektör, bej / LC connector, beige",
    "LC-APC konnektör, yeşil / LC-APC connector, green",
    "ST konnektör, koyu kılıf / ST connector, dark boot",
    "ST konnektör, bej kılıf / ST connector, beige boot",
    "E2000 konnektör, mavi / E2000 connector, blue",
    "E2000 konnektör, bej / E2000 connector, beige",
    "E2000-APC konnektör, yeşil / E2000-APC connector, green",
    "fiberi soyulmuş tek kablo ucu / one bare cable end with stripped fibre",
    "yan yana iki çıplak kablo ucu / two bare cable ends side by side",
};
static_assert(std::size(kPhotoNames) == MainWindowLayout::kRightPhotoCount,
              "a name for every picture slot");
static_assert(MainWindowLayout::kLeftPhotoCount <= MainWindowLayout::kRightPhotoCount);

constexpr const char* kSimplexCableName =
    "simpleks kablo: fiberi soyulmuş tek sarı kablo / simplex cable: one yellow cable with its "
    "fibre stripped";
constexpr const char* kDuplexCableName =
    "dubleks kablo: yan yana birleşik iki turuncu kablo / duplex cable: two orange cables joined "
    "side by side";
constexpr const char* kFig0CableName =
    "Fig-0 kablo: renkli iç birimli turuncu sekiz şekilli kablo / Fig-0 cable: orange "
    "figure-eight cable with coloured inner units";
constexpr const char* kLogoName = "VORN DIŞ ZODEVUR A.Ş. logosu / logo";

// The connector's catalogue row and photos, or nullptr for a code without.
const ConnectorInfo* FindConnector(const std::string& code, const Photo*& photo) {
  const auto index = ConnectorIndex(code);
  if (!index) return nullptr;
  photo = &kPhotos[*index];
  return &kConnectors[*index];
}

constexpr int kPigtailSimplexEnd = 14;
constexpr int kPigtailDuplexEnd = 15;
constexpr uint32_t kRejectedColour = toolkit::rgbValue(255, 0, 0);

}  // namespace

Lumor_ana_form::Lumor_ana_form(Engine& engine, MainWindowServices services, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_services(std::move(services)) {
  setObjectName(QStringLiteral("Lumor_ana_form"));
  setWindowTitle(QString::fromUtf8(MainWindowLayout::kCaption));
  setWindowIcon(toolkit::artworkIcon(QStringLiteral(":/lumor/images/icon.svg")));
  // The classic toolkit's default face for every control without its own.
  setFont(toolkit::toolkitFont({"MS Sans Serif", 8.25, false}));
  toolkit::setBackColour(this, toolkit::kWindowBackColour);

  toolkit::FormBuilder builder(this);
  builder.add(MainWindowLayout::Controls());
  OLE1 = new CatalogueIcon(
      m_services.documentOpener,
      [this](const QString& text) { m_services.showMessage(this, text); }, this);
  OLE1->setGeometry(
      toolkit::twipsRect(MainWindowLayout::kCatalogueLeft, MainWindowLayout::kCatalogueTop,
                         MainWindowLayout::kCatalogueWidth, MainWindowLayout::kCatalogueHeight));
  builder.adopt(OLE1, "OLE1", -1, MainWindowLayout::kCatalogueTabIndex);
  m_controls = builder.finish();

  const MakerTexts maker = LoadMakerTexts();
  m_controls.get<toolkit::Label>("Label5")->setText(maker.contact);

  using toolkit::ComboBox;
  using toolkit::ImageSlot;
  using toolkit::OptionButton;
  using toolkit::TextBox;
  PigTail_Option = m_controls.get<OptionButton>("PigTail_Option");
  PatchCord_Option = m_controls.get<OptionButton>("PatchCord_Option");
  Simpleks_option = m_controls.get<OptionButton>("Simpleks_option");
  Dubleks_Option = m_controls.get<OptionButton>("Dubleks_Option");
  SM_option = m_controls.get<OptionButton>("SM_option");
  M50_option = m_controls.get<OptionButton>("M50_option");
  M62_Option = m_controls.get<OptionButton>("M62_Option");
  Sol_uc_kombo = m_controls.get<ComboBox>("Sol_uc_kombo");
  sag_uc_kombo = m_controls.get<ComboBox>("sag_uc_kombo");
  Kablo_kombo = m_controls.get<ComboBox>("Kablo_kombo");
  boy_text = m_controls.get<TextBox>("boy_text");
  IndirimText = m_controls.get<TextBox>("IndirimText");
  KabloKodu_label = m_controls.get<TextBox>("KabloKodu_label");
  for (int i = 0; i < static_cast<int>(Image2.size()); ++i) {
    Image2[static_cast<std::size_t>(i)] = m_controls.get<ImageSlot>("Image2", i);
  }
  for (int i = 0; i < static_cast<int>(Image3.size()); ++i) {
    Image3[static_cast<std::size_t>(i)] = m_controls.get<ImageSlot>("Image3", i);
  }
  Image4 = m_controls.get<ImageSlot>("Image4");
  Image5 = m_controls.get<ImageSlot>("Image5");
  Fig0Picture = m_controls.get<ImageSlot>("Fig0Picture");
  NamePhotos();

  toolkit::setUpFixedWindow(this, MainWindowLayout::kClientWidth, MainWindowLayout::kClientHeight);
  ConnectHandlers();
}

void Lumor_ana_form::NamePhotos() {
  for (std::size_t i = 0; i < Image2.size(); ++i)
    Image2[i]->setAccessibleName(QString::fromUtf8(kPhotoNames[i]));
  for (std::size_t i = 0; i < Image3.size(); ++i)
    Image3[i]->setAccessibleName(QString::fromUtf8(kPhotoNames[i]));
  Image4->setAccessibleName(QString::fromUtf8(kSimplexCableName));
  Image5->setAccessibleName(QString::fromUtf8(kDuplexCableName));
  Fig0Picture->setAccessibleName(QString::fromUtf8(kFig0CableName));
  m_controls.get<toolkit::ImageSlot>("Image6")->setAccessibleName(QString::fromUtf8(kLogoName));
}

void Lumor_ana_form::ConnectHandlers() {
  const std::pair<toolkit::OptionButton*, void (Lumor_ana_form::*)()> options[] = {
      {PatchCord_Option, &Lumor_ana_form::PatchCord_Option_Click},
      {PigTail_Option, &Lumor_ana_form::PigTail_Option_Click},
      {Simpleks_option, &Lumor_ana_form::Simpleks_option_Click},
      {Dubleks_Option, &Lumor_ana_form::Dubleks_Option_Click},
      {SM_option, &Lumor_ana_form::SM_option_Click},
      {M50_option, &Lumor_ana_form::M50_option_Click},
      {M62_Option, &Lumor_ana_form::M62_Option_Click},
  };
  for (const auto& [option, handler] : options) {
    connect(option, &toolkit::OptionButton::Click, this, handler);
  }
  const std::pair<toolkit::ComboBox*, void (Lumor_ana_form::*)()> combos[] = {
      {Kablo_kombo, &Lumor_ana_form::Kablo_kombo_Click},
      {Sol_uc_kombo, &Lumor_ana_form::Sol_uc_kombo_Click},
      {sag_uc_kombo, &Lumor_ana_form::sag_uc_kombo_Click},
  };
  for (const auto& [combo, handler] : combos) {
    connect(combo, &toolkit::ComboBox::Click, this, handler);
  }
  connect(boy_text, &toolkit::TextBox::Change, this, &Lumor_ana_form::boy_text_Change);
  connect(IndirimText, &toolkit::TextBox::Change, this, &Lumor_ana_form::IndirimText_Change);
}

void Lumor_ana_form::Form_Load() {
  m_engine.ForceDecimalPoint();
  m_engine.LoadDefaults();

  // Selecting an option in code runs its Click handler inside the call.
  const auto& s = m_engine.SelectionState;
  SM_option->setValue(s.IsSingleMode);
  M50_option->setValue(s.IsMM50);
  M62_Option->setValue(s.IsMM62);
  Simpleks_option->setValue(s.IsSimplex);
  Dubleks_Option->setValue(s.IsDuplex);
  PigTail_Option->setValue(s.IsPigTail);
  PatchCord_Option->setValue(s.IsPatchCord);

  m_engine.SelectionState.CableLength = S(boy_text->text());
  Kombolari_Doldur();
  for (int slot = 1; slot <= 10; ++slot) Kablo_kombo->AddItem(Q(m_engine.CableCodeTable(slot)));
  ShowOrderLine();
  Resimleri_Goster();
}

void Lumor_ana_form::Form_Unload(int& cancel) {
  (void)cancel;  // the window always closes
  m_engine.RestoreDecimalSeparator();
  if (m_services.showAbout) m_services.showAbout();
}

void Lumor_ana_form::closeEvent(QCloseEvent* event) {
  int cancel = 0;  // Form_Unload never sets it: the window always closes
  try {
    Form_Unload(cancel);
  } catch (const std::exception& e) {
    // The window closes all the same; the user hears why the setting is off.
    m_services.showMessage(this, QString::fromUtf8(e.what()));
  }
  event->accept();
}

void Lumor_ana_form::Kombolari_Doldur() {
  const QString right = sag_uc_kombo->text();
  const QString left = Sol_uc_kombo->text();
  Sol_uc_kombo->Clear();
  sag_uc_kombo->Clear();
  // Angled polish is not offered with a multimode fibre.
  const bool singleMode = m_engine.SelectionState.IsSingleMode;
  for (std::size_t i = 0; i < kConnectors.size(); ++i) {
    if (!singleMode && kConnectors[i].angled) continue;
    const QString code = Q(m_engine.ConnectorTable(static_cast<int>(i) + 1).Code);
    Sol_uc_kombo->AddItem(code);
    sag_uc_kombo->AddItem(code);
  }
  sag_uc_kombo->setText(right);
  Sol_uc_kombo->setText(left);
}

void Lumor_ana_form::Resimleri_Goster() {
  const auto& s = m_engine.SelectionState;
  for (auto* photo : Image2) photo->setVisible(false);
  for (auto* photo : Image3) photo->setVisible(false);

  // Exactly one cable: a simplex selection shows the simplex cable even for Fig-0.
  Image4->setVisible(!s.IsDuplex);
  Image5->setVisible(s.IsDuplex && !s.IsFig0);
  Fig0Picture->setVisible(s.IsDuplex && s.IsFig0);

  const Photo* photo = nullptr;
  if (const ConnectorInfo* left = FindConnector(s.LeftConnector, photo)) {
    const int index = left->angled || s.IsSingleMode ? photo->singleMode : photo->multiMode;
    Image2[static_cast<std::size_t>(index)]->setVisible(true);
    if (left->angled) {
      MultiModlariGizle();
    } else {
      MultiModlariGoster();
    }
  }

  if (s.IsPigTail) {
    Image3[s.IsDuplex ? kPigtailDuplexEnd : kPigtailSimplexEnd]->setVisible(true);
  } else if (const ConnectorInfo* right = FindConnector(s.RightConnector, photo)) {
    const int index = right->angled || s.IsSingleMode ? photo->singleMode : photo->multiMode;
    Image3[static_cast<std::size_t>(index)]->setVisible(true);
    if (right->angled) {
      MultiModlariGizle();
    } else if (!s.IsSingleMode) {
      MultiModlariGoster();
    }
  }
}

void Lumor_ana_form::MultiModlariGizle() {
  M50_option->setEnabled(false);
  M62_Option->setEnabled(false);
}

void Lumor_ana_form::MultiModlariGoster() {
  M50_option->setEnabled(true);
  M62_Option->setEnabled(true);
}

void Lumor_ana_form::ShowOrderLine() {
  try {
    m_engine.BuildOrderLine();
  } catch (const std::exception& e) {
    // Accepted lengths and discounts cannot get here; if anything else
    // does, the box must not keep showing a price that no longer holds.
    KabloKodu_label->setText(QString::fromUtf8(e.what()));
    return;
  }
  KabloKodu_label->setText(Q(m_engine.OrderLine));
}

void Lumor_ana_form::PatchCord_Option_Click() {
  auto& s = m_engine.SelectionState;
  s.IsPatchCord = true;
  s.IsPigTail = false;
  sag_uc_kombo->setEnabled(true);
  s.RightConnector = S(sag_uc_kombo->text());
  ShowOrderLine();
  Resimleri_Goster();
}

void Lumor_ana_form::PigTail_Option_Click() {
  auto& s = m_engine.SelectionState;
  s.IsPigTail = true;
  s.IsPatchCord = false;
  s.RightConnector = kNoConnector;
  sag_uc_kombo->setEnabled(false);
  ShowOrderLine();
  Resimleri_Goster();
}

void Lumor_ana_form::Simpleks_option_Click() {
  auto& s = m_engine.SelectionState;
  s.IsSimplex = true;
  s.IsDuplex = false;
  Resimleri_Goster();
  ShowOrderLine();
}

void Lumor_ana_form::Dubleks_Option_Click() {
  auto& s = m_engine.SelectionState;
  s.IsSimplex = false;
  s.IsDuplex = true;
  Resimleri_Goster();
  ShowOrderLine();
}

void Lumor_ana_form::SM_option_Click() { ChooseFibre(true, false, false); }
void Lumor_ana_form::M50_option_Click() { ChooseFibre(false, false, true); }
void Lumor_ana_form::M62_Option_Click() { ChooseFibre(false, true, false); }

void Lumor_ana_form::ChooseFibre(bool singleMode, bool mm62, bool mm50) {
  auto& s = m_engine.SelectionState;
  s.IsSingleMode = singleMode;
  s.IsMM62 = mm62;
  s.IsMM50 = mm50;
  ShowOrderLine();
  Resimleri_Goster();
  // Last, so the line shown before the refill already matches the texts kept.
  Kombolari_Doldur();
}

void Lumor_ana_form::Sol_uc_kombo_Click() {
  m_engine.SelectionState.LeftConnector = S(Sol_uc_kombo->text());
  ShowOrderLine();
  Resimleri_Goster();
}

void Lumor_ana_form::sag_uc_kombo_Click() {
  m_engine.SelectionState.RightConnector = S(sag_uc_kombo->text());
  Resimleri_Goster();
  ShowOrderLine();
}

void Lumor_ana_form::Kablo_kombo_Click() {
  auto& s = m_engine.SelectionState;
  s.CableCode = S(Kablo_kombo->text());
  ShowOrderLine();
  if (CableIsDuplexOnly(s.CableCode)) {
    // The figure-eight cable only comes as duplex.
    Dubleks_Option_Click();
    Dubleks_Option->setValue(true);
    Simpleks_option->setEnabled(false);
    s.IsFig0 = true;
  } else {
    Simpleks_option->setEnabled(true);
    s.IsFig0 = false;
  }
  Resimleri_Goster();
}

void Lumor_ana_form::boy_text_Change() {
  auto& s = m_engine.SelectionState;
  s.CableLength = S(boy_text->text());
  const double v = LeadingNumber(s.CableLength);
  if (v >= 1 && v < 1001) {
    ShowOrderLine();
    return;
  }
  boy_text->setText(QString());
  KabloKodu_label->setText(QString::fromUtf8(kLengthWarning));
}

void Lumor_ana_form::IndirimText_Change() {
  const double v = LeadingNumber(S(IndirimText->text()));
  // Above 100 % the price per piece would turn negative.
  if (v >= 0 && v <= 100) {
    m_engine.DiscountPercent = v;
    IndirimText->setToolTipText(IndirimText->text());
    IndirimText->setForeColor(toolkit::kWindowTextColour);
    IndirimText->setAccessibleDescription(QString());
    ShowOrderLine();
    return;
  }
  IndirimText->setText(QString());
  IndirimText->setToolTipText(QString::fromUtf8(kDiscountWarning));
  // The red text and the tooltip reach no one who cannot see them.
  IndirimText->setAccessibleDescription(QString::fromUtf8(kDiscountWarningSpoken));
  m_engine.DiscountPercent = 0;
  IndirimText->setForeColor(kRejectedColour);
  ShowOrderLine();
}

}  // namespace lumor
