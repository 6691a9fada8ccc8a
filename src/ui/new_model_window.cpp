// The new-model announcement.
#include "ui/new_model_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/main_window.h"
#include "shell/picture_book.h"
#include "store/catalogue.h"
#include "store/machine.h"
#include "ui/screen_text.h"

namespace gm {

namespace {
constexpr int kFlashMilliseconds = 500;
}  // namespace

NewModelWindow::NewModelWindow(const NewModelNotice& notice, const PictureBook& pictures,
                               QWidget* parent)
    : QDialog(parent) {
  const NewModelRunLine run = newModelRunLine(notice.production);
  limited_ = run.limited;
  setWindowTitle(tr("新台製作発表"));
  setObjectName(QStringLiteral("sindaiform"));

  QFont big = font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);

  modelName_ = new QLabel(qs(notice.modelName), this);
  modelName_->setFont(big);
  makerName_ = new QLabel(qs(notice.makerName), this);
  typeName_ = new QLabel(qs(machineTypeName(notice.type)), this);
  picture_ = new QLabel(this);
  picture_->setPixmap(QPixmap::fromImage(pictures.machineType(notice.type)));
  picture_->setFixedSize(105, 105);
  sale_ = new QLabel(QString::fromStdString(run.text), this);
  sale_->setFont(big);
  if (limited_) sale_->setStyleSheet(QStringLiteral("color: rgb(0, 160, 0);"));

  auto* facts = new QGridLayout;
  facts->addWidget(new QLabel(tr("新しい台の名前"), this), 0, 0);
  facts->addWidget(modelName_, 0, 1);
  facts->addWidget(new QLabel(tr("メーカー"), this), 1, 0);
  facts->addWidget(makerName_, 1, 1);
  facts->addWidget(new QLabel(tr("機種"), this), 2, 0);
  facts->addWidget(typeName_, 2, 1);
  facts->setColumnStretch(1, 1);

  auto* top = new QHBoxLayout;
  top->addWidget(picture_);
  top->addLayout(facts, 1);

  ok_ = new QPushButton(tr("了解(&R)"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(sale_);
  layout->addLayout(buttons);

  flash_.setInterval(kFlashMilliseconds);
  connect(&flash_, &QTimer::timeout, this, &NewModelWindow::toggleFlash);
}

void NewModelWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!limited_) return;
  lit_ = true;
  flash_.start();
  QApplication::alert(this);
}

void NewModelWindow::hideEvent(QHideEvent* event) {
  flash_.stop();
  QDialog::hideEvent(event);
}

void NewModelWindow::toggleFlash() {
  // The window's face blinks between its normal colour and a light green.
  lit_ = !lit_;
  setStyleSheet(lit_ ? QString()
                     : QStringLiteral("#sindaiform { background: rgb(200, 255, 200); }"));
  QApplication::alert(this);
}

void showNewModelWindow(QWidget* parent, const NewModelNotice& notice,
                        const PictureBook& pictures) {
  NewModelWindow window(notice, pictures, parent);
  window.exec();
}

void NewModelForm::showNotice(const NewModelNotice& notice) {
  showNewModelWindow(this, notice, mainWindow().pictures());
}

}  // namespace gm
