// The stores an order or a screen works on: one store, or the stores selected in a list. Bit
// n - 1 stands for slot n, so a selection walks its stores in slot order.
#pragma once

#include <bitset>
#include <cstddef>

#include "company/company.h"

namespace gm {

using StoreSelection = std::bitset<kStoreSlots>;

inline StoreSelection selectSlot(int slot) {
  StoreSelection s;
  if (slot >= 1 && slot <= kStoreSlots) s.set(static_cast<std::size_t>(slot - 1));
  return s;
}

// The selected slots 1..50 in slot order, for a range-for.
class SelectedSlots {
 public:
  explicit SelectedSlots(const StoreSelection& s) : s_(s) {}
  class Iterator {
   public:
    Iterator(const StoreSelection& s, int slot) : s_(&s), slot_(slot) { skip(); }
    int operator*() const { return slot_; }
    Iterator& operator++() {
      ++slot_;
      skip();
      return *this;
    }
    bool operator!=(const Iterator& o) const { return slot_ != o.slot_; }

   private:
    void skip() {
      while (slot_ <= kStoreSlots && !s_->test(static_cast<std::size_t>(slot_ - 1))) ++slot_;
    }
    const StoreSelection* s_;
    int slot_;
  };
  Iterator begin() const { return Iterator(s_, 1); }
  Iterator end() const { return Iterator(s_, kStoreSlots + 1); }

 private:
  const StoreSelection& s_;
};
inline SelectedSlots slotsOf(const StoreSelection& s) { return SelectedSlots(s); }

// The first selected slot, 0 for none.
inline int firstSlot(const StoreSelection& s) {
  for (int slot : slotsOf(s)) return slot;
  return 0;
}

// Every selected slot holds a store (the orders refuse a selection that does not).
inline bool allInUse(const tkaichou& company, const StoreSelection& s) {
  for (int slot : slotsOf(s))
    if (!company.slot(slot).used) return false;
  return true;
}

}  // namespace gm
