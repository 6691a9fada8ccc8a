// The company's cash, payments and president's qualities, its tables, and the queries and
// warehouse operations over its store slots and machine records.
#include "company/company.h"

#include <algorithm>

#include "base/rating.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

tkaichou::tkaichou(tworld& world) : world_(&world) {
  for (auto& store : tempo) store.world = &world;
}

void tkaichou::SetSikin(Money amount) {
  sikin = amount;
  world_->ui().cashChanged();
}

bool tkaichou::Shiharai(Money amount) {
  // A negative payment would be a gift reported as a purchase.
  if (amount < Money()) return false;
  if (sikin > amount) {
    SetSikin(sikin - amount);
    return true;
  }
  return false;
}

bool tkaichou::Shiharai(int64_t amount) { return Shiharai(Money::fromInt(amount)); }

void tkaichou::SetKarisuma(int64_t v) { karisuma = static_cast<int32_t>(clampValue(v, 1, 100)); }
void tkaichou::SetChisei(int64_t v) { chisei = static_cast<int32_t>(clampValue(v, 1, 100)); }
void tkaichou::SetTousotu(int64_t v) { tousotu = static_cast<int32_t>(clampValue(v, 1, 100)); }
void tkaichou::SetKantei(int64_t v) { kantei = static_cast<int32_t>(clampValue(v, 1, 100)); }

// ---------------------------------------------------------------------------------------------
// Tables

namespace {

constexpr std::array<const char*, kCapitalClasses> kCapitalLabels = {
    GM_TR_NOOP("company", "3億円"), GM_TR_NOOP("company", "4億円"), GM_TR_NOOP("company", "5億円"),
    GM_TR_NOOP("company", "6億円"), GM_TR_NOOP("company", "7億円"), GM_TR_NOOP("company", "8億円"),
    GM_TR_NOOP("company", "9億円"), GM_TR_NOOP("company", "10億円")};

constexpr std::array<WarehouseLevel, kWarehouseLevels> kWarehouseLevelTable = {{
    {500, 0, GM_TR_NOOP("company", "500台収容")},
    {2000, 50000, GM_TR_NOOP("company", "2,000台収容")},
    {5000, 100000, GM_TR_NOOP("company", "5,000台収容")},
    {10000, 200000, GM_TR_NOOP("company", "10,000台収容")},
}};

// Stores in use that a warehouse level must serve before it may be rebuilt to the next one.
constexpr std::array<int, kWarehouseLevels - 1> kStoresForRebuild = {3, 7, 15};

}  // namespace

std::string capitalLabel(int sihon) {
  return sihon >= 0 && sihon < kCapitalClasses ? translate("company", kCapitalLabels[sihon])
                                               : std::string();
}

int64_t capitalCash(int sihon) {
  return sihon >= 0 && sihon < kCapitalClasses ? int64_t{300000} + int64_t{100000} * sihon : 0;
}

const WarehouseLevel& warehouseLevel(int souko) {
  return kWarehouseLevelTable[std::clamp(souko, 0, kWarehouseLevels - 1)];
}

std::string warehouseLevelLabel(int souko) {
  return translate("company", warehouseLevel(souko).label.data());
}

void MachineTally::add(const Tddai& d) {
  if (!d.used) return;
  int t = std::clamp<int>(d.kishu, 0, kMachineTypeCount - 1);
  records[t] += 1;
  machines[t] += 10;
  if (d.isPachinko()) {
    pachinkoRecords += 1;
    pachinkoMachines += 10;
  } else {
    slotRecords += 1;
    slotMachines += 10;
  }
  totalRecords += 1;
  totalMachines += 10;
}

// ---------------------------------------------------------------------------------------------
// Queries over the stores

StoreCounts tkaichou::TempoKazu() const {
  StoreCounts c;
  // Five more stores for every ten points of leadership, fifty at most.
  c.limit = std::min(50, (static_cast<int>(clampValue(tousotu, 0, 100)) / 10 + 1) * 5);
  for (const Ttempo& s : tempo) {
    if (!s.used) continue;
    ++c.used;
    switch (s.joutai) {
      case kWaiting:
        ++c.waiting;
        break;
      case kOpen:
        ++c.open;
        break;
      case kSuspended:
        ++c.suspended;
        break;
      case kUnderConstruction:
        ++c.underConstruction;
        break;
      default:
        break;
    }
  }
  return c;
}

int tkaichou::AkiTempo() const {
  int limit = TempoKazu().limit;
  for (int n = 1; n <= limit; ++n)
    if (!slot(n).used) return n;
  return 0;
}

int tkaichou::StoreOn(int row, int column) const {
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = slot(n);
    if (s.used && s.blockY == row && s.blockX == column) return n;
  }
  return 0;
}

int tkaichou::TempoAt(int row, int column) const {
  // The game's own lookup falls back on the first slot.
  const int n = StoreOn(row, column);
  return n != 0 ? n : 1;
}

int64_t tkaichou::SoushisanKeisan(int month) const {
  const tworld& w = *world_;
  int64_t total = 0;
  for (const Ttempo& s : tempo)
    if (s.used) total += s.assetValue(month, w.block(s.blockY, s.blockX).landPrice);
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c) {
      const Tchip& b = w.block(r, c);
      if (b.kind == kOwnLandKind || b.kind == kOwnParkingKind) total += b.landPrice;
    }
  return std::max<int64_t>(total, 0);
}

