// The advisor in played games: diagnosing draws nothing and changes nothing; the halls the
// careful player runs at a profit raise nothing serious; and the new player who does what the
// advisor says keeps the hall that the same player without it loses.
#include <gtest/gtest.h>

#include "company/advisor.h"
#include "persist/state_digest.h"
#include "played_game.h"

namespace gm {
namespace {

bool sameAdvice(const AdviceList& a, const AdviceList& b) {
  if (a.size() != b.size()) return false;
  for (int i = 0; i < a.size(); ++i)
    if (a[i].topic != b[i].topic || a[i].v != b[i].v || a[i].suggestion != b[i].suggestion ||
        a[i].monthlyCost != b[i].monthlyCost)
      return false;
  return true;
}

TEST(AdvisorInPlay, DiagnosingChangesNothingAndSaysTheSameTwice) {
  test::PlayedGame g = test::newPlayedGame("akebono", "steady", 1, 0, 50);
  tworld& w = g.world();
  for (int month = 1; month <= 30; ++month) ASSERT_TRUE(g.game->playMonth(false).goesOn);
  ASSERT_GE(w.kaichou.TempoKazu().used, 2);

  const uint64_t digest = StateDigest(w);
  const uint32_t seed = w.rng().seed();
  const uint64_t draws = w.rng().draws();
  int findings = 0;
  for (int slot = 1; slot <= kStoreSlots; ++slot) {
    const AdviceList first = DiagnoseStore(w, slot);
    EXPECT_TRUE(sameAdvice(first, DiagnoseStore(w, slot))) << "store " << slot;
    findings += first.size();
  }
  EXPECT_TRUE(sameAdvice(DiagnoseCompany(w), DiagnoseCompany(w)));
  EXPECT_GT(findings, 0) << "a game of this age has something to say";
  EXPECT_EQ(StateDigest(w), digest);
  EXPECT_EQ(w.rng().seed(), seed);
  EXPECT_EQ(w.rng().draws(), draws);
}

TEST(AdvisorInPlay, HallsTheCarefulPlayerRunsAtAProfitRaiseNothingSerious) {
  for (const char* city : {"kumoizawa", "shiomihama"}) {
    test::PlayedGame g = test::newPlayedGame(city, "steady", 1, 0, 50);
    tworld& w = g.world();
    for (int month = 1; month <= 36; ++month) ASSERT_TRUE(g.game->playMonth(false).goesOn);
    int checked = 0;
    for (int slot = 1; slot <= kStoreSlots; ++slot) {
      const Ttempo& s = w.kaichou.slot(slot);
      if (!s.used || s.joutai != kOpen || s.backup.at(7, 1) <= Money() ||
          s.backup.at(7, 2) <= Money())
        continue;
      ++checked;
      for (const Advice& a : DiagnoseStore(w, slot))
        EXPECT_LT(a.severity, AdviceSeverity::Serious)
            << city << " store " << slot << ": topic " << static_cast<int>(a.topic);
    }
    EXPECT_GE(checked, 1) << city;
  }
}

TEST(AdvisorInPlay, TheAdvisedNoviceKeepsTheHallTheNoviceLoses) {
  test::PlayedGame novice = test::newPlayedGame("kumoizawa", "novice", 1, 0, 50);
  test::PlayedGame advised = test::newPlayedGame("kumoizawa", "advised", 1, 0, 50);
  for (int month = 1; month <= 36; ++month) {
    ASSERT_TRUE(novice.game->playMonth(true).goesOn);
    ASSERT_TRUE(advised.game->playMonth(true).goesOn);
  }
  EXPECT_TRUE(advised.game->violations().empty()) << advised.game->violations().front();
  EXPECT_EQ(novice.world().kaichou.TempoKazu().open, 0) << "his staff walked out";
  EXPECT_EQ(advised.world().kaichou.TempoKazu().open, 1);
  EXPECT_GT(advised.world().kaichou.StoreSums().netProfit, Money()) << "and it earns";
}

}  // namespace
}  // namespace gm
