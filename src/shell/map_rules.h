// The rules of the city map that do not depend on pixels: which picture a cell shows, which
// cells can be selected, how the highlight menu changes the highlighted kinds, which way a
// right-button drag scrolls, where centring puts the view, and the cell size of each scale.
#pragma once

#include <array>
#include <bitset>
#include <vector>

namespace gm {

class tworld;

inline constexpr int kScaleCount = 6;
// Cell size in pixels of scale index 0..5 (1/1, 3/4, 1/2, 3/8, 1/4, 1/8); out of range reads 0.
int cellSizeOfScale(int scale);

// The kinds drawn in their normal form; every other kind is drawn dimmed. The nine check marks
// of the highlight menu live here too, because a click's effect depends on them.
class HighlightSet {
 public:
  static constexpr int kItems = 9;  // Tags 0 ("all") .. 8

  HighlightSet() { selectAll(); }
  bool contains(int kind) const { return kind >= 0 && kind < 29 && kinds_.test(kind); }
  bool checked(int tag) const { return tag >= 0 && tag < kItems && checked_[tag]; }
  // The highlight menu's click on the item with the given Tag.
  void click(int tag);
  // The kinds an item toggles.
  static std::vector<int> kindsOfTag(int tag);

 private:
  void selectAll();
  std::bitset<29> kinds_;
  std::array<bool, kItems> checked_{};
};

// One step of a right-button drag: how many columns and rows to scroll (each -1, 0 or 1), and
// whether the mouse moved at all (a drag with movement suppresses the pop-up menu).
struct DragStep {
  int columns = 0;
  int rows = 0;
  bool moved = false;
};
// dx = last X - X, dy = last Y - Y. Equal distances count as horizontal. With `coming` set the
// map follows the mouse; clear, it moves the other way.
DragStep dragStepFor(int dx, int dy, bool coming);

// The first visible column (or row) that centres index `c` in a view of `visible` cells out of
// `count`.
int centredFirst(int c, int visible, int count);

// A block can be selected when it lies inside the city and its kind is not 0.
bool selectableBlock(const tworld& world, int column, int row);

// Which picture a cell shows. The stores on blocks of kinds 19 and 20 are found as the company
// finds them (`tkaichou::TempoAt`, `Tenkaichou::TenpoAt`), so map and game never disagree.
enum class PictureSet { Kind, Level, OwnStore, RivalStore };
struct CellPicture {
  PictureSet set = PictureSet::Kind;
  int kind = 0;   // the kind whose picture (or level picture) is drawn
  int index = 0;  // the level or the store state; the kind for PictureSet::Kind
  bool dimmed = false;
  bool operator==(const CellPicture&) const = default;
};
CellPicture cellPicture(const tworld& world, int column, int row, const HighlightSet& highlight);

}  // namespace gm
