// The police raids on the company's manipulations: altered ROMs and jackpot-control systems.
// A raided store pays bail, is closed for months, and its neighbourhood and the president's
// standing suffer; the ROM raid comes first, so a store caught for both is closed by it and the
// second raid passes it by.
#include <string>

#include "base/translation.h"
#include "world/incident_odds.h"
#include "world/incident_support.h"

namespace gm {

using namespace incident;

namespace {

// What sets the two raids apart.
struct RaidRule {
  uint8_t bit;
  int bailPerFloor;
  int moralLoss;  // morale - RandInt(moralLoss)
  int imageLoss;  // RandInt(imageLoss) + imageFloor off refinement, fame, satisfaction
  int imageFloor;
  int satisfaction;  // the ROM raid's own satisfaction bound (0: as the image)
  int standingLoss;  // charisma and leadership - (RandInt(standingLoss) + standingLoss)
  Reach reach;       // the neighbourhood's blocks that hear of it:
  int unrest;        // unrest + RandInt(unrest), fan rate - RandInt(fans)
  int fans;
  int months;          // suspended until the month number + months
  const char* report;  // %1 the store, %2 the bail
};

constexpr RaidRule kRomRaid = {
    .bit = kIllegalRom,
    .bailPerFloor = kRomRaidBailPerFloor,
    .moralLoss = 5,
    .imageLoss = 15,
    .imageFloor = 0,
    .satisfaction = 20,
    .standingLoss = 3,
    .reach = Reach::PopulatedBlocks,
    .unrest = 5,
    .fans = 10,
    .months = kRomRaidMonths,
    .report = GM_TR_NOOP("raids",
                         "%1がガサ入れされ、台に裏ロムを取り付けて営業を行っていた事実が発覚して"
                         "しまいました！当該店舗は３ヶ月間の営業停止処分を受け、また、保釈金として"
                         "%2を支払いました。"),
};

constexpr RaidRule kJackpotRaid = {
    .bit = kJackpotControl,
    .bailPerFloor = kJackpotRaidBailPerFloor,
    .moralLoss = 40,
    .imageLoss = 30,
    .imageFloor = 20,
    .satisfaction = 0,
    .standingLoss = 6,
    .reach = Reach::EveryBlock,
    .unrest = 9,
    .fans = 40,
    .months = kJackpotRaidMonths,
    .report = GM_TR_NOOP("raids",
                         "%1がガサ入れされ、特賞操作システムを設置運営していた事実が発覚してしまい"
                         "ました！当該店舗は６ヶ月間の営業停止処分を受け、また、保釈金として%2を支"
                         "払いました。"),
};

void raid(IncidentPass& p, const RaidRule& rule) {
  tworld& w = p.world;
  tkaichou& k = w.kaichou;
  Random& rng = w.rng();
  for (Ttempo& t : k.tempo) {
    if (!t.used || t.joutai != kOpen) continue;
    const int unrest =
        w.block(t.blockY, t.blockX).AverageUnrestWithin(w.blocks, w.mapWidth, w.mapHeight, 3);
    const int staff = rng.randInt(kExposureStaffRange);
    const int wits = rng.randInt(kExposureWitsRange);
    const int charm = rng.randInt(kExposureCharmRange);
    const int tipOff = rng.randInt(kExposureTipOffRange);
    const int chance = rng.randInt(kExposureCoin);
    if (!(t.kousaku & rule.bit) || !(t.moral < points(staff)) || !(k.chisei < wits) ||
        !(k.karisuma < charm) || !(tipOff < unrest || chance == 1))
      continue;

    const int base = rng.randInt(2000) + t.kibo * rule.bailPerFloor + rule.bailPerFloor;
    const int bail = Jitter(base, rng);
    addCash(w, -bail);
    t.kousaku = static_cast<uint8_t>(t.kousaku & ~rule.bit);
    addMoral(t, -rng.randInt(rule.moralLoss));
    t.setSenren(t.senren - (rng.randInt(rule.imageLoss) + rule.imageFloor));
    t.setChimei(t.chimei - (rng.randInt(rule.imageLoss) + rule.imageFloor));
    if (rule.satisfaction > 0)
      t.setManzoku(t.manzoku - rng.randInt(rule.satisfaction));
    else
      t.setManzoku(t.manzoku - (rng.randInt(rule.imageLoss) + rule.imageFloor));
    k.SetKarisuma(k.karisuma - (rng.randInt(rule.standingLoss) + rule.standingLoss));
    k.SetTousotu(k.tousotu - (rng.randInt(rule.standingLoss) + rule.standingLoss));
    stainNeighbourhood(w, t, rule.reach, rule.unrest, rule.fans);
    t.teishiMonth = w.month + rule.months;
    t.setJoutai(kSuspended);
    tellStore(w, t, kCueDown, translate("raids", "ガサ入れ"),
              formatText(translate("raids", rule.report), {t.name.view(), amount(bail)}), true,
              kFacePanic);
  }
}

}  // namespace

void RomRaids(IncidentPass& p) { raid(p, kRomRaid); }
void JackpotRaids(IncidentPass& p) { raid(p, kJackpotRaid); }

}  // namespace gm
