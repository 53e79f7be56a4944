#include "catalogue_typesetter.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr qreal kPageWidth = 210.0;
constexpr qreal kMargin = 16.0;
constexpr qreal kContentWidth = kPageWidth - 2 * kMargin;
constexpr qreal kFooterTop = 282.0;

const QColor kInk(0x22, 0x2a, 0x35);
const QColor kMuted(0x5b, 0x66, 0x73);
const QColor kBrand(0x12, 0x3c, 0x86);
const QColor kAccent(0xf4, 0xc9, 0x0f);
const QColor kHeaderFill(0xe6, 0xed, 0xf7);
const QColor kZebra(0xf5, 0xf7, 0xfa);
const QColor kRule(0xc5, 0xcd, 0xd8);

// Points to millimetres, for line widths.
constexpr qreal Pt(qreal points) { return points * 25.4 / 72.0; }

}  // namespace

CatalogueTypesetter::CatalogueTypesetter(QPdfWriter& writer, const QDir& source_dir)
    : m_writer(writer), m_source_dir(source_dir), m_painter(&writer) {
  m_painter.setRenderHint(QPainter::Antialiasing);
}

qreal CatalogueTypesetter::Px(qreal mm) const { return mm * m_writer.resolution() / 25.4; }

QRectF CatalogueTypesetter::Px(const QRectF& mm) const {
  return {Px(mm.x()), Px(mm.y()), Px(mm.width()), Px(mm.height())};
}

QFont CatalogueTypesetter::Font(qreal points, bool bold) const {
  QFont font;
  // DejaVu fills in any sign the narrower face lacks.
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

qreal CatalogueTypesetter::TextHeight(const QString& text, const QFont& font,
                                      qreal width_mm) const {
  const QFontMetricsF metrics(font, &m_writer);
  const QRectF bounds =
      metrics.boundingRect(QRectF(0, 0, Px(width_mm), 1e6), Qt::AlignLeft | Qt::TextWordWrap, text);
  return bounds.height() * 25.4 / m_writer.resolution();
}

void CatalogueTypesetter::Text(const QRectF& mm, const QString& text, const QFont& font,
                               const QColor& colour, int flags) {
  m_painter.setFont(font);
  m_painter.setPen(colour);
  m_painter.drawText(Px(mm), flags, text);
}

bool CatalogueTypesetter::Typeset(const QJsonObject& catalogue, QString* error) {
  const QString title = catalogue.value(QLatin1String("title")).toString();
  const QString maker = catalogue.value(QLatin1String("maker")).toString();
  const QString footer = catalogue.value(QLatin1String("footer")).toString();
  const QJsonArray pages = catalogue.value(QLatin1String("pages")).toArray();
  for (qsizetype i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      m_writer.newPage();
    }
    const QJsonObject page = pages.at(i).toObject();
    Header(page, title, maker);
    if (!Pictures(page.value(QLatin1String("pictures")).toArray(), error)) {
      return false;
    }
    for (const QJsonValue table : page.value(QLatin1String("tables")).toArray()) {
      Table(table.toObject());
    }
    if (page.contains(QLatin1String("legend"))) {
      Legend(page.value(QLatin1String("legend")).toObject());
    }
    Notes(page.value(QLatin1String("notes")).toArray());
    if (page.contains(QLatin1String("closing")) &&
        !Closing(page.value(QLatin1String("closing")).toObject(), error)) {
      return false;
    }
    Footer(maker + QStringLiteral("  ·  ") + footer, static_cast<int>(i) + 1,
           static_cast<int>(pages.size()));
  }
  return m_painter.end();
}

void CatalogueTypesetter::Header(const QJsonObject& page, const QString& title,
                                 const QString& maker) {
  m_painter.fillRect(Px(QRectF(0, 0, kPageWidth, 28)), kBrand);
  m_painter.fillRect(Px(QRectF(0, 28, kPageWidth, 1.2)), kAccent);
  Text(QRectF(kMargin, 8, kContentWidth, 8), maker, Font(9, true), Qt::white);
  Text(QRectF(kMargin, 14, kContentWidth, 10), title, Font(16, true), Qt::white);

  m_y = 38;
  const QString heading = page.value(QLatin1String("heading")).toString();
  Text(QRectF(kMargin, m_y, kContentWidth, 9), heading, Font(15, true), kBrand);
  m_y += 8.5;
  const QString subheading = page.value(QLatin1String("subheading")).toString();
  Text(QRectF(kMargin, m_y, kContentWidth, 6), subheading, Font(9.5), kMuted);
  m_y += 7;
  const QString intro = page.value(QLatin1String("intro")).toString();
  const QFont body = Font(9);
  const qreal height = TextHeight(intro, body, kContentWidth);
  Text(QRectF(kMargin, m_y, kContentWidth, height + 1), intro, body, kInk);
  m_y += height + 5;
}

