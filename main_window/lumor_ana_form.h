#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "control_registry.h"
#include "main_window_layout.h"

namespace lumor {

class Engine;
class DocumentOpener;
class CatalogueIcon;

namespace toolkit {
class ComboBox;
class ImageSlot;
class OptionButton;
class TextBox;
}  // namespace toolkit

// What the window needs from outside: the catalogue viewer, the About
// dialog shown when it closes, and where its messages go.
struct MainWindowServices {
  DocumentOpener& documentOpener;
  std::function<void()> showAbout;
  std::function<void(QWidget* parent, const QString& text)> showMessage;
};

// The calculator window. The control and handler names are the ones the
// order desk knows from the original program.
class Lumor_ana_form : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kLengthWarning =
      " lütfen kablo boyu için 1-1001 arası bir değer girin ...";
  static constexpr const char* kDiscountWarning = "lütfen geçerli bir değer giriniz";
  // The same warning for a screen reader, in both languages.
  static constexpr const char* kDiscountWarningSpoken =
      "lütfen geçerli bir değer giriniz / please enter a valid value";

  Lumor_ana_form(Engine& engine, MainWindowServices services, QWidget* parent = nullptr);

  const toolkit::ControlRegistry& Controls() const { return m_controls; }

  // Load and Unload of the window: Load runs once before the first show,
  // Unload when the user closes it.
  void Form_Load();
  void Form_Unload(int& cancel);

  void Kombolari_Doldur();
  void Resimleri_Goster();
  void MultiModlariGizle();
  void MultiModlariGoster();

  void PatchCord_Option_Click();
  void PigTail_Option_Click();
  void Simpleks_option_Click();
  void Dubleks_Option_Click();
  void SM_option_Click();
  void M50_option_Click();
  void M62_Option_Click();
  void Kablo_kombo_Click();
  void Sol_uc_kombo_Click();
  void sag_uc_kombo_Click();
  void boy_text_Change();
  void IndirimText_Change();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ConnectHandlers();
  // Accessible names of the pictures: what each one shows.
  void NamePhotos();
  // BuildOrderLine, then the line into KabloKodu_label.
  void ShowOrderLine();
  // The three fibre handlers: the fibre flags, then the line, the photos and
  // the connector lists for that fibre.
  void ChooseFibre(bool singleMode, bool mm62, bool mm50);

  Engine& m_engine;
  MainWindowServices m_services;
  toolkit::ControlRegistry m_controls;

 public:
  // The controls the handlers use, by their design names.
  toolkit::OptionButton* PigTail_Option;
  toolkit::OptionButton* PatchCord_Option;
  toolkit::OptionButton* Simpleks_option;
  toolkit::OptionButton* Dubleks_Option;
  toolkit::OptionButton* SM_option;
  toolkit::OptionButton* M50_option;
  toolkit::OptionButton* M62_Option;
  toolkit::ComboBox* Sol_uc_kombo;
  toolkit::ComboBox* sag_uc_kombo;
  toolkit::ComboBox* Kablo_kombo;
  toolkit::TextBox* boy_text;
  toolkit::TextBox* IndirimText;
  toolkit::TextBox* KabloKodu_label;
  std::array<toolkit::ImageSlot*, MainWindowLayout::kLeftPhotoCount> Image2;
  std::array<toolkit::ImageSlot*, MainWindowLayout::kRightPhotoCount> Image3;
  toolkit::ImageSlot* Image4;
  toolkit::ImageSlot* Image5;
  toolkit::ImageSlot* Fig0Picture;
  CatalogueIcon* OLE1;
};

}  // namespace lumor
