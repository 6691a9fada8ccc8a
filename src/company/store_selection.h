// The stores an order or a screen works on: one store, or the stores selected in a list. Bit
// n - 1 stands for slot n, so a selection walks its stores in slot order.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

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

// The selected stores in the order the player sees them in a list he may have sorted by any
// column: the personnel orders serve their stores "in list order". Each slot appears once.
class StoreOrder {
 public:
  StoreOrder() = default;
  // A selection without a list to follow: slot order.
  explicit StoreOrder(const StoreSelection& s) {
    for (int slot : slotsOf(s)) add(slot);
  }
  // Appends slot 1..50 unless it is out of range or already listed.
  void add(int slot) {
    if (slot < 1 || slot > kStoreSlots || listed_.test(static_cast<std::size_t>(slot - 1))) return;
    listed_.set(static_cast<std::size_t>(slot - 1));
    slots_[static_cast<std::size_t>(size_++)] = static_cast<uint8_t>(slot);
  }
  int size() const { return size_; }
  const uint8_t* begin() const { return slots_.data(); }
  const uint8_t* end() const { return slots_.data() + size_; }

 private:
  std::array<uint8_t, kStoreSlots> slots_{};
  StoreSelection listed_;
  int size_ = 0;
};

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
