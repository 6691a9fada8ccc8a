// The game's invariants, checked record by record.
#include "invariants.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "company/rivals.h"
#include "persist/save_file.h"
#include "store/island_settings.h"
#include "store/promotions.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr uint8_t kOwnStoreKind = 19;
constexpr uint8_t kRivalStoreKind = 20;
constexpr int64_t kRatingTop = 100 * Money::kScale;

class Report {
 public:
  explicit Report(int limit) : limit_(limit) {}
  bool full() const { return static_cast<int>(lines_.size()) >= limit_; }
  void add(std::string line) {
    if (!full()) lines_.push_back(std::move(line));
  }
  // Adds the line when `value` lies outside lo..hi; the name is only built for such a line,
  // since a city has thousands of values to check every month.
  template <typename Name>
  void range(Name&& name, int64_t value, int64_t lo, int64_t hi) {
    if (value >= lo && value <= hi) return;
    std::string what;
    if constexpr (std::is_invocable_v<Name>)
      what = name();
    else
      what = name;
    add(what + " = " + std::to_string(value) + ", outside " + std::to_string(lo) + ".." +
        std::to_string(hi));
  }
  std::vector<std::string> take() { return std::move(lines_); }

 private:
  int limit_;
  std::vector<std::string> lines_;
};

std::string at(int row, int column) {
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "(" + a string.
  std::string label = "(";
  label += std::to_string(row);
  label += ",";
  label += std::to_string(column);
  label += ")";
  return label;
}

void checkWorld(const tworld& w, Report& r) {
  r.range("month", w.month, 1, INT32_MAX);
  r.range("housing policy", w.housingPolicy, 0, 100);
  r.range("commerce policy", w.commercePolicy, 0, 100);
  r.range("business policy", w.businessPolicy, 0, 100);
  r.range("tax rate", w.taxRate, 5, 50);
  r.range("union hour cut", w.unionHourCut, 0, 6);
  r.range("union day cut", w.unionDayCut, 0, 8);
  r.range("pachinko rate limit", w.maxPachinkoRate, 0, 6);
  r.range("slot rate limit", w.maxSlotRate, 0, 3);
  r.range("laws", w.laws, 0, (1 << kLawCount) - 1);
  r.range("map height", w.mapHeight, 1, kMapSize);
  r.range("map width", w.mapWidth, 1, kMapSize);
  const int fanTop = w.hasLaw(kLawLongHours) ? 70 : 50;
  for (int row = 0; row < w.mapHeight && row < kMapSize; ++row)
    for (int col = 0; col < w.mapWidth && col < kMapSize; ++col) {
      const Tchip& b = w.block(row, col);
      auto name = [&](const char* what) { return [=] { return "block " + at(row, col) + what; }; };
      r.range(name(" kind"), b.kind, 0, kKindCount - 1);
      r.range(name(" population"), b.population, 0, kindInfo(b.kind).capacity);
      r.range(name(" security"), b.security, 0, 100);
      r.range(name(" unrest"), b.unrest, 0, 100);
      r.range(name(" fan rate"), b.fanRate, 0, fanTop);
      r.range(name(" land price"), b.landPrice, 0, INT32_MAX);
    }
  for (const Tmaker& m : w.makers) {
    const std::string who = "maker " + std::to_string(m.makerNo);
    r.range(who + " friendship", m.yuukou, 0, 100);
    for (const tdai& model : m.models) {
      r.range(who + " model stock", model.zaiko, 0, INT32_MAX);
      r.range(who + " model type", model.kishu, 0, kMachineTypeCount - 1);
    }
  }
}

template <typename Where>
void checkIsland(const Tddai& d, Where&& where, Report& r) {
  auto name = [&](const char* what) { return [&, what] { return where() + what; }; };
  r.range(name(" type"), d.kishu, 0, kMachineTypeCount - 1);
  r.range(name(" maker"), d.maker, 0, kMakerCount - 1);
  r.range(name(" business form"), d.keitai, 0, kBusinessForms - 1);
  r.range(name(" morning"), d.morning, 0, d.isPachinko() ? 0 : kMorningMachines);
  r.range(name(" profit rate"), d.riritu.raw(), -kMaxProfitRate, kMaxProfitRate);
  for (uint8_t v : d.actual) r.range(name(" rating"), v, 0, 100);
}

