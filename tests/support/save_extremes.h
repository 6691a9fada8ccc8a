// Saved games with one stored number pushed to the edge of what play can give it: the table of
// the loader's range test and of the played target's crafted corpus. Each case changes a played
// game's record at the field's offset (typed from the file's tables) to a value just inside its
// range, and to one just past it. The values are worked out by hand from the game's rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gm {
class tworld;
}

namespace gm::test {

struct RecordWrite {
  std::size_t offset;
  int width;  // bytes, little-endian
  int64_t value;
};

struct SaveExtreme {
  std::string tag;    // the name of its corpus file, in ASCII
  std::string field;  // how the refusal names the field
  std::vector<RecordWrite> inside;
  std::vector<RecordWrite> past;
  // The refusal of the value past the edge: "...が範囲外です（value）。" names the value, a
  // record that contradicts another is "...が正しくありません。".
  std::string refusal() const;
  bool contradiction = false;
};

// The cases for a played game's record `base` (some values follow its month, its stores' staff
// and its first rival store's owner). The base must have store 1 and rival store 1 in use.
std::vector<SaveExtreme> SaveExtremes(const std::string& base);

std::string withWrites(std::string record, const std::vector<RecordWrite>& writes);

// Games with many numbers at their edges at once, where sums over fifty stores and products of
// money and counts meet: each changes a loaded played game through its fields.
struct CombinedExtreme {
  std::string tag;
  void (*apply)(tworld& world);
};
std::vector<CombinedExtreme> CombinedExtremes();

}  // namespace gm::test
