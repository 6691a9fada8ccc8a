// The headless player: builds a new game from a city file exactly as the new-game order does
// (or loads a saved game) and plays it month by month with a strategy that gives its orders
// through the core's orders and answers the game's questions through its own port.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "company/founding.h"

namespace gm {

struct AutoplaySettings {
  std::string cityFile;
  uint32_t seed = 1;
  int months = 12;
  FoundingChoice founding;
  bool rivals = true;
  bool keepRunning = false;
  std::string csvFile;   // empty: no CSV
  std::string loadFile;  // a saved game to continue instead of a new game on a city
  std::string saveFile;  // where to save the game after the last month
  std::string strategy = "steady";
  bool check = false;    // check the player's books and the game's invariants every month
  bool restart = false;  // after a game ends, found a new company on the same city
  bool advice = false;   // write the advisor's findings after every month
};

// Parses the command line; on an error returns nullopt and writes the message to `error`.
std::optional<AutoplaySettings> ParseAutoplayArguments(const std::vector<std::string>& args,
                                                       std::string& error);
std::string AutoplayUsage();

// Plays the game and writes one line per month to `out`. Returns the process exit code.
int RunAutoplay(const AutoplaySettings& settings, std::ostream& out, std::ostream& err);

}  // namespace gm
