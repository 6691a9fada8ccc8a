// Replays the fuzz targets' committed corpora (shipped cities, saved games from headless runs,
// hand-made bad files and crafted extremes) through the targets' own entry points, so that every
// build checks them without the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/fuzz_inputs.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

int replay(const char* corpus, std::string (*input)(std::string_view)) {
  int files = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(GM_FUZZ_CORPUS_DIR) / corpus)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(input(bytes), "") << entry.path().filename();
    ++files;
  }
  return files;
}

}  // namespace

TEST(FuzzCorpus, EverySavedGameIsLoadedOrRefusedCleanly) {
  EXPECT_GE(replay("save_file", fuzz::SaveFileInput), 10);
  // The played target's games are saved games too, with numbers at their edges.
  EXPECT_GE(replay("played_save", fuzz::SaveFileInput), 100);
}

TEST(FuzzCorpus, EveryPlayedGameLoadsAndPlaysOnOrIsRefusedCleanly) {
  EXPECT_GE(replay("played_save", fuzz::PlayedSaveInput), 100);
}

TEST(FuzzCorpus, EveryCityFileIsReadOrRefusedCleanly) {
  EXPECT_GE(replay("city_file", fuzz::CityFileInput), 10);
}

}  // namespace gm
