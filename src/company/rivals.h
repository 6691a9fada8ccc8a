// The rival companies (`Tenkaichou`): five cash balances, who is in the city, and the fifty rival
// store records (`TEntempo`) that all rivals share.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/money.h"

namespace gm {

class tworld;

inline constexpr int kRivalCount = 5;
inline constexpr int kRivalStoreSlots = 50;

// Rival store states.
enum RivalStoreState : uint8_t { kRivalNone = 0, kRivalOpen = 1, kRivalBuilding = 2, kRivalSuspended = 3 };

struct TEntempo {
  uint8_t owner = 0;
  bool used = false;
  uint8_t joutai = kRivalNone;
  int32_t shuttenMonth = 0;
  int32_t kanseiMonth = 0;
  int32_t teishiMonth = 0;
  int32_t blockRow = 0;
  int32_t blockColumn = 0;
  int32_t senren = 0;
  int32_t chimei = 0;
  int32_t manzoku = 0;
  uint8_t kibo = 0;
  uint8_t pkankin = 0;
  uint8_t skankin = 0;
  Money zengetsu;
  Money akaji;
  Money ruikei;
  int32_t kyaku = 0;
  int32_t moral = 0;
  int32_t skill = 0;
};

// The name of rival i (0..4).
std::string_view rivalName(int rival);

class Tenkaichou {
 public:
  explicit Tenkaichou(tworld& world);
  Tenkaichou(const Tenkaichou&) = delete;
  Tenkaichou& operator=(const Tenkaichou&) = delete;

  tworld& world() const { return *world_; }

  // Fields, in declaration order.
  uint8_t genzai = 0;
  std::array<bool, kRivalCount> sanka{};
  std::array<int32_t, kRivalCount> sankaMonth{};
  bool rivalNashi = false;
  std::array<Money, kRivalCount> shikin{};
  std::array<TEntempo, kRivalStoreSlots> tenpo{};  // records 1..50 at indices 0..49

  TEntempo& Tenpo(int k) { return tenpo[k - 1]; }
  const TEntempo& Tenpo(int k) const { return tenpo[k - 1]; }

 private:
  tworld* world_;
};

}  // namespace gm
