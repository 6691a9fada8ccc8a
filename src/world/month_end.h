// The month's end in the core: month step A (the city, the incidents, the rivals, the accounts,
// the results), month step B (the events of the new month, the rivals' openings, the makers,
// the company's new month, the victory test, the highest land price) and the game-end check.
// The program wraps these in its window handling; the headless player and the tests call them
// directly.
#pragma once

#include <string>

namespace gm {

class tworld;

struct GameEndResult {
  bool goesOn = true;
  bool storeTestFired = false;  // "辞任" or "撤退"
  bool cashTestFired = false;   // "倒産"
};

// The question before the month ends; true when the month may end (always without tellmsg).
bool ConfirmEndOfMonth(tworld& world);
void MonthStepA(tworld& world);
void MonthStepB(tworld& world);
// Both tests run, store test first, each showing its message when it fires.
GameEndResult GameEndCheck(tworld& world);
// The ending's typed text for the (already advanced) month.
std::string EndingText(const tworld& world);
// Steps A and B and the game-end check, as one month of headless play.
GameEndResult PlayMonth(tworld& world);

}  // namespace gm
