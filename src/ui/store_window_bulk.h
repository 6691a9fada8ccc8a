// The store window's bulk page ("一括設定"): the commands "利益率(&R)", "営業形態(&E)",
// "ﾓｰﾆﾝｸﾞ(&M)" and "新台初期設定(&Y)", each offered when the store has islands it can change,
// above the grids of the islands' average results and of the machines installed by type.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace gm {

class StoreMachineGrids;
class Ttempo;
class tworld;

class StoreBulkPage : public QWidget {
  Q_OBJECT

 public:
  enum Command { kProfitRates, kBusinessForms, kMorning, kNewDefaults, kCommandCount };

  explicit StoreBulkPage(QWidget* parent = nullptr);

  void showStore(const tworld& world, const Ttempo& store);
  void clear();
  QPushButton* button(Command c) const { return buttons_[c]; }
  StoreMachineGrids* machineGrids() const { return grids_; }

 signals:
  void commandChosen(int command);

 private:
  QPushButton* buttons_[kCommandCount];
  QLabel* summary_;
  StoreMachineGrids* grids_;
};

}  // namespace gm
