// The store window's status page ("ｽﾃｰﾀｽ"): what the store is and how it stands (state, size,
// block, age, ratings, staff with their morale and skill, exchange rates, machines, the makers it
// is a model store for, last month's figures and its asset value), with the page's commands. The
// window follows its store by name and block, because the company's slots move when a store is
// lost.
#pragma once

#include <QWidget>
#include <array>

#include "base/fixed_string.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace gm {

class Ttempo;
class tkaichou;
class tworld;

// What finds a store again after the slots have moved.
struct StoreIdentity {
  Name name;
  int x = 0;  // column
  int y = 0;  // row
};
StoreIdentity identityOf(const Ttempo& store);
// The slot 1..50 of the store in use that matches, 0 when the store is gone.
int findStore(const tkaichou& company, const StoreIdentity& id);

class StoreStatusPage : public QWidget {
  Q_OBJECT

 public:
  enum Field {
    kName,
    kState,
    kSize,
    kBlock,
    kOpened,
    kAge,
    kRefinement,
    kFame,
    kSatisfaction,
    kMen,
    kWomen,
    kMoral,
    kSkill,
    kStaffNeed,
    kPachinkoRate,
    kSlotRate,
    kManipulation,
    kPachinkoMachines,
    kSlotMachines,
    kAllMachines,
    kCustomers,
    kTakings,
    kGrossProfit,
    kNetProfit,
    kAttendance,
    kAssetValue,
    kAwards,
    kFieldCount
  };
  enum Command {
    kOpen,
    kClose,
    kConstruction,
    kExchangeRates,
    kManipulations,
    kJobStream,
    kCommandCount
  };

  explicit StoreStatusPage(QWidget* parent = nullptr);

  void showStore(const tworld& world, const Ttempo& store);
  void clear();

  QString text(Field f) const;
  QLabel* label(Field f) const { return values_[f]; }
  // The caption in front of the value.
  QLabel* caption(Field f) const { return captions_[f]; }
  QListWidget* modellist() const { return modellist_; }
  QPushButton* button(Command c) const { return buttons_[c]; }
  // "人件費調整(&N)": the store's salary, education and welfare.
  QPushButton* personnelCostButton() const { return personnelCost_; }

 signals:
  void commandChosen(int command);

 private:
  void set(Field f, const QString& text);

  std::array<QLabel*, kFieldCount> captions_{};
  std::array<QLabel*, kFieldCount> values_{};
  std::array<QPushButton*, kCommandCount> buttons_{};
  QListWidget* modellist_;
  QPushButton* personnelCost_;
};

}  // namespace gm
