// The rival-store window ("他店舗ﾃﾞｰﾀ", `Tentempoform`): whose store it is, how it stands (state,
// size, block, age, its five ratings, exchange rates), how it did last month and in all, and its
// customers. Rival records move when one is cleared, so the window follows its store by owner and
// block.
#pragma once

#include <QWidget>
#include <array>

#include "shell/sub_windows.h"

class QLabel;

namespace gm {

class Tenkaichou;
struct TEntempo;

struct RivalStoreIdentity {
  int owner = 0;
  int row = 0;
  int column = 0;
};
RivalStoreIdentity identityOf(const TEntempo& store);
// The record 1..50 in use that matches, 0 when the store is gone.
int findRivalStore(const Tenkaichou& rivals, const RivalStoreIdentity& id);

class RivalStorePage : public QWidget {
  Q_OBJECT

 public:
  enum Field {
    kOwner,
    kState,
    kSize,
    kBlock,
    kAge,
    kRefinement,
    kFame,
    kSatisfaction,
    kMorale,
    kSkill,
    kPachinkoRate,
    kSlotRate,
    kLastResult,
    kTotalResult,
    kLosses,
    kCustomers,
    kFieldCount
  };

  explicit RivalStorePage(QWidget* parent = nullptr);

  void showStore(const tworld& world, const TEntempo& store);
  void clear();
  QString text(Field f) const;

 private:
  std::array<QLabel*, kFieldCount> values_{};
};

class RivalStoreWindow : public Tentempoform {
  Q_OBJECT

 public:
  explicit RivalStoreWindow(TMain& main);

  void showRivalStore(int record) override;
  void refresh() override;
  bool objectStillExists() const override;
  void worldReplaced() override;

  // The record 1..50 shown, 0 when the store is gone.
  int shownRecord() const;
  RivalStorePage* page() const { return page_; }

 private:
  RivalStoreIdentity shown_;
  bool hasStore_ = false;
  RivalStorePage* page_;
};

}  // namespace gm
