// The player's saved-games folder: "saves" in the program's data location under the XDG rules
// (~/.local/share/Gindamaya97/Gindamaya97/saves unless $XDG_DATA_HOME says otherwise), or
// $GINDAMAYA97_SAVES when set; made on first use. The save dialogs open there and the month end's
// automatic saves go there.
#pragma once

#include <QString>

namespace gm {

QString savedGamesFolder();

}  // namespace gm
