// The rivals' monthly turn (`Katsudou`): who acts first, entering the city, and the walk over
// the blocks from the most populous down in which a rival buys, builds, rebuilds and sells.
// Every draw of the walk is made for every block whoever owns it, so the generator advances the
// same way whatever the rival decides.
#include <algorithm>
#include <array>
#include <string>

#include "base/stable_sort.h"
#include "base/translation.h"
#include "company/rival_constants.h"
#include "company/rival_reach.h"
#include "world/world.h"

namespace gm {

namespace {

bool isPurchasable(int kind) { return kind == 1 || kind == 21 || kind == 24 || kind == 25; }

struct TInitiative {
  int rival;
  int priority;
};

struct BlockRef {
  int16_t row;
  int16_t column;
  int32_t population;
};

// What rival R holds and what the city still allows, recomputed after every action.
struct Holdings {
  int storesTotal = 0;
  std::array<int, kRivalCount> storesOf{};
  int storesLeft = 0;
  int parksLeft = 0;
  int landLeft = 0;
  int ownLand = 0;
  Money scale;  // average size + 1 of R's stores, 0 when it has none
};

// The surroundings of one block as the rival sees them.
struct Surroundings {
  bool ownStore;     // one of R's stores within 1
  bool ownParking;   // one of R's car parks within 1
  bool competitor;   // a player store or another rival's store within 2
  bool roadNear;     // a road, junction or crossroads within 1
  bool stationNear;  // a station within 3
  bool school;       // within 2: the law forbids a hall there
  bool hospital;
  int occupancy;
  int security;
};

// A rival's building news, with the year and month the store is to open.
std::string withOpeningDate(const std::string& pattern, std::string_view rival, int kanseiMonth) {
  const YearMonth d = MonthToDate(kanseiMonth);
  return formatText(pattern, {rival, std::to_string(d.year), std::to_string(d.month)});
}

// One rival's walk over the sorted block list.
class BlockWalk {
 public:
  BlockWalk(Tenkaichou& rivals, BlockGrid& blocks, int month, int slotLimit, int pachinkoLimit,
            uint16_t flags, int columns, int rows, int rival)
      : rivals_(rivals),
        g_(blocks),
        month_(month),
        slotLimit_(slotLimit),
        pachinkoLimit_(pachinkoLimit),
        flags_(flags),
        columns_(columns),
        rows_(rows),
        r_(rival),
        p_(rivalProfile(rival)),
        rng_(rivals.world().rng()),
        ui_(rivals.world().ui()),
        opt_(rivals.world().options()) {
    recount();
  }

  void visit(int row, int column) {
    Tchip& b = g_[row][column];
    Surroundings s = survey(b);
    int z = 0;
    for (int size = 4; size >= 1; --size) {
      if (money(kRivalStoreCost[size]) < cash() - money(p_.yobi)) {
        z = size;
        break;
      }
    }
    Money need = money(kRivalStoreCost[z] + p_.yobi);
    switch (b.kind) {
      case kRivalLandKind:
        parkingOnLand(b, s, need);
        newStore(b, s, z, need);
        sale(b, s, need);
        break;
      case kRivalStoreKind:
        rebuild(b, s, z, need);
        break;
      case kRivalParkingKind:
        demolish(b, s, need);
        break;
      default:
        purchase(b, s, need);
        break;
    }
  }

 private:
  static Money money(int64_t whole) { return Money::fromInt(whole); }
  Money& cash() { return rivals_.shikin[r_]; }
  bool mine(const Tchip& b, int kind) const { return b.kind == kind && b.owner == r_; }
  bool hasStores() const { return h_.storesOf[r_] > 0; }
  bool smallChain() const { return h_.scale < Money::fromRaw(p_.kiboMin); }

