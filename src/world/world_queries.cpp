// The city-wide figures that the district screen, the pass, the incidents and the accounting
// read off the blocks, the business calendar under the laws, and two small monthly world steps.
#include <array>
#include <string>

#include "base/money.h"
#include "base/rating.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kBaseDailyHours = 13;
constexpr int kLongDailyHours = 24;
constexpr int kLawClosedDaysExtra = 8;
// Disposal base fee by machine type, for a record of ten machines.
constexpr std::array<int64_t, 10> kDisposalBaseFee = {2, 3, 3, 3, 4, 5, 4, 4, 8, 10};
constexpr int kDefaultMaxLandPrice = 600000;

bool isPopulatedKind(int kind) { return kind == 15 || kind == 16 || (kind >= 21 && kind <= 26); }

// Calls f(block) for every block of the map whose kind is not 0, row by row.
template <typename F>
void forEachCityBlock(const tworld& w, F&& f) {
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c) {
      const Tchip& b = w.block(r, c);
      if (b.kind != 0) f(b);
    }
}

}  // namespace

KindCounts tworld::CountKinds() const {
  // The district screen counts the whole grid, not just the map's extent.
  KindCounts k;
  for (const auto& line : blocks)
    for (const Tchip& b : line) {
      int kind = b.kind;
      if (kind == 0) continue;
      ++k.total;
      if (kind == 1)
        ++k.vacantCitizens;
      else if (kind == 2)
        ++k.vacantPlayer;
      else if (kind == 3)
        ++k.vacantRival;
      else if (kind <= 14)
        ++k.roads;
      else if (kind <= 16)
        ++k.stations;
      else if (kind <= 18)
        ++k.railways;
      else if (kind <= 28)
        ++k.buildings[kind - 19];
    }
  return k;
}

int64_t tworld::TotalCapacity() const {
  int64_t sum = 0;
  forEachCityBlock(*this, [&](const Tchip& b) { sum += kindInfo(b.kind).capacity; });
  return sum;
}

int64_t tworld::TotalPopulation() const {
  int64_t sum = 0;
  forEachCityBlock(*this, [&](const Tchip& b) { sum += b.population; });
  return sum;
}

int tworld::AverageLandPrice() const {
  int64_t sum = 0, n = 0;
  forEachCityBlock(*this, [&](const Tchip& b) {
    sum += b.landPrice;
    ++n;
  });
  return n == 0 ? 0 : static_cast<int>(sum / n);
}

int tworld::DevelopmentDegree() const {
  KindCounts k = CountKinds();
  if (k.total == 0) return 0;
  return clamp100(percentOf(k.total - k.vacantCitizens, k.total));
}

int tworld::AverageSecurity() const {
  int64_t sum = 0, n = 0;
  forEachCityBlock(*this, [&](const Tchip& b) {
    sum += b.security;
    ++n;
  });
  return n == 0 ? 0 : clamp100(sum / n);
}

int tworld::AverageUnrest() const {
  // Only where people live or pass through does ill feeling count.
  int64_t sum = 0, n = 0;
  forEachCityBlock(*this, [&](const Tchip& b) {
    if (!isPopulatedKind(b.kind)) return;
    sum += b.unrest;
    ++n;
  });
  return n == 0 ? 0 : clamp100(sum / n);
}

int64_t tworld::TotalFans() const {
  int64_t sum = 0;
  forEachCityBlock(*this, [&](const Tchip& b) { sum += b.FanCount(); });
  return sum;
}

int tworld::FanRatio() const {
  int64_t people = TotalPopulation();
  return people == 0 ? 0 : clamp100(percentOf(TotalFans(), people));
}

int tworld::Density() const { return clamp100(percentOf(TotalPopulation(), TotalCapacity())); }

int tworld::CountOccupiedBlocks() const {
  int n = 0;
  forEachCityBlock(*this, [&](const Tchip&) { ++n; });
  return n;
}

int tworld::DailyHours() const {
  return (hasLaw(kLawLongHours) ? kLongDailyHours : kBaseDailyHours) - unionHourCut;
}

int tworld::ClosedDays() const {
  return unionDayCut + (hasLaw(kLawClosedDays) ? kLawClosedDaysExtra : 0);
}

int tworld::BusinessDays() const { return DaysInMonth(CalendarMonth(month)) - ClosedDays(); }

int tworld::MonthlyHours() const { return BusinessDays() * DailyHours(); }

int64_t tworld::DisposalFee(int type) const {
  if (type < 0 || type >= static_cast<int>(kDisposalBaseFee.size())) return 0;
  // A developed city charges more to take machines off the owner's hands, never less than base.
  Money factor = Money::ratio(DevelopmentDegree(), 30);
  if (factor < Money::fromInt(1)) factor = Money::fromInt(1);
  return (Money::fromInt(kDisposalBaseFee[type]) * factor * int64_t{10}).trunc();
}

bool tworld::UpdateDisposalAcceptance() {
  int r = rng_.randInt(120);
  // The second draw is made only when the unrest alone has not already stopped disposal.
  disposalAccepted = !(r + 1 < AverageUnrest() || rng_.randInt(5) == 3);
  return disposalAccepted;
}

void tworld::RestoreMakerRelations() {
  for (Tmaker& m : makers) {
    int r = rng_.randInt(30);
    // A maker that broke off trading forgives after at least six full months.
    if (r != 1 || m.torihiki || !m.shijou || !(m.chuushiMonth + 6 < month)) continue;
    m.torihiki = true;
    ui().playCue(kCueUp);
    YearMonth since = MonthToDate(m.chuushiMonth);
    const std::string text =
        formatText(translate("world_queries",
                             "%1年%2月より取引を中止していた、%3との関係が修復されました！"
                             "今月からは取引を再開できるようになります。"),
                   {std::to_string(since.year), std::to_string(since.month), m.name()});
    ui().message(translate("world_queries", "取引再開"), text, false, false, kFaceLaugh);
    ui().playCue(kCueMain);
  }
}

void tworld::UpdateMaxLandPrice() {
  int highest = 0;
  forEachCityBlock(*this, [&](const Tchip& b) {
    if (b.landPrice > highest) highest = b.landPrice;
  });
  maxLandPrice = highest == 0 ? kDefaultMaxLandPrice : highest;
}

}  // namespace gm
