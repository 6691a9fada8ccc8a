// The personnel screen's orders (人事) as core operations: the screen holds a working copy of
// every store and a surplus pool (余剰ｽﾀｯﾌ) of people hired or taken out of stores, moves staff
// between the selected stores and the pool, dismisses the pool, and on confirmation writes the
// copies back into the company. Hiring and the new graduates' entry fill the pool (hiring.h).
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "base/refusal.h"
#include "company/company.h"
#include "company/store_selection.h"
#include "store/store.h"

namespace gm {

class tworld;

// Whom a transfer moves (異動対象).
enum class StaffChoice : uint8_t { Both, Men, Women };  // "両方", "男性", "女性"

// A transfer's size: 1, 10, 100 or everybody.
inline constexpr int kMoveAll = -1;

// The severance (thousands of yen) of letting go the staff of `people` (the surplus pool, or
// part of a store's staff), with the president's intelligence `chisei`.
int64_t Severance(const Ttempo& people, int chisei);

// The guard of every way into the personnel screen; no side effect.
Check CheckPersonnelScreen(const tkaichou& company);

class PersonnelSession {
 public:
  explicit PersonnelSession(tworld& world);

  tworld& world() const { return *world_; }

  // A fresh screen: copies of the company's stores as they stand, and an empty pool.
  void begin();

  // The working copy of slot 1..50 and whether the slot holds a store.
  Ttempo& store(int slot) { return stores_[slot - 1]; }
  const Ttempo& store(int slot) const { return stores_[slot - 1]; }
  bool inUse(int slot) const { return stores_[slot - 1].used; }
  Ttempo& pool() { return pool_; }
  const Ttempo& pool() const { return pool_; }

  // The moves below serve the selected stores in the order the screen's list shows them.
  // 配属: the selected stores take `amount` (1, 10, 100 or kMoveAll) of the chosen staff from
  // the pool. Returns how many people moved; a refused amount moves nobody.
  static Check CheckAmount(int amount);
  int assign(const StoreOrder& stores, StaffChoice who, int amount);
  // 転属: the selected stores give `amount` of the chosen staff to the pool.
  int transferOut(const StoreOrder& stores, StaffChoice who, int amount);
  // 任せる: the understaffed selected stores are filled from the pool, and on the player's word
  // from the selected stores that have people to spare; a shortage left over is reported.
  void leaveItToMe(const StoreOrder& stores);

  // 解雇 of the whole pool: the severance in thousands of yen, and the order itself (asks, pays,
  // empties the pool). False when nothing was done.
  int64_t severance() const;
  bool dismiss();

  // 決定: refused while the pool holds anybody. On the player's word, open stores left without
  // staff wait, every copy goes back into the company and the month's transfer mark is set.
  Check CheckConfirm() const;
  bool confirm();

  // Leaving without confirming throws the copies away; once people were hired, taken in or
  // dismissed this cannot be done, since they (or their pay) would be lost.
  Check CheckLeave() const;

  // New people in the pool, with their morale and skill (hiring and the graduates' entry).
  void addRecruits(int64_t men, int64_t women, Money moral, Money skill);
  // Marks that money was spent (a dismissal) or people came in; the session can then only be
  // confirmed.
  bool committed() const { return committed_; }

 private:
  int takeFromPool(Ttempo& s, int sex, int amount);
  void fillFromPool(const StoreOrder& stores);
  int shortageOf(const StoreOrder& stores) const;

  tworld* world_;
  std::array<Ttempo, kStoreSlots> stores_{};
  Ttempo pool_;
  bool committed_ = false;
};

}  // namespace gm
