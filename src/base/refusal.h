// A refused order: what the message dialog says instead of carrying the order out. Checks
// return a refusal as data, with no side effect, so that a screen can ask the same check to
// grey a button and the order runner shows it through the port.
#pragma once

#include <optional>
#include <string>

#include "base/frontend.h"

namespace gm {

struct Refusal {
  std::string title;
  std::string text;
  int face = kFaceCry;
  bool showCash = false;
};

using Check = std::optional<Refusal>;  // nullopt: the order may go ahead

inline void showRefusal(Frontend& ui, const Refusal& r) {
  ui.message(r.title, r.text, r.showCash, false, r.face);
}

}  // namespace gm
