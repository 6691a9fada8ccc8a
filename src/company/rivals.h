// The rival companies (`Tenkaichou`): five cash balances, who is in the city, and the fifty rival
// store records (`TEntempo`) that all rivals share.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/money.h"
#include "base/rating.h"
#include "world/block.h"

namespace gm {

class tworld;

inline constexpr int kRivalCount = 5;
inline constexpr int kRivalStoreSlots = 50;

// Rival store states.
enum RivalStoreState : uint8_t {
  kRivalNone = 0,
  kRivalOpen = 1,
  kRivalBuilding = 2,
  kRivalSuspended = 3
};

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

  // The five ratings only change through these; each clamps to 0..100.
  void SetSenren(int64_t v) { senren = clamp100(v); }
  void SetChimei(int64_t v) { chimei = clamp100(v); }
  void SetManzoku(int64_t v) { manzoku = clamp100(v); }
  void SetMoral(int64_t v) { moral = clamp100(v); }
  void SetSkill(int64_t v) { skill = clamp100(v); }

  bool isOpen() const { return used && joutai == kRivalOpen; }
  // Months since the last construction order.
  int age(int month) const { return month - shuttenMonth; }
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

  // Makes rival i current when it has cash, is in the city and rivals play in this game.
  bool Sentaku(int i);
  // The current rival's cash.
  Money& cash() { return shikin[genzai]; }

  // The rivals' monthly turn: entries, the walk over the blocks, the stores' drift and their
  // pull on the fans around them.
  void Katsudou(BlockGrid& blocks, int month, int slotLimit, int pachinkoLimit, uint16_t flags,
                std::string_view cityName, int columns, int rows);
  void Katsudou();  // with the world's blocks, month, limits, laws, name and extents
  // The rivals' incidents of the month.
  void Jiken(BlockGrid& blocks, int month);
  void Jiken();
  // The rivals' closing: each record's result, the rivals' profits, store closings and exits.
  void Kessan(BlockGrid& blocks, int month, std::string_view cityName, int averageLandPrice,
              uint16_t flags, int columns, int rows, int taxRate);
  // Ends constructions and suspensions due in month m; returns how many stores opened.
  int Kansei(int month);
  // True when no rival has any cash left.
  bool Zenmetsu() const;
  // Number 1..50 of the rival store in use on the block; 1 when there is none.
  int TenpoAt(int row, int column) const;

  // Hands record k its customers of the month; a store serves at most (size + 1) x 100
  // customers an opening hour.
  void SetKyaku(int k, int64_t customers, int businessHours);
  // How far record k's customers come from (rows and columns).
  int ReachRadius(int k, const BlockGrid& blocks, int columns, int rows) const;

  // Sets record k up for rival R's construction of a store of size 0..4 in month m: a free
  // record becomes a new store with fresh ratings, a record in use is rebuilt and keeps them.
  void SetUpStore(int k, int rival, int month, int size, int row, int column, int slotLimit,
                  int pachinkoLimit);

  // Number of rivals in the city.
  int CountInCity() const;
  // Clears record k and moves the records in use ahead of the free ones, keeping their order.
  void ClearTenpo(int k);

 private:
  void EntryAttempt(int i, int month, std::string_view cityName, int columns, int rows);
  void Drift(TEntempo& rec, int slotLimit, int pachinkoLimit);
  void Influence(const TEntempo& rec, BlockGrid& blocks, int month, uint16_t flags, int columns,
                 int rows);
  void MonthlyResult(TEntempo& rec, int month, uint16_t flags);
  void CloseStores(BlockGrid& blocks, int month, int columns, int rows);
  void Exits(BlockGrid& blocks, int month, std::string_view cityName, int columns, int rows);
  void CompactRecords();

  tworld* world_;
};

}  // namespace gm
