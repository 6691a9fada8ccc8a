// The installation check a packager runs (GINDAMAYA97_SELF_CHECK=1 in the environment): the
// program starts as usual, then reports on standard error whether its data folder holds what it
// needs (pictures, cities, music cues, help pages) and quits with 0 when nothing is missing.
#pragma once

#include <QStringList>

namespace gm {

class TMain;

// What the data folder lacks; empty when everything is there.
QStringList dataFolderProblems(const QString& folder);

// When the environment asks for the check, schedules it for the moment the event loop runs.
void scheduleSelfCheck(TMain& main);

}  // namespace gm
