// The saved games' file dialogs.
#include "shell/save_file_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

namespace gm {

QStringList SaveGameDialog::history() {
  QStringList names;
  for (int i = 1; i <= 5; ++i) names << tr("営報%1.PLR").arg(i);
  return names;
}

SaveGameDialog::SaveGameDialog(SaveDialogKind kind, const QString& folder, const QString& fileName,
                               QWidget* parent)
    : QFileDialog(parent) {
  const bool open = kind == SaveDialogKind::Open;
  setWindowTitle(open ? tr("営業報告書から引き継ぐ") : tr("営業報告書に記録"));
  // Qt's own dialog, so that the file-name field can carry the history on every desktop.
  setOption(QFileDialog::DontUseNativeDialog);
  // The game asks its own question before it writes.
  setOption(QFileDialog::DontConfirmOverwrite);
  setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  setNameFilter(tr("営業報告書(*.PLR)"));
  setDefaultSuffix(QStringLiteral("PLR"));
  setDirectory(fileName.isEmpty() ? folder : QFileInfo(fileName).absolutePath());
  if (!fileName.isEmpty()) selectFile(QFileInfo(fileName).fileName());

  if (auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
    history_ = new QCompleter(history(), this);
    history_->setCaseSensitivity(Qt::CaseInsensitive);
    history_->setCompletionMode(QCompleter::PopupCompletion);
    edit->setCompleter(history_);
    edit->installEventFilter(this);
  }
}

bool SaveGameDialog::eventFilter(QObject* watched, QEvent* event) {
  if (history_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && !history_->popup()->isVisible()) {
    history_->setCompletionPrefix(QString());
    history_->complete();
    return true;
  }
  return QFileDialog::eventFilter(watched, event);
}

QString askSaveGameFile(QWidget* parent, SaveDialogKind kind, const QString& folder,
                        const QString& fileName) {
  SaveGameDialog dialog(kind, folder, fileName, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace gm
