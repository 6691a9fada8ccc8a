// The land negotiation screen.
#include "ui/negotiation_window.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "company/negotiation.h"
#include "shell/main_window.h"
#include "shell/picture_book.h"
#include "shell/qt_text.h"
#include "shell/typing_box.h"
#include "ui/purchase_offer_dialog.h"
#include "world/world.h"

namespace gm {

namespace {

TypingBox* speechBox(QWidget* parent, const Options& options) {
  auto* box = new TypingBox(parent);
  box->setMinimumSize(TypingBox::kCell * 18 + 12, TypingBox::kCell * 4 + 12);
  box->setFocusPolicy(Qt::NoFocus);
  QObject::connect(box, &TypingBox::flowStarted, box,
                   [box, &options] { box->setDelay(options.waittime); });
  return box;
}

}  // namespace

TBuykoushou::TBuykoushou(TMain& main) : QDialog(&main), main_(main) {
  setObjectName(QStringLiteral("buykoushou"));
  setWindowTitle(tr("買収交渉"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);

  header_ = new QLabel(this);
  ownerPicture_ = new QLabel(this);
  ownerPicture_->setFixedSize(kPortraitSize, kPortraitSize);
  presidentPicture_ = new QLabel(this);
  presidentPicture_->setFixedSize(kPortraitSize, kPortraitSize);
  kyakubox_ = speechBox(this, main.options());
  kyakubox_->setObjectName(QStringLiteral("kyakubox"));
  mybox_ = speechBox(this, main.options());
  mybox_->setObjectName(QStringLiteral("mybox"));

  close_ = new QPushButton(tr("閉じる(&C)"), this);
  close_->setAutoDefault(false);
  connect(close_, &QPushButton::clicked, this, [this] {
    if (!talking_) done(QDialog::Accepted);
  });

  // The owner sits on the left and speaks first; the president answers from across the table.
  auto* table = new QGridLayout;
  table->addWidget(ownerPicture_, 0, 0, Qt::AlignTop);
  table->addWidget(kyakubox_, 0, 1);
  table->addWidget(mybox_, 1, 0, 1, 2);
  table->addWidget(presidentPicture_, 1, 2, Qt::AlignBottom);
  table->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header_);
  layout->addLayout(table);
  layout->addLayout(buttons);

  showOwner(0);
  showPresident(kFaceSmile);
}

void TBuykoushou::showOwner(int face) {
  ownerFace_ = face;
  ownerPicture_->setPixmap(main_.pictures().ownerPortrait(face, kPortraitSize));
}

void TBuykoushou::showPresident(int face) {
  presidentFace_ = face;
  presidentPicture_->setPixmap(main_.pictures().presidentPortrait(face, kPortraitSize));
}

void TBuykoushou::begin(int row, int column, int64_t askingPrice) {
  const tworld& w = main_.world();
  QString where;
  if (w.onMap(row, column)) {
    const Tchip& b = w.block(row, column);
    where = tr("%1  (%2, %3)  所有者  %4")
                .arg(qs(b.KindName()), QString::number(column), QString::number(row),
                     qs(b.OwnerLabel(w.cityName.view(), w.kaichou.ownername.view())));
  }
  header_->setText(tr("%1    希望価格(千円)  %2")
                       .arg(where, QString::fromStdString(formatGrouped(askingPrice))));
  showOwner(kOwnerAccepts);
  showPresident(kFaceSmile);
  kyakubox_->reset();
  mybox_->reset();
  close_->setEnabled(false);
  talking_ = true;
  adjustSize();
  const QRect over = main_.frameGeometry();
  move(over.center() - QPoint(width() / 2, height() / 2));
  show();
  raise();
  activateWindow();
}

std::optional<int64_t> TBuykoushou::askOffer(std::string_view title, int64_t landPrice,
                                             Money cash) {
  Tbuymoney dialog(qs(title), landPrice, cash, this);
  return dialog.askOffer();
}

void TBuykoushou::ownerSays(int face, std::string_view text) {
  showOwner(face);
  type(kyakubox_, text);
}

void TBuykoushou::presidentSays(int face, std::string_view text) {
  showPresident(face);
  type(mybox_, text);
}

void TBuykoushou::type(TypingBox* box, std::string_view text) {
  box->setText(qs(text));
  QEventLoop loop;
  connect(box, &TypingBox::flowEnded, &loop, &QEventLoop::quit);
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  box->start();
  // A line with nothing to type ends within start().
  if (box->isTyping() && isVisible()) loop.exec();
}

void TBuykoushou::pause(int milliseconds) {
  const int ms = milliseconds * pauseScale_ / 100;
  if (ms <= 0 || !isVisible()) return;
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void TBuykoushou::end(bool) {
  talking_ = false;
  close_->setEnabled(true);
  close_->setDefault(true);
  close_->setFocus();
  if (isVisible()) {
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
  }
  hide();
  kyakubox_->reset();
  mybox_->reset();
}

void TBuykoushou::reject() {
  if (talking_) {
    kyakubox_->finish();
    mybox_->finish();
    return;
  }
  QDialog::reject();
}

void TBuykoushou::keyPressEvent(QKeyEvent* event) {
  // Enter hurries the line being typed; once the talk is over it closes the screen.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (talking_) {
      kyakubox_->finish();
      mybox_->finish();
    } else {
      done(QDialog::Accepted);
    }
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace gm
