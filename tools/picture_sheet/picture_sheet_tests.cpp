// Tests for the rendering and colour checks the picture review relies on.
#include "block_check.h"
#include "picture_render.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace ps = picture_sheet;

namespace {

QString write_svg(const QTemporaryDir& dir, const char* name, const QByteArray& body) {
  const QString path = dir.filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(body);
  return path;
}

}  // namespace

TEST(render, draws_svg_at_requested_size_and_rejects_bad_files) {
  QTemporaryDir dir;
  const QString good = write_svg(dir, "red.svg",
                                 "<svg xmlns='http://www.w3.org/2000/svg' width='32' height='32' "
                                 "viewBox='0 0 32 32'><rect width='32' height='32' "
                                 "fill='#ff0000'/></svg>");
  const QImage image = ps::render_svg(good, {4, 4});
  ASSERT_EQ(image.size(), QSize(4, 4));
  EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 0, 255));
  EXPECT_EQ(image.pixel(3, 3), qRgba(255, 0, 0, 255));

  const QString bad = write_svg(dir, "bad.svg", "not an svg");
  EXPECT_TRUE(ps::render_svg(bad, {4, 4}).isNull());
  EXPECT_TRUE(ps::render_svg(dir.filePath("missing.svg"), {4, 4}).isNull());
}

TEST(dimming, masks_colour_channels_and_keeps_alpha) {
  QImage image(2, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(255, 255, 255, 255));
  image.setPixel(1, 0, qRgba(0x3F, 0x5F, 0xFF, 0x80));
  const QImage d = ps::dimmed(image);
  EXPECT_EQ(d.pixel(0, 0), qRgba(0xC0, 0xA0, 0xA0, 0xFF));
  // Low bits vanish completely: a colour below the mask's lowest bit turns black.
  EXPECT_EQ(d.pixel(1, 0), qRgba(0x00, 0x00, 0xA0, 0x80));
}

TEST(block_check, average_and_coverage_treat_transparency_as_black_ground) {
  QImage image(2, 2, QImage::Format_ARGB32);
  image.fill(qRgba(200, 100, 40, 255));
  EXPECT_TRUE(ps::covers_cell(image));
  EXPECT_EQ(ps::average_colour(image), QColor(200, 100, 40));

  image.setPixel(1, 1, qRgba(0, 0, 0, 0));
  EXPECT_FALSE(ps::covers_cell(image));
  EXPECT_EQ(ps::average_colour(image), QColor(150, 75, 30));

  EXPECT_FALSE(ps::covers_cell(QImage()));
}

TEST(block_check, closest_pairs_come_first_and_skip_colours_allowed_to_match) {
  const std::vector<QColor> colours{QColor(0, 0, 0), QColor(100, 100, 100), QColor(101, 100, 100),
                                    QColor(0, 0, 10)};
  const auto plain = ps::closest_pairs(colours, {}, 2);
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(plain[0].first, 1);
  EXPECT_EQ(plain[0].second, 2);
  EXPECT_DOUBLE_EQ(plain[0].distance, 1.0);
  EXPECT_EQ(plain[1].first, 0);
  EXPECT_EQ(plain[1].second, 3);

  // The two greys are one road in two directions: the next closest pair leads.
  const auto grouped = ps::closest_pairs(colours, {-1, 7, 7, -1}, 1);
  ASSERT_EQ(grouped.size(), 1u);
  EXPECT_EQ(grouped[0].first, 0);
  EXPECT_EQ(grouped[0].second, 3);
  EXPECT_DOUBLE_EQ(grouped[0].distance, 10.0);

  EXPECT_TRUE(ps::closest_pairs({QColor(1, 2, 3)}, {}, 5).empty());
}
