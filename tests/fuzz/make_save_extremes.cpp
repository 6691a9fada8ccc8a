// Writes the played target's crafted corpus: for every case of the loader's range table, the
// played game with that one number just inside its range, and the games with many numbers at
// their edges at once.
//   make_save_extremes BASE.PLR FOLDER
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "persist/save_file.h"
#include "support/save_extremes.h"
#include "world/world.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_save_extremes BASE.PLR FOLDER\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string base((std::istreambuf_iterator<char>(in)), {});
  int written = 0;
  for (const gm::test::SaveExtreme& c : gm::test::SaveExtremes(base)) {
    std::ofstream out(std::string(argv[2]) + "/extreme_" + c.tag + ".PLR", std::ios::binary);
    out << gm::test::withWrites(base, c.inside);
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", c.tag.c_str());
      return 1;
    }
    ++written;
  }
  for (const gm::test::CombinedExtreme& c : gm::test::CombinedExtremes()) {
    gm::tworld world;
    if (!gm::LoadSaveRecord(base, world).ok) return 1;
    c.apply(world);
    const std::string record = gm::EncodeSaveRecord(world);
    const gm::SaveResult checked = gm::CheckSaveRecord(record);
    if (!checked.ok) {
      std::fprintf(stderr, "%s is refused: %s\n", c.tag.c_str(), checked.error.c_str());
      return 1;
    }
    std::ofstream(std::string(argv[2]) + "/extreme_" + c.tag + ".PLR", std::ios::binary) << record;
    ++written;
  }
  std::printf("%d records\n", written);
  return 0;
}
