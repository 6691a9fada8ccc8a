// Where the game's data lives: cities (*.pmp) and music (*.mid) in the folder's root, pictures
// in pictures/, help pages in help/.
#pragma once

#include <QString>

namespace gm {

// The data folder: $GINDAMAYA97_DATA when set; `<exe dir>/data` in a build tree; otherwise the
// installed location `<exe dir>/../<installed data subdir>`.
QString dataFolder();

// A path inside the data folder, e.g. dataPath("pictures/title.svg").
QString dataPath(const QString& relative);

}  // namespace gm
