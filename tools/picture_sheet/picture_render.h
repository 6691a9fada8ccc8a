// Rasterises the game's SVG pictures the same way the game does at start-up,
// and applies the game's dimming, so the sheet shows what players will see.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace picture_sheet {

// Mask the game ANDs into every pixel of a dimmed block picture.
inline constexpr unsigned dim_mask = 0xC0A0A0u;

// Renders an SVG into a transparent ARGB image of the given size.
// Returns a null image when the file cannot be parsed.
QImage render_svg(const QString& path, QSize size);

// The dimmed copy of an image (alpha untouched).
QImage dimmed(const QImage& image);

// Nearest-neighbour enlargement, so tiny renders stay readable on the sheet.
QImage magnified(const QImage& image, int factor);

}  // namespace picture_sheet
