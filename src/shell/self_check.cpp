// The installation check.
#include "shell/self_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

#include "base/frontend.h"
#include "persist/city_list.h"
#include "shell/data_folder.h"
#include "shell/fluid_sound_player.h"
#include "shell/help_index.h"
#include "shell/main_window.h"
#include "shell/picture_book.h"

namespace gm {

QStringList dataFolderProblems(const QString& folder) {
  QStringList problems;
  if (!QFileInfo(folder).isDir()) return {QStringLiteral("no data folder at ") + folder};
  const PictureBook pictures(QDir(folder).filePath(QStringLiteral("pictures")));
  for (const QString& missing : pictures.missing())
    problems << QStringLiteral("picture missing: ") + missing;
  if (ListCityFiles(QFile::encodeName(folder).toStdString()).cities.empty())
    problems << QStringLiteral("no city file");
  for (int cue = kCueTitle; cue <= kCueGameOver; ++cue)
    if (!QFileInfo(QDir(folder).filePath(cueFileName(cue))).isFile())
      problems << QStringLiteral("music missing: ") + cueFileName(cue);
  if (HelpIndex(QDir(folder).filePath(QStringLiteral("help"))).pages().empty())
    problems << QStringLiteral("no help page");
  return problems;
}

void scheduleSelfCheck(TMain& main) {
  if (qEnvironmentVariableIsEmpty("GINDAMAYA97_SELF_CHECK")) return;
  QTimer::singleShot(0, &main, [] {
    const QString folder = dataFolder();
    const QStringList problems = dataFolderProblems(folder);
    std::fprintf(stderr, "Gindamaya97 self-check: data folder %s\n", qUtf8Printable(folder));
    for (const QString& p : problems) std::fprintf(stderr, "  %s\n", qUtf8Printable(p));
    std::fprintf(stderr, "Gindamaya97 self-check: %s\n", problems.isEmpty() ? "ok" : "FAILED");
    QCoreApplication::exit(problems.isEmpty() ? 0 : 1);
  });
}

}  // namespace gm
