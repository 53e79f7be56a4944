#include "catalogue_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>

#include "artwork.h"
#include "document_opener.h"
#include "font_choice.h"

namespace lumor {
namespace {

constexpr const char* kIconResource = ":/lumor/images/pdf_document.svg";
constexpr const char* kCatalogueResource = ":/lumor/catalogue.pdf";

}  // namespace

CatalogueIcon::CatalogueIcon(DocumentOpener& opener, std::function<void(const QString&)> report,
                             QWidget* parent)
    : QAbstractButton(parent), m_opener(opener), m_report(std::move(report)) {
  setFont(toolkit::toolkitFont({"Tahoma", 7.5, false}));
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Katalog / Catalogue (PDF)"));
  setAccessibleName(QStringLiteral("Katalog / Catalogue (PDF)"));
  setAccessibleDescription(QString::fromUtf8(kCaptionFirstLine) +
                           QString::fromUtf8(kCaptionSecondLine));
  // Space, and the press action of assistive technology, click the button.
  connect(this, &QAbstractButton::clicked, this, &CatalogueIcon::Open);
}

void CatalogueIcon::paintEvent(QPaintEvent*) {
  if (m_icon.isNull() || m_icon.devicePixelRatio() != devicePixelRatioF()) {
    m_icon = toolkit::renderArtwork(QString::fromLatin1(kIconResource), devicePixelRatioF());
  }
  QPainter p(this);
  const QSizeF iconSize = m_icon.deviceIndependentSize();
  const QFontMetrics metrics(font());
  const int captionHeight = 2 * metrics.height();
  const int top = std::max(0, (height() - static_cast<int>(iconSize.height()) - captionHeight) / 2);
  p.drawPixmap(QPointF((width() - iconSize.width()) / 2, top), m_icon);
  QRect caption(0, top + static_cast<int>(iconSize.height()) + 1, width(), captionHeight);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(caption, Qt::AlignHCenter | Qt::AlignTop,
             QString::fromUtf8(kCaptionFirstLine).trimmed() + QLatin1Char('\n') +
                 QString::fromUtf8(kCaptionSecondLine));
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void CatalogueIcon::mousePressEvent(QMouseEvent* event) { event->accept(); }

void CatalogueIcon::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void CatalogueIcon::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Open();
}

void CatalogueIcon::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Open();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

QString CatalogueIcon::CachePath() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
         QStringLiteral("/lumor-katalog.pdf");
}

QString CatalogueIcon::WriteCatalogue() {
  constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  QFile source(QString::fromLatin1(kCatalogueResource));
  if (!source.open(QIODevice::ReadOnly)) return {};
  const QByteArray pdf = source.readAll();
  const QString path = CachePath();
  QFile kept(path);
  if (kept.size() == pdf.size() && kept.open(QIODevice::ReadOnly) && kept.readAll() == pdf) {
    kept.close();
    if (!kept.setPermissions(kOwnerOnly)) return {};
    return path;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return {};
  // Written beside it and renamed over it, so a viewer that has it open
  // never reads half a file.
  QSaveFile target(path);
  if (!target.open(QIODevice::WriteOnly) || !target.setPermissions(kOwnerOnly) ||
      target.write(pdf) != pdf.size() || !target.commit())
    return {};
  return QFile::setPermissions(path, kOwnerOnly) ? path : QString();
}

void CatalogueIcon::Open() {
  const QString path = WriteCatalogue();
  if (path.isEmpty()) {
    m_report(QString::fromUtf8(kCannotOpen));
    return;
  }
  m_opener.Open(path.toStdString(), [this, path](bool opened) {
    if (!opened) m_report(QString::fromUtf8(kCannotOpen) + QString::fromUtf8(kFileIsAt) + path);
  });
}

}  // namespace lumor
