// The column chooser.
#include "ui/column_chooser_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gm {

Tlvkoumokuform::Tlvkoumokuform(const QStringList& headers, const QList<bool>& shown,
                               QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("表示項目"));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("koumokulist"));
  for (int c = 0; c < headers.size(); ++c) {
    auto* item = new QListWidgetItem(headers[c], list_);
    const bool on = c == 0 || (c < shown.size() && shown[c]);
    item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    if (c == 0) item->setFlags(item->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled));
  }

  auto* all = new QPushButton(tr("全て表示(&A)"), this);
  all->setAutoDefault(false);
  connect(all, &QPushButton::clicked, this, [this] {
    for (int c = 0; c < list_->count(); ++c) list_->item(c)->setCheckState(Qt::Checked);
  });
  auto* ok = new QPushButton(tr("決定(&R)"), this);
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("取り消し(&N)"), this);
  cancel->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(all);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("一覧に表示する項目を選んでください。"), this));
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
}

QList<bool> Tlvkoumokuform::shown() const {
  QList<bool> shown;
  for (int c = 0; c < list_->count(); ++c)
    shown << (c == 0 || list_->item(c)->checkState() == Qt::Checked);
  return shown;
}

}  // namespace gm
