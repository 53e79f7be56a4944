// Renders every compiled-in picture at its natural size, with its resource
// name and what it shows, into one PNG for review:
//   lumor-contact-sheet OUTPUT.png [SCALE]
// A few assembled rows (left | cable | right) follow, to check that the
// pictures join up on the common axis.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <vector>

namespace {

struct Item {
  QString resource;  // below :/lumor/images/
  QString caption;
};

const char* const kConnectors[] = {
    "SC",           "SC multimode", "SC-APC",          "FC",       "FC (as 03)",
    "FC-APC",       "LC",           "LC multimode",    "LC-APC",   "ST",
    "ST multimode", "E2000",        "E2000 multimode", "E2000-APC"};

std::vector<Item> Side(const QString& side, bool with_pigtails) {
  std::vector<Item> items;
  for (int i = 0; i < 14; ++i) {
    const QString index = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    items.push_back(
        {side + QLatin1Char('/') + index + QStringLiteral(".svg"),
         side + QLatin1Char(' ') + index + QLatin1Char(' ') + QLatin1String(kConnectors[i])});
  }
  if (with_pigtails) {
    items.push_back({QStringLiteral("right/14.svg"), QStringLiteral("right 14 pigtail simplex")});
    items.push_back({QStringLiteral("right/15.svg"), QStringLiteral("right 15 pigtail duplex")});
  }
  return items;
}

const std::vector<Item> kCables = {
    {QStringLiteral("cable_simplex.svg"), QStringLiteral("cable_simplex")},
    {QStringLiteral("cable_duplex.svg"), QStringLiteral("cable_duplex")},
    {QStringLiteral("cable_fig0.svg"), QStringLiteral("cable_fig0")},
};

const std::vector<Item> kMarks = {
    {QStringLiteral("logo_strip.svg"), QStringLiteral("logo_strip")},
    {QStringLiteral("icon.svg"), QStringLiteral("icon")},
    {QStringLiteral("maker_logo.svg"), QStringLiteral("maker_logo")},
    {QStringLiteral("pdf_document.svg"), QStringLiteral("pdf_document")},
};

// left, cable, right: the combinations the main window can show.
const std::vector<std::vector<QString>> kJumpers = {
    {QStringLiteral("left/00"), QStringLiteral("cable_simplex"), QStringLiteral("right/00")},
    {QStringLiteral("left/07"), QStringLiteral("cable_duplex"), QStringLiteral("right/10")},
    {QStringLiteral("left/02"), QStringLiteral("cable_simplex"), QStringLiteral("right/08")},
    {QStringLiteral("left/13"), QStringLiteral("cable_fig0"), QStringLiteral("right/05")},
    {QStringLiteral("left/03"), QStringLiteral("cable_simplex"), QStringLiteral("right/14")},
    {QStringLiteral("left/11"), QStringLiteral("cable_duplex"), QStringLiteral("right/15")},
};

constexpr int kWidth = 1000;
constexpr int kGap = 14;
constexpr int kCaption = 16;

QString Path(const QString& name) { return QStringLiteral(":/lumor/images/") + name; }

// Lays the sheet out; with a null painter it only measures. Returns the height.
int Lay(QPainter* painter, int* failures) {
  QFont title_font(QStringLiteral("DejaVu Sans"));
  title_font.setPixelSize(15);
  title_font.setBold(true);
  QFont caption_font(QStringLiteral("DejaVu Sans"));
  caption_font.setPixelSize(10);

  int y = kGap;
  const auto section = [&](const QString& title) {
    if (painter != nullptr) {
      painter->setFont(title_font);
      painter->setPen(QColor(0x12, 0x3c, 0x86));
      painter->drawText(QRect(kGap, y, kWidth - 2 * kGap, 22), Qt::AlignLeft, title);
    }
    y += 26;
  };
  const auto draw = [&](const QString& resource, const QRect& where) {
    QSvgRenderer renderer(Path(resource));
    if (!renderer.isValid()) {
      ++*failures;
    }
    if (painter != nullptr) {
      renderer.render(painter, where);
    }
    return renderer.defaultSize();
  };
  const auto grid = [&](const std::vector<Item>& items) {
    int x = kGap;
    int row_height = 0;
    for (const Item& item : items) {
      const QSize size = QSvgRenderer(Path(item.resource)).defaultSize();
      const int cell = std::max(size.width(), 120);
      if (x + cell > kWidth - kGap) {
        x = kGap;
        y += row_height + kCaption + kGap;
        row_height = 0;
      }
      const QRect where(QPoint(x, y), size);
      draw(item.resource, where);
      if (painter != nullptr) {
        painter->setPen(QColor(0xb0, 0xb8, 0xc4));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(where.adjusted(-1, -1, 0, 0));
        painter->setFont(caption_font);
        painter->setPen(QColor(0x22, 0x2a, 0x35));
        painter->drawText(QRect(x - 4, where.bottom() + 3, cell + 8, kCaption), Qt::AlignLeft,
                          item.caption);
      }
      row_height = std::max(row_height, size.height());
      x += cell + kGap;
    }
    y += row_height + kCaption + kGap * 2;
  };

  section(QStringLiteral("Left slot: end face pointing left"));
  grid(Side(QStringLiteral("left"), false));
  section(QStringLiteral("Right slot: end face pointing right, pigtail ends"));
  grid(Side(QStringLiteral("right"), true));
  section(QStringLiteral("Cables"));
  grid(kCables);
  section(QStringLiteral("Marks and icons"));
  grid(kMarks);
  section(QStringLiteral("Assembled: left | cable | right"));
  for (const auto& jumper : kJumpers) {
    int x = kGap;
    for (const QString& part : jumper) {
      const QString resource = part + QStringLiteral(".svg");
      const QSize size = QSvgRenderer(Path(resource)).defaultSize();
      draw(resource, QRect(QPoint(x, y), size));
      x += size.width();
    }
    if (painter != nullptr) {
      painter->setFont(caption_font);
      painter->setPen(QColor(0x22, 0x2a, 0x35));
      painter->drawText(QRect(x + kGap, y + 44, 300, kCaption), Qt::AlignLeft,
                        jumper.at(0) + QStringLiteral(" | ") + jumper.at(1) +
                            QStringLiteral(" | ") + jumper.at(2));
    }
    y += 100 + 6;
  }
  return y + kGap;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  const QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 2 || args.size() > 3) {
    std::fprintf(stderr, "usage: lumor-contact-sheet OUTPUT.png [SCALE]\n");
    return 2;
  }
  const qreal scale = args.size() == 3 ? args.at(2).toDouble() : 1.0;
  if (scale <= 0) {
    std::fprintf(stderr, "lumor-contact-sheet: SCALE must be a positive number\n");
    return 2;
  }

  int failures = 0;
  const int height = Lay(nullptr, &failures);
  QImage sheet(QSize(kWidth, height) * scale, QImage::Format_ARGB32_Premultiplied);
  sheet.setDevicePixelRatio(scale);
  sheet.fill(QColor(0xf7, 0xf8, 0xfa));
  {
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    int ignored = 0;
    Lay(&painter, &ignored);
  }
  if (failures > 0) {
    std::fprintf(stderr, "lumor-contact-sheet: %d pictures missing or unreadable\n", failures);
  }
  if (!sheet.save(args.at(1))) {
    std::fprintf(stderr, "lumor-contact-sheet: cannot write %s\n", qPrintable(args.at(1)));
    return 1;
  }
  return failures > 0 ? 1 : 0;
}
