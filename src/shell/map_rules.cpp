// The map's pixel-free rules.
#include "shell/map_rules.h"

#include <cstdlib>

#include "world/world.h"

namespace gm {

int cellSizeOfScale(int scale) {
  static constexpr std::array<int, kScaleCount> kSizes = {32, 24, 16, 12, 8, 4};
  return scale >= 0 && scale < kScaleCount ? kSizes[scale] : 0;
}

void HighlightSet::selectAll() {
  kinds_.set();
  checked_.fill(false);
  checked_[0] = true;
}

std::vector<int> HighlightSet::kindsOfTag(int tag) {
  switch (tag) {
    case 1:
      return {19, 20};
    case 2:
      return {21};
    case 3:
      return {24};
    case 4:
      return {25};
    case 5:
      return {22};
    case 6:
      return {23};
    case 7:
      return {26};
    case 8:
      return {1, 2, 3};
    default:
      return {};
  }
}

void HighlightSet::click(int tag) {
  if (tag < 0 || tag >= kItems) return;
  // Leaving "all" starts from nothing, so that the first kind chosen stands out alone.
  if (checked_[0]) kinds_.reset();
  checked_[0] = false;
  if (tag == 0) {
    selectAll();
    return;
  }
  checked_[tag] = !checked_[tag];
  for (int k : kindsOfTag(tag)) kinds_.set(k, checked_[tag]);
}

DragStep dragStepFor(int dx, int dy, bool coming) {
  DragStep step;
  const int follow = coming ? 1 : -1;
  if (std::abs(dy) < std::abs(dx) || std::abs(dx) == std::abs(dy)) {
    if (dx < 0) step.columns = -follow;  // the mouse moved right
    if (dx > 0) step.columns = follow;   // the mouse moved left
  } else {
    if (dy < 0) step.rows = -follow;  // down
    if (dy > 0) step.rows = follow;   // up
  }
  step.moved = step.columns != 0 || step.rows != 0;
  return step;
}

int centredFirst(int c, int visible, int count) {
  const int half = visible / 2;
  int first = c > half ? c - half : 0;
  if (first > count - visible) first = count - visible;
  return first < 0 ? 0 : first;
}

bool selectableBlock(const tworld& world, int column, int row) {
  if (column < 0 || row < 0 || column > world.mapWidth - 1 || row > world.mapHeight - 1)
    return false;
  return world.block(row, column).kind != 0;
}

CellPicture cellPicture(const tworld& world, int column, int row, const HighlightSet& highlight) {
  const Tchip& block = world.block(row, column);
  const int k = block.kind;
  CellPicture pic;
  if (k == 19 || k == 20 || k == 21 || k == 24 || k == 25) {
    pic.kind = k;
    pic.dimmed = !highlight.contains(k);
    if (k == 19) {
      pic.set = PictureSet::OwnStore;
      pic.index = world.kaichou.slot(world.kaichou.TempoAt(row, column)).joutai;
    } else if (k == 20) {
      pic.set = PictureSet::RivalStore;
      // A record that has been freed keeps no state worth drawing.
      const TEntempo& t = world.rivals.Tenpo(world.rivals.TenpoAt(row, column));
      pic.index = t.used ? t.joutai : 0;
    } else {
      pic.set = PictureSet::Level;
      pic.index = block.DevelopmentLevel() & 0x7f;
    }
    return pic;
  }
  pic.set = PictureSet::Kind;
  if (k <= 31 && highlight.contains(k)) {
    pic.kind = pic.index = k;
    return pic;
  }
  // A kind byte with its top bit set is always drawn dimmed.
  pic.kind = pic.index = k & 0x7f;
  pic.dimmed = true;
  return pic;
}

}  // namespace gm
