// The store record's own rules: its name tables and equipment table, its life (reset, copy,
// state changes), the clamping setters, and the queries over its islands and last month's
// results. The staff rules are in staff.cpp.
#include "store/store.h"

#include <algorithm>

#include "base/rating.h"
#include "base/translation.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, kFloors> kSizeNames = {
    GM_TR_NOOP("store", "１フロア"), GM_TR_NOOP("store", "２フロア"),
    GM_TR_NOOP("store", "３フロア"), GM_TR_NOOP("store", "パーク"), GM_TR_NOOP("store", "タワー")};
constexpr std::array<const char*, 4> kStateNames = {
    GM_TR_NOOP("store", "待機中"), GM_TR_NOOP("store", "営業中"), GM_TR_NOOP("store", "工事中"),
    GM_TR_NOOP("store", "営業停止")};

constexpr std::array<EquipmentInfo, kEquipmentCount> kEquipment = {{
    {GM_TR_NOOP("store", "独立島"), false, 0, 0, -1},
    {GM_TR_NOOP("store", "マッサージャー"), false, 0, 0, -1},
    {GM_TR_NOOP("store", "テレビモニター"), false, 0, 0, -1},
    {GM_TR_NOOP("store", "プレイヤー"), false, 0, 0, -1},
    {GM_TR_NOOP("store", "ボロカードシステム"), false, 0, 0, -1},
    {GM_TR_NOOP("store", "休憩所"), true, 2, 10, 6},
    {GM_TR_NOOP("store", "託児所"), true, 2, 20, 5},
    {GM_TR_NOOP("store", "レストラン"), true, 3, 20, 8},
    {GM_TR_NOOP("store", "ｲﾝﾀｰﾈｯﾄｶﾌｪ"), true, 3, 20, 7},
    {GM_TR_NOOP("store", "プラネタリウム"), true, 4, 30, 10},
    {GM_TR_NOOP("store", "サウナ"), true, 4, 30, 9},
    {GM_TR_NOOP("store", "映画館"), true, 5, 40, -1},
}};

constexpr int64_t kRatingCap = 100 * Money::kScale;

}  // namespace

std::string storeSizeName(int kibo) {
  return kibo >= 0 && kibo < kFloors ? translate("store", kSizeNames[kibo]) : std::string();
}
std::string storeStateName(int joutai) {
  return joutai >= 0 && joutai < 4 ? translate("store", kStateNames[joutai]) : std::string();
}

const EquipmentInfo& equipmentInfo(int n) {
  return kEquipment[std::clamp(n, 0, kEquipmentCount - 1)];
}

std::string equipmentName(int n) { return translate("store", equipmentInfo(n).name.data()); }

bool IslandFilter::accepts(const Tddai& d) const {
  if (!d.used) return false;
  if (type >= 0 && d.kishu != type) return false;
  if (form >= 0 && d.keitai != form) return false;
  if (kind == IslandKind::Pachinko && !d.isPachinko()) return false;
  if (kind == IslandKind::Slot && d.isPachinko()) return false;
  return true;
}

// ---------------------------------------------------------------------------------------------
// Life of the record

void Ttempo::init() {
  tworld* owner = world;
  *this = Ttempo();
  world = owner;
  setDansei(0);
  setZyosei(0);
}

// Every part of the store is a value (the islands, the promotions and the history included), so
// a plain copy leaves nothing shared between the screen's working copy and the company's store.
void Ttempo::assignTo(Ttempo& other) const { other = *this; }

void Ttempo::setJoutai(int state) {
  joutai = static_cast<uint8_t>(state);
  if (!used) return;
  if (state != kOpen) hansoku.event = 0;  // an event only runs while the doors are open
  if (world != nullptr) world->ui().blockChanged(blockY, blockX);
}

bool Ttempo::checkKansei(int month) {
  if (joutai != kUnderConstruction || month < kanseiMonth) return false;
  setJoutai(kWaiting);
  return true;
}

bool Ttempo::checkTeishi(int month) {
  if (joutai != kSuspended || month < teishiMonth) return false;
  setJoutai(kWaiting);
  return true;
}

bool Ttempo::matches(std::string_view storeName, int x, int y) const {
  return name.view() == storeName && blockX == x && blockY == y;
}

