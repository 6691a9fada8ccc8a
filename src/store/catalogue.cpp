// The catalogue's month: sales, ends of sale, illegal models and new models, told to the player
// through the port.
#include "store/catalogue.h"

#include <string>

#include "base/translation.h"
#include "store/model_generation.h"
#include "world/world.h"

namespace gm {

namespace {

// Short sales periods are pushed harder: the whole run has to go in a few months.
Money periodFactor(int months) {
  switch (months) {
    case 1:
      return Money::fromRaw(15000);
    case 2:
      return Money::fromRaw(14000);
    case 3:
      return Money::fromRaw(13000);
    case 4:
      return Money::fromRaw(12000);
    case 5:
      return Money::fromRaw(11000);
    default:
      return Money::fromInt(1);
  }
}

constexpr Money kSalesPerRatingPoint = Money::fromRaw(25);  // 0.0025

void tell(tworld& world, std::string_view title, const std::string& text, int face) {
  world.ui().message(title, text, false, false, face);
}

// Marks `ihou` on every island of the exposed model that the company holds and tells the player
// where the islands are; returns whether it held any.
bool markIllegalIslands(tworld& world, const tdai& model) {
  const std::string title = translate("catalogue", "台の違法性発覚");
  Frontend& ui = world.ui();
  bool any = false;
  bool inWarehouse = false;
  for (Tddai& d : world.kaichou.dai) {
    if (!d.sameAsModel(model)) continue;
    d.ihou = true;
    if (!inWarehouse) {
      inWarehouse = true;
      ui.playCue(kCueDown);
      tell(world, title,
           translate("catalogue", "我が社の倉庫にも問題の台が保管してあります。ご検討ください。"),
           kFacePanic);
      ui.playCue(kCueMain);
    }
  }
  any = inWarehouse;
  for (Ttempo& store : world.kaichou.tempo) {
    if (!store.used) continue;
    bool inStore = false;
    for (int floor = 0; floor <= store.kibo && floor < kFloors; ++floor) {
      for (Tddai& d : store.dai[floor]) {
        if (!d.sameAsModel(model)) continue;
        d.ihou = true;
        if (!inStore) {
          inStore = true;
          ui.playCue(kCueDown);
          ui.pointBlockWindowAt(store.blockY, store.blockX);
          tell(world, title,
               formatText(
                   translate("catalogue", "%1は問題の台をすでに設置しています。ご検討ください。"),
                   {store.name.view()}),
               kFacePanic);
          ui.playCue(kCueMain);
        }
      }
    }
    any = any || inStore;
  }
  return any;
}

}  // namespace

bool catalogueSales(tdai& model) {
  model.modelMachine = false;  // a model machine is asked for in its announcement month only
  int s = model.nominal[0] + model.nominal[1] + model.nominal[2] + model.nominal[3];
  Money q = periodFactor(model.saleEndMonth - model.releaseMonth) * (2 * s) * kSalesPerRatingPoint;
  int64_t units = (q * machineTypeInfo(model.kishu).nationalSalesBase).trunc();
  model.zaiko = static_cast<int32_t>(model.zaiko - units);
  if (model.zaiko > 0) return false;
  model.zaiko = 0;
  model.onSale = false;
  return true;
}

bool saleEnd(tdai& model, int month) {
  if (!model.onSale || month < model.saleEndMonth) return false;
  model.onSale = false;
  return true;
}

bool illegalCheck(tdai& model, int averageSecurity, Random& rng) {
  int gambling = model.actual[kGambling];
  // A plain board has nothing to hide.
  if (rng.randInt(100) > gambling || model.kishu == 0) return false;
  int r1 = rng.randInt(1200);
  int r2 = rng.randInt(200);
  if (r1 >= gambling || r2 >= averageSecurity) return false;
  model.onSale = false;
  return true;
}

NewModelRunLine newModelRunLine(int production) {
  if (production >= 2000) return {translate("catalogue", "          販売開始 !!"), false};
  return {formatText(translate("catalogue", "%1台限定販売 !!"), {std::to_string(production)}),
          true};
}

void MakerSalesNews(tworld& world) {
  bool report = world.options().urikirehoukoku;
  for (Tmaker& maker : world.makers) {
    if (!maker.shijou) continue;
    std::string makerName(maker.name());
    for (tdai& model : maker.models) {
      if (!model.onSale) continue;
      if (catalogueSales(model)) {
        if (report)
          tell(world, translate("catalogue", "売り切れ"),
               formatText(translate("catalogue", "%1 が新台 %2 の在庫を全て売り切りました。"),
                          {makerName, model.name.view()}),
               kFaceNormal);
        continue;
      }
      if (saleEnd(model, world.month) && report)
        tell(world, translate("catalogue", "販売終了"),
             formatText(translate("catalogue", "%1 の新台 %2 の販売期間が終了しました。"),
                        {makerName, model.name.view()}),
             kFaceNormal);
    }
  }
}

void IllegalMachineCheck(tworld& world) {
  int security = world.AverageSecurity();
  for (Tmaker& maker : world.makers) {
    if (!maker.shijou) continue;
    for (tdai& model : maker.models) {
      if (!model.onSale || !illegalCheck(model, security, world.rng())) continue;
      std::string name(maker.name());
      tell(world, translate("catalogue", "台の違法性発覚"),
           formatText(translate("catalogue",
                                "%1 の新台 %2 "
                                "のゲーム性に違法性があるとの疑惑が浮上し、業界に波紋を拡げています"
                                "。%1は販売中止を決定しました。"),
                      {name, model.name.view()}),
           kFaceAngry);
      if (!markIllegalIslands(world, model))
        tell(world, translate("catalogue", "台の違法性発覚"),
             translate("catalogue", "我が社は問題の台は一台も所有しておりません。良かったですね。"),
             kFaceSmile);
    }
  }
}

void NewModels(tworld& world) {
  for (Tmaker& maker : world.makers) {
    if (!maker.shijou) continue;
    Announcement a = newModel(maker, world.month, world.laws, world.kaichou.kantei,
                              world.kaichou.karisuma, world.nameSelect, world.rng());
    if (!a.announced) continue;
    std::string makerText(maker.name());
    if (world.options().sindaihoukoku)
      world.ui().showNewModel({a.name.str(), makerText, a.kishu, a.shukka});
    if (a.modelMachine)
      tell(
          world, translate("catalogue", "モデルオープンの依頼"),
          formatText(
              translate("catalogue",
                        "%1 が、新台 %2 "
                        "を"
                        "%3で導入して欲しいと強く求めています。我が社の店舗のどれかに今月中に導入し"
                        "たら、全国初導入のモデル店舗に認定すると先方はおっしゃっています。"),
              {makerText, a.name.view(), world.kaichou.kaishaname.view()}),
          kFacePanic);
  }
}

}  // namespace gm
