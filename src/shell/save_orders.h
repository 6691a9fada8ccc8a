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

// The month end's automatic save: "銀玉商事 自動記録 3年 4月.PLR" (the month's name in the
// player's language) in the saved-games folder for the company and the month now beginning, after
// which the company keeps only its three newest automatic saves, named in either language. Only
// files the program wrote as automatic saves (it keeps their names in the settings) are ever
// removed; other companies' and the player's own files stay. A failure is reported and play goes
// on.
void runAutosave(TMain& main);
QString autosaveFileName(const QString& company, int month);
// Of the automatic saves written so far (oldest first), those of `company` in `folder` beyond its
// three newest, which go.
QStringList autosavesToRemove(const QStringList& written, const QString& folder,
                              const QString& company);

}  // namespace gm
