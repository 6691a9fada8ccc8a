// The order buttons outside the pages of the store window and the company manager: their
// captions, that they give the main window's own orders, and the store window's walk to the next
// store.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "ui/store_window.h"

namespace gm {
namespace {

QStringList orderCaptions(const QWidget* window) {
  QStringList captions;
  for (const char* name : {"jinjibtn", "endbtn", "daibuybtn", "nextbtn", "listbtn"})
    if (auto* b = window->findChild<QPushButton*>(QLatin1String(name))) captions << b->text();
  return captions;
}

void click(const QWidget* window, const char* name) {
  auto* b = window->findChild<QPushButton*>(QLatin1String(name));
  ASSERT_NE(b, nullptr) << name;
  b->click();
}

class WindowOrders : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    main->createSubWindows(makers);
    main->options().tellmsg = false;
    main->replaceWorld(test::smallWorld(6, 6));
  }
  void TearDown() override { main.reset(); }

  // A store in `slot` standing on block (column, row).
  void openStore(int slot, int column, int row) {
    Ttempo& s = main->world().kaichou.slot(slot);
    s.used = true;
    s.name = "店" + std::to_string(slot);
    s.blockX = static_cast<uint8_t>(column);
    s.blockY = static_cast<uint8_t>(row);
    main->world().block(row, column).kind = 19;
  }
  StoreWindow& store() const { return *static_cast<StoreWindow*>(main->subWindows().tempoform); }
  Tkaishaform& manager() const { return *main->subWindows().kaishaform; }

  std::unique_ptr<TMain> main;
};

TEST_F(WindowOrders, BothWindowsCarryTheMainWindowsOrders) {
  EXPECT_EQ(orderCaptions(&store()),
            (QStringList{"人事(&S)", "命令終了(&X)", "新台購入(&B)", "次店(&Q)", "ﾘｽﾄ(&L)"}));
  EXPECT_EQ(orderCaptions(&manager()),
            (QStringList{"人事(&S)", "命令終了(&X)", "新台購入(&B)", "ﾘｽﾄ(&L)"}));

  int ends = 0;
  QObject::connect(main.get(), &TMain::endMonthRequested, [&] { ++ends; });
  int purchases = 0;
  main->setMachinePurchaseRunner([&](TMain&) { ++purchases; });

  // Without a game the orders are as unavailable as the menu's.
  click(&store(), "endbtn");
  EXPECT_EQ(ends, 0);

  main->setGameMenusEnabled(true);
  click(&store(), "endbtn");
  click(&manager(), "endbtn");
  EXPECT_EQ(ends, 2);
  click(&store(), "daibuybtn");
  click(&manager(), "daibuybtn");
  EXPECT_EQ(purchases, 2);

  // The list opens the store picker and the personnel order its window, as the menu does.
  openStore(1, 1, 1);
  QString picker;
  test::whenModal([&](QWidget* modal) {
    picker = modal->windowTitle();
    static_cast<QDialog*>(modal)->reject();
  });
  click(&manager(), "listbtn");
  EXPECT_EQ(picker, QStringLiteral("ﾘｽﾄ"));
  QWidget* personnel = nullptr;
  test::whenModal([&](QWidget* modal) {
    personnel = modal;
    static_cast<QDialog*>(modal)->reject();
  });
  click(&store(), "jinjibtn");
  EXPECT_EQ(personnel, main->subWindows().idouform);
}

TEST_F(WindowOrders, NextStoreWalksTheSlotsInUseAndWraps) {
  openStore(3, 1, 2);
  openStore(10, 4, 0);
  openStore(50, 5, 5);
  main->beginPlay();
  store().showStore(10);
  const Tchipform& block = *main->subWindows().chipform;

  click(&store(), "nextbtn");
  EXPECT_EQ(store().shownSlot(), 50);
  EXPECT_EQ(block.column(), 5);
  EXPECT_EQ(block.row(), 5);
  click(&store(), "nextbtn");
  EXPECT_EQ(store().shownSlot(), 3) << "from slot 50 on to slot 1";
  EXPECT_EQ(block.column(), 1);
  EXPECT_EQ(block.row(), 2);
  click(&store(), "nextbtn");
  EXPECT_EQ(store().shownSlot(), 10);
}

TEST_F(WindowOrders, NextStoreKeepsASingleStore) {
  openStore(7, 2, 3);
  main->beginPlay();
  store().showStore(7);
  main->centreOn(0, 0);
  click(&store(), "nextbtn");
  EXPECT_EQ(store().shownSlot(), 7);
  EXPECT_EQ(main->subWindows().chipform->column(), 0) << "the block shown stays";
}

}  // namespace
}  // namespace gm
