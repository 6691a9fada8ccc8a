// The version window.
#include "shell/version_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef GM_VERSION
#define GM_VERSION "0.0.0"
#endif

namespace gm {

QString VersionWindow::versionText() {
  return QStringLiteral("Version ") + QStringLiteral(GM_VERSION);
}

VersionWindow::VersionWindow(const QImage& icon, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("ﾊﾞｰｼﾞｮﾝ情報"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* picture = new QLabel;
  picture->setPixmap(QPixmap::fromImage(icon));
  auto* name = new QLabel(QStringLiteral("Gindamaya97"));
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(new QLabel(versionText()));
  texts->addWidget(new QLabel(tr("ぱちんこホール経営シミュレーション")));
  texts->addWidget(new QLabel(tr("企画・プログラム・絵・音楽  Gindamaya97 開発チーム")));
  auto* top = new QHBoxLayout;
  top->addWidget(picture, 0, Qt::AlignTop);
  top->addLayout(texts, 1);
  auto* ok = new QPushButton(tr("了解(&R)"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignRight);
  setModal(true);
}

}  // namespace gm