  Surroundings survey(const Tchip& b) const {
    const int w = columns_, h = rows_;
    Surroundings s{};
    s.ownStore = b.HasRivalStoreAdjacent(g_, w, h, r_);
    s.ownParking = b.HasRivalParkingAdjacent(g_, w, h, r_);
    s.competitor =
        b.HasKindWithin(g_, w, h, kOwnStoreKind, 2) || b.HasOtherRivalStoreWithin(g_, w, h, r_, 2);
    s.roadNear = b.HasGroupWithin(g_, w, h, 2, 1) || b.HasGroupWithin(g_, w, h, 3, 1);
    s.stationNear = b.HasGroupWithin(g_, w, h, 4, 3);
    s.school = b.HasKindWithin(g_, w, h, kSchoolKind, 2);
    s.hospital = b.HasKindWithin(g_, w, h, kHospitalKind, 2);
    s.occupancy = b.AverageOccupancyAround(g_, w, h, 2);
    s.security = b.AverageSecurityWithin(g_, w, h, 2);
    return s;
  }

  void recount() {
    h_ = Holdings{};
    int64_t sizeSum = 0;
    for (const TEntempo& t : rivals_.tenpo) {
      if (!t.used) continue;
      ++h_.storesTotal;
      ++h_.storesOf[t.owner];
      if (t.owner == r_) sizeSum += t.kibo + 1;
    }
    if (hasStores()) h_.scale = Money::ratio(sizeSum, h_.storesOf[r_]);
    int stores = 0, parks = 0, land = 0;
    for (int row = 0; row < rows_; ++row) {
      for (int column = 0; column < columns_; ++column) {
        const Tchip& b = g_[row][column];
        if (b.kind == kRivalStoreKind) ++stores;
        if (b.kind == kRivalParkingKind) ++parks;
        if (b.kind == kRivalLandKind) {
          ++land;
          if (b.owner == r_) ++h_.ownLand;
        }
      }
    }
    const int area = rows_ * columns_;
    h_.storesLeft = std::min(area * 2 / 100, 50) - stores;
    h_.parksLeft = std::min(area * 2 / 100, 50) - parks;
    h_.landLeft = std::min(area * 5 / 100, 100) - land;
  }

  void setKind(Tchip& b, int kind) {
    b.kind = static_cast<uint8_t>(kind);
    ui_.blockChanged(b.row, b.column);
  }

  void announce(const Tchip& b, std::string_view title, const std::string& text) {
    if (!opt_.openhoukoku) return;
    ui_.pointBlockWindowAt(b.row, b.column);
    ui_.message(title, text, false, false, kFaceAngry);
  }

  // A car park on the rival's own land beside one of its stores.
  void parkingOnLand(Tchip& b, const Surroundings& s, Money need) {
    bool wanted = mine(b, kRivalLandKind) && h_.parksLeft > 0 && s.ownStore && !s.ownParking;
    if (cash() >= need) {
      int d = rng_.randInt(3);
      wanted = wanted && d == 1;
    }
    if (!wanted || cash() <= money(kRivalParkingCost)) return;
    cash() -= money(kRivalParkingCost);
    setKind(b, kRivalParkingKind);
    recount();
  }

