// The column chooser "表示項目" (`Tlvkoumokuform`): which columns a list shows, one check box a
// column. The first column names the row and always stays.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

namespace gm {

class Tlvkoumokuform : public QDialog {
  Q_OBJECT

 public:
  Tlvkoumokuform(const QStringList& headers, const QList<bool>& shown, QWidget* parent = nullptr);

  QList<bool> shown() const;
  QListWidget* choices() const { return list_; }

 private:
  QListWidget* list_;
};

}  // namespace gm
