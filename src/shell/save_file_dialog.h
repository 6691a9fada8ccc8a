// The file dialogs of the saved games: "営業報告書から引き継ぐ" (open: the file must exist) and
// "営業報告書に記録" (save), both showing "営業報告書(*.PLR)" files, adding ".PLR" to a name typed
// without it, and offering the names "営報1.PLR" .. "営報5.PLR" under the file-name field (they
// drop down as the name is typed, or with the down-arrow key).
#pragma once

#include <QFileDialog>
#include <QStringList>

class QCompleter;

namespace gm {

enum class SaveDialogKind { Open, Save };

class SaveGameDialog : public QFileDialog {
  Q_OBJECT

 public:
  // Opens in `folder`, with `fileName` (a path) already chosen when it is not empty.
  SaveGameDialog(SaveDialogKind kind, const QString& folder, const QString& fileName,
                 QWidget* parent = nullptr);

  static QStringList history();
  QCompleter* historyCompleter() const { return history_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QCompleter* history_ = nullptr;
};

// Runs the dialog; the chosen file's path, or an empty string when the player cancelled.
QString askSaveGameFile(QWidget* parent, SaveDialogKind kind, const QString& folder,
                        const QString& fileName = {});

}  // namespace gm
