#pragma once

#include <QAbstractButton>
#include <functional>

namespace lumor {

class DocumentOpener;

// The product catalogue shown as a PDF document icon with a two-line
// caption. A double-click (or Enter or Space while it has focus, or a screen
// reader's press action: it is a button to them) writes the built-in
// catalogue to one file in the user's cache and hands it to the desktop's PDF
// viewer; when nothing can open it, `report` gets a message in both languages
// that says where the file is.
class CatalogueIcon : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr const char* kCaptionFirstLine = "Katalog için simgeyi ";
  static constexpr const char* kCaptionSecondLine = "çift tıklatın";
  static constexpr const char* kCannotOpen =
      "Katalog açılamadı: bu bilgisayarda PDF dosyalarını açan bir program bulunamadı.\n"
      "The catalogue could not be opened: no program for PDF files was found on this computer.";
  static constexpr const char* kFileIsAt = "\nDosya / File: ";

  CatalogueIcon(DocumentOpener& opener, std::function<void(const QString&)> report,
                QWidget* parent);

  void Open();
  // Where the catalogue is kept: one file per user, which outlives the
  // window for the viewer's sake and is replaced, never added to.
  static QString CachePath();

 protected:
  void paintEvent(QPaintEvent* event) override;
  // A single click only takes focus, as the classic icon did.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The cache file, written only when missing or different; empty on failure.
  QString WriteCatalogue();

  DocumentOpener& m_opener;
  std::function<void(const QString&)> m_report;
  QPixmap m_icon;
};

}  // namespace lumor