// ---------------------------------------------------------------------------------------------
// Setters

void Ttempo::setSenren(int64_t v) { senren = clamp100(v); }
void Ttempo::setChimei(int64_t v) { chimei = clamp100(v); }
void Ttempo::setManzoku(int64_t v) { manzoku = clamp100(v); }

void Ttempo::setMoral(Money v) {
  moral = staffTotal() == 0 ? Money() : Money::fromRaw(clampValue(v.raw(), 0, kRatingCap));
}

void Ttempo::setSkill(Money v) {
  skill = staffTotal() == 0 ? Money() : Money::fromRaw(clampValue(v.raw(), 0, kRatingCap));
}

void Ttempo::setShinDaiMorning8(int64_t v) {
  shinDaiMorning8 = static_cast<int32_t>(clampValue(v, 0, 10));
}
void Ttempo::setShinDaiMorning9(int64_t v) {
  shinDaiMorning9 = static_cast<int32_t>(clampValue(v, 0, 10));
}
int Ttempo::getShinDaiKeitai(int type) const {
  return type >= 0 && type < kMachineTypeCount ? shinDaiKeitai[type] : 0;
}
void Ttempo::setShinDaiKeitai(int type, int form) {
  if (type < 0 || type >= kMachineTypeCount || form < 0 || form > 3) return;
  shinDaiKeitai[type] = static_cast<uint8_t>(form);
}

// ---------------------------------------------------------------------------------------------
// Equipment

bool Ttempo::canInstall(int n) const {
  if (n < 0 || n >= kEquipmentCount || hasEquipment(n)) return false;
  const EquipmentInfo& e = kEquipment[n];
  if (e.special && e.floor > floorCount()) return false;
  return e.excludes < 0 || !hasEquipment(e.excludes);
}

int Ttempo::floorCapacity(int floor) const {
  int room = 100;
  for (int n = 0; n < kEquipmentCount; ++n) {
    const EquipmentInfo& e = kEquipment[n];
    if (e.special && e.floor - 1 == floor && hasEquipment(n)) room -= e.space;
  }
  return room;
}

int Ttempo::floorMachines(int floor) const {
  int machines = 0;
  for (const Tddai& d : dai[floor])
    if (d.used) machines += 10;
  return machines;
}

// ---------------------------------------------------------------------------------------------
// Islands

void Ttempo::sortDai() {
  for (auto& floor : dai) stableInUseFirst(floor, [](const Tddai& d) { return d.used; });
}

void Ttempo::fireDamage(int floors) {
  // Each burnt floor takes the special equipment that stood on it.
  static constexpr std::array<std::array<int, 2>, kFloors> kLostWithFloor = {
      {{-1, -1}, {5, 6}, {7, 8}, {9, 10}, {11, -1}}};
  for (int f = 0; f <= std::min(floors, kFloors - 1); ++f) {
    for (Tddai& d : dai[f]) d.reset();
    for (int n : kLostWithFloor[f])
      if (n >= 0) removeEquipment(n);
  }
}

bool Ttempo::hasIllegalDai() const {
  bool found = false;
  forEachIsland([&](const Tddai& d) { found = found || d.ihou; });
  return found;
}

MachineCounts Ttempo::machineCounts(int scope) const {
  MachineCounts c;
  int first = scope == 0 ? 0 : scope - 1;
  int last = scope == 0 ? std::min<int>(kibo, kFloors - 1) : scope - 1;
  // Islands first, machines from them: the monthly close counts every store several times.
  for (int f = first; f <= last; ++f) {
    for (const Tddai& d : dai[f]) {
      if (!d.used) continue;
      c.islands[std::min<int>(d.kishu, kMachineTypeCount - 1)] += 1;
      c.slotIslands += d.isPachinko() ? 0 : 1;
      c.allIslands += 1;
    }
  }
  for (int t = 0; t < kMachineTypeCount; ++t) c.machines[t] = 10 * c.islands[t];
  c.pachinkoIslands = c.allIslands - c.slotIslands;
  c.pachinkoMachines = 10 * c.pachinkoIslands;
  c.slotMachines = 10 * c.slotIslands;
  c.allMachines = 10 * c.allIslands;
  return c;
}

