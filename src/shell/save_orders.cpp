// The saved-game orders and the automatic save.
#include "shell/save_orders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStatusBar>

#include "base/translation.h"
#include "persist/save_file.h"
#include "shell/main_window.h"
#include "shell/options_store.h"
#include "shell/save_file_dialog.h"
#include "shell/save_folder.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kAutosavesKept = 3;
// The automatic saves the program wrote, oldest first.
const QString kAutosaveKey = QStringLiteral("Autosaves/written");

QString text(const std::string& s) { return QString::fromStdString(s); }

bool writeAndReport(TMain& main, const QString& path) {
  const QString error = writeSavedGame(main, path);
  if (!error.isEmpty()) {
    QMessageBox::critical(&main, QCoreApplication::translate("save_orders", "記録"), error);
    return false;
  }
  main.statusBar()->showMessage(QCoreApplication::translate("save_orders", "%1 に記録しました。")
                                    .arg(QFileInfo(path).fileName()),
                                5000);
  return true;
}

constexpr const char* kAutosaveName = QT_TRANSLATE_NOOP("save_orders", "自動記録 %1年%2月.PLR");

QRegularExpression autosavePattern(const QString& name) {
  QString pattern = QRegularExpression::escape(name);
  pattern.replace(QStringLiteral("\\%1"), QStringLiteral("(?<year>\\d+)"));
  pattern.replace(QStringLiteral("\\%2"), QStringLiteral("[ 0]?(?<month>\\d+)"));
  return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

// An automatic save is known by its name in the game's own words or in the player's language,
// so that a change of language leaves no older saves behind for ever.
QRegularExpressionMatch matchAutosave(const QString& fileName) {
  static const QRegularExpression own = autosavePattern(QString::fromUtf8(kAutosaveName));
  const QRegularExpressionMatch m = own.match(fileName);
  if (m.hasMatch()) return m;
  return autosavePattern(QCoreApplication::translate("save_orders", kAutosaveName)).match(fileName);
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
    QMessageBox::critical(&main, QCoreApplication::translate("save_orders", "引き継ぎ"),
                          text(read.error));
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

namespace {

// The company's name and a space before the month's name, so that each company keeps its own
// automatic saves: characters that a file name cannot hold on some system become "_" (a typed
// name is full-width already, but a loaded game's name may be anything).
QString autosaveStem(const QString& company) {
  if (company.isEmpty()) return {};
  QString name = company;
  for (QChar& c : name)
    if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char('_');
  return name + QLatin1Char(' ');
}

bool isAutosaveOf(const QString& fileName, const QString& company) {
  const QString stem = autosaveStem(company);
  return fileName.startsWith(stem) && matchAutosave(fileName.mid(stem.size())).hasMatch();
}

}  // namespace

QString autosaveFileName(const QString& company, int month) {
  const YearMonth date = MonthToDate(month);
  // Japanese pads the month with a space, as its captions do, other languages with a zero: the
  // names of one year list in the order of the months either way.
  const QChar pad = catalogueIsJapanese() ? QLatin1Char(' ') : QLatin1Char('0');
  return autosaveStem(company) + QCoreApplication::translate("save_orders", kAutosaveName)
                                     .arg(date.year)
                                     .arg(date.month, 2, 10, pad);
}

QStringList autosavesToRemove(const QStringList& written, const QString& folder,
                              const QString& company) {
  // Every automatic save of this company in the folder, newest first: the ones written later
  // stand later in the list.
  QStringList ours;
  for (auto it = written.crbegin(); it != written.crend(); ++it) {
    const QFileInfo info(*it);
    if (QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(folder) &&
        isAutosaveOf(info.fileName(), company))
      ours << *it;
  }
  return ours.mid(kAutosavesKept);
}

void runAutosave(TMain& main) {
  const QString folder = savedGamesFolder();
  const QString company = QString::fromStdString(main.world().kaichou.kaishaname.str());
  const QString path = folder + QLatin1Char('/') + autosaveFileName(company, main.world().month);
  const QString error = writeSavedGame(main, path);
  if (!error.isEmpty()) {
    QMessageBox::warning(&main, QCoreApplication::translate("save_orders", "自動記録"), error);
    return;
  }
  // Only files that the program itself wrote as automatic saves are ever removed: it keeps
  // their names, oldest first, and forgets a name once its file is gone.
  const auto settings = openSettings();
  QStringList written = settings->value(kAutosaveKey).toStringList();
  written.removeIf([](const QString& p) { return !QFileInfo::exists(p); });
  written.removeAll(path);
  written << path;
  for (const QString& old : autosavesToRemove(written, folder, company)) {
    QFile::remove(old);
    written.removeAll(old);
  }
  settings->setValue(kAutosaveKey, written);
}

}  // namespace gm
