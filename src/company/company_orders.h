// The company's own orders outside land dealing: rebuilding the head office's warehouse
// ("倉庫改築") one level bigger, and switching the special manoeuvre ("特殊工作") that lets the
// monthly closing keep part of the taxes back.
#pragma once

#include <cstdint>
#include <optional>

namespace gm {

class tkaichou;
class tworld;

// What the next rebuild would give and cost.
struct WarehouseRebuild {
  int level = 0;  // the new `souko`
  int capacity = 0;
  int64_t cost = 0;  // thousands of yen
};
// The next rebuild, or nothing while the order is not offered (`SoukoKaichikuKanou` false,
// always so at the last level). No side effect, so a screen can show or hide its button by it.
std::optional<WarehouseRebuild> NextWarehouseRebuild(const tkaichou& company);

enum class WarehouseRebuildOutcome : uint8_t {
  NotOffered,  // nothing happened
  Declined,    // the player said no
  NoMoney,     // "資金不足": nothing paid, nothing changed
  Rebuilt,
};

// `SoukoKaichiku`: asks whether to rebuild, pays and raises the warehouse one level.
WarehouseRebuildOutcome SoukoKaichiku(tworld& world);

// `TokushuKousaku`: asks whether to stop or to start the manoeuvre and switches `datuzei` on a
// yes. Returns whether the switch changed.
bool TokushuKousaku(tworld& world);

}  // namespace gm
