// Buying and selling land from the block window.
#include "world/land_orders.h"

#include <string>
#include <utility>

#include "base/money.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

Refusal refuse(std::string title, std::string text, bool showCash = false) {
  return Refusal{std::move(title), std::move(text), kFaceCry, showCash};
}

const char* purchaseRefusalByKind(int kind) {
  if (kind == 2) return GM_TR_NOOP("land_orders", "そこは我が社の土地です。");
  if (kind == 19) return GM_TR_NOOP("land_orders", "そこは我が社の店舗です。");
  if (kind == 20) return GM_TR_NOOP("land_orders", "他店舗は買い取れません。");
  if (kind == 22 || kind == 23 || kind == 26)
    return GM_TR_NOOP("land_orders", "公共機関は買い取れません。");
  if (kind == 27) return GM_TR_NOOP("land_orders", "そこは我が社の駐車場です。");
  if (kind == 28) return GM_TR_NOOP("land_orders", "他社の駐車場は買い取れません。");
  if (kind == 1 || kind == 3 || kind == 21 || kind == 24 || kind == 25) return nullptr;
  return GM_TR_NOOP("land_orders",
                    "そこは買い取れません。");  // roads, stations, railways, and outside the city
}

}  // namespace

Check CheckLandPurchase(const tworld& world, int row, int column) {
  if (world.kaichou.sikin < Money::fromInt(2))
    return refuse(translate("land_orders", "資金不足"),
                  translate("land_orders", "資金が足りません。"), true);
  // A position off the map has no block to read: it is refused as land outside the city is.
  if (!world.onMap(row, column))
    return refuse(translate("land_orders", "買収"),
                  translate("land_orders", "そこは買い取れません。"));
  if (const char* text = purchaseRefusalByKind(world.block(row, column).kind))
    return refuse(translate("land_orders", "買収"), translate("land_orders", text));
  if (world.kaichou.baishuuzumi[row][column] != 0)
    return refuse(translate("land_orders", "買収"),
                  translate("land_orders",
                            "以前のこの区画の買収交渉から、まだ日が浅いです。"
                            "ほとぼりが冷めるまで待ちましょう。"));
  return std::nullopt;
}

PurchaseOpening OpenLandPurchase(tworld& world, int row, int column) {
  PurchaseOpening result;
  if (Check refusal = CheckLandPurchase(world, row, column)) {
    showRefusal(world.ui(), *refusal);
    return result;
  }
  // The mark goes on before anything can fail, so that a refusal also counts as this month's
  // attempt.
  world.kaichou.baishuuzumi[row][column] = 1;
  PurchaseQuote quote = world.block(row, column).PurchasePrice(world.AverageUnrest(), world.rng());
  result.price = quote.price;
  if (quote.refused) {
    showRefusal(world.ui(), refuse(translate("land_orders", "買収失敗"),
                                   translate("land_orders",
                                             "先方は売る気は全く無いそうです。"
                                             "残念ながら、買収は失敗に終わりました。")));
    result.step = PurchaseStep::Failed;
    return result;
  }
  if (world.options().tellmsg &&
      !world.ui().message(translate("land_orders", "買収交渉"),
                          translate("land_orders", "買収交渉を行います。よろしいですか？"), false,
                          true, kFaceNormal)) {
    result.step = PurchaseStep::Declined;
    return result;
  }
  result.step = PurchaseStep::Negotiate;
  return result;
}

void ApplyLandPurchase(tworld& world, int row, int column) {
  Tchip& b = world.block(row, column);
  b.kind = 2;
  b.SetPopulation(0);
  b.SetFanRate(0, world.laws);
  b.SetUnrest(0);
  world.ui().cityChanged();
}

Check CheckLandSale(const tworld& world, int row, int column) {
  const int kind = world.onMap(row, column) ? world.block(row, column).kind : 0;
  if (kind != 2 && kind != 19 && kind != 27)
    return refuse(translate("land_orders", "売却"),
                  translate("land_orders", "そこは我が社の土地ではありません。"));
  if (kind != 2)
    return refuse(translate("land_orders", "売却"),
                  translate("land_orders", "一度取り壊し、空き地にしないと売却できません。"));
  if (world.kaichou.baikyakuzumi[row][column] != 0)
    return refuse(
        translate("land_orders", "売却"),
        translate("land_orders", "そこは今月すでに売却を行っております。来月までお待ちください。"));
  return std::nullopt;
}

SaleOutcome SellLand(tworld& world, int row, int column) {
  if (Check refusal = CheckLandSale(world, row, column)) {
    showRefusal(world.ui(), *refusal);
    return SaleOutcome::Refused;
  }
  Tchip& b = world.block(row, column);
  std::optional<int64_t> price = world.ui().askSalePrice(b.landPrice);
  if (!price) return SaleOutcome::Cancelled;
  // The sale window asks for at least one thousand yen; the order does not take a window's word
  // for it, since a price of nothing or less would hand the land away or charge the seller.
  if (*price < 1) return SaleOutcome::Refused;

  tkaichou& company = world.kaichou;
  company.baikyakuzumi[row][column] = 1;
  SaleAnswer answer = b.SaleAccepted(*price, company.karisuma, world.AverageUnrest(), world.rng());
  if (!answer.sold) {
    const std::string text =
        answer.tooDear ? translate("land_orders",
                                   "残念ながら、買い手は見つかりませんでした。"
                                   "少し価格が高いのではないでしょうか．．．？")
                       : translate("land_orders", "残念ながら、買い手は見つかりませんでした。");
    world.ui().message(translate("land_orders", "売却"), text, false, false, kFaceCry);
    return SaleOutcome::NoBuyer;
  }
  const std::string question = formatText(
      translate("land_orders", "喜んで下さい。買い手が現われました。%1で売却してよろしいですか？"),
      {formatGrouped(*price)});
  if (!world.ui().message(translate("land_orders", "売却"), question, true, true, kFaceLaugh)) {
    world.ui().message(translate("land_orders", "売却中止"),
                       translate("land_orders", "追い返しました...。"), false, false, kFaceCry);
    // Turning a willing buyer away costs the president some standing.
    company.SetKarisuma(company.karisuma - world.rng().randInt(2));
    return SaleOutcome::SentAway;
  }
  company.SetSikin(company.sikin + Money::fromInt(*price));
  b.kind = 1;
  world.ui().cityChanged();
  world.ui().message(translate("land_orders", "売却完了"),
                     translate("land_orders", "売却いたしました。"), true, false, kFaceLaugh);
  return SaleOutcome::Sold;
}

}  // namespace gm
