#include <gtest/gtest.h>

#include <QImage>
#include <stdexcept>
#include <string>

#include "artwork.h"
#include "image_slot.h"
#include "test_support.h"

namespace lumor::toolkit {
namespace {

struct RatioCase {
  std::string name;
  qreal ratio;
  QSize devicePixels;
};
void PrintTo(const RatioCase& row, std::ostream* out) { *out << row.name; }

class RenderArtworkTest : public ::testing::TestWithParam<RatioCase> {};

// The pixmap holds device pixels and lays out at the natural size.
TEST_P(RenderArtworkTest, RendersNaturalSizeTimesTheRatio) {
  const QPixmap pixmap = renderArtwork(":/test/art/wide.svg", GetParam().ratio);
  EXPECT_EQ(pixmap.size(), GetParam().devicePixels);
  EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), GetParam().ratio);
  EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(150, 100));
  const QImage image = pixmap.toImage();
  EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::blue));
}

INSTANTIATE_TEST_SUITE_P(Rows, RenderArtworkTest,
                         ::testing::Values(RatioCase{"standard_screen", 1.0, {150, 100}},
                                           RatioCase{"double_density", 2.0, {300, 200}},
                                           RatioCase{"fractional_scaling", 1.5, {225, 150}}),
                         testing::RowName{});

TEST(RenderArtwork, MissingResourceFailsLoudly) {
  EXPECT_THROW(renderArtwork(":/test/art/none.svg", 1.0), std::runtime_error);
  QWidget window;
  EXPECT_THROW(ImageSlot(":/test/art/none.svg", true, &window), std::runtime_error);
  EXPECT_TRUE(window.children().isEmpty());
}

struct SlotCase {
  std::string name;
  bool bordered;
  QSize controlSize;
  QPoint firstPicturePixel;
};
void PrintTo(const SlotCase& row, std::ostream* out) { *out << row.name; }

class ImageSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(ImageSlotTest, ShowsThePictureAtNaturalSizeInsideItsBorder) {
  const SlotCase& row = GetParam();
  QWidget window;
  window.setPalette(QPalette(QColor(Qt::white)));
  auto* slot = new ImageSlot(":/test/art/square.svg", row.bordered, &window);
  slot->resize(slot->sizeHint());

  EXPECT_EQ(slot->sizeHint(), row.controlSize);
  const QImage shot = slot->grab().toImage();
  EXPECT_EQ(shot.pixelColor(row.firstPicturePixel), QColor(Qt::red));
  const QPoint last = row.firstPicturePixel + QPoint(99, 99);
  EXPECT_EQ(shot.pixelColor(last), QColor(Qt::red));
  if (row.bordered) {
    EXPECT_NE(shot.pixelColor(0, 0), QColor(Qt::red)) << "no border drawn";
    EXPECT_NE(shot.pixelColor(103, 103), QColor(Qt::red)) << "no border drawn";
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, ImageSlotTest,
                         ::testing::Values(SlotCase{"bordered_photo", true, {104, 104}, {2, 2}},
                                           SlotCase{"borderless_logo", false, {100, 100}, {0, 0}}),
                         testing::RowName{});

}  // namespace
}  // namespace lumor::toolkit
