// The store orders' dialogs on the offscreen platform: construction from the block window, the
// purchase from the maker visit, the replacement plan with its side list, the exchange rates and
// manipulations, and the bulk island dialogs. Each is driven through its widgets and checked by
// what the order then did to the game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "order_windows.h"
#include "ui/construction_dialog.h"
#include "ui/exchange_rate_dialog.h"
#include "ui/island_bulk_dialogs.h"
#include "ui/maker_window.h"
#include "ui/manipulation_dialog.h"
#include "ui/profit_rate_dialog.h"
#include "ui/promotion_dialog.h"
#include "ui/purchase_dialog.h"
#include "ui/rate_spin_box.h"
#include "ui/replacement_dialog.h"
#include "ui/screen_text.h"

namespace gm {
namespace {

using StoreOrderDialogs = test::OrderWindows;

TEST_F(StoreOrderDialogs, TheBlockWindowsConstructionBuildsANamedStore) {
  blockWindow().setBlock(2, 2);
  port.storeNames.push_back("銀玉会館");
  test::whenModal([](QWidget* modal) {
    auto* form = qobject_cast<Tkoujiform*>(modal);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("工事"));
    EXPECT_EQ(form->chosenWork(), kWorkParking) << "clearing bare land is pointless";
    form->workButton(kWorkClear)->setChecked(true);
    EXPECT_EQ(form->checkLine()->text(), QStringLiteral("それでは意味がありません。"));
    form->workButton(kWorkStore)->setChecked(true);
    EXPECT_TRUE(form->checkLine()->text().isEmpty());
    form->okButton()->click();
  });
  blockWindow().constructionButton()->click();
  const Ttempo& s = world().kaichou.slot(1);
  ASSERT_TRUE(s.used);
  EXPECT_EQ(s.name.view(), "銀玉会館");
  EXPECT_EQ(s.joutai, kUnderConstruction);
  EXPECT_EQ(world().block(2, 2).kind, 19);
  EXPECT_EQ(port.messages.back().title, "報告");
  EXPECT_EQ(blockWindow().figure(QStringLiteral("kindName"))->text(), QStringLiteral("自店舗"));
}

TEST_F(StoreOrderDialogs, TheMakerVisitBuysThroughThePurchaseDialog) {
  Tmaker& m = world().makers[0];
  m.shijou = true;
  m.SetYuukou(57);
  tdai& model = m.models[2];
  model.name = "ピッグシューター";
  model.kishu = 4;
  model.price = 123;
  model.releaseMonth = 1;
  model.shukka = 10000;
  model.zaiko = 5000;
  model.onSale = true;
  world().kaichou.karisuma = 20;
  Tmakerform visit(world(), main->options(), nullptr);
  EXPECT_FALSE(visit.buyButton()->isEnabled()) << "no model chosen yet";
  visit.modelList()->setCurrentItem(visit.modelRow(2));
  ASSERT_TRUE(visit.buyButton()->isEnabled());

  test::whenModal([](QWidget* modal) {
    auto* form = qobject_cast<Tdaibuyform*>(modal);
    ASSERT_NE(form, nullptr);
    form->islandsEdit()->setValue(3);
    EXPECT_EQ(form->unitPriceLabel()->text(), QStringLiteral("112,984"));
    EXPECT_EQ(form->machinesLabel()->text(), QStringLiteral("30台"));
    EXPECT_EQ(form->totalLabel()->text(), QStringLiteral("3,389"));
    EXPECT_EQ(form->restLabel()->text(), QStringLiteral("996,611"));
    form->okButton()->click();
  });
  visit.buyButton()->click();
  EXPECT_EQ(world().kaichou.WarehouseMachineTally().totalMachines, 30);
  EXPECT_EQ(model.zaiko, 4970);
  ASSERT_NE(visit.modelRow(2), nullptr);
  EXPECT_EQ(visit.modelRow(2)->text(Tmakerform::kColStock), QStringLiteral("4,970"));
  EXPECT_EQ(visit.friendshipLabel()->text(), QStringLiteral("友好度：  66"));

  m.torihiki = false;
  visit.chooseMaker(0);
  visit.modelList()->setCurrentItem(visit.modelRow(2));
  EXPECT_FALSE(visit.buyButton()->isEnabled()) << "no purchase from a maker who broke off";
}

TEST_F(StoreOrderDialogs, TheReplacementPlanInstallsUndoesAndKeepsItsSideListsVisibility) {
  addStore(1, 2, 2, 0, kWaiting, "銀玉会館");
  world().kaichou.record(1) = island(0, "一号");
  world().kaichou.record(2) = island(0, "二号");
  main->options().subvisible = true;
  Tirekaeform form(world(), main->options(), 1);
  form.show();
  QApplication::processEvents();  // the sheet follows once the dialog stands in its place
  EXPECT_TRUE(form.sheet()->isVisible());
  // Beside the dialog, never over the buttons between the lists.
  for (QPushButton* b : {form.installButton(), form.removeButton(), form.undoButton()})
    EXPECT_FALSE(
        form.sheet()->frameGeometry().intersects(QRect(b->mapToGlobal(QPoint(0, 0)), b->size())))
        << b->text().toStdString();
  ASSERT_EQ(form.warehouseList()->topLevelItemCount(), 2);
  form.warehouseList()->selectAll();
  form.install();
  EXPECT_EQ(form.floorList()->topLevelItemCount(), 2);
  EXPECT_EQ(form.warehouseList()->topLevelItemCount(), 0);
  EXPECT_EQ(form.costLabel()->text(), QStringLiteral("470"));  // 2 x 110 + 250
  EXPECT_EQ(form.sheet()->list()->count(), 2);
  EXPECT_EQ(form.sheet()->list()->item(0)->text(), QStringLiteral("1. 設置  一号  倉庫 → 1Fﾎｰﾙ"));
  EXPECT_EQ(form.floorChoice()->currentText(), QStringLiteral("1Fﾎｰﾙ  空き 8島"));
  form.undo();
  EXPECT_EQ(form.floorList()->topLevelItemCount(), 1);
  EXPECT_EQ(form.sheet()->list()->count(), 1);

  form.toggleSheet();
  EXPECT_FALSE(form.sheet()->isVisible());
  EXPECT_FALSE(main->options().subvisible) << "the option remembers the side list";
  form.okButton()->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(world().kaichou.slot(1).dai[0][0].used);
  EXPECT_TRUE(world().kaichou.record(2).used);
  EXPECT_EQ(world().kaichou.sikin, Money::fromInt(1000000 - 360));
}

TEST_F(StoreOrderDialogs, ExchangeRatesAndManipulationsForOneStoreOrSeveral) {
  Ttempo& a = addStore(1, 2, 2, 0, kOpen, "一号店");
  a.dai[0][0] = island(0);
  a.kousaku = kShills;
  Ttempo& b = addStore(2, 0, 0, 0, kWaiting, "二号店");
  world().maxPachinkoRate = 2;

  Tkankinform rates(world(), selectSlot(1));
  EXPECT_EQ(rates.costLabel()->text(), QStringLiteral("300"));
  rates.pachinkoRate()->setCurrentIndex(3);
  rates.okButton()->click();
  EXPECT_EQ(rates.lastOutcome(), OrderOutcome::Refused);
  EXPECT_EQ(port.messages.back().text,
            "組合の規制により、パチンコの交換率は 2円 70銭までと定められています。");
  rates.pachinkoRate()->setCurrentIndex(2);
  rates.okButton()->click();
  EXPECT_EQ(rates.result(), QDialog::Accepted);
  EXPECT_EQ(a.pkankin, 2);

  const StoreSelection both = selectSlot(1) | selectSlot(2);
  Ttempoinchiki tricks(world(), both);
  EXPECT_EQ(tricks.manipulationBox(0)->checkState(), Qt::PartiallyChecked)
      << "only one of the stores has shills";
  EXPECT_EQ(tricks.costLabel()->text(), QStringLiteral("0"));
  tricks.manipulationBox(2)->setChecked(true);
  EXPECT_EQ(tricks.costLabel()->text(), QStringLiteral("5,200"));
  tricks.okButton()->click();
  EXPECT_EQ(a.kousaku, kShills | kJackpotControl);
  EXPECT_EQ(b.kousaku, kJackpotControl);
}

TEST_F(StoreOrderDialogs, BulkDialogsShowTheirForecastAndWriteOnlyOnConfirmation) {
  Ttempo& s = addStore(1, 2, 2, 0, kOpen, "銀玉会館");
  s.dai[0][0] = island(0);
  s.dai[0][0].kadou = 1000;
  s.dai[0][0].nissuu = 30;
  s.dai[0][0].kyakutan = Money::fromRaw(25000);
  s.dai[0][1] = island(8);
  const StoreSelection one = selectSlot(1);

  {
    Triritushuusei rates(world(), one);
    EXPECT_EQ(rates.forecastGross()->text(), QStringLiteral("375"));  // 15 % of 2,500
    EXPECT_FALSE(rates.typeRate(4)->isEnabled()) << "no island of that type";
    const BulkForecast before = forecastAfter(world(), one, ProfitRateChanges{});
    EXPECT_EQ(rates.forecastNet()->text(), moneyText(before.netProfit));
    rates.typeRate(0)->setValue(20.0);
    EXPECT_EQ(rates.forecastGross()->text(), QStringLiteral("500"));
    EXPECT_EQ(rates.forecastNet()->text(), moneyText(before.netProfit + Money::fromInt(125)));
    EXPECT_EQ(rates.forecastRate()->text(), QStringLiteral("20.0%"));
    EXPECT_EQ(s.dai[0][0].riritu, Money::fromInt(15)) << "nothing is written before 決定";
    rates.cancelButton()->click();
  }
  EXPECT_EQ(s.dai[0][0].riritu, Money::fromInt(15));
  {
    Triritushuusei rates(world(), one);
    rates.byFormButton()->setChecked(true);
    rates.formRate(1, 0)->setValue(-2.5);
    rates.okButton()->click();
    EXPECT_EQ(rates.result(), QDialog::Accepted);
  }
  EXPECT_EQ(s.dai[0][1].riritu, Money::fromRaw(-25000));
  EXPECT_EQ(s.dai[0][0].riritu, Money::fromInt(15));

  TMorningchousei morning(world(), one);
  EXPECT_EQ(morning.ratioNow()->text(), QStringLiteral("0台／10台"));
  morning.machinesEdit()->setValue(4);
  EXPECT_EQ(morning.ratioAfter()->text(), QStringLiteral("4台／10台"));
  morning.okButton()->click();
  EXPECT_EQ(s.dai[0][1].morning, 4);

  TKeitaichousei forms(world(), one);
  EXPECT_FALSE(forms.typeBox(5)->isEnabled());
  forms.typeBox(8)->setChecked(true);
  forms.formButton(2)->setChecked(true);
  EXPECT_EQ(forms.formButton(1)->text(), QStringLiteral("ﾗｯｷｰNO.(&L)"));
  forms.okButton()->click();
  EXPECT_EQ(s.dai[0][1].keitai, 2);
  EXPECT_EQ(s.dai[0][0].keitai, 0);

  Tdefform defaults(world(), one);
  defaults.rateEdit(5)->setValue(-2.5);
  defaults.formEdit(5)->setCurrentIndex(3);
  defaults.morning9Edit()->setValue(6);
  defaults.okButton()->click();
  EXPECT_EQ(s.shinDaiRitu[5], Money::fromRaw(-25000));
  EXPECT_EQ(s.getShinDaiKeitai(5), 3);
  EXPECT_EQ(s.shinDaiMorning9, 6);
  EXPECT_EQ(s.shinDaiRitu[0], Money::fromInt(15));
}

TEST_F(StoreOrderDialogs, PromotionsAreHeldToTheStaffAndPricedAsTheyAreChosen) {
  Ttempo& s = addStore(1, 2, 2, 1, kOpen, "銀玉会館");
  s.setDansei(12);  // one lot of tissues, two of letters
  Thansokusettei form(world(), selectSlot(1));
  form.choiceBox(Promotion::Tissue)->setCurrentIndex(3);
  EXPECT_EQ(form.choiceBox(Promotion::Tissue)->currentIndex(), 1) << "set back to the limit";
  EXPECT_EQ(port.messages.back().text,
            "現在の 銀玉会館 の人員数では、ティッシュの配布量は 「1万個」 が限界です。");
  form.choiceBox(Promotion::Event)->setCurrentIndex(1);
  // A week's event on two floors at the intelligence factor 0.99, and 80 for the tissues.
  EXPECT_EQ(form.costLabel(Thansokusettei::kCostEvent)->text(), QStringLiteral("99"));
  EXPECT_EQ(form.costLabel(Thansokusettei::kCostTotal)->text(), QStringLiteral("179"));
  EXPECT_EQ(s.hansoku.event, 0) << "nothing is stored before 決定";
  form.okButton()->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(s.hansoku.event, 1);
  EXPECT_EQ(s.hansoku.tissue, 1);
}

}  // namespace
}  // namespace gm
