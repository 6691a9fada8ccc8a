// The saved-game orders of the main window: "記録(&A)" (save as), "上書き記録(&V)" (save to the
// remembered file), the load order, and the month end's automatic save. The remembered file is the
// one last saved to with the dialog; a new game and every load forget it.
#pragma once

#include <QString>
#include <QStringList>

namespace gm {

class TMain;

// Save as: the save dialog, the question under `tellmsg`, then the safe write. Returns whether
// the game was written.
bool runSaveAs(TMain& main);
// Save: to the remembered file after the overwrite question, or as save as when there is none.
bool runSave(TMain& main);
// Load: the open dialog, then the file is read and checked whole; a refused file is reported
// and changes nothing (the remembered name is already forgotten). An accepted one replaces the
// game, the generator is reseeded from the clock and play begins. Returns whether it loaded.
bool runLoad(TMain& main);

// Writes the game to `path` through a temporary file beside it; an empty string on success,
// else the message for the player.
QString writeSavedGame(TMain& main, const QString& path);

// The month end's automatic save: "自動記録 3年 4月.PLR" in the saved-games folder for the month
// now beginning, after which only the three newest automatic saves are kept. A failure is
// reported and play goes on.
void runAutosave(TMain& main);
QString autosaveFileName(int month);
// Of the folder's file names, the automatic saves beyond the three newest (newest by time of
// writing, then by the month their names say), which go.
QStringList autosavesToRemove(const QString& folder);

}  // namespace gm
