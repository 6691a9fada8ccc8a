// The block window (`Tchipform`, "区画データ"): the figures of the selected block (kind, owner,
// population, density, fans, land price, security, citizens' feeling, development level) and
// the land orders "買収" and "売却" and the construction order "工事", which run the core's
// orders.
#pragma once

#include <QString>

#include "shell/sub_windows.h"

class QLabel;
class QPushButton;

namespace gm {

class tworld;

// The texts the window shows for a block.
struct BlockFacts {
  QString kindName;
  QString owner;
  QString population;
  QString density;
  QString fanRate;
  QString fans;
  QString landPrice;
  QString security;
  QString unrest;
  QString development;
};
BlockFacts blockFacts(const tworld& world, int column, int row);

class BlockWindow : public Tchipform {
  Q_OBJECT

 public:
  explicit BlockWindow(TMain& main);

  void refresh() override;

  QPushButton* buyButton() const { return buy_; }
  QPushButton* sellButton() const { return sell_; }
  QPushButton* constructionButton() const { return construct_; }
  // The label showing one of the figures, by the field name of BlockFacts ("kindName", ...).
  QLabel* figure(const QString& field) const;

 private:
  void buy();
  void sell();
  void construct();

  QLabel* picture_;
  QPushButton* buy_;
  QPushButton* sell_;
  QPushButton* construct_;
};

}  // namespace gm
