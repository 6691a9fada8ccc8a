// The block window's texts for a few hand-made blocks, its land orders through the port, and the
// sale window's returned price.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "ui/block_window.h"
#include "ui/sale_window.h"
#include "world/world.h"

namespace gm {
namespace {

// The caption a form layout put beside a field.
QString captionOf(QWidget* field) {
  for (QLabel* l : field->parentWidget()->findChildren<QLabel*>())
    if (l->buddy() == field) return l->text();
  return QString();
}

class BlockWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.chipform = [](TMain& m) { return new BlockWindow(m); };
    main->createSubWindows(makers);
    auto w = test::smallWorld(2, 3, 1);
    w->cityName = "銀玉市";
    w->kaichou.ownername = "山田";
    w->kaichou.sikin = Money::fromInt(500000);
    Tchip& housing = w->block(0, 1);
    housing.kind = 21;
    housing.population = 82;
    housing.fanRate = 15;
    housing.landPrice = 1234567;
    housing.security = 55;
    housing.unrest = 25;
    w->block(0, 2).kind = 2;
    w->block(1, 0).kind = 4;
    w->block(1, 1).kind = 20;
    w->block(1, 1).owner = 1;
    w->rng().setSeed(7);
    main->replaceWorld(std::move(w));
    main->world().setFrontend(&port);
    port.opts.tellmsg = false;
    window = static_cast<BlockWindow*>(main->subWindows().chipform);
  }
  void TearDown() override { main->world().setFrontend(nullptr); }
  QString shown(const char* field) { return window->figure(QString::fromLatin1(field))->text(); }

  test::ScriptedFrontend port;
  std::unique_ptr<TMain> main;
  BlockWindow* window = nullptr;
};

TEST_F(BlockWindowTest, FiguresOfHousingRoadAndRivalStore) {
  window->setBlock(1, 0);
  EXPECT_EQ(shown("kindName"), QStringLiteral("住宅"));
  EXPECT_EQ(shown("owner"), QStringLiteral("市民"));
  EXPECT_EQ(shown("population"), QStringLiteral("82人"));
  EXPECT_EQ(shown("density"), QStringLiteral("41%"));
  EXPECT_EQ(shown("fanRate"), QStringLiteral("15%"));
  EXPECT_EQ(shown("fans"), QStringLiteral("12人"));  // 15% of 82, truncated
  EXPECT_EQ(shown("landPrice"), QStringLiteral("1,234,567"));
  EXPECT_EQ(captionOf(window->figure(QStringLiteral("landPrice"))),
            QStringLiteral("区画の地価(千円)"))
      << "money says its unit";
  EXPECT_EQ(shown("security"), QStringLiteral("55"));
  EXPECT_EQ(shown("unrest"), QStringLiteral("25"));
  EXPECT_EQ(shown("development"), QStringLiteral("1"));

  window->setBlock(0, 1);  // a road belongs to the city and has no levels
  EXPECT_EQ(shown("kindName"), QStringLiteral("道路"));
  EXPECT_EQ(shown("owner"), QStringLiteral("銀玉市"));
  EXPECT_EQ(shown("development"), QStringLiteral("--"));

  window->setBlock(2, 0);
  EXPECT_EQ(shown("owner"), QStringLiteral("山田"));
  window->setBlock(1, 1);
  EXPECT_EQ(shown("kindName"), QStringLiteral("他店舗"));
  EXPECT_EQ(shown("owner"), QString::fromStdString(std::string(rivalName(1))));
}

TEST_F(BlockWindowTest, BuyShowsARefusalOrNegotiatesTheBlockToTheCompany) {
  window->setBlock(2, 0);  // the company's own land
  window->buyButton()->click();
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "買収");
  EXPECT_EQ(port.messages[0].text, "そこは我が社の土地です。");

  // The same draws the order makes tell what the owner asks; the player offers all of it.
  tworld& w = main->world();
  w.block(0, 0).SetLandPrice(80000);
  Random copy = w.rng();
  const PurchaseQuote quote = w.block(0, 0).PurchasePrice(w.AverageUnrest(), copy);
  ASSERT_FALSE(quote.refused) << "with this seed the owner refuses: the test needs one who talks";
  port.offers.push_back(quote.price);
  w.kaichou.sikin = Money::fromInt(quote.price + 1);
  window->setBlock(0, 0);
  window->buyButton()->click();
  EXPECT_EQ(port.messages.size(), 1u) << "the talk goes through the negotiation screen";
  ASSERT_FALSE(port.lines.empty());
  EXPECT_EQ(port.lines.back().text, "買収は成功しました！");
  EXPECT_EQ(w.block(0, 0).kind, 2);
  EXPECT_EQ(w.kaichou.sikin, Money::fromInt(1)) << "an offer just below the cash goes through";
  EXPECT_EQ(w.kaichou.baishuuzumi[0][0], 1);
  EXPECT_EQ(shown("owner"), QStringLiteral("山田")) << "the window shows its new owner";
}

TEST_F(BlockWindowTest, SellAsksThePriceThroughThePort) {
  window->setBlock(1, 0);
  window->sellButton()->click();
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text, "そこは我が社の土地ではありません。");

  window->setBlock(2, 0);
  window->sellButton()->click();  // no price entered: cancelled, no mark
  EXPECT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(main->world().kaichou.baikyakuzumi[0][2], 0);
}

TEST(BlockWindowSale, ReturnsTheTypedPriceOrNothing) {
  test::whenModal([](QWidget* modal) {
    auto* form = qobject_cast<Tsaleform*>(modal);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("売却金額"));
    EXPECT_EQ(form->landPriceLabel()->text(), QStringLiteral("150,000"));
    // Every figure of the dialog is money: each caption says it is in thousands of yen.
    EXPECT_EQ(captionOf(form->landPriceLabel()), QStringLiteral("区画の地価(千円)"));
    EXPECT_EQ(captionOf(form->cashLabel()), QStringLiteral("資金(千円)"));
    EXPECT_EQ(captionOf(form->priceEdit()), QStringLiteral("売却金額(千円)"));
    EXPECT_EQ(form->cashLabel()->text(), QStringLiteral("1,234,568"));
    EXPECT_EQ(form->priceEdit()->text(), QStringLiteral("150,000"));
    form->priceEdit()->setValue(2345678);
    EXPECT_EQ(form->priceEdit()->text(), QStringLiteral("2,345,678"));
    form->okButton()->click();
  });
  EXPECT_EQ(askSalePrice(nullptr, 150000, Money::fromRaw(12345676000)), 2345678);

  test::whenModal([](QWidget*) { test::clickModalButton(QStringLiteral("取り消し(&N)")); });
  EXPECT_EQ(askSalePrice(nullptr, 150000, Money::fromInt(10)), std::nullopt);
}

}  // namespace
}  // namespace gm
