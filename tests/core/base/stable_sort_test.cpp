// The heap-free stable sorts agree with std::stable_sort, ties included.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "base/random.h"
#include "base/stable_sort.h"

namespace gm {

TEST(StableSort, MatchesTheStandardStableSortOnManyListsWithTies) {
  struct Item {
    int key;
    int order;
  };
  auto byKeyDescending = [](const Item& a, const Item& b) { return a.key > b.key; };
  Random rng(99);
  for (std::size_t count : {0u, 1u, 2u, 15u, 16u, 17u, 100u, 999u, 2500u}) {
    std::array<Item, 2500> items{};
    for (std::size_t i = 0; i < count; ++i) items[i] = {rng.randInt(20), static_cast<int>(i)};
    std::vector<Item> expected(items.begin(), items.begin() + count);
    std::stable_sort(expected.begin(), expected.end(), byKeyDescending);
    stableSortPrefix(items, count, byKeyDescending);
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_EQ(items[i].key, expected[i].key) << "count " << count << " at " << i;
      ASSERT_EQ(items[i].order, expected[i].order) << "count " << count << " at " << i;
    }
  }
  std::array<int, 6> small = {3, 1, 2, 3, 1, 2};
  insertionSortStable(small.begin(), small.end(), [](int a, int b) { return a < b; });
  EXPECT_EQ(small, (std::array<int, 6>{1, 1, 2, 2, 3, 3}));
}

}  // namespace gm
