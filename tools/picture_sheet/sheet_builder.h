// Lays out every picture of assets/pictures on one contact sheet: block
// pictures at map sizes (plain and dimmed), a small sample map to judge how
// cells join, and the other pictures at the size the game shows them.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace picture_sheet {

struct sheet_result {
  QImage image;
  QStringList findings;  // problems found while rendering, one line each
};

sheet_result build_sheet(const QString& pictures_dir);

}  // namespace picture_sheet