void checkPromotions(const Ttempo& s, const std::string& who, Report& r) {
  const std::array<std::pair<Promotion, uint8_t>, kPromotionCount> choices = {{
      {Promotion::Event, s.hansoku.event},
      {Promotion::Tissue, s.hansoku.tissue},
      {Promotion::Mail, s.hansoku.mail},
      {Promotion::TvAgency, s.hansoku.tvAgency},
      {Promotion::TvSpot, s.hansoku.tvSpot},
      {Promotion::Www, s.hansoku.www},
      {Promotion::NewspaperSize, s.hansoku.newspaperSize},
      {Promotion::NewspaperTerm, s.hansoku.newspaperTerm},
  }};
  for (const auto& [p, choice] : choices)
    r.range(who + " promotion " + std::to_string(static_cast<int>(p)), choice, 0,
            static_cast<int64_t>(promotionChoices(p).size()) - 1);
}

void checkStore(const tworld& w, const Ttempo& s, int slot, Report& r) {
  const std::string who = "store " + std::to_string(slot);
  r.range(who + " state", s.joutai, kWaiting, kSuspended);
  r.range(who + " size", s.kibo, 0, kFloors - 1);
  r.range(who + " refinement", s.senren, 0, 100);
  r.range(who + " fame", s.chimei, 0, 100);
  r.range(who + " satisfaction", s.manzoku, 0, 100);
  r.range(who + " morale", s.moral.raw(), 0, kRatingTop);
  r.range(who + " skill", s.skill.raw(), 0, kRatingTop);
  r.range(who + " men", s.dansei, 0, INT32_MAX);
  r.range(who + " women", s.zyosei, 0, INT32_MAX);
  if (s.staffTotal() == 0 && (s.moral != Money() || s.skill != Money()))
    r.add(who + " has no staff but morale " + formatGrouped(s.moral) + " and skill " +
          formatGrouped(s.skill));
  r.range(who + " pachinko exchange rate", s.pkankin, 0, w.maxPachinkoRate);
  r.range(who + " slot exchange rate", s.skankin, 0, w.maxSlotRate);
  r.range(who + " salary", s.kyuyo, 120, 1000);
  r.range(who + " education", s.kyouiku, 0, 1000);
  r.range(who + " welfare", s.fukuri, 0, 1000);
  r.range(who + " equipment", s.setubi, 0, (1 << kEquipmentCount) - 1);
  checkPromotions(s, who, r);
  if (s.joutai == kUnderConstruction && s.kanseiMonth < w.month)
    r.add(who + " is still under construction, due in month " + std::to_string(s.kanseiMonth));
  if (s.joutai == kSuspended && s.teishiMonth < w.month)
    r.add(who + " is still suspended, due back in month " + std::to_string(s.teishiMonth));

  if (!w.onMap(s.blockY, s.blockX)) {
    r.add(who + " stands off the map at " + at(s.blockY, s.blockX));
  } else if (w.block(s.blockY, s.blockX).kind != kOwnStoreKind) {
    r.add(who + " stands on block " + at(s.blockY, s.blockX) + " of kind " +
          std::to_string(w.block(s.blockY, s.blockX).kind));
  }
  for (int f = 0; f < kFloors; ++f) {
    const std::string floor = who + " floor " + std::to_string(f + 1);
    int machines = 0;
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      const Tddai& d = s.dai[f][i];
      if (!d.used) continue;
      machines += 10;
      if (f > s.kibo)
        r.add(floor + " holds an island but the store has " + std::to_string(s.floorCount()) +
              " floor(s)");
      checkIsland(
          d, [&] { return floor + " island " + std::to_string(i + 1); }, r);
    }
    if (f <= s.kibo) r.range(floor + " machines", machines, 0, s.floorCapacity(f));
  }
}