bool CatalogueTypesetter::Pictures(const QJsonArray& pictures, QString* error) {
  if (pictures.isEmpty()) {
    return true;
  }
  // Connectors and cables keep their pixel proportions at one scale.
  constexpr qreal kMmPerPixel = 0.25;
  constexpr qreal kGap = 6;
  std::vector<QSizeF> sizes;
  std::vector<qreal> widths;
  for (const QJsonValue picture : pictures) {
    const QString file = picture.toObject().value(QLatin1String("file")).toString();
    QSvgRenderer renderer(m_source_dir.filePath(file));
    if (!renderer.isValid()) {
      *error = QStringLiteral("cannot read picture %1").arg(m_source_dir.filePath(file));
      return false;
    }
    sizes.emplace_back(QSizeF(renderer.defaultSize()) * kMmPerPixel);
    widths.push_back(sizes.back().width());
  }
  const qreal total =
      std::accumulate(widths.begin(), widths.end(), 0.0) + kGap * (pictures.size() - 1);
  qreal x = kMargin + (kContentWidth - total) / 2;
  qreal tallest = 0;
  for (qsizetype i = 0; i < pictures.size(); ++i) {
    const QJsonObject picture = pictures.at(i).toObject();
    const QRectF frame(x, m_y, sizes[i].width(), sizes[i].height());
    QSvgRenderer renderer(m_source_dir.filePath(picture.value(QLatin1String("file")).toString()));
    renderer.render(&m_painter, Px(frame));
    m_painter.setPen(QPen(kRule, Px(Pt(0.5))));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(Px(frame));
    Text(QRectF(x - kGap / 2, frame.bottom() + 1.2, frame.width() + kGap, 5),
         picture.value(QLatin1String("caption")).toString(), Font(8.5, true), kInk,
         Qt::AlignHCenter | Qt::AlignTop);
    tallest = std::max(tallest, frame.height());
    x += frame.width() + kGap;
  }
  m_y += tallest + 10;
  return true;
}

