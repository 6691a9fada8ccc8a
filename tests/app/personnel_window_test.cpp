// The personnel windows on the offscreen platform: hiring, assigning and confirming through the
// real dialogs from the main menu, the guard, the new graduates' entry with the refusal to leave
// recruits behind, and the store window's personnel cost dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <array>

#include "company/hiring.h"
#include "shell/main_window.h"
#include "shell/qt_frontend.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "ui/graduates_window.h"
#include "ui/hiring_window.h"
#include "ui/personnel_cost_window.h"
#include "ui/personnel_window.h"
#include "ui/store_window.h"

namespace gm {
namespace {

class PersonnelWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    makers.idouform = [](TMain& m) { return new PersonnelWindow(m); };
    main->createSubWindows(makers);
    main->options().waittime = 0;
    main->replaceWorld(test::smallWorld(6, 6));
    // The core's messages and questions go to the scripted port; the windows stay real.
    port.opts.tellmsg = false;
    world().setFrontend(&port);
    world().kaichou.SetSikin(Money::fromInt(100000));
    main->setGameMenusEnabled(true);
  }
  void TearDown() override {
    world().setFrontend(nullptr);
    main.reset();
  }

  tworld& world() const { return main->world(); }
  Ttempo& openStore(int slot, int men = 0) {
    Ttempo& s = world().kaichou.slot(slot);
    s.init();
    s.used = true;
    s.name = "店" + std::to_string(slot);
    s.blockX = slot;
    s.joutai = kOpen;
    s.setDansei(men);
    s.setMoral(Money::fromInt(40));
    return s;
  }
  PersonnelWindow& personnel() const {
    return *static_cast<PersonnelWindow*>(main->subWindows().idouform);
  }

  std::unique_ptr<TMain> main;
  test::ScriptedFrontend port;
};

TEST_F(PersonnelWindows, HiresAssignsAndConfirmsThroughTheDialogs) {
  openStore(1);
  openStore(2, 6);
  int64_t cost = 0;
  QString shownCost, pooled, shortage;
  bool stillOpenAfterCancel = false;
  test::whenModal([&](QWidget* modal) {
    ASSERT_EQ(modal, &personnel());
    shortage = personnel().storeList()->topLevelItem(0)->text(PersonnelWindow::kColShortage);
    test::whenModal([&](QWidget* hiring) {
      auto* form = qobject_cast<Tkoyouform*>(hiring);
      ASSERT_NE(form, nullptr);
      form->countEdit()->setValue(20);
      form->sexButton(HireSex::Women)->click();
      cost = HiringCost(world(), 20, HireSex::Women);
      shownCost = form->costLabel()->text();
      form->okButton()->click();
    });
    personnel().button(PersonnelWindow::kHire)->click();
    pooled = personnel().poolLabel(PersonnelWindow::kPoolWomen)->text();

    personnel().button(PersonnelWindow::kCancel)->click();
    stillOpenAfterCancel = personnel().isVisible();

    personnel().select(selectSlot(1));
    personnel().button(PersonnelWindow::kAssignAll)->click();
    personnel().button(PersonnelWindow::kConfirm)->click();
  });
  main->menuItem(QStringLiteral("jinjimenu"))->trigger();

  EXPECT_EQ(shortage, QStringLiteral("-1")) << "an empty store still needs one person";
  EXPECT_EQ(shownCost, QString::fromStdString(formatGrouped(cost)));
  EXPECT_EQ(pooled, QStringLiteral("20人"));
  EXPECT_TRUE(stillOpenAfterCancel) << "hired people cannot be left behind";
  const tkaichou& k = world().kaichou;
  EXPECT_EQ(k.slot(1).zyosei, 20);
  EXPECT_EQ(k.slot(2).dansei, 6) << "not selected";
  EXPECT_EQ(k.sikin, Money::fromInt(100000 - cost));
  EXPECT_TRUE(k.jinjizumi);
  EXPECT_TRUE(k.koyouzumi);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"人事"}));  // the refused cancel

  port.messages.clear();
  main->menuItem(QStringLiteral("jinjimenu"))->trigger();
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text, "今月はすでに人事を行っております。来月までお待ちください。");
  EXPECT_FALSE(personnel().isVisible());
}

