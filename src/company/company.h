// The player's company (`tkaichou`): the president, the cash, the fifty store slots, the
// warehouse of a thousand machine records, the monthly block marks and the history.
#pragma once

#include <array>
#include <cstdint>

#include "base/fixed_string.h"
#include "base/money.h"
#include "store/history.h"
#include "store/machine.h"
#include "store/store.h"
#include "world/block.h"

namespace gm {

class tworld;

inline constexpr int kStoreSlots = 50;
inline constexpr int kWarehouseRecords = 1000;

using BlockMarks = std::array<std::array<uint8_t, kMapSize>, kMapSize>;  // [row][column]

class tkaichou {
 public:
  explicit tkaichou(tworld& world);
  tkaichou(const tkaichou&) = delete;
  tkaichou& operator=(const tkaichou&) = delete;

  tworld& world() const { return *world_; }

  // Fields, in declaration order.
  Name ownername;
  Name kaishaname;
  uint8_t sihon = 0;
  Money sikin;
  int32_t karisuma = 1;
  int32_t chisei = 1;
  int32_t tousotu = 1;
  int32_t kantei = 1;
  bool jinjizumi = false;
  bool datuzei = false;
  Money datuzeiruikei;
  uint8_t souko = 0;
  int32_t eigyoujikan = 0;
  int32_t eigyounissuu = 0;
  Money zeibikirieki;
  Money shotokuzei;
  Money pachinkozei;
  Money datuzeigaku;
  BlockMarks baishuuzumi{};
  BlockMarks baikyakuzumi{};
  BlockMarks koujizumi{};
  std::array<Tddai, kWarehouseRecords> dai{};  // records 1..1000 at indices 0..999
  std::array<Ttempo, kStoreSlots> tempo{};     // slots 1..50 at indices 0..49
  Tbackup backup;

  // Every change of cash goes through here; it tells the port so that the caption follows.
  void SetSikin(Money amount);
  // Pays when cash is strictly greater than the amount.
  bool Shiharai(int64_t amount);
  bool Shiharai(Money amount);

  // Quality setters: clamp to 1..100.
  void SetKarisuma(int64_t v);
  void SetChisei(int64_t v);
  void SetTousotu(int64_t v);
  void SetKantei(int64_t v);

  // Slot n (1..50) and warehouse record n (1..1000).
  Ttempo& slot(int n) { return tempo[n - 1]; }
  const Ttempo& slot(int n) const { return tempo[n - 1]; }

 private:
  tworld* world_;
};

}  // namespace gm