  void newStore(Tchip& b, const Surroundings& s, int z, Money need) {
    const RivalNewStoreBounds& nb = p_.newStore;
    int bound = 20;
    if (s.competitor) bound = 20 + nb.a;
    if (s.ownStore) bound -= nb.b1;
    if (!hasStores()) bound -= nb.b2;
    if (s.ownParking) bound -= nb.b3;
    if (s.roadNear) {
      bound -= nb.b4;
    } else {
      bound += nb.b5;
    }
    if (s.stationNear) bound -= nb.b6;
    bound = std::max(bound, 2);
    int hit = rng_.randInt(bound);
    int another = rng_.randInt(p_.newStoreOdds);
    if (hit != 1 || !mine(b, kRivalLandKind) || s.school || s.hospital) return;
    if (h_.storesLeft <= 0 || h_.storesOf[r_] > p_.maxTenpo) return;
    if (s.occupancy <= p_.mitudoMin || !(s.security > p_.chianMin || s.ownStore)) return;
    if (h_.storesTotal > kRivalStoreSlots - 1 || cash() <= need) return;
    if (smallChain() && hasStores() && another != 1) return;

    int k = 1;
    while (k <= kRivalStoreSlots && rivals_.Tenpo(k).used) ++k;
    if (k > kRivalStoreSlots) return;
    rivals_.SetUpStore(k, r_, month_, z, b.row, b.column, slotLimit_, pachinkoLimit_);
    setKind(b, kRivalStoreKind);
    cash() -= money(kRivalStoreCost[z]);
    announce(b, translate("rival_turn", "新規出店"),
             withOpeningDate(
                 translate("rival_turn", "%1が新規出店いたしました。開店は%2年%3月の予定です。"),
                 p_.name, rivals_.Tenpo(k).kanseiMonth));
    recount();
  }

  void sale(Tchip& b, const Surroundings& s, Money need) {
    bool sell;
    if (cash() >= need) {
      const RivalSaleBounds& c = p_.sale;
      int bound = 16;
      if (s.competitor) bound = 16 - c.c1;
      if (s.ownStore) bound += c.c2;
      if (s.ownParking) bound += c.c3;
      if (h_.ownLand > 2) bound -= c.c4;
      if (cash() < money(100000)) bound -= c.c5;
      if (s.roadNear) {
        bound += c.c6;
      } else {
        bound -= c.c7;
      }
      if (s.stationNear) bound += c.c8;
      bound = std::max(bound, 2);
      int v = rng_.randInt(bound);
      bool badPlace = s.school || s.hospital || h_.landLeft <= 0 || s.competitor ||
                      s.occupancy < p_.mitudoMin || s.security < p_.chianMin || !s.ownStore;
      sell = mine(b, kRivalLandKind) && badPlace && (v == 1 || s.school || s.hospital);
    } else {
      int x = rng_.randInt(3);
      sell = mine(b, kRivalLandKind) && !(s.ownStore && x != 1);
    }
    if (!sell) return;
    cash() += money(b.landPrice);
    setKind(b, kCitizensLandKind);
    recount();
  }

  void rebuild(Tchip& b, const Surroundings& s, int z, Money need) {
    const RivalRebuildBounds& e = p_.rebuild;
    int bound = 16;
    if (s.competitor) bound = 16 + e.e1;
    if (s.ownStore) bound -= e.e2;
    if (s.ownParking) bound -= e.e3;
    if (s.roadNear) {
      bound -= e.e4;
    } else {
      bound += e.e5;
    }
    if (s.stationNear) bound -= e.e6;
    bound = std::max(bound, 2);
    int w = rng_.randInt(bound);
    if (!mine(b, kRivalStoreKind) || !(w == 1 || smallChain())) return;
    int k = rivals_.TenpoAt(b.row, b.column);
    TEntempo& t = rivals_.Tenpo(k);
    if (!t.used || t.blockRow != b.row || t.blockColumn != b.column) return;
    if (t.age(month_) <= p_.rebuildAfter || t.kibo >= z || cash() <= need || !t.isOpen()) return;
    rivals_.SetUpStore(k, r_, month_, z, b.row, b.column, slotLimit_, pachinkoLimit_);
    cash() -= money(kRivalStoreCost[z]);
    announce(
        b, translate("rival_turn", "店舗改装"),
        withOpeningDate(
            translate("rival_turn", "%1が店舗の改装工事を着工しました。開店は%2年%3月の予定です。"),
            p_.name, t.kanseiMonth));
    recount();
  }

