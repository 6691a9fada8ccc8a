// The stores an order or a dialog works on: one store, or the stores selected in the company's
// store list. Slot numbers 1..50 in list order, in a fixed table.
#pragma once

#include <array>
#include <cstdint>

#include "company/company.h"

namespace gm {

class StoreSelection {
 public:
  StoreSelection() = default;
  static StoreSelection one(int slot) {
    StoreSelection s;
    s.add(slot);
    return s;
  }

  // Adds a slot once; slots outside 1..50 are ignored.
  void add(int slot) {
    if (slot < 1 || slot > kStoreSlots || contains(slot)) return;
    slots_[count_++] = static_cast<uint8_t>(slot);
  }
  bool contains(int slot) const {
    for (int i = 0; i < count_; ++i)
      if (slots_[i] == slot) return true;
    return false;
  }
  int count() const { return count_; }
  bool empty() const { return count_ == 0; }
  int operator[](int i) const { return slots_[i]; }
  const uint8_t* begin() const { return slots_.data(); }
  const uint8_t* end() const { return slots_.data() + count_; }

  // Every slot in use on the company (the checks refuse a selection that is not).
  bool allInUse(const tkaichou& company) const {
    for (int slot : *this)
      if (!company.slot(slot).used) return false;
    return true;
  }

 private:
  std::array<uint8_t, kStoreSlots> slots_{};
  int count_ = 0;
};

}  // namespace gm
