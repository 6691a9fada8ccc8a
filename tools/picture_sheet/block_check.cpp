// Colour statistics for the block pictures.
#include "block_check.h"

#include <algorithm>
#include <cmath>

namespace picture_sheet {

QColor average_colour(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  double r = 0, g = 0, b = 0;
  const double count = double(argb.width()) * argb.height();
  if (count == 0) return QColor(0, 0, 0);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      const double a = qAlpha(p) / 255.0;
      r += qRed(p) * a;
      g += qGreen(p) * a;
      b += qBlue(p) * a;
    }
  }
  return QColor(int(std::lround(r / count)), int(std::lround(g / count)),
                int(std::lround(b / count)));
}

bool covers_cell(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x)
      if (qAlpha(argb.pixel(x, y)) != 255) return false;
  return !argb.isNull();
}

double colour_distance(const QColor& a, const QColor& b) {
  const double dr = a.red() - b.red();
  const double dg = a.green() - b.green();
  const double db = a.blue() - b.blue();
  return std::sqrt(dr * dr + dg * dg + db * db);
}

std::vector<closest_pair> closest_pairs(const std::vector<QColor>& colours,
                                        const std::vector<int>& same_group, std::size_t count) {
  std::vector<closest_pair> pairs;
  const auto group_of = [&](std::size_t i) { return i < same_group.size() ? same_group[i] : -1; };
  for (std::size_t i = 0; i < colours.size(); ++i) {
    for (std::size_t j = i + 1; j < colours.size(); ++j) {
      if (group_of(i) >= 0 && group_of(i) == group_of(j)) continue;
      pairs.push_back({int(i), int(j), colour_distance(colours[i], colours[j])});
    }
  }
  std::stable_sort(pairs.begin(), pairs.end(), [](const closest_pair& a, const closest_pair& b) {
    return a.distance < b.distance;
  });
  if (pairs.size() > count) pairs.resize(count);
  return pairs;
}

}  // namespace picture_sheet