  void demolish(Tchip& b, const Surroundings& s, Money need) {
    bool keep;
    if (cash() >= need) {
      int y = rng_.randInt(24);
      keep = h_.parksLeft > 0 && y != 1 && s.ownStore;
    } else {
      keep = h_.parksLeft > 0 && s.ownStore;
    }
    if (!mine(b, kRivalParkingKind) || cash() <= money(kRivalParkingCost) || keep) return;
    cash() -= money(kRivalParkingCost);
    setKind(b, kRivalLandKind);
    recount();
  }

  void purchase(Tchip& b, const Surroundings& s, Money need) {
    const RivalPurchaseBounds& f = p_.purchase;
    int bound = 14;
    if (s.competitor) bound = 14 + f.f1;
    if (s.ownStore) bound -= f.f2;
    if (s.ownParking) bound -= f.f3;
    if (!hasStores()) bound -= f.f4;
    if (s.roadNear) {
      bound -= f.f5;
    } else {
      bound += f.f6;
    }
    if (s.stationNear) bound -= f.f7;
    bound = std::max(bound, 2);
    const bool allowedHere = isPurchasable(b.kind) && !s.school && !s.hospital;
    bool want;
    Money reserve;
    if (cash() >= need) {
      int z = rng_.randInt(bound);
      want = s.occupancy > p_.mitudoMin && allowedHere &&
             (s.security > p_.chianMin || s.ownStore) && z == 1;
      reserve = money(p_.yobi);
    } else {
      // Short of cash, a rival only picks up a plot beside its own store for a car park.
      int z = rng_.randInt(2);
      want = allowedHere && s.ownStore && z == 1 && h_.parksLeft > 0 && !s.ownParking;
      reserve = money(p_.yobi2);
    }
    if (!want || h_.ownLand != 0 || cash() <= reserve + money(b.landPrice)) return;
    if (h_.landLeft <= 0 || h_.storesTotal >= kRivalStoreSlots) return;
    cash() -= money(b.landPrice);
    b.kind = kRivalLandKind;
    b.owner = static_cast<uint8_t>(r_);
    b.SetPopulation(0);
    b.SetUnrest(0);
    b.SetFanRate(0, flags_);
    ui_.blockChanged(b.row, b.column);
    recount();
  }

  Tenkaichou& rivals_;
  BlockGrid& g_;
  int month_, slotLimit_, pachinkoLimit_;
  uint16_t flags_;
  int columns_, rows_;
  int r_;
  const RivalProfile& p_;
  Random& rng_;
  Frontend& ui_;
  const Options& opt_;
  Holdings h_;
};

}  // namespace

void Tenkaichou::Katsudou() {
  tworld& w = world();
  Katsudou(w.blocks, w.month, w.maxSlotRate, w.maxPachinkoRate, w.laws, w.cityName.view(),
           w.mapWidth, w.mapHeight);
}

void Tenkaichou::Katsudou(BlockGrid& blocks, int month, int slotLimit, int pachinkoLimit,
                          uint16_t flags, std::string_view cityName, int columns, int rows) {
  Random& rng = world().rng();

  std::array<TInitiative, kRivalCount> order{};
  for (int i = 0; i < kRivalCount; ++i) order[i] = {i, rng.randInt(100)};
  insertionSortStable(order.begin(), order.end(), [](const TInitiative& a, const TInitiative& b) {
    return a.priority > b.priority;
  });

  std::array<BlockRef, kMapSize * kMapSize> list;
  int count = 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const Tchip& b = blocks[row][column];
      if (b.kind != 0)
        list[count++] = {static_cast<int16_t>(row), static_cast<int16_t>(column), b.population};
    }
  }
  stableSortPrefix(list, static_cast<std::size_t>(count), [](const BlockRef& a, const BlockRef& b) {
    return a.population > b.population;
  });

  for (const TInitiative& turn : order) {
    if (Sentaku(turn.rival)) {
      if (count == 0) continue;
      BlockWalk walk(*this, blocks, month, slotLimit, pachinkoLimit, flags, columns, rows,
                     turn.rival);
      for (int n = 0; n < count; ++n) walk.visit(list[n].row, list[n].column);
    } else {
      EntryAttempt(turn.rival, month, cityName, columns, rows);
    }
  }

  if (rivalNashi) return;
  for (TEntempo& t : tenpo) {
    if (!t.isOpen()) continue;
    Drift(t, slotLimit, pachinkoLimit);
    Influence(t, blocks, month, flags, columns, rows);
  }
}

