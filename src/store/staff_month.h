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
  int departures = 0;       // people who left one by one
  bool allGone = false;     // nobody is left after the departures
};

// The salary a head (thousands of yen) that the store's staff consider fair, 150..1000.
int SalaryDemand(const Ttempo& store, uint16_t laws, int karisuma, int tousotu);
// Salary contentment: the salary against the demand, per cent with four decimals.
Money SalaryContentment(const Ttempo& store, uint16_t laws, int karisuma, int tousotu);
// Staffing ratio: the staff against the need, per cent with four decimals; 100 when nothing is
// needed.
Money StaffingRatio(const Ttempo& store, int hours, int month);

// Runs the step for a store in use. `hours` are the month's business hours, `month` the month
// number, `laws` the world's law bits, `karisuma` and `tousotu` the president's charisma and
// leadership; the world gives the random generator, the report options and the port.
StaffStepResult StaffMonthlyStep(Ttempo& store, int hours, int month, uint16_t laws, int karisuma,
                                 int tousotu, tworld& world);

}  // namespace gm