ImageAverages tkaichou::ImageHeikin() const {
  ImageAverages a;
  int stores = 0;
  int64_t senren = 0, chimei = 0, manzoku = 0;
  for (const Ttempo& s : tempo) {
    if (!s.used) continue;
    ++stores;
    senren += s.senren;
    chimei += s.chimei;
    manzoku += s.manzoku;
  }
  if (stores == 0) return a;
  a.senren = static_cast<int>(senren / stores);
  a.chimei = static_cast<int>(chimei / stores);
  a.manzoku = clamp100(manzoku / stores);
  return a;
}

StaffSummary tkaichou::StaffShuukei(int hours, int month) const {
  StaffSummary r;
  int stores = 0, staffed = 0;
  Money moral, skill;
  for (const Ttempo& s : tempo) {
    if (!s.used) continue;
    ++stores;
    r.men += s.dansei;
    r.women += s.zyosei;
    r.need += s.staffNeed(hours, month);
    if (s.staffTotal() > 0) {
      ++staffed;
      moral += s.moral;
      skill += s.skill;
    }
  }
  r.total = r.men + r.women;
  if (stores > 0) {
    r.averageMen = r.men / stores;
    r.averageWomen = r.women / stores;
    r.averageTotal = r.total / stores;
    r.averageNeed = r.need / stores;
  }
  r.menShare = clamp100(percentOf(r.men, r.total));
  r.womenShare = clamp100(percentOf(r.women, r.total));
  if (staffed > 0) {
    r.moral = Money::fromRaw(divRoundHalfEven(moral.raw(), staffed));
    r.skill = Money::fromRaw(divRoundHalfEven(skill.raw(), staffed));
  }
  return r;
}

CompanySums tkaichou::StoreSums() const {
  CompanySums r;
  ByKind<int64_t> customers{}, machineHours{};
  for (const Ttempo& s : tempo) {
    if (!s.used) continue;
    for (int k = 0; k < 2; ++k) {
      r.uriage[k] += s.uriage[k];
      r.arari[k] += s.arari[k];
    }
    r.operatingRunning += s.eigyouResults.running;
    r.operatingPromotion += s.eigyouResults.promotion;
    for (int i = 0; i < 15; ++i) r.maintenance[i] += s.hoshuResults[i];
    for (int i = 0; i < 4; ++i) r.personnel[i] += s.jinkenResults[i];
    // Occupancy is customers over the machine hours that were on offer, store by store.
    MachineCounts m = s.machineCounts();
    const ByKind<int> machines = {m.pachinkoMachines, m.slotMachines, m.allMachines};
    for (int k = 0; k < 3; ++k) {
      customers[k] += s.kyaku[k];
      machineHours[k] += int64_t{machines[k]} * s.eigyouJikan;
    }
  }
  r.uriage[kTotal] = r.uriage[kPachinko] + r.uriage[kSlot];
  r.arari[kTotal] = r.arari[kPachinko] + r.arari[kSlot];
  r.operating = r.operatingRunning + Money::fromInt(r.operatingPromotion);
  r.netProfit = r.arari[kTotal] - Money::fromInt(r.personnel[3]) - r.operating - r.maintenance[14];
  for (int k = 0; k < 3; ++k) {
    r.profitRate[k] = profitRate(r.arari[k], r.uriage[k]);
    if (machineHours[k] > 0) r.occupancy[k] = clamp100(percentOf(customers[k], machineHours[k]));
  }
  return r;
}

MachineTally tkaichou::StoreMachineTally() const {
  MachineTally t;
  for (const Ttempo& s : tempo) {
    if (!s.used) continue;
    for (int f = 0; f <= s.kibo && f < kFloors; ++f)
      for (const Tddai& d : s.dai[f]) t.add(d);
  }
  return t;
}

MachineTally tkaichou::WarehouseMachineTally() const {
  MachineTally t;
  for (const Tddai& d : dai) t.add(d);
  return t;
}

// ---------------------------------------------------------------------------------------------
// Warehouse

int tkaichou::SoukoYouryou() const { return warehouseLevel(souko).capacity; }

int tkaichou::SoukoAki() const { return SoukoYouryou() - WarehouseMachineTally().totalMachines; }

int tkaichou::AkiDai() {
  DaiSort();
  int usable = SoukoYouryou() / 10;
  for (int n = 1; n <= usable; ++n)
    if (!record(n).used) return n;
  return 0;
}

PurchasedRecords tkaichou::DaiKounyuu(const tdai& model, int count, int month,
                                      int32_t unitPriceYen) {
  PurchasedRecords bought;
  int first = AkiDai();
  if (first == 0) return bought;
  // After the sort every free record lies behind the ones in use, so the purchase fills a run.
  int usable = SoukoYouryou() / 10;
  bought.first = first;
  for (int n = first; n <= usable && bought.count < count; ++n) {
    if (record(n).used) continue;
    record(n).fillRecord(month, unitPriceYen, model);
    ++bought.count;
  }
  return bought;
}

bool tkaichou::SoukoKaichikuKanou() const {
  if (souko >= kWarehouseLevels - 1) return false;
  return TempoKazu().used >= kStoresForRebuild[souko];
}

int tkaichou::DaiKensuu(const tdai& model) const {
  int usable = SoukoYouryou() / 10;
  int machines = 0;
  for (int n = 1; n <= usable; ++n)
    if (record(n).sameAsModel(model)) machines += 10;
  return machines;
}

// ---------------------------------------------------------------------------------------------
// Sorting

void tkaichou::TempoSort() {
  stableInUseFirst(tempo, [](const Ttempo& s) { return s.used; });
}

void tkaichou::DaiSort() {
  stableInUseFirst(dai, [](const Tddai& d) { return d.used; });
}

}  // namespace gm
