// Tax and union rules. The more halls the city has and the angrier its citizens, the harder the
// rules; a calm city with few halls sees them eased. Each revision has its month, and the coin
// that opens a union revision is tossed every month, whatever the month.
#include "world/rule_changes.h"

#include <string>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

void tell(tworld& world, std::string_view title, const std::string& text, int face) {
  world.ui().cityChanged();
  world.ui().message(title, text, false, false, face);
}

// The union's notices share their title.
void tellUnion(tworld& world, const std::string& text, int face) {
  tell(world, translate("rule_changes", "組合の規制"), text, face);
}

void reviseTax(tworld& world, int stores, int unrest) {
  Random& rng = world.rng();
  if (rng.randInt(2) != 1) return;
  const int before = world.taxRate;
  const int r = rng.randInt(100);
  if (r >= unrest) {
    const int up = rng.randInt(3);
    world.SetTaxRate(int64_t{world.taxRate} + up);
    if (rng.randInt(100) < stores) {
      const int more = rng.randInt(2);
      world.SetTaxRate(int64_t{world.taxRate} + more);
    }
  } else if (!world.hasLaw(kLawExchangeEased)) {
    // Once the halls may exchange prizes themselves the city never lowers their tax again.
    const int down = rng.randInt(3);
    world.SetTaxRate(int64_t{world.taxRate} - down);
    if (stores < rng.randInt(100)) {
      const int more = rng.randInt(2);
      world.SetTaxRate(int64_t{world.taxRate} - more);
    }
  }
  if (world.taxRate != before)
    tell(world, translate("rule_changes", "税率改正"),
         formatText(translate("rule_changes", "税率が%1％に改正されました。"),
                    {std::to_string(world.taxRate)}),
         kFaceNormal);
}

// The union's cut (hours a day or days a month): eased when the city has few halls and the
// second draw allows it, tightened otherwise. Returns whether the cut moved.
bool reviseCut(tworld& world, int stores, int unrest, int easeBelow, int32_t tworld::*cut,
               void (tworld::*setCut)(int64_t)) {
  Random& rng = world.rng();
  const int before = world.*cut;
  const int c = rng.randInt(100);
  const int d = rng.randInt(100);
  if (stores < c && d < easeBelow) {
    if (unrest < rng.randInt(50)) (world.*setCut)(int64_t{world.*cut} - 1);
  } else {
    if (rng.randInt(50) < unrest) (world.*setCut)(int64_t{world.*cut} + 1);
  }
  return world.*cut != before;
}

void reviseUnionHours(tworld& world, int stores, int unrest) {
  if (!reviseCut(world, stores, unrest, 86, &tworld::unionHourCut, &tworld::SetUnionHourCut))
    return;
  const std::string hours = std::to_string(world.DailyHours());
  if (world.unionHourCut == 0)
    tellUnion(world,
              formatText(translate("rule_changes",
                                   "組合の取り決めが改定されました。組合による営業時間の規制は無く"
                                   "なり、一日の営業時間は%1時間となりました。"),
                         {hours}),
              kFaceLaugh);
  else
    tellUnion(world,
              formatText(translate("rule_changes",
                                   "組合の取り決めが改定されました。組合による営業時間の規制は%1時"
                                   "間となり、一日の営業時間は%2時間となりました。"),
                         {std::to_string(world.unionHourCut), hours}),
              kFaceNormal);
}

void reviseUnionDays(tworld& world, int stores, int unrest) {
  if (!reviseCut(world, stores, unrest, 76, &tworld::unionDayCut, &tworld::SetUnionDayCut)) return;
  const std::string days = std::to_string(world.BusinessDays());
  if (world.unionDayCut == 0)
    tellUnion(world,
              formatText(translate("rule_changes",
                                   "組合の取り決めが改定されました。組合による営業日数の規制は無く"
                                   "なり、月の営業日数は%1日となりました。"),
                         {days}),
              kFaceLaugh);
  else
    tellUnion(world,
              formatText(translate("rule_changes",
                                   "組合の取り決めが改定されました。組合による営業日数の規制は%1日"
                                   "となり、月の営業日数は%2日となりました。"),
                         {std::to_string(world.unionDayCut), days}),
              kFaceNormal);
}

// One of the two exchange limits (pachinko: 0..6, slot: 0..3, the top meaning no limit). A
// city of many fans that resents the halls lowers it; a calm one raises it. Stores above a
// lowered limit come down to it.
void reviseExchangeLimit(tworld& world, int unrest, bool slot) {
  Random& rng = world.rng();
  uint8_t& limit = slot ? world.maxSlotRate : world.maxPachinkoRate;
  const int top = slot ? 3 : 6;
  const int before = limit;
  const int fans = world.FanRatio();
  if (rng.randInt(100) < fans) {
    const int r = rng.randInt(50);
    if (r < unrest && limit > 0) limit = static_cast<uint8_t>(limit - 1);
  } else {
    const int r = rng.randInt(50);
    if (unrest < r && limit < top) limit = static_cast<uint8_t>(limit + 1);
  }
  if (limit == before) return;

  for (Ttempo& s : world.kaichou.tempo) {
    if (!s.used) continue;
    uint8_t& rate = slot ? s.skankin : s.pkankin;
    if (rate > limit) rate = limit;
  }
  for (TEntempo& s : world.rivals.tenpo) {
    if (!s.used) continue;
    uint8_t& rate = slot ? s.skankin : s.pkankin;
    if (rate > limit) rate = limit;
  }
  // The union's notice speaks of the pachinko rate for the slot limit too.
  if (limit == top)
    tellUnion(world,
              translate("rule_changes",
                        "組合の取り決めが改定されました。組合によるパチンコ交換率"
                        "の規制は無くなりました。"),
              kFaceLaugh);
  else
    tellUnion(world,
              formatText(translate("rule_changes",
                                   "組合の取り決めが改定されました。組合によるパ"
                                   "チンコ交換率の規制は%1までとなりました。"),
                         {slot ? slotRateName(limit) : pachinkoRateName(limit)}),
              kFaceNormal);
}

int rivalStoresInUse(const tworld& world) {
  int n = 0;
  for (const TEntempo& s : world.rivals.tenpo)
    if (s.used) ++n;
  return n;
}

}  // namespace

void RuleChanges(tworld& world) {
  const int stores = world.kaichou.TempoKazu().used + rivalStoresInUse(world);
  const int unrest = world.AverageUnrest();
  const int m = CalendarMonth(world.month);
  Random& rng = world.rng();

  if (m == 1) reviseTax(world, stores, unrest);
  bool coin = rng.randInt(2) == 1;
  if (coin && (m == 6 || m == 12)) reviseUnionHours(world, stores, unrest);
  coin = rng.randInt(2) == 1;
  if (coin && m == 1) reviseUnionDays(world, stores, unrest);
  coin = rng.randInt(2) == 1;
  if (coin && m == 10) reviseExchangeLimit(world, unrest, false);
  coin = rng.randInt(2) == 1;
  if (coin && m == 10) reviseExchangeLimit(world, unrest, true);
}

}  // namespace gm
