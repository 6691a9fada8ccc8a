// The saved-game orders and the automatic save.
#include "shell/save_orders.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStatusBar>
#include <algorithm>

#include "persist/save_file.h"
#include "shell/main_window.h"
#include "shell/save_file_dialog.h"
#include "shell/save_folder.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kAutosavesKept = 3;

QString text(const std::string& s) { return QString::fromStdString(s); }

bool writeAndReport(TMain& main, const QString& path) {
  const QString error = writeSavedGame(main, path);
  if (!error.isEmpty()) {
    QMessageBox::critical(&main, QStringLiteral("記録"), error);
    return false;
  }
  main.statusBar()->showMessage(QFileInfo(path).fileName() + QStringLiteral(" に記録しました。"),
                                5000);
  return true;
}

const QRegularExpression& autosavePattern() {
  static const QRegularExpression pattern(QStringLiteral("^自動記録 (\\d+)年 ?(\\d+)月\\.PLR$"));
  return pattern;
}

}  // namespace

QString writeSavedGame(TMain& main, const QString& path) {
  const std::string bytes = EncodeSaveRecord(main.world());
  // QSaveFile writes beside the target and renames over it only once the data is on the disk.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return text(SaveFailedMessage(file.errorString().toStdString()));
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return text(SaveFailedMessage(reason.toStdString()));
  }
  if (!file.commit()) return text(SaveFailedMessage(file.errorString().toStdString()));
  return {};
}

bool runSaveAs(TMain& main) {
  const QString path =
      askSaveGameFile(&main, SaveDialogKind::Save, savedGamesFolder(), main.saveFileName());
  if (path.isEmpty()) return false;
  main.setSaveFileName(path);
  if (!ConfirmSave(main.world())) return false;
  return writeAndReport(main, path);
}

bool runSave(TMain& main) {
  const QString path = main.saveFileName();
  if (path.isEmpty()) return runSaveAs(main);
  if (!ConfirmOverwriteSave(main.world(), QFileInfo(path).fileName().toStdString())) return false;
  return writeAndReport(main, path);
}

bool runLoad(TMain& main) {
  const QString path = askSaveGameFile(&main, SaveDialogKind::Open, savedGamesFolder());
  if (path.isEmpty()) return false;
  main.setSaveFileName(QString());

  std::string bytes;
  SaveResult read = ReadSaveBytes(QFile::encodeName(path).toStdString(), bytes);
  if (read.ok) read = CheckSaveRecord(bytes);
  if (!read.ok) {
    QMessageBox::critical(&main, QStringLiteral("引き継ぎ"), text(read.error));
    return false;
  }
  main.hideDataWindows();
  ApplySaveRecord(bytes, main.world());
  main.gameReloaded();
  // The reseed follows the check, so that a refused file leaves even the generator as it was.
  main.world().rng().setSeed(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
  main.beginPlay();
  return true;
}

QString autosaveFileName(int month) {
  const YearMonth date = MonthToDate(month);
  return QStringLiteral("自動記録 %1年%2月.PLR").arg(date.year).arg(date.month, 2);
}

QStringList autosavesToRemove(const QString& folder) {
  struct Autosave {
    QString name;
    QDateTime written;
    int month;
  };
  std::vector<Autosave> found;
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
    const auto m = autosavePattern().match(info.fileName());
    if (!m.hasMatch()) continue;
    found.push_back({info.fileName(), info.lastModified(),
                     (m.captured(1).toInt() - 1) * 12 + m.captured(2).toInt()});
  }
  std::stable_sort(found.begin(), found.end(), [](const Autosave& a, const Autosave& b) {
    if (a.written != b.written) return a.written > b.written;
    return a.month > b.month;
  });
  QStringList gone;
  for (std::size_t i = kAutosavesKept; i < found.size(); ++i) gone << found[i].name;
  return gone;
}

void runAutosave(TMain& main) {
  const QString folder = savedGamesFolder();
  const QString error =
      writeSavedGame(main, folder + QLatin1Char('/') + autosaveFileName(main.world().month));
  if (!error.isEmpty()) {
    QMessageBox::warning(&main, QStringLiteral("自動記録"), error);
    return;
  }
  for (const QString& name : autosavesToRemove(folder)) QDir(folder).remove(name);
}

}  // namespace gm
