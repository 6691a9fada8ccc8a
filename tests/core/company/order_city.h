// A small city for the store-order tests: a 5 x 5 map of citizens' vacant land with the
// company's own land in the middle, a company of known qualities and cash, the scripted port,
// and helpers that put stores and islands in place without going through the orders.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../world/test_city.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm::test {

struct OrderCity : ::testing::Test {
  std::unique_ptr<tworld> w = makeWorld(5, 5);
  ScriptedFrontend port;
  tkaichou& company() { return w->kaichou; }

  void SetUp() override {
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 5; ++c) place(*w, r, c, 1);
    place(*w, 2, 2, 2);
    w->setFrontend(&port);
    w->cityName = "銀玉市";
    company().kaishaname = "銀玉商事";
    company().sikin = Money::fromInt(1000000);
    company().karisuma = 45;  // construction at 1.0, equipment at 1.05, opening at 1.03
    company().chisei = 65;
    company().tousotu = 55;
    port.opts.tellmsg = true;
  }
  void TearDown() override { w->setFrontend(nullptr); }

  // A store in slot n on the block, built and standing in the given state.
  Ttempo& addStore(int n, int row, int column, int kibo, int state = kWaiting,
                   const char* name = "銀玉会館") {
    Ttempo& s = company().slot(n);
    s.init();
    s.used = true;
    s.name = name;
    s.kibo = static_cast<uint8_t>(kibo);
    s.blockY = row;
    s.blockX = column;
    s.joutai = static_cast<uint8_t>(state);
    s.shuttenMonth = w->month;
    w->block(row, column).kind = 19;
    return s;
  }
  // An island of the given type on a floor, as a purchase of this month would leave it.
  static Tddai island(int type, int maker = 0, const char* name = "銀河") {
    Tddai d;
    tdai model;
    model.name = name;
    model.kishu = static_cast<uint8_t>(type);
    model.maker = static_cast<uint8_t>(maker);
    model.releaseMonth = 1;
    model.shukka = 10000;
    d.fillRecord(1, 120000, model);
    return d;
  }
  // Answers the next confirmation questions.
  void answer(std::initializer_list<bool> a) {
    for (bool b : a) port.answers.push_back(b);
  }
  const RecordedMessage& lastMessage() const { return port.messages.back(); }
};

}  // namespace gm::test
