// The store-naming dialog.
#include "shell/name_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/options.h"
#include "base/text.h"
#include "base/translation.h"
#include "shell/typing_box.h"

namespace gm {

QValidator::State NameValidator::validate(QString& input, int&) const {
  const std::string utf8 = input.toStdString();
  if (!isShiftJisEncodable(utf8) || shiftJisLength(utf8) > kNameBytes) return Invalid;
  return Acceptable;
}

std::string defaultStoreName(int number) {
  const std::string digits = std::to_string(number);
  return QCoreApplication::translate("name_dialog", "パーラー%1号店")
      .arg(QString::fromStdString(catalogueIsJapanese() ? toFullWidth(digits) : digits))
      .toStdString();
}

Tnameform::Tnameform(const Options* options, QWidget* parent) : QDialog(parent), options_(options) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(tr("命名"));
  box_ = new TypingBox(this);
  box_->setMinimumSize(TypingBox::kCell * 20 + 12, TypingBox::kCell * 2 + 12);
  box_->setFocusPolicy(Qt::NoFocus);
  connect(box_, &TypingBox::flowStarted, this,
          [this] { box_->setDelay(options_ ? options_->waittime : Options().waittime); });
  edit_ = new QLineEdit(this);
  edit_->setValidator(new NameValidator(edit_));
  edit_->setToolTip(tr("新しいﾊﾟｰﾗｰの名前を入力"));
  edit_->setPlaceholderText(edit_->toolTip());
  ok_ = new QPushButton(tr("命名(&R)"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(edit_, &QLineEdit::textChanged, this,
          [this](const QString& t) { ok_->setEnabled(!t.isEmpty()); });
  auto* row = new QHBoxLayout;
  row->addWidget(edit_, 1);
  row->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box_);
  layout->addLayout(row);
}

std::optional<std::string> Tnameform::AskName(std::string_view proposed) {
  edit_->setText(QString::fromStdString(cutToShiftJisBytes(proposed, kNameBytes)));
  ok_->setEnabled(!edit_->text().isEmpty());
  edit_->selectAll();
  edit_->setFocus();
  box_->setText(tr("店舗の名前を命名してください。"));
  if (exec() != QDialog::Accepted || edit_->text().isEmpty()) return std::nullopt;
  return cutToShiftJisBytes(edit_->text().toStdString(), kNameBytes);
}

void Tnameform::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  box_->start();
}

}  // namespace gm
