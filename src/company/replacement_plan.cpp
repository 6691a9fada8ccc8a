// The replacement plan and its order.
#include "company/replacement_plan.h"

#include <string>

#include "base/rating.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

// Work per island moved by machine type, and the setting-up of the hall by its size.
constexpr std::array<int, kMachineTypeCount> kWorkPerIsland = {110, 120, 120, 120, 150,
                                                               200, 210, 220, 300, 300};
constexpr std::array<int, kFloors> kHallWork = {250, 500, 750, 1000, 1250};
// A president who leads well gets the work done for less.
constexpr FactorTable kLeadershipWorkFactor = {13500, 12800, 12200, 11600, 10900,
                                               10000, 9600,  9200,  9000,  8700};

constexpr std::array<const char*, kFloors> kHallNames = {
    GM_TR_NOOP("replacement_plan", "1Fﾎｰﾙ"), GM_TR_NOOP("replacement_plan", "2Fﾎｰﾙ"),
    GM_TR_NOOP("replacement_plan", "3Fﾎｰﾙ"), GM_TR_NOOP("replacement_plan", "4Fﾎｰﾙ"),
    GM_TR_NOOP("replacement_plan", "5Fﾎｰﾙ")};

}  // namespace

std::string floorHallName(int floor) {
  return floor >= 0 && floor < kFloors ? translate("replacement_plan", kHallNames[floor])
                                       : std::string();
}

ReplacementPlan::ReplacementPlan(const tworld& world, int slot)
    : slot_(slot),
      month_(world.month),
      tousotu_(world.kaichou.tousotu),
      usable_(world.kaichou.SoukoYouryou() / 10),
      store_(world.kaichou.slot(slot)),
      warehouse_(world.kaichou.dai) {}

int ReplacementPlan::freeIslands(int floor) const {
  if (floor < 0 || floor > store_.kibo) return 0;
  const int free = (store_.floorCapacity(floor) - store_.floorMachines(floor)) / 10;
  return free > 0 ? free : 0;
}

bool ReplacementPlan::recordMove(const PlannedMove& m) {
  if (moves_ >= kMaxPlannedMoves) return false;
  plan_[moves_++] = m;
  return true;
}

int ReplacementPlan::install(Frontend& ui, std::span<const int> records, int floor) {
  if (floor < 0 || floor > store_.kibo || floor >= kFloors) return 0;
  int installed = 0;
  for (int r : records) {
    if (r < 0 || r >= usable_ || !warehouse_[r].used) continue;
    if (freeIslands(floor) == 0) {
      ui.message(translate("replacement_plan", "設置"),
                 formatText(translate("replacement_plan", "%1にはこれ以上台を設置できません。"),
                            {floorHallName(floor)}),
                 false, false, kFaceCry);
      break;
    }
    Tddai& d = warehouse_[r];
    if (d.yuukouMonth < month_) {
      ui.message(translate("replacement_plan", "期限切れ"),
                 formatText(translate("replacement_plan",
                                      "%1は有効期限を過ぎており、新しく設置する事はできません。"),
                            {d.name.view()}),
                 false, false, kFaceCry);
      continue;
    }
    int island = 0;
    while (store_.dai[floor][island].used) ++island;  // a free island exists: freeIslands > 0
    PlannedMove m;
    m.install = true;
    m.record = static_cast<int16_t>(r);
    m.floor = static_cast<uint8_t>(floor);
    m.island = static_cast<uint8_t>(island);
    m.kishu = d.kishu;
    m.maker = d.maker;
    m.keitai = d.keitai;
    m.morning = d.morning;
    m.riritu = d.riritu;
    if (!recordMove(m)) break;
    Tddai& placed = store_.dai[floor][island];
    gm::move(d, placed);
    const int t = placed.kishu < kMachineTypeCount ? placed.kishu : 0;
    placed.riritu = store_.shinDaiRitu[t];
    placed.keitai = store_.shinDaiKeitai[t];
    if (t == 8) placed.morning = static_cast<uint8_t>(store_.shinDaiMorning8);
    if (t == 9) placed.morning = static_cast<uint8_t>(store_.shinDaiMorning9);
    ++installed;
  }
  return installed;
}

int ReplacementPlan::remove(Frontend& ui, std::span<const IslandPosition> islands) {
  int removed = 0;
  for (const IslandPosition& p : islands) {
    if (p.floor < 0 || p.floor > store_.kibo || p.floor >= kFloors || p.island < 0 ||
        p.island >= kIslandsPerFloor)
      continue;
    Tddai& d = store_.dai[p.floor][p.island];
    if (!d.used) continue;
    int r = 0;
    while (r < usable_ && warehouse_[r].used) ++r;
    if (r == usable_) {
      ui.message(translate("replacement_plan", "撤去"),
                 translate("replacement_plan", "本部の倉庫に台を収容できるスペースがありません。"),
                 false, false, kFaceCry);
      break;
    }
    PlannedMove m;
    m.install = false;
    m.record = static_cast<int16_t>(r);
    m.floor = static_cast<uint8_t>(p.floor);
    m.island = static_cast<uint8_t>(p.island);
    m.kishu = d.kishu;
    m.maker = d.maker;
    m.earlyModel = d.modelMachine && d.withinValidity(month_);
    if (!recordMove(m)) break;
    gm::move(d, warehouse_[r]);
    ++removed;
  }
  return removed;
}

