// The advisor: what is wrong with a hall or with the company, in figures, worked out from the
// state and the same rules the month runs, with the order that mends it and how much it
// matters. Diagnosing draws nothing from the game's generator and changes nothing: a finding
// that has to know where a random rating is heading plays the rating's own monthly rule on a
// copy of the store with a generator of its own, over a fixed set of seeds, so that the same
// state always gives the same advice. The advice is cheap enough for every store each time a
// window is refreshed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "store/island_settings.h"

namespace gm {

class tworld;
class Ttempo;

// What a finding is about. The figures `v` of each topic are listed beside it (thousands of yen
// and whole per cent unless said otherwise; "x10" marks a figure kept to one decimal).
enum class AdviceTopic : uint8_t {
  // Store.
  UnderConstruction,    // months until the building is finished
  Suspended,            // months until the suspension ends, opening cost
  NoMachines,           // floors' islands free
  CannotOpenStaff,      // staff, need, the need once customers come
  ReadyToOpen,          // opening cost, the month's costs while it waits, staff, need to come
  StaffWalkOut,         // staff, need, ratio, resignation threshold, discontent threshold
  StaffDiscontent,      // staff, need, ratio, discontent threshold, morale loss x10 a month
  StaffShort,           // staff, need, ratio, discontent threshold, resignation threshold, the
                        // need once the islands fill a little more, people leaving this month
  StaffSurplus,         // staff, need, people to spare, their monthly cost, their severance
  SalaryBelowDemand,    // salary, demand, contentment, share leaving, people leaving a month,
                        // what paying the demand costs a month, what hiring the leavers costs
  WelfareLow,           // welfare, morale, its target, welfare proposed, what the proposal brings
                        // a month, the morale it aims at, what it costs a month
  EducationLow,         // the same with education and skill
  FireRisk,             // chance a year per million, share that burns the store down, the loss,
                        // the chance a year with the staff proposed, the only hall (1) or not
  Manipulation,         // bit, chance of exposure per million, bail, months closed, morale x10
  ExchangeRate,         // pachinko class, slot class, satisfaction loss x10, staff targets' factor
  MachinesOld,          // islands, their average age, fame loss x10, satisfaction loss x10
  IslandsIdle,          // islands, customers, islands they fill, the hall's attendance, the saving
                        // a month without the rest, the staff fewer it needs
  IslandsFull,          // islands, customers, the hall's attendance, islands wanted, free room
  IslandsLosing,        // islands, their gross profit (negative), lowest set rate x100
  FameFalling,          // fame, change x10 a month, profit-rate term, promotions' gain x10
  SatisfactionFalling,  // satisfaction, change x10, profit-rate term, exchange-rate loss x10
  HallLosing,           // months in a row, average net profit, gross profit, costs, worst cost,
                        // the gross profit at the rate proposed
  RivalNearby,          // rival record, distance, months to opening (0 open), its size
  // Company.
  CashRunway,     // cash, the month's result after tax, months the cash lasts
  NoStore,        // months left before the company is wound up (0: at the next month end)
  LosingStores,   // stores losing money, their summed net profit
  TaxEvasion,     // evaded in all, chance of discovery per million, penalty
  RivalBuilding,  // rival record, its row, its column, months to opening
};
inline constexpr int kAdviceTopics = static_cast<int>(AdviceTopic::RivalBuilding) + 1;

// How much a finding matters, from a note to something that ends the hall or the company.
enum class AdviceSeverity : uint8_t { Note, Caution, Serious, Urgent };

// The order that mends a finding, for the screens to open its dialog and for the headless
// player to give. `suggestion` carries the values the advisor would choose (see each remedy).
enum class AdviceRemedy : uint8_t {
  None,
  Personnel,         // 人事: staff to bring in (suggestion 0), or to let go when negative
  PersonnelCost,     // 人件費調整: salary, education, welfare a head
  Open,              // 開店
  ExchangeRates,     // 交換率変更: pachinko class, slot class
  Manipulations,     // 工作変更: the bits to keep
  ProfitRates,       // 利益率一括修正: the rate in whole per cent for every island
  Promotions,        // 販売促進予算変更: tissues, mail, event
  Replacement,       // 入替: islands to renew (the oldest first), or to take down when negative
  MachinePurchase,   // 新台購入: islands to buy for the free floor space
  Equipment,         // 設備投資: the item
  Construction,      // 工事 on the company's land (区画データ)
  StoreList,         // the company manager's store list
  CompanyManoeuvre,  // the company's special manoeuvre: switch it off
};

struct Advice {
  AdviceTopic topic = AdviceTopic::NoStore;
  AdviceSeverity severity = AdviceSeverity::Note;
  AdviceRemedy remedy = AdviceRemedy::None;
  int slot = 0;  // the store 1..50, 0 for the company
  // What the finding costs a month if nothing is done (thousands of yen, an estimate), and the
  // months left before it ends the hall or the company (-1: no countdown).
  int64_t monthlyCost = 0;
  int monthsLeft = -1;
  std::array<int64_t, 7> v{};
  std::array<int, 3> suggestion{};
};

// A short list, most important first: severity, then the months left, then the monthly cost.
class AdviceList {
 public:
  static constexpr int kCapacity = 16;
  // Keeps the list in order; when it is full the least important finding gives way.
  void add(const Advice& a);
  int size() const { return count_; }
  bool empty() const { return count_ == 0; }
  const Advice& operator[](int i) const { return items_[i]; }
  const Advice* begin() const { return items_.data(); }
  const Advice* end() const { return items_.data() + count_; }
  // The most serious finding's severity; Note for an empty list.
  AdviceSeverity worst() const;

 private:
  std::array<Advice, kCapacity> items_{};
  int count_ = 0;
};

// True when `a` should come before `b`.
bool MoreImportant(const Advice& a, const Advice& b);

// The `count` islands of the store that had the fewest players last month, the older first
// among equals: the ones a smaller floor does without.
std::vector<IslandPosition> LeastPlayedIslands(const Ttempo& store, int count);

// The findings for the store in slot 1..50 (empty for a slot not in use), for the month in
// progress.
AdviceList DiagnoseStore(const tworld& world, int slot);
// The company's own findings: its cash, its stores as a whole, the evasion, rival building.
AdviceList DiagnoseCompany(const tworld& world);

}  // namespace gm
