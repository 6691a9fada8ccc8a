// The saved game's byte layout: every field of the record's tables is written at its own offset
// and touches no other byte, and a record with every field set reads back whole. The offsets are
// typed from the file's tables (parts, records and positions), not taken from the encoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "world/world.h"

namespace gm {
namespace {

// A fresh world as the program creates it at start-up (defaults of every table).
const tworld& w0() {
  static const auto* world = new tworld();
  return *world;
}

// Absolute offsets in the record.
std::size_t blockAt(int i, int j) { return 94 + i * 2300 + j * 46; }
std::size_t makerAt(int m) { return 115094 + m * 422; }
std::size_t modelAt(int m, int slot) { return makerAt(m) + 12 + (slot - 1) * 82; }
std::size_t markAt(int m, int t, int e) { return 119736 + m * 300 + t * 30 + (e - 1); }
constexpr std::size_t kCompany = 123036;
std::size_t storeAt(int slot) { return kCompany + 7674 + (slot - 1) * 8066; }
std::size_t islandAt(int slot, int floor, int position) {
  return storeAt(slot) + 464 + floor * 1250 + (position - 1) * 125;
}
std::size_t warehouseAt(int n) { return kCompany + 410974 + (n - 1) * 125; }
std::size_t historyAt(std::size_t record, int series, int month) {
  return record + (series * 12 + month - 1) * 8;
}
constexpr std::size_t kCompanyHistory = kCompany + 535974;
constexpr std::size_t kRivals = 660354;
std::size_t rivalStoreAt(int k) { return kRivals + 67 + (k - 1) * 74; }

std::string littleEndian(int64_t v, int width) {
  std::string s;
  for (int i = 0; i < width; ++i)
    s.push_back(static_cast<char>((static_cast<uint64_t>(v) >> (8 * i)) & 0xFF));
  return s;
}

struct FieldCase {
  std::string label;
  std::size_t offset;
  std::string bytes;  // what the field must hold at its offset
  std::function<void(tworld&)> set;
  // A value that a loaded game may hold: the record with every field set must load.
  std::function<void(tworld&)> setLoadable;
};

// The cases, each with a value of its own: multi-byte values have distinct non-zero bytes, so
// that a field written at the wrong place, with the wrong width or in the wrong byte order shows.
class Cases {
 public:
  std::vector<FieldCase> all;

  template <typename Set>
  void num(const std::string& label, std::size_t at, int width, Set set) {
    ++k_;
    int64_t v = width == 1   ? 0x20 + k_ % 0x50
                : width == 2 ? 0x0A00 + k_ % 0x100
                : width == 4 ? 0x0A0B0C00 + k_ % 0x100
                             : 0x0102030405060700 + k_ % 0x100;
    numValue(label, at, width, v, set);
    // Small enough for every range of the loader (days, ratings, months, rates), yet its own.
    loadableAs(width == 8 ? 0x010203 + k_ % 0x100 : 1 + k_ % 29);
  }
  // A field that only takes values of a small range: the value is given.
  template <typename Set>
  void numValue(const std::string& label, std::size_t at, int width, int64_t v, Set set) {
    all.push_back({label, at, littleEndian(v, width), [v, set](tworld& w) { set(w, v); },
                   [v, set](tworld& w) { set(w, v); }});
    assign_ = set;
  }
  // The value the last field takes in the record that must load.
  void loadableAs(int64_t v) {
    all.back().setLoadable = [v, set = assign_](tworld& w) { set(w, v); };
  }
  template <typename Set>
  void flag(const std::string& label, std::size_t at, bool v, Set set) {
    auto apply = [v, set](tworld& w) { set(w, v); };
    all.push_back({label, at, std::string(1, v ? '\1' : '\0'), apply, apply});
  }
  template <typename Get>
  void name(const std::string& label, std::size_t at, Get get) {
    ++k_;
    std::string text = "N" + std::to_string(k_);
    auto apply = [text, get](tworld& w) { get(w) = text; };
    all.push_back({label, at, std::string(1, static_cast<char>(text.size())) + text, apply, apply});
  }
  template <typename Get>
  void ratings(const std::string& label, std::size_t at, Get get) {
    ++k_;
    const uint8_t b = static_cast<uint8_t>(10 + k_ % 80);
    auto apply = [b, get](tworld& w) {
      get(w) = Ratings{b, uint8_t(b + 1), uint8_t(b + 2), uint8_t(b + 3)};
    };
    all.push_back(
        {label, at, std::string{char(b), char(b + 1), char(b + 2), char(b + 3)}, apply, apply});
  }