void Tenkaichou::EntryAttempt(int i, int month, std::string_view cityName, int columns, int rows) {
  if (shikin[i] <= Money() || rivalNashi) return;
  const int inCity = CountInCity();
  const int area = rows * columns;
  // A small city cannot feed many chains.
  const int admitted = area <= 400 ? 1 : area <= 800 ? 2 : area <= 1200 ? 3 : area <= 1600 ? 4 : 5;
  if (inCity >= admitted) return;
  int draw = world().rng().randInt(inCity > 0 ? 4 : 2);
  if (draw != 1) return;
  sanka[i] = true;
  sankaMonth[i] = month;
  world().ui().message(
      translate("rival_turn", "競合店の参入"),
      formatText(translate("rival_turn", "%1が%2のパーラー事業に参入したようです。"),
                 {rivalName(i), cityName}),
      false, false, kFaceAngry);
}

void Tenkaichou::Drift(TEntempo& t, int slotLimit, int pachinkoLimit) {
  const RivalDrift& d = rivalProfile(t.owner).drift;
  Random& rng = world().rng();
  std::array<int32_t*, 4> ratings = {&t.senren, &t.chimei, &t.moral, &t.skill};
  for (int n = 0; n < 4; ++n) {
    int v = *ratings[n];
    if (rng.randInt(100) < d.upPercent) {
      v += rng.randInt(d.rise[n]) + 1;
    } else {
      v -= rng.randInt(d.fall[n]) + 1;
    }
    *ratings[n] = clamp100(v);
  }
  // Happy customers let a hall pay out more; unhappy ones push it to tighten.
  if (rng.randInt(d.pachinkoOdds) == 1) {
    if (rng.randInt(100) < t.manzoku) {
      t.pkankin = static_cast<uint8_t>(std::min(t.pkankin + 1, 6));
    } else {
      t.pkankin = static_cast<uint8_t>(std::max(t.pkankin - 1, 0));
    }
  }
  if (rng.randInt(d.slotOdds) == 1) {
    if (rng.randInt(100) < t.manzoku) {
      t.skankin = static_cast<uint8_t>(std::min(t.skankin + 1, 3));
    } else {
      t.skankin = static_cast<uint8_t>(std::max(t.skankin - 1, 0));
    }
  }
  t.pkankin = static_cast<uint8_t>(std::min<int>(t.pkankin, pachinkoLimit));
  t.skankin = static_cast<uint8_t>(std::min<int>(t.skankin, slotLimit));
}

void Tenkaichou::Influence(const TEntempo& t, BlockGrid& blocks, int month, uint16_t flags,
                           int columns, int rows) {
  Random& rng = world().rng();
  const int bound = rivalProfile(t.owner).fanInfluence;
  // A new hall wins over its close neighbours first; its pull spreads as it ages.
  const int spread = std::max(t.age(month) - 2, 1);
  const int r = RivalReachRadius(blocks, columns, rows, t);
  for (int row = t.blockRow - r; row <= t.blockRow + r; ++row) {
    for (int column = t.blockColumn - r; column <= t.blockColumn + r; ++column) {
      if (row < 0 || column < 0 || row >= rows || column >= columns) continue;
      if (row == t.blockRow && column == t.blockColumn) continue;
      Tchip& b = blocks[row][column];
      if (!b.IsPopulated()) continue;
      if (rng.randInt(100) < 50 && b.Distance(t.blockRow, t.blockColumn) <= spread)
        b.SetFanRate(b.fanRate + rng.randInt(bound), flags);
    }
  }
}

}  // namespace gm