// The player sorts the list by a column; the moves serve the stores from the top of the list.
TEST_F(PersonnelWindows, TheMovesServeTheStoresInTheOrderTheListShows) {
  openStore(1);
  openStore(2);
  openStore(3, 15);
  std::array<int, 4> men{};
  test::whenModal([&](QWidget*) {
    QTreeWidget* list = personnel().storeList();
    list->sortByColumn(PersonnelWindow::kColName, Qt::DescendingOrder);  // 店3, 店2, 店1
    personnel().select(selectSlot(3));
    personnel().button(PersonnelWindow::kOutAll)->click();
    personnel().button(PersonnelWindow::kSelectAll)->click();
    personnel().button(PersonnelWindow::kAssign10)->click();
    for (int n = 1; n <= 3; ++n) men[n] = personnel().session().store(n).dansei;
    personnel().button(PersonnelWindow::kCancel)->click();  // nobody came or went: it may go
  });
  main->menuItem(QStringLiteral("jinjimenu"))->trigger();
  EXPECT_EQ(men[3], 10) << "first in the list";
  EXPECT_EQ(men[2], 0) << "five left cannot make ten: the walk stops";
  EXPECT_EQ(men[1], 0) << "first by slot, but last in the list";
  EXPECT_EQ(world().kaichou.slot(3).dansei, 15) << "cancelled: nothing written";
}

TEST_F(PersonnelWindows, WithoutAStoreTheScreenStaysShut) {
  main->menuItem(QStringLiteral("jinjimenu"))->trigger();
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "人事");
  EXPECT_EQ(port.messages[0].text, "店舗が一軒もありません。");
}

TEST_F(PersonnelWindows, CancellingLeavesTheStoresAsTheyWere) {
  openStore(1, 8);
  test::whenModal([&](QWidget*) {
    personnel().select(selectSlot(1));
    personnel().choiceButton(StaffChoice::Men)->click();
    personnel().button(PersonnelWindow::kOut10)->click();  // eight cannot give ten
    personnel().button(PersonnelWindow::kOut1)->click();
    personnel().button(PersonnelWindow::kCancel)->click();
  });
  main->menuItem(QStringLiteral("jinjimenu"))->trigger();
  EXPECT_FALSE(personnel().isVisible());
  EXPECT_EQ(world().kaichou.slot(1).dansei, 8);
  EXPECT_FALSE(world().kaichou.jinjizumi);
}

TEST_F(PersonnelWindows, GraduatesArriveInThePoolEvenAfterThisMonthsPersonnel) {
  openStore(1);
  world().kaichou.jinjizumi = true;  // the guard does not stand before the graduates
  world().ui().offerGraduates(GraduateOffer{3, 2, 80, 12});
  EXPECT_EQ(port.events.back(), "graduates:3,2") << "the test's port only records the offer";

  // Through the program's own port the offer reaches the entry window.
  QString poolMen, poolMoral;
  test::whenModal([&](QWidget* modal) {
    auto* entry = qobject_cast<Tsaiyouform*>(modal);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->menEdit()->value(), 3) << "everybody who applied, to begin with";
    entry->menEdit()->setValue(2);
    test::whenModal([&](QWidget* screen) {
      ASSERT_EQ(screen, &personnel());
      poolMen = personnel().poolLabel(PersonnelWindow::kPoolMen)->text();
      poolMoral = personnel().poolLabel(PersonnelWindow::kPoolMoral)->text();
      personnel().select(selectSlot(1));
      personnel().button(PersonnelWindow::kAssign1)->click();
      personnel().button(PersonnelWindow::kAssignAll)->click();
      personnel().button(PersonnelWindow::kConfirm)->click();
    });
    entry->okButton()->click();
  });
  main->frontend().offerGraduates(GraduateOffer{3, 2, 80, 12});
  EXPECT_EQ(poolMen, QStringLiteral("2人"));
  EXPECT_EQ(poolMoral, QStringLiteral("80"));
  EXPECT_EQ(world().kaichou.slot(1).staffTotal(), 4);
  EXPECT_EQ(world().kaichou.slot(1).moral, Money::fromInt(80));
}

TEST_F(PersonnelWindows, TheStoreWindowSetsThePersonnelSpending) {
  openStore(1, 10);
  auto& store = *static_cast<StoreWindow*>(main->subWindows().tempoform);
  store.showStore(1);
  QPushButton* button = store.statusPage()->personnelCostButton();
  EXPECT_EQ(button->text(), QStringLiteral("人件費調整(&N)"));
  QString start, total;
  test::whenModal([&](QWidget* modal) {
    auto* form = qobject_cast<Tjinkenchousei*>(modal);
    ASSERT_NE(form, nullptr);
    start = QString::number(form->salaryEdit()->value());
    form->salaryEdit()->setValue(100);
    form->welfareEdit()->setValue(30);
    total = form->totalLabel()->text();
    form->okButton()->click();
  });
  button->click();
  EXPECT_EQ(start, QStringLiteral("150"));
  EXPECT_EQ(total, QStringLiteral("1,500")) << "10 people x (120 + 0 + 30)";
  EXPECT_EQ(world().kaichou.slot(1).kyuyo, 120) << "raised to the floor";
  EXPECT_EQ(world().kaichou.slot(1).fukuri, 30);
}

}  // namespace
}  // namespace gm
