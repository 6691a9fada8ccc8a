// The order "命令終了(&X)" in the program: freezes the windows, runs the core's month steps with
// the map repainting the changed blocks, restores the windows and applies the game-end check.
#pragma once

namespace gm {

class TMain;

struct MonthEndReport {
  bool ran = false;    // false when the player answered no to the question
  bool goesOn = true;  // false when the game ended this month
};

MonthEndReport runMonthEnd(TMain& main);

}  // namespace gm
