// A small world for the personnel orders' tests: a 6 x 6 city of housing with a given unrest,
// the scripted port, and stores made to measure.
#pragma once

#include <memory>
#include <string>

#include "company/personnel_orders.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm::test {

class PersonnelWorld {
 public:
  explicit PersonnelWorld(int unrest = 45) : world(std::make_unique<tworld>()), session(*world) {
    world->setFrontend(&port);
    world->mapHeight = 6;
    world->mapWidth = 6;
    world->month = 1;
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 6; ++c) {
        world->block(r, c).kind = 21;
        world->block(r, c).SetUnrest(unrest);
      }
    world->kaichou.SetSikin(Money::fromInt(100000));
  }

  // Store `slot` on block (slot, 0) with `islands` idle pachinko islands bought this month.
  Ttempo& store(int slot, int men, int women, int moral = 50, int skill = 50, int state = kOpen,
                int islands = 0) {
    Ttempo& s = world->kaichou.slot(slot);
    s.init();
    s.used = true;
    s.name = "店" + std::to_string(slot);
    s.blockX = slot;
    s.joutai = static_cast<uint8_t>(state);
    for (int i = 0; i < islands; ++i) {
      s.dai[0][i].used = true;
      s.dai[0][i].kounyuuMonth = world->month;
    }
    s.setDansei(men);
    s.setZyosei(women);
    s.setMoral(Money::fromInt(moral));
    s.setSkill(Money::fromInt(skill));
    return s;
  }

  std::unique_ptr<tworld> world;
  ScriptedFrontend port;
  PersonnelSession session;
};

inline StoreSelection slots(std::initializer_list<int> list) {
  StoreSelection s;
  for (int n : list) s |= selectSlot(n);
  return s;
}

// The selected stores as a list shows them, top first.
inline StoreOrder listed(std::initializer_list<int> list) {
  StoreOrder order;
  for (int n : list) order.add(n);
  return order;
}

}  // namespace gm::test
