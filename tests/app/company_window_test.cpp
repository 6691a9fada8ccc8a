// The company manager's status page: its figures and staff, the manoeuvre's mark following
// "変更(&K)" and the pop-up menu's "特殊工作(&K)"; and the warehouse page's rebuild button, shown
// only while it is offered.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "ui/company_window.h"
#include "ui/company_window_warehouse.h"
#include "world/world.h"

namespace gm {
namespace {

class CompanyWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
    main->createSubWindows(makers);
    auto w = test::smallWorld(2, 2, 1);
    tkaichou& k = w->kaichou;
    k.ownername = "山田";
    k.kaishaname = "銀玉興業";
    k.sihon = 2;
    k.sikin = Money::fromInt(500000);
    k.karisuma = 61;
    k.chisei = 72;
    k.tousotu = 23;
    k.kantei = 9;
    w->block(0, 1).kind = 2;
    w->block(0, 1).SetLandPrice(40000);
    main->replaceWorld(std::move(w));
    main->world().setFrontend(&port);
    window = static_cast<CompanyWindow*>(main->subWindows().kaishaform);
    page = window->statusPage();
  }
  void TearDown() override { main->world().setFrontend(nullptr); }
  tkaichou& company() { return main->world().kaichou; }
  QString shown(CompanyStatusPage::Field f) { return page->text(f); }

  test::ScriptedFrontend port;
  std::unique_ptr<TMain> main;
  CompanyWindow* window = nullptr;
  CompanyStatusPage* page = nullptr;
};

TEST_F(CompanyWindowTest, StatusPageShowsTheCompany) {
  using F = CompanyStatusPage;
  window->refresh();
  EXPECT_EQ(shown(F::kAssets), QStringLiteral("40,000")) << "the company's vacant land";
  Ttempo& s = company().slot(4);
  s.used = true;
  s.joutai = kUnderConstruction;
  window->refresh();
  EXPECT_EQ(shown(F::kOwner), QStringLiteral("山田"));
  EXPECT_EQ(shown(F::kCompany), QStringLiteral("銀玉興業"));
  EXPECT_EQ(shown(F::kCapital), QStringLiteral("5億円"));
  EXPECT_EQ(shown(F::kCash), QStringLiteral("500,000"));
  EXPECT_EQ(shown(F::kCharm), QStringLiteral("61"));
  EXPECT_EQ(shown(F::kAppraisal), QStringLiteral("9"));
  EXPECT_EQ(shown(F::kStoreLimit), QStringLiteral("15軒"));
  EXPECT_EQ(shown(F::kStoresInUse), QStringLiteral("1軒"));
  EXPECT_EQ(shown(F::kStoresBuilding), QStringLiteral("1軒"));
  EXPECT_EQ(shown(F::kStoresOpen), QStringLiteral("0軒"));
  EXPECT_EQ(shown(F::kWarehouse), QStringLiteral("500台収容"));
  EXPECT_EQ(shown(F::kWarehouseFree), QStringLiteral("500台"));
  EXPECT_EQ(shown(F::kManoeuvre), QString());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("ﾕﾆｵﾝﾏﾈｰｼﾞｬ"));
}

// The staff of all the stores against what they need: a store without islands still needs one.
TEST_F(CompanyWindowTest, StatusPageShowsTheStaffAgainstTheirNeed) {
  using F = CompanyStatusPage;
  for (int n : {1, 2}) {
    company().slot(n).used = true;
    company().slot(n).joutai = kOpen;
  }
  Ttempo& s = company().slot(1);
  s.setDansei(3);
  s.setZyosei(1);
  s.setMoral(Money::fromInt(40));
  s.setSkill(Money::fromInt(20));
  window->refresh();
  EXPECT_EQ(shown(F::kStaffMen), QStringLiteral("3人（75%）"));
  EXPECT_EQ(shown(F::kStaffWomen), QStringLiteral("1人（25%）"));
  EXPECT_EQ(shown(F::kStaffTotal), QStringLiteral("4人"));
  EXPECT_EQ(shown(F::kStaffNeed), QStringLiteral("2人"));
  EXPECT_EQ(shown(F::kStaffShortage), QStringLiteral("+2"));
  EXPECT_EQ(shown(F::kStaffMoral), QStringLiteral("40")) << "only the store that has staff";
  EXPECT_EQ(shown(F::kStaffSkill), QStringLiteral("20"));
  s.setDansei(1);
  window->refresh();
  EXPECT_EQ(shown(F::kStaffShortage), QStringLiteral("±0"));
  s.setDansei(0);
  window->refresh();
  EXPECT_EQ(shown(F::kStaffWomen), QStringLiteral("1人（100%）"));
  EXPECT_EQ(shown(F::kStaffShortage), QStringLiteral("-1"));
}

TEST_F(CompanyWindowTest, TheManoeuvreSwitchesFromTheButtonAndThePopUpMenu) {
  window->refresh();
  port.answers = {true};
  page->manoeuvreButton()->click();
  EXPECT_TRUE(company().datuzei);
  EXPECT_EQ(page->text(CompanyStatusPage::kManoeuvre), QStringLiteral("Ｘ Ｘ Ｘ Ｘ"));
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"特殊工作", "特殊工作"}));

  QAction* item = nullptr;
  for (QAction* a : window->popupMenu()->actions())
    if (a->text() == QStringLiteral("特殊工作(&K)")) item = a;
  ASSERT_NE(item, nullptr);
  port.answers = {false};
  item->trigger();
  EXPECT_TRUE(company().datuzei) << "a no leaves it running";
  EXPECT_EQ(port.messages.back().text, "アレをやめるのですね？");
  port.answers = {true};
  item->trigger();
  EXPECT_FALSE(company().datuzei);
  EXPECT_EQ(page->text(CompanyStatusPage::kManoeuvre), QString());
}

TEST_F(CompanyWindowTest, RebuildShowsOnlyWhileTheStoresOutgrowTheWarehouse) {
  // The rebuild stands on the warehouse page.
  QPushButton* rebuild = window->warehousePage()->rebuildButton();
  for (int n = 1; n <= 2; ++n) company().slot(n).used = true;
  window->refresh();
  EXPECT_TRUE(rebuild->isHidden());
  company().slot(3).used = true;
  window->refresh();
  EXPECT_FALSE(rebuild->isHidden());
  EXPECT_EQ(rebuild->text(), QStringLiteral("改築(&K)"));

  port.answers = {true};
  rebuild->click();
  EXPECT_EQ(company().souko, 1);
  EXPECT_EQ(company().sikin, Money::fromInt(450000));
  EXPECT_EQ(page->text(CompanyStatusPage::kWarehouse), QStringLiteral("2,000台収容"));
  EXPECT_EQ(page->text(CompanyStatusPage::kCash), QStringLiteral("450,000"));
  EXPECT_TRUE(rebuild->isHidden()) << "three stores do not call for 5,000";
}

}  // namespace
}  // namespace gm
