// Every number the loader checks: one just past its range is refused with the field named and the
// running game untouched, and one just inside it loads and plays a month.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "support/save_extremes.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

std::string playedGame() {
  std::ifstream in(std::string(GM_FUZZ_CORPUS_DIR) + "/save_file/kirinodai_steady_30_months.PLR",
                   std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SaveRanges, EachNumberIsRefusedJustPastItsRangeAndPlaysJustInside) {
  const std::string base = playedGame();
  ASSERT_EQ(base.size(), kSaveRecordSize);
  auto running = std::make_unique<tworld>();
  ASSERT_TRUE(LoadSaveRecord(base, *running).ok);
  const uint64_t digest = StateDigest(*running);

  const std::vector<test::SaveExtreme> cases = test::SaveExtremes(base);
  EXPECT_GE(cases.size(), 130u);
  for (const test::SaveExtreme& c : cases) {
    SCOPED_TRACE(c.tag);
    const SaveResult past = LoadSaveRecord(test::withWrites(base, c.past), *running);
    EXPECT_FALSE(past.ok);
    EXPECT_EQ(past.error, c.refusal());
    EXPECT_EQ(StateDigest(*running), digest) << "a refused file changed the running game";

    auto game = std::make_unique<tworld>();
    const SaveResult inside = LoadSaveRecord(test::withWrites(base, c.inside), *game);
    ASSERT_TRUE(inside.ok) << inside.error;
    game->rng().setSeed(29);
    PlayMonth(*game);
  }
}

TEST(SaveRanges, GamesWithManyNumbersAtTheirEdgesLoadAndPlay) {
  const std::string base = playedGame();
  for (const test::CombinedExtreme& c : test::CombinedExtremes()) {
    SCOPED_TRACE(c.tag);
    auto game = std::make_unique<tworld>();
    ASSERT_TRUE(LoadSaveRecord(base, *game).ok);
    c.apply(*game);
    const std::string record = EncodeSaveRecord(*game);
    auto loaded = std::make_unique<tworld>();
    const SaveResult r = LoadSaveRecord(record, *loaded);
    ASSERT_TRUE(r.ok) << r.error;
    loaded->rng().setSeed(31);
    PlayMonth(*loaded);
  }
}

}  // namespace
}  // namespace gm
