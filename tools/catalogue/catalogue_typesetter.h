#pragma once

#include <QColor>
#include <QDir>
#include <QFont>
#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QRectF>
#include <QString>

class QPdfWriter;

// Lays the catalogue's data out on A4 pages: header band, pictures, ruled
// tables, notes and a footer on every page. Works in millimetres; the
// writer's resolution is only applied when painting.
class CatalogueTypesetter {
 public:
  // Pictures named in the data are looked up relative to source_dir.
  CatalogueTypesetter(QPdfWriter& writer, const QDir& source_dir);

  // Returns false with a message when a picture is missing or unreadable.
  bool Typeset(const QJsonObject& catalogue, QString* error);

 private:
  qreal Px(qreal mm) const;
  QRectF Px(const QRectF& mm) const;
  QFont Font(qreal points, bool bold = false) const;
  qreal TextHeight(const QString& text, const QFont& font, qreal width_mm) const;
  void Text(const QRectF& mm, const QString& text, const QFont& font, const QColor& colour,
            int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

  void Header(const QJsonObject& page, const QString& title, const QString& maker);
  void Footer(const QString& left, int page, int pages);
  bool Pictures(const QJsonArray& pictures, QString* error);
  void Table(const QJsonObject& table);
  void Legend(const QJsonObject& legend);
  void Notes(const QJsonArray& notes);
  bool Closing(const QJsonObject& closing, QString* error);

  QPdfWriter& m_writer;
  QDir m_source_dir;
  QPainter m_painter;
  qreal m_y = 0;  // next free line, millimetres from the top
};
