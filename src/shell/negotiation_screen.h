// What the program's land negotiation screen does for the port. The screen itself is one of the
// management windows; the program installs it in the port, which forwards the negotiation's
// calls to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/money.h"

namespace gm {

class NegotiationScreen {
 public:
  virtual ~NegotiationScreen() = default;

  // Resets the faces and shows the screen for the block and the owner's asking price.
  virtual void begin(int row, int column, int64_t askingPrice) = 0;
  // The amount dialog over the screen; nothing when the player breaks off.
  virtual std::optional<int64_t> askOffer(std::string_view title, int64_t landPrice,
                                          Money cash) = 0;
  // Shows the speaker's face and types the line; returns once it is shown in full.
  virtual void ownerSays(int face, std::string_view text) = 0;
  virtual void presidentSays(int face, std::string_view text) = 0;
  virtual void pause(int milliseconds) = 0;
  // Waits for the player to close the screen, then hides it.
  virtual void end(bool bought) = 0;
};

}  // namespace gm
