// Checks that the block pictures can be told apart on the small map, where
// each cell is only a few pixels wide and only its average colour survives.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

namespace picture_sheet {

// Average colour of an image composited over black (the map's background).
QColor average_colour(const QImage& image);

// True when every pixel is fully opaque.
bool covers_cell(const QImage& image);

// Euclidean RGB distance.
double colour_distance(const QColor& a, const QColor& b);

struct closest_pair {
  int first = -1;
  int second = -1;
  double distance = 0.0;
};

// The `count` pairs of colours that are hardest to tell apart, closest first;
// first < second in each. `same_group` lets pairs that may legitimately share a
// colour (the same road or track in another direction) be skipped; -1 = no group.
std::vector<closest_pair> closest_pairs(const std::vector<QColor>& colours,
                                        const std::vector<int>& same_group, std::size_t count);

}  // namespace picture_sheet
