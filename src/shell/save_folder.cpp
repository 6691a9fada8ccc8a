// Finding and making the saved-games folder.
#include "shell/save_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace gm {

QString savedGamesFolder() {
  const QString fromEnv = qEnvironmentVariable("GINDAMAYA97_SAVES");
  const QString folder = !fromEnv.isEmpty()
                             ? fromEnv
                             : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                   QStringLiteral("/saves");
  QDir().mkpath(folder);
  return QDir::cleanPath(folder);
}

}  // namespace gm
