// The model-name generator: the marks a reset leaves, names drawn without repeats until a pool
// runs out, and pools with no names.
#include "store/name_generator.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "store/model_name_pools.h"

namespace gm {
namespace {

TEST(NameGenerator, ResetMarksOnlyThePoolsNamesFree) {
  tdainameselect names;
  for (int m = 0; m < kMakerCount; ++m)
    for (int t = 0; t < kMachineTypeCount; ++t) {
      int count = modelNamePool(m, t).count;
      for (int i = 0; i < 30; ++i)
        ASSERT_EQ(names.used[m][t][i], i < count ? 0 : 1) << m << "/" << t << "/" << i;
    }
}

TEST(NameGenerator, DrawsEveryNameOnceThenStartsOver) {
  tdainameselect names;
  Random rng(2024);
  const ModelNamePool& pool = modelNamePool(0, 0);  // ten names
  ASSERT_EQ(pool.count, 10);
  std::set<std::string> all(pool.names.begin(), pool.names.begin() + pool.count);
  names.pickName(0, 1, rng);  // another pool's mark, which the reset below must leave alone
  std::set<std::string> drawn;
  for (int i = 0; i < 10; ++i) {
    std::string name = names.pickName(0, 0, rng);
    EXPECT_TRUE(all.count(name)) << name;
    EXPECT_TRUE(drawn.insert(name).second) << "repeated " << name;
  }
  for (uint8_t mark : names.used[0][0]) EXPECT_EQ(mark, 1);

  std::string eleventh = names.pickName(0, 0, rng);
  EXPECT_TRUE(all.count(eleventh));
  int marked = 0;
  for (int i = 0; i < 10; ++i) marked += names.used[0][0][i];
  EXPECT_EQ(marked, 1) << "an exhausted pool is reset before the draw";
  int otherMarked = 0;
  for (int i = 0; i < 20; ++i) otherMarked += names.used[0][1][i];
  EXPECT_EQ(otherMarked, 1) << "only the exhausted pool is reset";
}

TEST(NameGenerator, SameSeedSameNamesAndEmptyPoolsDrawNothing) {
  tdainameselect a, b;
  Random ra(9), rb(9);
  for (int i = 0; i < 25; ++i) EXPECT_EQ(a.pickName(8, 9, ra), b.pickName(8, 9, rb));

  Random rng(9);
  EXPECT_EQ(a.pickName(0, 2, rng), "");  // 平輪 builds no アレパチ
  EXPECT_EQ(a.pickName(11, 0, rng), "");
  EXPECT_EQ(rng.draws(), 0u);
}

}  // namespace
}  // namespace gm
