// Checks the model-name pools: sizes per maker and type, the CR prefix, and that every name
// survives the trip into a 48-byte Shift-JIS short string of the saved game.
#include "store/model_name_pools.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace gm {
namespace {

// Names in use per maker (rows) and machine type (columns).
constexpr int kExpectedCounts[11][10] = {
    {10, 20, 0, 0, 30, 30, 20, 0, 0, 0},  {20, 10, 0, 0, 30, 30, 10, 0, 0, 0},
    {20, 0, 0, 10, 30, 30, 10, 10, 0, 0}, {0, 20, 0, 0, 20, 20, 20, 10, 0, 0},
    {10, 10, 20, 10, 20, 20, 0, 0, 0, 0}, {20, 20, 0, 20, 20, 20, 0, 0, 0, 0},
    {0, 20, 30, 0, 10, 10, 0, 30, 0, 0},  {0, 0, 0, 0, 0, 0, 0, 0, 20, 20},
    {0, 0, 0, 0, 0, 0, 0, 0, 20, 20},     {0, 0, 0, 0, 0, 0, 0, 0, 20, 20},
    {0, 0, 0, 0, 0, 0, 0, 0, 20, 20},
};

bool isCrType(int type) { return type == 5 || type == 6 || type == 7 || type == 9; }

// Length in code page 932, or nothing when a character has no Shift-JIS form.
std::optional<size_t> shiftJisLength(std::string_view utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in(utf8);
  std::vector<char> out(in.size() * 2 + 8);
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1) || inLeft != 0) return std::nullopt;
  // A character that iconv had to replace rather than convert also counts as a failure.
  if (rc != 0) return std::nullopt;
  return out.size() - outLeft;
}

TEST(ModelNamePools, EveryPoolHasItsSizeAndFitsAShortString) {
  ASSERT_TRUE(shiftJisLength("ＣＲ大関").has_value()) << "CP932 converter unavailable";
  EXPECT_EQ(*shiftJisLength("ＣＲ大関"), 8u);
  EXPECT_FALSE(shiftJisLength("\xF0\x9F\x8E\xB0").has_value()) << "an emoji must not convert";

  std::map<std::string_view, std::pair<int, int>> firstSeen;
  int total = 0;
  for (int maker = 0; maker < 11; ++maker) {
    for (int type = 0; type < 10; ++type) {
      SCOPED_TRACE("maker " + std::to_string(maker) + " type " + std::to_string(type));
      const ModelNamePool& pool = modelNamePool(maker, type);
      ASSERT_EQ(pool.count, kExpectedCounts[maker][type]);
      for (int i = pool.count; i < kNamePoolCapacity; ++i)
        EXPECT_TRUE(pool.names[i].empty()) << "entry " << i << " beyond the count";
      for (int i = 0; i < pool.count; ++i) {
        std::string_view name = pool.names[i];
        ASSERT_FALSE(name.empty()) << "entry " << i;
        EXPECT_EQ(name.starts_with("ＣＲ"), isCrType(type)) << name;
        std::optional<size_t> bytes = shiftJisLength(name);
        ASSERT_TRUE(bytes.has_value()) << name << " has no Shift-JIS form";
        EXPECT_LE(*bytes, 48u) << name;
        auto [it, fresh] = firstSeen.emplace(name, std::make_pair(maker, type));
        EXPECT_TRUE(fresh) << name << " also in maker " << it->second.first << " type "
                           << it->second.second;
        ++total;
      }
    }
  }
  EXPECT_EQ(total, 860);

  for (auto [maker, type] : {std::pair{-1, 0}, {11, 8}, {0, -1}, {0, 10}})
    EXPECT_EQ(modelNamePool(maker, type).count, 0) << maker << "," << type;
}

}  // namespace
}  // namespace gm
