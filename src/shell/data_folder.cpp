// Finding the data folder beside the executable, in a build tree or once installed.
#include "shell/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef GM_INSTALLED_DATA_SUBDIR
#define GM_INSTALLED_DATA_SUBDIR "share/gindamaya97"
#endif

namespace gm {

QString dataFolder() {
  const QString fromEnv = qEnvironmentVariable("GINDAMAYA97_DATA");
  if (!fromEnv.isEmpty()) return QDir::cleanPath(fromEnv);

  const QString exeDir = QCoreApplication::applicationDirPath();
  const QString buildTree = exeDir + QStringLiteral("/data");
  if (QFileInfo(buildTree).isDir()) return QDir::cleanPath(buildTree);
  return QDir::cleanPath(exeDir + QStringLiteral("/../") +
                         QStringLiteral(GM_INSTALLED_DATA_SUBDIR));
}

QString dataPath(const QString& relative) { return dataFolder() + QLatin1Char('/') + relative; }

}  // namespace gm
