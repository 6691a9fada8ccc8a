// The version window ("ﾊﾞｰｼﾞｮﾝ情報"): the program's name, version and credits.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>

namespace gm {

class VersionWindow : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(VersionWindow)

 public:
  VersionWindow(const QImage& icon, QWidget* parent = nullptr);
  // "Version 1.0.0" with the build's version number.
  static QString versionText();
};

}  // namespace gm
