#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace {

// What the end of a jumper part shows where it meets its neighbour.
enum class Shade { kBlue, kBeige, kGreen, kDark, kYellow, kOrange };

const char* ShadeName(Shade shade) {
  switch (shade) {
    case Shade::kBlue:
      return "blue";
    case Shade::kBeige:
      return "beige";
    case Shade::kGreen:
      return "green";
    case Shade::kDark:
      return "dark";
    case Shade::kYellow:
      return "yellow";
    case Shade::kOrange:
      return "orange";
  }
  return "?";
}

std::optional<Shade> Classify(const QColor& colour) {
  const QColor hsv = colour.toHsv();
  const int hue = hsv.hsvHue();
  const qreal saturation = hsv.hsvSaturationF();
  const qreal value = hsv.valueF();
  if (value < 0.35) return Shade::kDark;
  if (saturation < 0.12) return std::nullopt;  // backdrop, metal, ceramic
  if (saturation < 0.45 && hue >= 25 && hue <= 60) return Shade::kBeige;
  if (hue >= 15 && hue < 40) return Shade::kOrange;
  if (hue >= 40 && hue <= 60) return Shade::kYellow;
  if (hue >= 90 && hue <= 160) return Shade::kGreen;
  if (hue >= 190 && hue <= 250) return Shade::kBlue;
  return std::nullopt;
}

struct Picture {
  QString resource;
  QSize size;
  // The cable axis has to meet the picture's edge there, in that shade, so
  // that left | cable | right join up; unset for the marks and icons.
  std::optional<Shade> left_edge;
  std::optional<Shade> right_edge;
  int axis = 50;  // the row where the edges are read
};

void PrintTo(const Picture& picture, std::ostream* out) { *out << picture.resource.toStdString(); }

std::vector<Picture> AllPictures() {
  using S = Shade;
  // Index meaning as the photo row uses it; for FC and ST the boot carries the colour.
  const Shade kConnectorShade[] = {S::kBlue,  S::kBeige, S::kGreen, S::kDark,  S::kDark,
                                   S::kGreen, S::kBlue,  S::kBeige, S::kGreen, S::kDark,
                                   S::kBeige, S::kBlue,  S::kBeige, S::kGreen};
  const QSize kConnector(100, 100);
  const QSize kCable(150, 100);
  std::vector<Picture> pictures;
  for (int i = 0; i < 14; ++i) {
    const QString name = QStringLiteral("%1.svg").arg(i, 2, 10, QLatin1Char('0'));
    pictures.push_back({QStringLiteral(":/lumor/images/left/") + name, kConnector, std::nullopt,
                        kConnectorShade[i]});
    pictures.push_back({QStringLiteral(":/lumor/images/right/") + name, kConnector,
                        kConnectorShade[i], std::nullopt});
  }
  pictures.push_back({QStringLiteral(":/lumor/images/right/14.svg"), kConnector, S::kYellow, {}});
  pictures.push_back(
      {QStringLiteral(":/lumor/images/right/15.svg"), kConnector, S::kOrange, {}, 44});
  pictures.push_back(
      {QStringLiteral(":/lumor/images/cable_simplex.svg"), kCable, S::kYellow, S::kYellow});
  pictures.push_back(
      {QStringLiteral(":/lumor/images/cable_duplex.svg"), kCable, S::kOrange, S::kOrange, 44});
  pictures.push_back(
      {QStringLiteral(":/lumor/images/cable_fig0.svg"), kCable, S::kOrange, S::kOrange, 44});
  pictures.push_back({QStringLiteral(":/lumor/images/logo_strip.svg"), QSize(140, 50), {}, {}});
  pictures.push_back({QStringLiteral(":/lumor/images/icon.svg"), QSize(32, 32), {}, {}});
  pictures.push_back({QStringLiteral(":/lumor/images/maker_logo.svg"), QSize(230, 108), {}, {}});
  pictures.push_back({QStringLiteral(":/lumor/images/pdf_document.svg"), QSize(32, 32), {}, {}});
  return pictures;
}

std::string TestName(const ::testing::TestParamInfo<Picture>& info) {
  std::string name =
      info.param.resource.mid(QStringLiteral(":/lumor/images/").size()).chopped(4).toStdString();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class ArtworkTest : public ::testing::TestWithParam<Picture> {};

INSTANTIATE_TEST_SUITE_P(Pictures, ArtworkTest, ::testing::ValuesIn(AllPictures()), TestName);

TEST_P(ArtworkTest, RendersAtItsNaturalSize) {
  const Picture& picture = GetParam();
  ASSERT_TRUE(QFile::exists(picture.resource));
  QSvgRenderer renderer(picture.resource);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.defaultSize(), picture.size);
  EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(picture.size)));

  QImage image(picture.size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    renderer.render(&painter);
  }
  // A file the renderer accepts but cannot draw leaves only the pale backdrop.
  int ink = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      const bool drawn = colour.hsvSaturationF() > 0.12 || colour.valueF() < 0.8;
      ink += colour.alpha() > 0 && drawn ? 1 : 0;
    }
  }
  EXPECT_GT(ink, image.width() * image.height() / 50);

  if (!picture.left_edge && !picture.right_edge) {
    return;  // a mark, not part of the jumper
  }
  const auto edge = [&](int x) { return Classify(image.pixelColor(x, picture.axis)); };
  const auto name = [](std::optional<Shade> shade) {
    return shade ? ShadeName(*shade) : "nothing";
  };
  // Only the joining side may touch the edge: the end face stays clear of it.
  const int right = picture.size.width() - 2;
  EXPECT_EQ(edge(1), picture.left_edge) << "left edge shows " << name(edge(1));
  EXPECT_EQ(edge(right), picture.right_edge) << "right edge shows " << name(edge(right));
}

}  // namespace
