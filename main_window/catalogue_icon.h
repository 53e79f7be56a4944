#pragma once

#include <QAbstractButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace lumor {

class DocumentOpener;

// The product catalogue shown as a PDF document icon with a two-line
// caption. A double-click (or Enter or Space while it has focus, or a screen
// reader's press action: it is a button to them) writes the built-in
// catalogue to a private temporary folder and hands it to the desktop's PDF
// viewer; when nothing can open it, `report` gets a message in both languages.
class CatalogueIcon : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr const char* kCaptionFirstLine = "Katalog için simgeyi ";
  static constexpr const char* kCaptionSecondLine = "çift tıklatın";
  static constexpr const char* kCannotOpen =
      "Katalog açılamadı: bu bilgisayarda PDF dosyalarını açan bir program bulunamadı.\n"
      "The catalogue could not be opened: no program for PDF files was found on this computer.";

  CatalogueIcon(DocumentOpener& opener, std::function<void(const QString&)> report,
                QWidget* parent);

  void Open();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A single click only takes focus, as the classic icon did.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString WriteCatalogue();

  DocumentOpener& m_opener;
  std::function<void(const QString&)> m_report;
  std::unique_ptr<QTemporaryDir> m_folder;
  QPixmap m_icon;
};

}  // namespace lumor
