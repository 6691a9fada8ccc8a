// Personnel spending (人件費調整): the salary, education and welfare a head and month that one
// store or several selected stores pay their staff.
#pragma once

#include <cstdint>

#include "base/refusal.h"
#include "company/personnel_orders.h"

namespace gm {

class tworld;

inline constexpr int kMinSalary = 120;
inline constexpr int kMaxSpending = 1000;

// Thousands of yen a head and month.
struct PersonnelSpending {
  int kyuyo = 150;
  int kyouiku = 0;
  int fukuri = 0;
  bool operator==(const PersonnelSpending&) const = default;
};

// What the screen starts from: the averages over the selected stores in use (whole thousands,
// truncated); a new store's values when none is selected.
PersonnelSpending AverageSpending(const tkaichou& company, const StoreSelection& stores);
// A salary below the floor is raised to it; everything else stands as given.
PersonnelSpending RaiseToSalaryFloor(PersonnelSpending values);
// Refused when a value is outside its range (salary 120..1000, education and welfare
// 0..1000); no side effect.
Check CheckPersonnelSpending(const PersonnelSpending& values);
// The order: raises the salary to its floor, checks, asks (with tellmsg) and writes the values
// to every selected store in use. True when they were written.
bool ChangePersonnelSpending(tworld& world, const StoreSelection& stores, PersonnelSpending values);

}  // namespace gm
