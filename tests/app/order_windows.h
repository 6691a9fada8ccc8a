// A main window with the store orders' windows installed (block, store, machine and company
// windows), on a small world whose port is the scripted one, with helpers that put stores and
// islands in place.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "ui/block_window.h"
#include "ui/company_window.h"
#include "ui/machine_window.h"
#include "ui/store_window.h"
#include "world/world.h"

namespace gm::test {

class OrderWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.chipform = [](TMain& m) { return new BlockWindow(m); };
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    makers.ddaidata = [](TMain& m) { return new MachineWindow(m); };
    makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
    main->createSubWindows(makers);
    auto w = smallWorld(5, 5, 1);
    w->cityName = "銀玉市";
    w->kaichou.kaishaname = "銀玉商事";
    w->kaichou.sikin = Money::fromInt(1000000);
    w->kaichou.karisuma = 45;
    w->kaichou.chisei = 65;
    w->kaichou.tousotu = 55;
    w->block(2, 2).kind = 2;
    w->rng().setSeed(5);
    main->replaceWorld(std::move(w));
    world().setFrontend(&port);
    port.opts.tellmsg = false;
  }
  void TearDown() override {
    world().setFrontend(nullptr);
    main.reset();
  }

  tworld& world() const { return main->world(); }
  StoreWindow& storeWindow() const {
    return *static_cast<StoreWindow*>(main->subWindows().tempoform);
  }
  MachineWindow& machineWindow() const {
    return *static_cast<MachineWindow*>(main->subWindows().ddaidata);
  }
  CompanyWindow& companyWindow() const {
    return *static_cast<CompanyWindow*>(main->subWindows().kaishaform);
  }
  BlockWindow& blockWindow() const {
    return *static_cast<BlockWindow*>(main->subWindows().chipform);
  }

  Ttempo& addStore(int n, int row, int column, int kibo, int state, const char* name) {
    Ttempo& s = world().kaichou.slot(n);
    s.init();
    s.used = true;
    s.name = name;
    s.kibo = static_cast<uint8_t>(kibo);
    s.blockY = row;
    s.blockX = column;
    s.joutai = static_cast<uint8_t>(state);
    s.shuttenMonth = world().month;
    world().block(row, column).kind = 19;
    return s;
  }
  static Tddai island(int type, const char* name = "銀河", int maker = 0) {
    tdai model;
    model.name = name;
    model.kishu = static_cast<uint8_t>(type);
    model.maker = static_cast<uint8_t>(maker);
    model.releaseMonth = 1;
    model.shukka = 10000;
    Tddai d;
    d.fillRecord(1, 120000, model);
    return d;
  }

  ScriptedFrontend port;
  std::unique_ptr<TMain> main;
};

}  // namespace gm::test
