// What a saved game's numbers may hold: for every stored number that the game computes with, the
// range that its own setters, orders and monthly rules can produce, with the reason. A file with a
// number outside its range cannot come from play, and the game would go on to add it over fifty
// stores, loop over its months or multiply it by a count, so the loader refuses it. The ranges
// live here, in one place, and nowhere else.
#pragma once

#include <cstdint>

#include "base/money.h"
#include "company/company.h"
#include "store/island_settings.h"
#include "store/store.h"
#include "world/block.h"
#include "world/world.h"

namespace gm::save {

struct Range {
  int64_t lo;
  int64_t hi;
  constexpr bool holds(int64_t v) const { return v >= lo && v <= hi; }
};

// Calendar. The month counter starts at 1; the screens write years with four digits.
inline constexpr int32_t kLastMonth = 12 * 9999;
inline constexpr Range kMonth{1, kLastMonth};
// The longest month: 31 business days (no closed days) of 24 hours (long-hours law, no union cut).
inline constexpr int32_t kMostBusinessDays = 31;
inline constexpr int32_t kMostMonthlyHours = kMostBusinessDays * 24;
// Days and hours of the month last closed; 0 before the first close.
inline constexpr Range kBusinessDays{0, kMostBusinessDays};
inline constexpr Range kBusinessHours{0, kMostMonthlyHours};

// Months that lie in the past of the file (purchases, openings, announcements, entries, the
// makers' suspension of trading): 0 where nothing happened yet, else 1 up to the file's month.
constexpr Range pastMonths(int32_t fileMonth) { return {0, fileMonth}; }
// A month in the future that an order or an incident sets from the month it happens in.
constexpr Range monthsAhead(int32_t fileMonth, int32_t reach) {
  return {0, int64_t{fileMonth} + reach};
}
// A construction takes its size + 1 (a rebuild) or + 2 months: a tower (size 4) takes six. The
// rivals build as long.
inline constexpr int32_t kLongestConstruction = (kFloors - 1) + 2;
// A raid or a tax inspection suspends a store for at most seven months, a rival's for as long.
inline constexpr int32_t kLongestSuspension = 7;
// A model's sales period is at most 5 + RandInt(7) months ("一発台"), counted from the month of
// its announcement.
inline constexpr int32_t kLongestSalesPeriod = 5 + 6;
// An island may be newly installed until 30 (pachinko) or 36 (slot) months after the model's
// announcement.
inline constexpr int32_t kLongestValidity = 36;

// Money: one ceiling for every stored amount of money (cash, the rivals' cash, takings, costs,
// results, taxes and histories), 100 trillion yen (10^11 thousands of yen). It is a generous bound,
// not a derived one: a month of the largest city, every one of its 1.3 million possible fans a
// customer spending the most a customer can (46 thousand yen), brings in 6 x 10^7 thousands of yen,
// so even that impossible game would need over a century of months without a cost to reach it,
// and a real game stays thousands of times below it. Under it, a sum over fifty stores and
// twelve months stays far inside 64 bits (a share in per cent of such a sum is taken in 128).
inline constexpr int64_t kMoneyCeiling = int64_t{100'000'000'000} * Money::kScale;
inline constexpr Range kMoney{-kMoneyCeiling, kMoneyCeiling};

// Ratings that the setters clamp to 0..100, and the 64-bit ones kept x10,000 (morale, skill).
inline constexpr Range kRating{0, 100};
inline constexpr Range kFixedRating{0, 100 * Money::kScale};
// The president's qualities are drawn 1..100 and their setters keep them there.
inline constexpr Range kQuality{1, 100};
// A per-cent share (attendance, the customers' shares of men and women).
inline constexpr Range kPercent{0, 100};

// City.
inline constexpr Range kTaxRate{5, 50};      // the setter's clamp, as the city reader keeps it
inline constexpr Range kUnionHourCut{0, 6};  // the setter's clamp
inline constexpr Range kUnionDayCut{0, 8};   // the setter's clamp
inline constexpr Range kPachinkoRate{0, 6};  // index of the rate names, 6 = no limit
inline constexpr Range kSlotRate{0, 3};      // index of the rate names, 3 = no limit
inline constexpr uint16_t kKnownLaws = (1u << 10) - 1;  // law bits 0..9
// A city type of 4 or above moves no policy; the city reader brings every such type to 4.
inline constexpr Range kCityType{0, 4};
// Land prices: 5,000 up to the kind's highest (3,000,000 for a station), 0 outside the city. The
// monthly pass may leave a price above its new kind's highest for a month, so the bound is the
// highest of all kinds. The highest land price of the city is one of them, or 600,000.
inline constexpr int32_t kHighestLandPrice = 3'000'000;
inline constexpr Range kLandPrice{0, kHighestLandPrice};
// The fan rate's setter allows 70 % under the long-hours law and 50 % without, and a law once
// passed stays.
inline Range fanRate(uint16_t laws) { return {0, (laws & kLawLongHours) != 0 ? 70 : 50}; }
// A block's owner names a rival (0..4) when its kind is a rival's.
inline constexpr Range kBlockOwner{0, 4};
// Population: 0 up to the kind's capacity (the setter's clamp).
inline Range population(int kind) { return {0, kindInfo(kind).capacity}; }

// Makers and models.
// The dearest model: "CRパチスロ" 450 + a maker's price bonus below 51 + the liability surcharge
// 15; the cheapest "一般台" 120 - 3 under free manufacture. A free slot holds 0.
inline constexpr Range kModelPrice{0, 1'000};
// A price paid per machine, in yen: a model's price less the maker's discount.
inline constexpr Range kUnitPriceYen{0, 1'000'000};
// Production counts: at most 50,000 + half again + 4,000 of a maker's bonus; a short run is
// 1,001..1,500. Stock never exceeds the production count.
inline constexpr Range kProduction{0, 100'000};

// Islands.
inline constexpr Range kProfitRate{-kMaxProfitRate, kMaxProfitRate};  // the player's setters
// The realised rate strays from the set one by less than 27.6 points (the largest stray draw).
inline constexpr Range kRealisedRate{-1'280'000, 1'280'000};
// Sales per customer: at most about 32,600 yen (the dearest type's base with every addition at its
// top, Jitter's thirtieth), 1.4 times in June and December; never negative.
inline constexpr Range kSpendPerCustomer{0, 500'000};
// One customer a machine an hour, ten machines an island.
inline constexpr int32_t kMostIslandCustomers = 10 * kMostMonthlyHours;
inline constexpr Range kIslandCustomers{0, kMostIslandCustomers};
inline constexpr Range kBusinessForm{0, kBusinessForms - 1};
inline constexpr Range kMorning{0, kMorningMachines};

// Stores.
// A store's customers: fifty islands' worth; a rival store serves at most (size + 1) x 100 an
// hour, as many.
inline constexpr int64_t kMostStoreCustomers =
    int64_t{kFloors} * kIslandsPerFloor * kMostIslandCustomers;
inline constexpr Range kStoreCustomers{0, kMostStoreCustomers};
inline constexpr Range kSalary{120, 1000};         // the personnel spending order's limits
inline constexpr Range kPerHeadSpending{0, 1000};  // education and welfare, the same order
inline constexpr uint16_t kKnownEquipment = (1u << kEquipmentCount) - 1;
inline constexpr uint16_t kKnownMakers = (1u << kMakerCount) - 1;
inline constexpr uint8_t kKnownManipulations = kShills | kIllegalRom | kJackpotControl;
// Personnel costs of a month are stored in 32 bits, the month's close keeping them at the top.
inline constexpr Range kPersonnelCost{0, INT32_MAX};
// The dearest promotions a month: a month's event on five floors, the most tissues and letters,
// the dearest agency's long spot, the largest server and a page every day, with the factors of the
// poorest president: about 23,000 thousands of yen.
inline constexpr Range kPromotionCost{0, 100'000};
// Staff: a head count is 0 up to the setters' int32 ceiling. Hiring takes at most 10,000 people
// at a time and the graduates of a year are under 20,000, but the month's hiring mark is not in
// the file: a game saved and loaded again may hire again in the same month, so only cash bounds
// what hiring adds. Every sum of head counts (a store's men and women, fifty stores) is taken in
// 64 bits.
inline constexpr Range kHeadCount{0, INT32_MAX};

// Company.
inline constexpr Range kCapitalClass{0, kCapitalClasses - 1};
inline constexpr Range kWarehouseLevel{0, kWarehouseLevels - 1};
inline constexpr Range kBlockMark{0, 1};  // the land and construction marks of a block

}  // namespace gm::save
