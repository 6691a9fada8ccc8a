// Puts the program together: the full management windows in place of the start-up frames, the
// sound player, the modal windows the menus open, and the orders behind the menus.
#pragma once

namespace gm {

class TMain;

void assembleProgram(TMain& main);

}  // namespace gm
