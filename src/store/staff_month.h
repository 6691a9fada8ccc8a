// The monthly staff step of one store, run by the store's monthly close after its satisfaction:
// what the staff ask to be paid, whether they are content with their pay and their numbers,
// their discontent, the threat of a mass resignation and the walk-out, the drift of morale and
// skill towards what the store spends on them, what the manipulations cost in morale, and the
// people who leave.
#pragma once

#include <cstdint>

#include "base/money.h"

namespace gm {

class Ttempo;
class tworld;

// What the step did, for the month's close and for tests.
struct StaffStepResult {
  bool discontent = false;  // the staff complained about their numbers
  bool threatened = false;  // the staff threatened to resign all at once
  bool walkedOut = false;   // and did: the store lost everybody
  int64_t departures = 0;   // people who left one by one
  bool allGone = false;     // nobody is left after the departures
};

// The salary a head (thousands of yen) that the store's staff consider fair, 150..1000.
int SalaryDemand(const Ttempo& store, uint16_t laws, int karisuma, int tousotu);
// Salary contentment: the salary against the demand, per cent with four decimals.
Money SalaryContentment(const Ttempo& store, uint16_t laws, int karisuma, int tousotu);
// Staffing ratio: the staff against the need, per cent with four decimals; 100 when nothing is
// needed.
Money StaffingRatio(const Ttempo& store, int hours, int month);

// The staffing ratios (whole per cent) below which an open store's staff complain and below
// which they threaten to leave together. The month lowers both by the calming draws of a strong
// president and of keen, skilled staff, then shifts them by the salary contentment `S`; without
// those draws the thresholds are the highest they can be.
struct StaffThresholds {
  int discontent = 85;
  int resignation = 65;
};
StaffThresholds SettleThresholds(StaffThresholds calmed, Money S);

// What morale and skill drift towards in a month without discontent: welfare (morale) and
// education (skill) as a rating, raised by an inspiring president and lowered by generous
// exchange rates, at most 100.
Money MoraleTarget(const Ttempo& store, int karisuma);
Money SkillTarget(const Ttempo& store, int tousotu);

// Staff asked to cheat the customers lose RandInt(bound) morale a month for each manipulation:
// the bound for one of them (kShills, kIllegalRom, kJackpotControl).
int ManipulationMoraleBound(uint8_t bit);

// People who leave when `b` per cent of each sex go: at least one of each sex that is there.
struct Departures {
  int men = 0;
  int women = 0;
  int64_t total() const { return int64_t{men} + women; }
};
Departures DeparturesAt(const Ttempo& store, int64_t b);
// The per cent of the staff that an underpaid month drives away (0 for content staff).
int64_t SalaryDepartureShare(Money S);

// Runs the step for a store in use. `hours` are the month's business hours, `month` the month
// number, `laws` the world's law bits, `karisuma` and `tousotu` the president's charisma and
// leadership; the world gives the random generator, the report options and the port.
StaffStepResult StaffMonthlyStep(Ttempo& store, int hours, int month, uint16_t laws, int karisuma,
                                 int tousotu, tworld& world);

}  // namespace gm