void CatalogueTypesetter::Table(const QJsonObject& table) {
  constexpr qreal kPadX = 1.6;
  constexpr qreal kPadY = 1.3;
  const QFont caption_font = Font(10.5, true);
  const QFont head_font = Font(7.5, true);
  const QFont cell_font = Font(8);
  const QFont key_font = Font(8, true);

  Text(QRectF(kMargin, m_y, kContentWidth, 6), table.value(QLatin1String("caption")).toString(),
       caption_font, kBrand);
  m_y += 6.5;

  std::vector<qreal> widths;
  for (const QJsonValue weight : table.value(QLatin1String("widths")).toArray()) {
    widths.push_back(weight.toDouble());
  }
  const qreal weight_sum = std::accumulate(widths.begin(), widths.end(), 0.0);
  for (qreal& w : widths) {
    w = w / weight_sum * kContentWidth;
  }

  const auto cells = [](const QJsonValue& row) {
    QStringList texts;
    for (const QJsonValue cell : row.toArray()) {
      texts << cell.toString();
    }
    return texts;
  };
  // The key columns (the connector, the code) are set bold; the first by default.
  std::vector<bool> bold(widths.size(), false);
  const QJsonArray bold_columns = table.value(QLatin1String("bold_columns")).toArray({0});
  for (const QJsonValue column : bold_columns) {
    const auto c = static_cast<std::size_t>(column.toInt());
    if (c < bold.size()) {
      bold[c] = true;
    }
  }
  const auto columns = [&](const QStringList& texts) {
    return std::min(texts.size(), static_cast<qsizetype>(widths.size()));
  };
  const auto row_height = [&](const QStringList& texts, const QFont& plain, const QFont& key) {
    qreal height = 0;
    for (qsizetype c = 0; c < columns(texts); ++c) {
      height = std::max(height, TextHeight(texts[c], bold[c] ? key : plain, widths[c] - 2 * kPadX));
    }
    return height + 2 * kPadY;
  };
  const auto draw_row = [&](const QStringList& texts, const QFont& plain, const QFont& key,
                            qreal height) {
    qreal x = kMargin;
    for (qsizetype c = 0; c < columns(texts); ++c) {
      Text(QRectF(x + kPadX, m_y + kPadY, widths[c] - 2 * kPadX, height - 2 * kPadY), texts[c],
           bold[c] ? key : plain, kInk, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
      x += widths[c];
    }
  };
  const auto rule = [&](qreal y, qreal points, const QColor& colour) {
    m_painter.setPen(QPen(colour, Px(Pt(points))));
    m_painter.drawLine(QPointF(Px(kMargin), Px(y)), QPointF(Px(kMargin + kContentWidth), Px(y)));
  };

  const QStringList header = cells(table.value(QLatin1String("header")));
  const qreal head_height = row_height(header, head_font, head_font);
  m_painter.fillRect(Px(QRectF(kMargin, m_y, kContentWidth, head_height)), kHeaderFill);
  draw_row(header, head_font, head_font, head_height);
  rule(m_y, 1.2, kBrand);
  m_y += head_height;
  rule(m_y, 0.6, kBrand);

  bool zebra = false;
  for (const QJsonValue row : table.value(QLatin1String("rows")).toArray()) {
    const QStringList texts = cells(row);
    const qreal height = row_height(texts, cell_font, key_font);
    if (zebra) {
      m_painter.fillRect(Px(QRectF(kMargin, m_y, kContentWidth, height)), kZebra);
    }
    zebra = !zebra;
    draw_row(texts, cell_font, key_font, height);
    m_y += height;
    rule(m_y, 0.35, kRule);
  }
  rule(m_y, 1.2, kBrand);
  m_y += 8;
}

void CatalogueTypesetter::Legend(const QJsonObject& legend) {
  Text(QRectF(kMargin, m_y, kContentWidth, 6), legend.value(QLatin1String("caption")).toString(),
       Font(10.5, true), kBrand);
  m_y += 7.5;
  const QJsonArray items = legend.value(QLatin1String("items")).toArray();
  if (items.isEmpty()) {
    return;
  }
  constexpr qreal kSwatch = 6;
  const qreal column = kContentWidth / items.size();
  for (qsizetype i = 0; i < items.size(); ++i) {
    const QJsonObject item = items.at(i).toObject();
    const qreal x = kMargin + i * column;
    const QColor colour(item.value(QLatin1String("colour")).toString());
    m_painter.setPen(QPen(colour.darker(140), Px(Pt(0.6))));
    m_painter.setBrush(colour);
    m_painter.drawRoundedRect(Px(QRectF(x, m_y, kSwatch, kSwatch)), Px(1), Px(1));
    Text(QRectF(x + kSwatch + 2.5, m_y, column - kSwatch - 4, kSwatch),
         item.value(QLatin1String("label")).toString(), Font(8.5), kInk,
         Qt::AlignLeft | Qt::AlignVCenter);
  }
  m_y += kSwatch + 8;
}

void CatalogueTypesetter::Notes(const QJsonArray& notes) {
  const QFont font = Font(7.5);
  for (const QJsonValue note : notes) {
    const QString text = note.toString();
    const qreal height = TextHeight(text, font, kContentWidth - 4);
    Text(QRectF(kMargin, m_y, 4, height), QStringLiteral("•"), font, kMuted);
    Text(QRectF(kMargin + 4, m_y, kContentWidth - 4, height + 1), text, font, kMuted);
    m_y += height + 1.5;
  }
  m_y += 4;
}

bool CatalogueTypesetter::Closing(const QJsonObject& closing, QString* error) {
  const QString file = closing.value(QLatin1String("logo")).toString();
  QSvgRenderer logo(m_source_dir.filePath(file));
  if (!logo.isValid()) {
    *error = QStringLiteral("cannot read picture %1").arg(m_source_dir.filePath(file));
    return false;
  }
  const QSizeF logo_size = QSizeF(logo.defaultSize()) * 0.2;
  const qreal height = logo_size.height() + 6;
  // Sits on the footer so the page ends on the maker, whatever is above.
  const QRectF box(kMargin, kFooterTop - 6 - height, kContentWidth, height);
  m_painter.setPen(QPen(kRule, Px(Pt(0.6))));
  m_painter.setBrush(kZebra);
  m_painter.drawRoundedRect(Px(box), Px(2), Px(2));
  logo.render(&m_painter,
              Px(QRectF(box.x() + 3, box.y() + 3, logo_size.width(), logo_size.height())));

  const QJsonArray lines = closing.value(QLatin1String("lines")).toArray();
  const qreal text_x = box.x() + logo_size.width() + 10;
  const qreal text_width = box.right() - 4 - text_x;
  qreal y = box.y() + 4;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QFont font = i == 0 ? Font(12, true) : Font(8.5);
    const QString text = lines.at(i).toString();
    const qreal line_height = TextHeight(text, font, text_width);
    Text(QRectF(text_x, y, text_width, line_height + 1), text, font, i == 0 ? kBrand : kInk);
    y += line_height + 1.2;
  }
  return true;
}

void CatalogueTypesetter::Footer(const QString& left, int page, int pages) {
  m_painter.setPen(QPen(kBrand, Px(Pt(0.8))));
  m_painter.drawLine(QPointF(Px(kMargin), Px(kFooterTop)),
                     QPointF(Px(kMargin + kContentWidth), Px(kFooterTop)));
  const QFont font = Font(7.5);
  const QRectF line(kMargin, kFooterTop + 2, kContentWidth, 5);
  Text(line, left, font, kMuted, Qt::AlignLeft | Qt::AlignTop);
  Text(line, QStringLiteral("Sayfa / Page %1 / %2").arg(page).arg(pages), font, kMuted,
       Qt::AlignRight | Qt::AlignTop);
}