void checkCompany(const tworld& w, Report& r) {
  const tkaichou& k = w.kaichou;
  r.range("leadership", k.tousotu, 1, 100);
  r.range("intelligence", k.chisei, 1, 100);
  r.range("charisma", k.karisuma, 1, 100);
  r.range("eye", k.kantei, 1, 100);
  r.range("warehouse level", k.souko, 0, kWarehouseLevels - 1);

  bool freeSeen = false;
  std::array<std::array<int, kMapSize>, kMapSize> storesOn{};
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used) {
      freeSeen = true;
      if (s.hasMachines() || s.staffTotal() != 0)
        r.add("free store slot " + std::to_string(n) + " keeps machines or staff");
      continue;
    }
    if (freeSeen) r.add("store slot " + std::to_string(n) + " is in use behind a free slot");
    checkStore(w, s, n, r);
    if (w.onMap(s.blockY, s.blockX)) ++storesOn[s.blockY][s.blockX];
  }
  for (int row = 0; row < w.mapHeight; ++row)
    for (int col = 0; col < w.mapWidth; ++col) {
      const bool storeBlock = w.block(row, col).kind == kOwnStoreKind;
      if (storeBlock && storesOn[row][col] != 1)
        r.add("store block " + at(row, col) + " has " + std::to_string(storesOn[row][col]) +
              " stores");
      if (!storeBlock && storesOn[row][col] != 0)
        r.add("block " + at(row, col) + " is no store block but holds a store");
    }

  const int usable = k.SoukoYouryou() / 10;
  for (int n = 1; n <= kWarehouseRecords; ++n) {
    const Tddai& d = k.record(n);
    if (!d.used) continue;
    if (n > usable)
      r.add("warehouse record " + std::to_string(n) + " is in use beyond the " +
            std::to_string(usable) + " records the warehouse holds");
    checkIsland(
        d, [&] { return "warehouse record " + std::to_string(n); }, r);
  }
}

void checkRivals(const tworld& w, Report& r) {
  const Tenkaichou& rivals = w.rivals;
  r.range("current rival", rivals.genzai, 0, kRivalCount - 1);
  bool freeSeen = false;
  std::array<std::array<int, kMapSize>, kMapSize> storesOn{};
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& e = rivals.Tenpo(k);
    const std::string who = "rival record " + std::to_string(k);
    if (!e.used) {
      freeSeen = true;
      continue;
    }
    if (freeSeen) r.add(who + " is in use behind a free record");
    r.range(who + " owner", e.owner, 0, kRivalCount - 1);
    r.range(who + " state", e.joutai, kRivalOpen, kRivalSuspended);
    r.range(who + " size", e.kibo, 0, kFloors - 1);
    r.range(who + " refinement", e.senren, 0, 100);
    r.range(who + " fame", e.chimei, 0, 100);
    r.range(who + " satisfaction", e.manzoku, 0, 100);
    r.range(who + " morale", e.moral, 0, 100);
    r.range(who + " skill", e.skill, 0, 100);
    r.range(who + " customers", e.kyaku, 0, INT32_MAX);
    if (!w.onMap(e.blockRow, e.blockColumn)) {
      r.add(who + " stands off the map at " + at(e.blockRow, e.blockColumn));
      continue;
    }
    const Tchip& b = w.block(e.blockRow, e.blockColumn);
    if (b.kind != kRivalStoreKind || b.owner != e.owner)
      r.add(who + " of rival " + std::to_string(e.owner) + " stands on block " +
            at(e.blockRow, e.blockColumn) + " of kind " + std::to_string(b.kind) + " owned by " +
            std::to_string(b.owner));
    ++storesOn[e.blockRow][e.blockColumn];
  }
  for (int row = 0; row < w.mapHeight; ++row)
    for (int col = 0; col < w.mapWidth; ++col) {
      const bool storeBlock = w.block(row, col).kind == kRivalStoreKind;
      if (storeBlock && storesOn[row][col] != 1)
        r.add("rival store block " + at(row, col) + " has " + std::to_string(storesOn[row][col]) +
              " records");
      if (!storeBlock && storesOn[row][col] != 0)
        r.add("block " + at(row, col) + " is no rival store block but holds a rival record");
    }
}

}  // namespace

// Whatever the game plays into, a save of it must load again: the loader's ranges are what play
// can give every number.
void checkRecordLoads(const tworld& w, Report& r) {
  const SaveResult checked = CheckSaveRecord(EncodeSaveRecord(w));
  if (!checked.ok) r.add("the saved game would be refused: " + checked.error);
}

std::vector<std::string> CheckInvariants(const tworld& world, int limit) {
  Report r(limit);
  checkWorld(world, r);
  checkCompany(world, r);
  checkRivals(world, r);
  checkRecordLoads(world, r);
  return r.take();
}

int MachineRecordsInUse(const tworld& world) {
  int n = 0;
  for (const Tddai& d : world.kaichou.dai)
    if (d.used) ++n;
  for (const Ttempo& s : world.kaichou.tempo)
    for (const auto& floor : s.dai)
      for (const Tddai& d : floor)
        if (d.used) ++n;
  return n;
}

}  // namespace gm
