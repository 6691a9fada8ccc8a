// Rasterisation helpers shared by the sheet and its checks.
#include "picture_render.h"

#include <QPainter>
#include <QSvgRenderer>

namespace picture_sheet {

QImage render_svg(const QString& path, QSize size) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage dimmed(const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) line[x] &= (0xFF000000u | dim_mask);
  }
  return out;
}

QImage magnified(const QImage& image, int factor) {
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace picture_sheet