bool ReplacementPlan::undo() {
  if (moves_ == 0) return false;
  const PlannedMove& m = plan_[--moves_];
  Tddai& onFloor = store_.dai[m.floor][m.island];
  Tddai& inStock = warehouse_[m.record];
  if (m.install) {
    gm::move(onFloor, inStock);
    inStock.riritu = m.riritu;
    inStock.keitai = m.keitai;
    inStock.morning = m.morning;
  } else {
    gm::move(inStock, onFloor);
  }
  return true;
}

int64_t ReplacementPlan::cost() const {
  int64_t work = kHallWork[store_.kibo < kFloors ? store_.kibo : 0];
  for (int i = 0; i < moves_; ++i) work += kWorkPerIsland[plan_[i].kishu % kMachineTypeCount];
  return (Money::fromInt(work) * factorFor(kLeadershipWorkFactor, tousotu_)).trunc();
}

std::array<int, kMakerCount> ReplacementPlan::earlyModelIslandsByMaker() const {
  std::array<int, kMakerCount> n{};
  for (int i = 0; i < moves_; ++i)
    if (plan_[i].earlyModel) n[plan_[i].maker % kMakerCount] += 1;
  return n;
}

int ReplacementPlan::earlyModelMachines() const {
  int machines = 0;
  for (int n : earlyModelIslandsByMaker()) machines += n * 10;
  return machines;
}

namespace {

void settleWithMakers(tworld& world, const std::array<int, kMakerCount>& early) {
  Frontend& ui = world.ui();
  for (int k = 0; k < kMakerCount; ++k) {
    if (early[k] == 0) continue;
    Tmaker& maker = world.makers[k];
    int drop = (world.rng().randInt(11) + 5) * early[k];
    if (drop > 75) drop = world.rng().randInt(11) + 65;
    const int before = maker.yuukou;
    maker.SetYuukou(maker.yuukou - drop);
    if (maker.yuukou != before)
      ui.message(translate("replacement_plan", "友好度悪化"),
                 formatText(translate("replacement_plan", "%1との友好度が%2低下しました。"),
                            {maker.name(), std::to_string(before - maker.yuukou)}),
                 false, false, kFaceCry);
    const int breakOff = world.rng().randInt(2);
    if (breakOff == 1 && maker.yuukou < 16) {
      maker.torihiki = false;
      maker.chuushiMonth = world.month;
      ui.playCue(kCueDown);
      ui.message(translate("replacement_plan", "取引中止 "),
                 formatText(translate("replacement_plan",
                                      "%1より我が社に対して、今後一切の取引を中止させてもらうとの通"
                                      "告がありました。"),
                            {maker.name()}),
                 false, false, kFaceAngry);
      ui.playCue(kCueMain);
    }
  }
}

void markModelStore(tworld& world, Ttempo& s) {
  for (int f = 0; f <= s.kibo && f < kFloors; ++f)
    for (const Tddai& d : s.dai[f]) {
      if (!d.used || !d.modelMachine || d.kounyuuMonth != world.month) continue;
      if (d.maker >= kMakerCount || ((s.modelMakers >> d.maker) & 1u)) continue;
      s.modelMakers = static_cast<uint16_t>(s.modelMakers | (1u << d.maker));
      world.ui().playCue(kCueYes);
      world.ui().message(
          translate("replacement_plan", "モデル店舗"),
          formatText(translate("replacement_plan", "%1は%2のモデル店舗に選ばれました。"),
                     {s.name.view(), makerInfo(d.maker).name}),
          false, false, kFaceLaugh);
      world.ui().playCue(kCueMain);
    }
}

}  // namespace

OrderOutcome OrderReplacement(tworld& world, const ReplacementPlan& plan) {
  tkaichou& company = world.kaichou;
  const int slot = plan.slot();
  if (slot < 1 || slot > kStoreSlots || !company.slot(slot).used) return OrderOutcome::Refused;
  if (plan.moveCount() == 0) return OrderOutcome::Unchanged;
  Ttempo& s = company.slot(slot);

  if (const int early = plan.earlyModelMachines(); early > 0) {
    if (!confirmOrder(
            world, translate("replacement_plan", "規約違反"),
            formatText(translate("replacement_plan",
                                 "まだ有効期限の切れていないモデルマシンを%1台撤去しようとし"
                                 "ています。該当メーカーとの友好関係が悪化する恐れがありま"
                                 "すが、よろしいですか？"),
                       {std::to_string(early)}),
            false))
      return OrderOutcome::Declined;
  }
  const int64_t cost = plan.cost();
  if (!confirmOrder(
          world, translate("replacement_plan", "入替"),
          formatText(translate("replacement_plan",
                               "%1の入替作業を作業計画書の通り実行します。%2かかりますが、よ"
                               "ろしいですか？"),
                     {s.name.view(), formatGrouped(cost)})))
    return OrderOutcome::Declined;
  if (!payOrder(world, cost)) return OrderOutcome::Unpaid;

  const std::array<int, kMakerCount> early = plan.earlyModelIslandsByMaker();
  s.dai = plan.store().dai;
  company.dai = plan.warehouse();
  s.irekaeDone = true;
  settleWithMakers(world, early);

  if (s.joutai == kOpen && !s.hasMachines()) {
    s.setJoutai(kWaiting);
    world.ui().message(
        translate("replacement_plan", "待機"),
        formatText(translate("replacement_plan",
                             "%1の全ての台を取り外しました。この店舗は待機中となります。"),
                   {s.name.view()}),
        false, false, kFaceNormal);
  }
  markModelStore(world, s);
  return OrderOutcome::Done;
}

}  // namespace gm