 private:
  int k_ = 0;
  std::function<void(tworld&, int64_t)> assign_;
};

template <typename Pick>
void modelCases(Cases& c, const std::string& at, std::size_t base, Pick pick) {
  c.name(at + ".name", base + 0, [pick](tworld& w) -> Name& { return pick(w).name; });
  c.numValue(at + ".kishu", base + 49, 1, 7, [pick](tworld& w, int64_t v) { pick(w).kishu = v; });
  c.num(at + ".price", base + 50, 4, [pick](tworld& w, int64_t v) { pick(w).price = v; });
  c.numValue(at + ".maker", base + 54, 1, 9, [pick](tworld& w, int64_t v) { pick(w).maker = v; });
  c.ratings(at + ".nominal", base + 55, [pick](tworld& w) -> Ratings& { return pick(w).nominal; });
  c.ratings(at + ".actual", base + 59, [pick](tworld& w) -> Ratings& { return pick(w).actual; });
  c.num(at + ".releaseMonth", base + 63, 4,
        [pick](tworld& w, int64_t v) { pick(w).releaseMonth = v; });
  c.num(at + ".saleEndMonth", base + 67, 4,
        [pick](tworld& w, int64_t v) { pick(w).saleEndMonth = v; });
  c.num(at + ".shukka", base + 71, 4, [pick](tworld& w, int64_t v) { pick(w).shukka = v; });
  c.num(at + ".zaiko", base + 75, 4, [pick](tworld& w, int64_t v) { pick(w).zaiko = v; });
  c.loadableAs(1);  // stock never exceeds the production count
  c.flag(at + ".onSale", base + 79, true, [pick](tworld& w, bool v) { pick(w).onSale = v; });
  c.flag(at + ".unappraised", base + 80, true,
         [pick](tworld& w, bool v) { pick(w).unappraised = v; });
  c.flag(at + ".modelMachine", base + 81, true,
         [pick](tworld& w, bool v) { pick(w).modelMachine = v; });
}

template <typename Pick>
void machineCases(Cases& c, const std::string& at, std::size_t base, Pick pick) {
  auto set32 = [&](const char* field, std::size_t off, int32_t Tddai::*m) {
    c.num(at + field, base + off, 4, [pick, m](tworld& w, int64_t v) { pick(w).*m = v; });
  };
  auto setMoney = [&](const char* field, std::size_t off, Money Tddai::*m) {
    c.num(at + field, base + off, 8,
          [pick, m](tworld& w, int64_t v) { pick(w).*m = Money::fromRaw(v); });
  };
  auto setFlag = [&](const char* field, std::size_t off, bool Tddai::*m) {
    c.flag(at + field, base + off, true, [pick, m](tworld& w, bool v) { pick(w).*m = v; });
  };
  setFlag(".used", 0, &Tddai::used);
  c.name(at + ".name", base + 1, [pick](tworld& w) -> Name& { return pick(w).name; });
  c.numValue(at + ".kishu", base + 50, 1, 9, [pick](tworld& w, int64_t v) { pick(w).kishu = v; });
  set32(".tanka", 51, &Tddai::tanka);
  c.numValue(at + ".maker", base + 55, 1, 10, [pick](tworld& w, int64_t v) { pick(w).maker = v; });
  c.ratings(at + ".nominal", base + 56, [pick](tworld& w) -> Ratings& { return pick(w).nominal; });
  c.ratings(at + ".actual", base + 60, [pick](tworld& w) -> Ratings& { return pick(w).actual; });
  set32(".kounyuuMonth", 64, &Tddai::kounyuuMonth);
  set32(".yuukouMonth", 68, &Tddai::yuukouMonth);
  set32(".shukka", 72, &Tddai::shukka);
  setFlag(".virgin", 76, &Tddai::virgin);
  setFlag(".ihou", 77, &Tddai::ihou);
  c.numValue(at + ".keitai", base + 78, 1, 3, [pick](tworld& w, int64_t v) { pick(w).keitai = v; });
  c.numValue(at + ".morning", base + 79, 1, 10,
             [pick](tworld& w, int64_t v) { pick(w).morning = v; });
  setMoney(".riritu", 80, &Tddai::riritu);
  set32(".jikan", 88, &Tddai::jikan);
  set32(".nissuu", 92, &Tddai::nissuu);
  set32(".kadou", 96, &Tddai::kadou);
  setMoney(".kyakutan", 100, &Tddai::kyakutan);
  setMoney(".ririJisseki", 108, &Tddai::ririJisseki);
  set32(".kyakuZyosei", 116, &Tddai::kyakuZyosei);
  set32(".kyakuDansei", 120, &Tddai::kyakuDansei);
  setFlag(".modelMachine", 124, &Tddai::modelMachine);
}

template <typename Pick>
void historyCases(Cases& c, const std::string& at, std::size_t base, Pick pick) {
  for (auto [series, month] : {std::pair{0, 1}, {0, 12}, {7, 5}, {13, 1}, {13, 12}})
    c.num(at + "[" + std::to_string(series) + "][" + std::to_string(month) + "]",
          historyAt(base, series, month), 8,
          [pick, series = series, month = month](tworld& w, int64_t v) {
            pick(w).values[series][month - 1] = Money::fromRaw(v);
          });
}

void worldCases(Cases& c) {
  c.name("cityName", 0, [](tworld& w) -> Name& { return w.cityName; });
  c.numValue("mapHeight", 49, 1, 37, [](tworld& w, int64_t v) { w.mapHeight = v; });
  c.numValue("mapWidth", 50, 1, 41, [](tworld& w, int64_t v) { w.mapWidth = v; });
  c.numValue("month", 51, 4, 0x0102AB, [](tworld& w, int64_t v) { w.month = v; });
  c.numValue("housingPolicy", 55, 4, 61, [](tworld& w, int64_t v) { w.housingPolicy = v; });
  c.numValue("commercePolicy", 59, 4, 62, [](tworld& w, int64_t v) { w.commercePolicy = v; });
  c.numValue("businessPolicy", 63, 4, 63, [](tworld& w, int64_t v) { w.businessPolicy = v; });
  c.numValue("taxRate", 67, 4, 47, [](tworld& w, int64_t v) { w.taxRate = v; });
  c.numValue("unionHourCut", 71, 4, 5, [](tworld& w, int64_t v) { w.unionHourCut = v; });
  c.numValue("unionDayCut", 75, 4, 7, [](tworld& w, int64_t v) { w.unionDayCut = v; });
  c.flag("disposalAccepted", 79, true, [](tworld& w, bool v) { w.disposalAccepted = v; });
  c.numValue("laws", 80, 2, 0x0329, [](tworld& w, int64_t v) { w.laws = v; });
  c.numValue("maxPachinkoRate", 82, 1, 4, [](tworld& w, int64_t v) { w.maxPachinkoRate = v; });
  c.numValue("maxSlotRate", 83, 1, 2, [](tworld& w, int64_t v) { w.maxSlotRate = v; });
  c.numValue("cityType", 84, 1, 3, [](tworld& w, int64_t v) { w.cityType = v; });
  c.flag("endingShown", 85, true, [](tworld& w, bool v) { w.endingShown = v; });
  c.num("lastBusinessDays", 86, 4, [](tworld& w, int64_t v) { w.lastBusinessDays = v; });
  c.num("maxLandPrice", 90, 4, [](tworld& w, int64_t v) { w.maxLandPrice = v; });

  for (auto [i, j] : {std::pair{0, 0}, {0, 49}, {49, 0}, {23, 17}, {49, 49}}) {
    const std::string at = "block[" + std::to_string(i) + "][" + std::to_string(j) + "]";
    const std::size_t b = blockAt(i, j);
    auto block = [i = i, j = j](tworld& w) -> Tchip& { return w.blocks[i][j]; };
    c.numValue(at + ".row", b + 0, 4, 49 - i, [block](tworld& w, int64_t v) { block(w).row = v; });
    c.loadableAs(i);  // a block keeps the place it was made for
    c.numValue(at + ".column", b + 4, 4, 49 - j,
               [block](tworld& w, int64_t v) { block(w).column = v; });
    c.loadableAs(j);
    c.numValue(at + ".kind", b + 8, 1, 21, [block](tworld& w, int64_t v) { block(w).kind = v; });
    c.num(at + ".population", b + 9, 4, [block](tworld& w, int64_t v) { block(w).population = v; });
    c.numValue(at + ".security", b + 13, 4, 81,
               [block](tworld& w, int64_t v) { block(w).security = v; });
    c.numValue(at + ".fanRate", b + 17, 4, 33,
               [block](tworld& w, int64_t v) { block(w).fanRate = v; });
    c.num(at + ".landPrice", b + 21, 4, [block](tworld& w, int64_t v) { block(w).landPrice = v; });
    c.numValue(at + ".unrest", b + 25, 4, 12,
               [block](tworld& w, int64_t v) { block(w).unrest = v; });
    c.numValue(at + ".owner", b + 29, 1, 3, [block](tworld& w, int64_t v) { block(w).owner = v; });
    c.num(at + ".growthInfluence", b + 30, 4,
          [block](tworld& w, int64_t v) { block(w).growthInfluence = v; });
    c.num(at + ".securityInfluence", b + 34, 4,
          [block](tworld& w, int64_t v) { block(w).securityInfluence = v; });
    c.num(at + ".priceInfluence", b + 38, 4,
          [block](tworld& w, int64_t v) { block(w).priceInfluence = v; });
    c.num(at + ".unrestInfluence", b + 42, 4,
          [block](tworld& w, int64_t v) { block(w).unrestInfluence = v; });
  }

  for (int m : {0, 6, 10}) {
    const std::string at = "maker" + std::to_string(m);
    const std::size_t b = makerAt(m);
    c.numValue(at + ".makerNo", b + 0, 1, 10 - m,
               [m](tworld& w, int64_t v) { w.makers[m].makerNo = v; });
    c.loadableAs(m);
    c.numValue(at + ".yuukou", b + 1, 4, 77, [m](tworld& w, int64_t v) { w.makers[m].yuukou = v; });
    c.flag(at + ".shijou", b + 5, !w0().makers[m].shijou,
           [m](tworld& w, bool v) { w.makers[m].shijou = v; });
    c.flag(at + ".yuukouGiven", b + 6, true,
           [m](tworld& w, bool v) { w.makers[m].yuukouGiven = v; });
    c.flag(at + ".torihiki", b + 7, false, [m](tworld& w, bool v) { w.makers[m].torihiki = v; });
    c.num(at + ".chuushiMonth", b + 8, 4,
          [m](tworld& w, int64_t v) { w.makers[m].chuushiMonth = v; });
    for (int slot : {1, 5})
      modelCases(c, at + ".model" + std::to_string(slot), modelAt(m, slot),
                 [m, slot](tworld& w) -> tdai& { return w.makers[m].models[slot - 1]; });
  }

  // Marks: pool entry e (1..30) of maker m and type t; entries past a pool's names stay set.
  for (auto [m, t, e] : {std::tuple{0, 0, 1}, {0, 4, 30}, {6, 7, 2}, {10, 8, 20}})
    c.numValue(
        "mark[" + std::to_string(m) + "][" + std::to_string(t) + "][" + std::to_string(e) + "]",
        markAt(m, t, e), 1, 1,
        [m = m, t = t, e = e](tworld& w, int64_t v) { w.nameSelect.used[m][t][e - 1] = v; });
  c.numValue("mark[10][9][30]", markAt(10, 9, 30), 1, 7,
             [](tworld& w, int64_t v) { w.nameSelect.used[10][9][29] = v; });
}

void companyCases(Cases& c) {
  const std::size_t k = kCompany;
  c.name("ownername", k + 0, [](tworld& w) -> Name& { return w.kaichou.ownername; });
  c.name("kaishaname", k + 49, [](tworld& w) -> Name& { return w.kaichou.kaishaname; });
  c.numValue("sihon", k + 98, 1, 6, [](tworld& w, int64_t v) { w.kaichou.sihon = v; });
  c.num("sikin", k + 99, 8, [](tworld& w, int64_t v) { w.kaichou.sikin = Money::fromRaw(v); });
  c.numValue("karisuma", k + 107, 4, 91, [](tworld& w, int64_t v) { w.kaichou.karisuma = v; });
  c.numValue("chisei", k + 111, 4, 92, [](tworld& w, int64_t v) { w.kaichou.chisei = v; });
  c.numValue("tousotu", k + 115, 4, 93, [](tworld& w, int64_t v) { w.kaichou.tousotu = v; });
  c.numValue("kantei", k + 119, 4, 94, [](tworld& w, int64_t v) { w.kaichou.kantei = v; });
  c.flag("jinjizumi", k + 123, true, [](tworld& w, bool v) { w.kaichou.jinjizumi = v; });
  c.flag("datuzei", k + 124, true, [](tworld& w, bool v) { w.kaichou.datuzei = v; });
  c.num("datuzeiruikei", k + 125, 8,
        [](tworld& w, int64_t v) { w.kaichou.datuzeiruikei = Money::fromRaw(v); });
  c.numValue("souko", k + 133, 1, 3, [](tworld& w, int64_t v) { w.kaichou.souko = v; });
  c.num("eigyoujikan", k + 134, 4, [](tworld& w, int64_t v) { w.kaichou.eigyoujikan = v; });
  c.num("eigyounissuu", k + 138, 4, [](tworld& w, int64_t v) { w.kaichou.eigyounissuu = v; });
  c.num("zeibikirieki", k + 142, 8,
        [](tworld& w, int64_t v) { w.kaichou.zeibikirieki = Money::fromRaw(v); });
  c.num("shotokuzei", k + 150, 8,
        [](tworld& w, int64_t v) { w.kaichou.shotokuzei = Money::fromRaw(v); });
  c.num("pachinkozei", k + 158, 8,
        [](tworld& w, int64_t v) { w.kaichou.pachinkozei = Money::fromRaw(v); });
  c.num("datuzeigaku", k + 166, 8,
        [](tworld& w, int64_t v) { w.kaichou.datuzeigaku = Money::fromRaw(v); });
  for (auto [r, col] : {std::pair{0, 0}, {12, 34}, {49, 49}}) {
    const std::string at = "[" + std::to_string(r) + "][" + std::to_string(col) + "]";
    const std::size_t cell = r * 50 + col;
    c.numValue("baishuuzumi" + at, k + 174 + cell, 1, 1,
               [r = r, col = col](tworld& w, int64_t v) { w.kaichou.baishuuzumi[r][col] = v; });
    c.numValue("baikyakuzumi" + at, k + 2674 + cell, 1, 1,
               [r = r, col = col](tworld& w, int64_t v) { w.kaichou.baikyakuzumi[r][col] = v; });
    c.numValue("koujizumi" + at, k + 5174 + cell, 1, 1,
               [r = r, col = col](tworld& w, int64_t v) { w.kaichou.koujizumi[r][col] = v; });
  }

  machineCases(c, "dai1", warehouseAt(1), [](tworld& w) -> Tddai& { return w.kaichou.record(1); });
  machineCases(c, "dai1000", warehouseAt(1000),
               [](tworld& w) -> Tddai& { return w.kaichou.record(1000); });
  historyCases(c, "kaichou.backup", kCompanyHistory,
               [](tworld& w) -> Tbackup& { return w.kaichou.backup; });
}

void storeCases(Cases& c, int slot) {
  const std::string at = "tempo" + std::to_string(slot);
  const std::size_t s = storeAt(slot);
  auto store = [slot](tworld& w) -> Ttempo& { return w.kaichou.slot(slot); };
  auto i32 = [&](const std::string& field, std::size_t off, auto get) {
    c.num(at + field, s + off, 4, [store, get](tworld& w, int64_t v) { get(store(w)) = v; });
  };
  auto i32In = [&](const std::string& field, std::size_t off, int64_t value, auto get) {
    c.numValue(at + field, s + off, 4, value,
               [store, get](tworld& w, int64_t v) { get(store(w)) = v; });
  };
  auto u8In = [&](const std::string& field, std::size_t off, int64_t value, auto get) {
    c.numValue(at + field, s + off, 1, value,
               [store, get](tworld& w, int64_t v) { get(store(w)) = v; });
  };
  auto money = [&](const std::string& field, std::size_t off, auto get) {
    c.num(at + field, s + off, 8,
          [store, get](tworld& w, int64_t v) { get(store(w)) = Money::fromRaw(v); });
  };
  auto flag = [&](const std::string& field, std::size_t off, auto get) {
    c.flag(at + field, s + off, true, [store, get](tworld& w, bool v) { get(store(w)) = v; });
  };

  c.name(at + ".name", s + 0, [store](tworld& w) -> Name& { return store(w).name; });
  flag(".used", 49, [](Ttempo& t) -> bool& { return t.used; });
  u8In(".joutai", 50, 3, [](Ttempo& t) -> uint8_t& { return t.joutai; });
  i32(".kanseiMonth", 51, [](Ttempo& t) -> int32_t& { return t.kanseiMonth; });
  i32(".teishiMonth", 55, [](Ttempo& t) -> int32_t& { return t.teishiMonth; });
  i32(".shuttenMonth", 59, [](Ttempo& t) -> int32_t& { return t.shuttenMonth; });
  i32In(".blockX", 63, 45, [](Ttempo& t) -> int32_t& { return t.blockX; });
  i32In(".blockY", 67, 46, [](Ttempo& t) -> int32_t& { return t.blockY; });
  i32In(".senren", 71, 71, [](Ttempo& t) -> int32_t& { return t.senren; });
  i32In(".chimei", 75, 72, [](Ttempo& t) -> int32_t& { return t.chimei; });
  u8In(".kibo", 79, 4, [](Ttempo& t) -> uint8_t& { return t.kibo; });
  u8In(".pkankin", 80, 5, [](Ttempo& t) -> uint8_t& { return t.pkankin; });
  u8In(".skankin", 81, 2, [](Ttempo& t) -> uint8_t& { return t.skankin; });
  c.num(at + ".setubi", s + 82, 2, [store](tworld& w, int64_t v) { store(w).setubi = v; });
  i32(".dansei", 84, [](Ttempo& t) -> int32_t& { return t.dansei; });
  i32(".zyosei", 88, [](Ttempo& t) -> int32_t& { return t.zyosei; });
  c.numValue(at + ".moral", s + 92, 8, 0x0A0B0C,
             [store](tworld& w, int64_t v) { store(w).moral = Money::fromRaw(v); });
  c.numValue(at + ".skill", s + 100, 8, 0x0D0E0F,
             [store](tworld& w, int64_t v) { store(w).skill = Money::fromRaw(v); });
  i32(".kyuyo", 108, [](Ttempo& t) -> int32_t& { return t.kyuyo; });
  c.loadableAs(333);  // a salary is 120..1000
  i32(".kyouiku", 112, [](Ttempo& t) -> int32_t& { return t.kyouiku; });
  i32(".fukuri", 116, [](Ttempo& t) -> int32_t& { return t.fukuri; });
  c.num(at + ".modelMakers", s + 120, 2,
        [store](tworld& w, int64_t v) { store(w).modelMakers = v; });
  c.numValue(at + ".kousaku", s + 122, 1, 5,
             [store](tworld& w, int64_t v) { store(w).kousaku = v; });
  flag(".irekaeDone", 123, [](Ttempo& t) -> bool& { return t.irekaeDone; });
  flag(".bestWww", 124, [](Ttempo& t) -> bool& { return t.bestWww; });
  flag(".bestCm", 125, [](Ttempo& t) -> bool& { return t.bestCm; });
  i32In(".manzoku", 126, 73, [](Ttempo& t) -> int32_t& { return t.manzoku; });
  i32(".eigyouJikan", 130, [](Ttempo& t) -> int32_t& { return t.eigyouJikan; });
  i32(".eigyouNissuu", 134, [](Ttempo& t) -> int32_t& { return t.eigyouNissuu; });
  for (int i : {0, 1, 14})
    money(".hoshuResults[" + std::to_string(i) + "]", 138 + i * 8,
          [i](Ttempo& t) -> Money& { return t.hoshuResults[i]; });
  money(".eigyouResults.running", 258, [](Ttempo& t) -> Money& { return t.eigyouResults.running; });
  i32(".eigyouResults.promotion", 266,
      [](Ttempo& t) -> int32_t& { return t.eigyouResults.promotion; });
  money(".eigyouResults.total", 270, [](Ttempo& t) -> Money& { return t.eigyouResults.total; });
  for (int i : {0, 3})
    i32(".jinkenResults[" + std::to_string(i) + "]", 278 + i * 4,
        [i](Ttempo& t) -> int32_t& { return t.jinkenResults[i]; });
  for (int i : {0, 2}) {
    const std::string n = "[" + std::to_string(i) + "]";
    money(".uriage" + n, 294 + i * 8, [i](Ttempo& t) -> Money& { return t.uriage[i]; });
    money(".arari" + n, 318 + i * 8, [i](Ttempo& t) -> Money& { return t.arari[i]; });
    i32(".kyaku" + n, 342 + i * 4, [i](Ttempo& t) -> int32_t& { return t.kyaku[i]; });
    i32(".kadou" + n, 354 + i * 4, [i](Ttempo& t) -> int32_t& { return t.kadou[i]; });
  }
  for (int i : {0, 9}) {
    const std::string n = "[" + std::to_string(i) + "]";
    money(".shinDaiRitu" + n, 366 + i * 8, [i](Ttempo& t) -> Money& { return t.shinDaiRitu[i]; });
    u8In(".shinDaiKeitai" + n, 446 + i, 2 + i / 9,
         [i](Ttempo& t) -> uint8_t& { return t.shinDaiKeitai[i]; });
  }
  i32In(".shinDaiMorning8", 456, 8, [](Ttempo& t) -> int32_t& { return t.shinDaiMorning8; });
  i32In(".shinDaiMorning9", 460, 9, [](Ttempo& t) -> int32_t& { return t.shinDaiMorning9; });

  // The eight promotion choices, one byte each.
  const std::pair<const char*, uint8_t Thansoku::*> promotions[] = {
      {"event", &Thansoku::event},
      {"tissue", &Thansoku::tissue},
      {"mail", &Thansoku::mail},
      {"tvAgency", &Thansoku::tvAgency},
      {"tvSpot", &Thansoku::tvSpot},
      {"www", &Thansoku::www},
      {"newspaperSize", &Thansoku::newspaperSize},
      {"newspaperTerm", &Thansoku::newspaperTerm}};
  const int choices[] = {4, 9, 24, 5, 1, 3, 2, 1};
  for (int i = 0; i < 8; ++i) {
    auto field = promotions[i].second;
    u8In(std::string(".hansoku.") + promotions[i].first, 6714 + i, choices[i],
         [field](Ttempo& t) -> uint8_t& { return t.hansoku.*field; });
  }
  historyCases(c, at + ".backup", s + 6722,
               [store](tworld& w) -> Tbackup& { return store(w).backup; });
}

void rivalCases(Cases& c) {
  auto& r = c;
  r.numValue("genzai", kRivals + 0, 1, 4, [](tworld& w, int64_t v) { w.rivals.genzai = v; });
  for (int i : {0, 3, 4}) {
    const std::string n = "[" + std::to_string(i) + "]";
    r.flag("sanka" + n, kRivals + 1 + i, true, [i](tworld& w, bool v) { w.rivals.sanka[i] = v; });
    r.num("shikin" + n, kRivals + 6 + i * 8, 8,
          [i](tworld& w, int64_t v) { w.rivals.shikin[i] = Money::fromRaw(v); });
    r.num("sankaMonth" + n, kRivals + 47 + i * 4, 4,
          [i](tworld& w, int64_t v) { w.rivals.sankaMonth[i] = v; });
  }
  r.flag("rivalNashi", kRivals + 46, true, [](tworld& w, bool v) { w.rivals.rivalNashi = v; });

  for (int k : {1, 50}) {
    const std::string at = "tenpo" + std::to_string(k);
    const std::size_t b = rivalStoreAt(k);
    auto rec = [k](tworld& w) -> TEntempo& { return w.rivals.Tenpo(k); };
    auto i32 = [&](const char* field, std::size_t off, int32_t TEntempo::*m) {
      c.num(at + field, b + off, 4, [rec, m](tworld& w, int64_t v) { rec(w).*m = v; });
    };
    auto in = [&](const char* field, std::size_t off, int width, int64_t value, auto m) {
      c.numValue(at + field, b + off, width, value,
                 [rec, m](tworld& w, int64_t v) { rec(w).*m = v; });
    };
    auto money = [&](const char* field, std::size_t off, Money TEntempo::*m) {
      c.num(at + field, b + off, 8,
            [rec, m](tworld& w, int64_t v) { rec(w).*m = Money::fromRaw(v); });
    };
    in(".owner", 0, 1, 3, &TEntempo::owner);
    c.flag(at + ".used", b + 1, true, [rec](tworld& w, bool v) { rec(w).used = v; });
    in(".joutai", 2, 1, 2, &TEntempo::joutai);
    i32(".shuttenMonth", 3, &TEntempo::shuttenMonth);
    i32(".kanseiMonth", 7, &TEntempo::kanseiMonth);
    i32(".teishiMonth", 11, &TEntempo::teishiMonth);
    in(".blockRow", 15, 4, 31, &TEntempo::blockRow);
    in(".blockColumn", 19, 4, 32, &TEntempo::blockColumn);
    in(".senren", 23, 4, 51, &TEntempo::senren);
    in(".chimei", 27, 4, 52, &TEntempo::chimei);
    in(".manzoku", 31, 4, 53, &TEntempo::manzoku);
    in(".kibo", 35, 1, 4, &TEntempo::kibo);
    in(".pkankin", 36, 1, 6, &TEntempo::pkankin);
    in(".skankin", 37, 1, 3, &TEntempo::skankin);
    money(".zengetsu", 38, &TEntempo::zengetsu);
    money(".ruikei", 46, &TEntempo::ruikei);
    i32(".kyaku", 54, &TEntempo::kyaku);
    in(".moral", 58, 4, 54, &TEntempo::moral);
    in(".skill", 62, 4, 55, &TEntempo::skill);
    money(".akaji", 66, &TEntempo::akaji);
  }
}

std::vector<FieldCase> allCases() {
  Cases c;
  worldCases(c);
  companyCases(c);
  storeCases(c, 1);
  storeCases(c, 50);
  machineCases(c, "tempo1.dai[0][1]", islandAt(1, 0, 1),
               [](tworld& w) -> Tddai& { return w.kaichou.slot(1).dai[0][0]; });
  machineCases(c, "tempo37.dai[3][8]", islandAt(37, 3, 8),
               [](tworld& w) -> Tddai& { return w.kaichou.slot(37).dai[3][7]; });
  machineCases(c, "tempo50.dai[4][10]", islandAt(50, 4, 10),
               [](tworld& w) -> Tddai& { return w.kaichou.slot(50).dai[4][9]; });
  rivalCases(c);
  return c.all;
}

}  // namespace

TEST(SaveFileLayout, EveryFieldLiesAtItsOffsetAndTouchesNoOtherByte) {
  const std::string base = EncodeSaveRecord(w0());
  ASSERT_EQ(base.size(), 664121u);
  // One record per encoding would take a saved game per field; instead each round sets the n-th
  // field of every record, so that the fields set together never share a record.
  const std::vector<FieldCase> cases = allCases();
  std::vector<std::vector<const FieldCase*>> rounds;
  std::vector<std::pair<std::string, std::size_t>> seen;  // record -> fields so far
  for (const FieldCase& f : cases) {
    const std::string record = f.label.substr(0, f.label.rfind('.') + 1);
    std::size_t n = 0;
    auto it = std::find_if(seen.begin(), seen.end(), [&](auto& p) { return p.first == record; });
    if (it == seen.end())
      seen.emplace_back(record, 1);
    else
      n = it->second++;
    if (rounds.size() <= n) rounds.resize(n + 1);
    rounds[n].push_back(&f);
  }
  for (const auto& round : rounds) {
    tworld w;
    for (const FieldCase* f : round) f->set(w);
    std::string bytes = EncodeSaveRecord(w);
    ASSERT_EQ(bytes.size(), 664121u);
    for (const FieldCase* f : round) {
      EXPECT_EQ(bytes.substr(f->offset, f->bytes.size()), f->bytes)
          << f->label << " at " << f->offset;
      bytes.replace(f->offset, f->bytes.size(), base, f->offset, f->bytes.size());
    }
    // With the fields put back, the record is the untouched one: no field wrote elsewhere.
    EXPECT_TRUE(bytes == base) << "a field of the round of " << round.front()->label
                               << " changed bytes outside its own";
  }
}

TEST(SaveFileLayout, ARecordWithEveryFieldSetReadsBackWhole) {
  tworld full;
  full.cityName = "ぎんだま市";  // Shift-JIS text as well as the cases' ASCII names
  for (const FieldCase& f : allCases()) f.setLoadable(full);
  full.kaichou.slot(2).name = "ﾊﾟｰﾗｰ銀玉";
  const std::string bytes = EncodeSaveRecord(full);

  tworld loaded;
  SaveResult r = LoadSaveRecord(bytes, loaded);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(loaded.kaichou.slot(2).name, "ﾊﾟｰﾗｰ銀玉");
  loaded.rng().setSeed(full.rng().seed());
  EXPECT_EQ(StateDigest(loaded), StateDigest(full));
  EXPECT_EQ(EncodeSaveRecord(loaded), bytes) << "a second save differs from the first";
}

}  // namespace gm
