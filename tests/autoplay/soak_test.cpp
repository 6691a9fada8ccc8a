// The soak: twenty years of the random player on two shipped cities, founding a new company on
// the same city whenever a game ends, with the player's books and the game's invariants checked
// after every order and every month. (scripts/soak.sh runs longer soaks on every city under the
// sanitizers.)
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "autoplay.h"

namespace gm {
namespace {

struct Soak {
  std::string lines;
  std::string errors;
  int code = 0;
};

Soak soak(const std::string& city, uint32_t seed, int months) {
  std::string error;
  auto settings = ParseAutoplayArguments(
      {"--city", std::string(GM_ASSETS_DIR) + "/cities/" + city + ".pmp", "--strategy", "random",
       "--seed", std::to_string(seed), "--months", std::to_string(months), "--check", "--restart"},
      error);
  EXPECT_TRUE(settings) << error;
  std::ostringstream out, err;
  Soak s;
  s.code = RunAutoplay(*settings, out, err);
  s.lines = out.str();
  s.errors = err.str();
  return s;
}

int count(const std::string& text, const std::regex& re) {
  return static_cast<int>(
      std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

TEST(Soak, TwentyYearsOfRandomOrdersBreakNoRuleOnTwoCities) {
  for (const auto& [city, seed] :
       {std::pair<const char*, uint32_t>{"akebono", 19970401}, {"kumoizawa", 4242}}) {
    const Soak s = soak(city, seed, 240);
    EXPECT_EQ(s.code, 0) << city << "\n" << s.errors.substr(0, 4000);
    EXPECT_EQ(s.errors, "") << city;
    EXPECT_EQ(count(s.lines, std::regex("year=\\d+ month=\\d+ ")), 240) << city;
    // The soak must reach halls that are open for business, and more than one company.
    EXPECT_GT(count(s.lines, std::regex(" open=[1-9]")), 24) << city;
    EXPECT_GE(count(s.lines, std::regex("new game seed=")), 1) << city;
  }
}

}  // namespace
}  // namespace gm
