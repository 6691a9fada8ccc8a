// The rivals' monthly closing (`Kessan`): each store's result from a simple random model of its
// customers' spending and its costs, the rivals' taxed profits, the closing of stores that keep
// losing, and the exit of rivals whose money has run out.
#include <array>
#include <string>

#include "base/translation.h"
#include "company/rival_constants.h"
#include "world/world.h"

namespace gm {

namespace {

// Law bits that move what a customer spends, and the pachinko tax.
constexpr uint16_t kSpendUpA = 1 << 1, kSpendDownA = 1 << 2, kSpendUpB = 1 << 3, kSpendUpC = 1 << 4,
                   kSpendDownB = 1 << 5, kPachinkoTax = 1 << 7;

// Bounds of the spend bonus by exchange-rate class: a generous rate brings bigger spenders.
constexpr std::array<int, 7> kPachinkoSpend = {2, 4, 10, 25, 100, 150, 200};
constexpr std::array<int, 4> kSlotSpend = {2, 4, 150, 200};
// ...but a generous rate also leaves the players happier.
constexpr std::array<int, 7> kPachinkoSatisfaction = {30, 25, 20, 10, 7, 5, 2};
constexpr std::array<int, 4> kSlotSatisfaction = {20, 20, 10, 5};
// Monthly running cost by size, and how much good staff save of it.
constexpr std::array<int, 5> kSizeCost = {34000, 49000, 64000, 79000, 94000};
constexpr std::array<int, 10> kMoraleSaving = {2,    2,    1000, 1300, 1500,
                                               1700, 2000, 2500, 3000, 3500};
constexpr std::array<int, 10> kSkillSaving = {2, 2, 600, 900, 1100, 1300, 1700, 2000, 2500, 3000};

int decile(int rating) { return bandIndex(rating); }

}  // namespace

void Tenkaichou::Kessan(BlockGrid& blocks, int month, std::string_view cityName,
                        int /*averageLandPrice*/, uint16_t flags, int columns, int rows,
                        int taxRate) {
  if (rivalNashi) return;
  for (TEntempo& t : tenpo) {
    if (t.used) MonthlyResult(t, month, flags);
  }

  for (int i = 0; i < kRivalCount; ++i) {
    if (!Sentaku(i)) continue;
    Money profit;
    for (const TEntempo& t : tenpo) {
      if (t.isOpen() && t.owner == i) profit += t.zengetsu;
    }
    if (profit > Money()) {
      profit = roundedWhole(profit - profit * Money::ratio(taxRate, 100));
      // The pachinko tax is levied on what the income tax leaves.
      if (flags & kPachinkoTax) profit = roundedWhole(profit - profit * Money::ratio(15, 100));
    }
    cash() += profit;
  }

  CloseStores(blocks, month, columns, rows);
  Exits(blocks, month, cityName, columns, rows);
}

void Tenkaichou::MonthlyResult(TEntempo& t, int month, uint16_t flags) {
  if (!t.isOpen()) {
    // A closed hall's books carry last month's figure again.
    t.ruikei += t.zengetsu;
    return;
  }
  Random& rng = world().rng();
  const RivalProfile& p = rivalProfile(t.owner);
  const int age = t.age(month);

  // One draw per statement: C++ leaves the order of the operands of + open, and the draws must
  // come in this order for the same seed to give the same month.
  int64_t spend = p.spendBase + rng.randInt(80 * (decile(t.senren) + 1));
  spend += rng.randInt(60 * (decile(t.chimei) + 1));
  spend += rng.randInt(30 * (decile(t.moral) + 1));
  spend += rng.randInt(45 * (decile(t.skill) + 1));
  if (age >= 2) spend -= rng.randInt(age * 40);  // the novelty wears off
  spend += rng.randInt(kPachinkoSpend[t.pkankin]);
  spend += rng.randInt(kSlotSpend[t.skankin]);
  if (flags & kSpendUpA) spend += rng.randInt(100);
  if (flags & kSpendDownA) spend -= rng.randInt(150);
  if (flags & kSpendUpB) spend += rng.randInt(50);
  if (flags & kSpendUpC) spend += rng.randInt(70);
  if (flags & kSpendDownB) spend -= rng.randInt(80);
  const bool thinMargin = rng.randInt(100) >= 50;
  const int marginShift = rng.randInt(3);
  const int margin = thinMargin ? 15 - marginShift : 15 + marginShift;
  if (spend < 0) spend = 0;
  Money perHead = Money::ratio(spend, 1000);  // yen to thousands of yen
  Money gross = Money::fromRaw(
      divRoundHalfEven(static_cast<__int128>(perHead.raw()) * t.kyaku * margin, 100));

  int64_t cost = kSizeCost[t.kibo] - rng.randInt(p.costCut);
  if (age >= 1) cost += rng.randInt(age * 500);  // an ageing hall needs more upkeep
  cost -= rng.randInt(kMoraleSaving[decile(t.moral)]);
  cost -= rng.randInt(kSkillSaving[decile(t.skill)]);
  if (cost < 0) cost = 0;

  Money result = gross - Money::fromInt(cost);
  t.zengetsu = result;
  if (result > Money()) {
    t.akaji = roundedWhole(t.akaji * Money::fromRaw(5000));
  } else {
    t.akaji += result;
  }
  t.ruikei += result;

  int64_t satisfaction = rng.randInt(p.satisfaction);
  satisfaction += rng.randInt(kPachinkoSatisfaction[t.pkankin]);
  satisfaction += rng.randInt(kSlotSatisfaction[t.skankin]);
  satisfaction += rng.randInt(2 * (decile(t.moral) + 1));
  satisfaction += rng.randInt(2 * (decile(t.skill) + 1));
  if (age >= 2) satisfaction -= rng.randInt(age);
  t.SetManzoku(satisfaction);
}

void Tenkaichou::CloseStores(BlockGrid& blocks, int month, int /*columns*/, int /*rows*/) {
  Random& rng = world().rng();
  Frontend& ui = world().ui();
  // Closing a store moves the records behind it up, so the same index is looked at again.
  int k = 1;
  while (k <= kRivalStoreSlots) {
    TEntempo& t = Tenpo(k);
    if (!t.used || !Sentaku(t.owner) || !t.isOpen()) {
      ++k;
      continue;
    }
    const int age = t.age(month);
    if (age <= rivalProfile(t.owner).closeAfter) {
      ++k;
      continue;
    }
    Money average = age > 1 ? Money::fromInt(divRoundHalfEven(
                                  t.ruikei.raw(), static_cast<__int128>(age) * Money::kScale))
                            : t.ruikei;
    int poorRun = rng.randInt(24);
    int deepDebt = rng.randInt(5);
    bool close = (poorRun == 1 && average < Money()) ||
                 (deepDebt == 1 && t.akaji < Money::fromInt(-1000000));
    if (!close) {
      ++k;
      continue;
    }
    const int owner = t.owner;
    const int row = t.blockRow, column = t.blockColumn;
    Tchip& b = blocks[row][column];
    b.kind = kCitizensLandKind;
    ui.blockChanged(row, column);
    shikin[owner] += Money::fromInt(b.landPrice);
    ClearTenpo(k);
    if (world().options().closehoukoku) {
      ui.pointBlockWindowAt(row, column);
      ui.message(
          translate("rival_closing", "撤退"),
          formatText(translate("rival_closing", "%1が店舗を撤退しました。"), {rivalName(owner)}),
          false, false, kFaceLaugh);
    }
  }
}

void Tenkaichou::Exits(BlockGrid& blocks, int month, std::string_view cityName, int columns,
                       int rows) {
  Random& rng = world().rng();
  Frontend& ui = world().ui();
  auto holdsKind = [](int kind) {
    return kind == kRivalLandKind || kind == kRivalStoreKind || kind == kRivalParkingKind;
  };

  std::array<bool, kRivalCount> holds{};
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const Tchip& b = blocks[row][column];
      if (holdsKind(b.kind) && b.owner < kRivalCount) holds[b.owner] = true;
    }
  }
  auto active = [this](int i) { return shikin[i] > Money() && sanka[i] && !rivalNashi; };

  // A rival that has held nothing for years gives up on the city.
  std::array<bool, kRivalCount> gaveUp{};
  for (int i = 0; i < kRivalCount; ++i) {
    if (!active(i) || month - sankaMonth[i] <= 60 || holds[i]) continue;
    if (rng.randInt(6) == 1) {
      shikin[i] = Money::fromInt(-100);
      gaveUp[i] = true;
    }
  }
  // A rival nearly out of money is either bailed out by its backers or pulls out.
  for (int i = 0; i < kRivalCount; ++i) {
    if (gaveUp[i] || !active(i) || shikin[i] > Money::fromInt(100000)) continue;
    shikin[i] = rng.randInt(100) < 34 ? Money::fromInt(400000) : Money::fromInt(-100);
  }

  for (int i = 0; i < kRivalCount; ++i) {
    if (!sanka[i] || shikin[i] > Money()) continue;
    sanka[i] = false;
    ui.message(translate("rival_closing", "事業撤退"),
               formatText(translate("rival_closing", "競合社の%1が%2の事業から撤退しました！"),
                          {rivalName(i), cityName}),
               false, false, kFaceLaugh);
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < columns; ++column) {
        Tchip& b = blocks[row][column];
        if (!holdsKind(b.kind) || b.owner != i) continue;
        b.kind = kCitizensLandKind;
        ui.blockChanged(row, column);
      }
    }
    for (TEntempo& t : tenpo) {
      if (t.used && t.owner == i) t = TEntempo{};
    }
    CompactRecords();
  }
}

}  // namespace gm