std::array<int, 4> Ttempo::formCounts(int type) const {
  std::array<int, 4> counts{};
  forEachIsland([&](const Tddai& d) {
    if (type < 0 || d.kishu == type) counts[std::min<int>(d.keitai, 3)] += 10;
  });
  return counts;
}

int Ttempo::morningTotal() const {
  int total = 0;
  forEachIsland([&](const Tddai& d) {
    if (!d.isPachinko()) total += d.morning;
  });
  return total;
}

int Ttempo::islandCount(const IslandFilter& f) const {
  int n = 0;
  forEachIsland([&](const Tddai& d) { n += f.accepts(d) ? 1 : 0; });
  return n;
}

Money islandQuantity(const Tddai& d, IslandQuantity q) {
  switch (q) {
    case IslandQuantity::ProfitRate:
      return d.riritu;
    case IslandQuantity::Sales:
      return d.sales();
    case IslandQuantity::GrossProfit:
      return d.grossProfit();
    case IslandQuantity::ExpectedGrossProfit:
      return d.expectedGrossProfit();
  }
  return Money();
}

Money Ttempo::islandSum(const IslandFilter& f, IslandQuantity q) const {
  Money sum;
  forEachIsland([&](const Tddai& d) {
    if (f.accepts(d)) sum += islandQuantity(d, q);
  });
  return sum;
}

Money Ttempo::islandAverage(const IslandFilter& f, IslandQuantity q) const {
  int n = islandCount(f);
  if (n == 0) return Money();
  return Money::fromRaw(divRoundHalfEven(islandSum(f, q).raw(), n));
}

void Ttempo::setKeitaiWhere(const IslandFilter& f, int form) {
  forEachIsland([&](Tddai& d) {
    if (f.accepts(d)) d.keitai = static_cast<uint8_t>(form);
  });
}

void Ttempo::setRirituWhere(const IslandFilter& f, Money rate) {
  forEachIsland([&](Tddai& d) {
    if (f.accepts(d)) d.riritu = rate;
  });
}

// ---------------------------------------------------------------------------------------------
// Results of the last closed month

YearMonth Ttempo::age(int month) const { return MonthToElapsed(month - shuttenMonth); }

ByKind<int32_t> Ttempo::perDay(int days) const {
  ByKind<int32_t> r{};
  if (days <= 0) return r;
  for (int k = 0; k < 3; ++k) r[k] = kyaku[k] / days;
  return r;
}

ByKind<Money> Ttempo::profitRates() const {
  ByKind<Money> r{};
  for (int k = 0; k < 3; ++k) r[k] = profitRate(arari[k], uriage[k]);
  return r;
}

namespace {
ByKind<Money> perMachinePerDay(const ByKind<Money>& amounts, const MachineCounts& c, int days) {
  ByKind<Money> r{};
  if (days < 1) return r;
  const std::array<int, 3> machines = {c.pachinkoMachines, c.slotMachines, c.allMachines};
  for (int k = 0; k < 3; ++k)
    if (machines[k] >= 1)
      r[k] = Money::fromRaw(divRoundHalfEven(amounts[k].raw(), int64_t{machines[k]} * days));
  return r;
}
}  // namespace

ByKind<Money> Ttempo::salesPerMachinePerDay() const {
  return perMachinePerDay(uriage, machineCounts(), eigyouNissuu);
}

ByKind<Money> Ttempo::grossProfitPerMachinePerDay() const {
  return perMachinePerDay(arari, machineCounts(), eigyouNissuu);
}

Money Ttempo::netProfit() const {
  return arari[kTotal] - hoshuResults[14] - Money::fromInt(jinkenResults[3]) - eigyouResults.total;
}

int64_t Ttempo::assetValue(int month, int64_t landValue) const {
  int64_t equipment = 0;
  for (int n = 0; n < kEquipmentCount; ++n)
    if (hasEquipment(n)) equipment += equipmentCost(*this, n, 50);
  int64_t base = kBuildingBaseValue[std::min<int>(kibo, kFloors - 1)];
  // The building loses a fixed amount a year but keeps a quarter of its value for good.
  int64_t building = std::max(base - 5000 * int64_t{age(month).year}, base / 4);
  return landValue + building + equipment;
}

}  // namespace gm
