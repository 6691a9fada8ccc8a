// The construction order: its checks, the store's name, the question, the payment and the work.
#include "company/construction_order.h"

#include <array>

#include "base/text.h"
#include "base/translation.h"
#include "company/company_orders.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, kWorkTypeCount> kCaptions = {
    GM_TR_NOOP("construction_order", "空き地(&S)"),
    GM_TR_NOOP("construction_order", "駐車場(&C)"),
    GM_TR_NOOP("construction_order", "１フロアの店舗(&1)"),
    GM_TR_NOOP("construction_order", "２フロアの店舗(&2)"),
    GM_TR_NOOP("construction_order", "３フロアの店舗(&3)"),
    GM_TR_NOOP("construction_order", "パーク級の店舗(&4)"),
    GM_TR_NOOP("construction_order", "タワー級の店舗(&5)")};

// A new store starts with some fame and polish, more for a bigger house.
constexpr std::array<int, kFloors> kFirstFame = {15, 15, 20, 30, 40};
constexpr std::array<int, kFloors> kFirstRefinement = {15, 15, 15, 20, 30};

std::string workTitle() { return translate("construction_order", "工事内容"); }

bool floorsAboveHoldMachines(const Ttempo& s, int size) {
  for (int f = size + 1; f <= s.kibo && f < kFloors; ++f)
    if (s.floorMachines(f) > 0) return true;
  return false;
}

}  // namespace

std::string workTypeCaption(int workType) {
  return workType >= 0 && workType < kWorkTypeCount
             ? translate("construction_order", kCaptions[workType])
             : std::string();
}

std::string blockLabel(int row, int column) {
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "(" + a string.
  std::string label = "(";
  label += std::to_string(column);
  label += ", ";
  label += std::to_string(row);
  label += ")";
  return label;
}

ConstructionFacts constructionFacts(const tworld& world, int row, int column, int workType) {
  ConstructionFacts f;
  if (!world.onMap(row, column)) return f;
  f.storeSlot =
      world.block(row, column).kind == kOwnStoreKind ? world.kaichou.StoreOn(row, column) : 0;
  if (isStoreWork(workType)) {
    f.rebuild = f.storeSlot != 0;
    f.newStore = !f.rebuild;
    // A rebuild keeps the walls standing a month less than a house raised from bare ground.
    f.months = storeSizeOf(workType) + (f.rebuild ? 1 : 2);
  } else {
    f.withdrawal = f.storeSlot != 0;
  }
  return f;
}

int64_t ConstructionPrice(const tworld& world, int row, int column, int workType) {
  if (!world.onMap(row, column) || workType < 0 || workType >= kWorkTypeCount) return 0;
  const int sizeIndex = isStoreWork(workType) ? storeSizeOf(workType) : 0;
  return world.block(row, column)
      .ConstructionCost(workType, sizeIndex, world.Density(), world.kaichou.karisuma);
}

Check CheckStoreConstruction(const Ttempo& store) {
  if (store.joutai != kWaiting)
    return refusal(
        translate("construction_order", "工事"),
        translate("construction_order", "店舗の状態が「待機中」でないと工事はできません。"));
  return std::nullopt;
}

Check CheckConstruction(const tworld& world, int row, int column, int workType) {
  if (!world.onMap(row, column) || workType < 0 || workType >= kWorkTypeCount)
    return refusal(translate("construction_order", "工事"),
                   translate("construction_order", "その工事はできません。"));
  const Tchip& b = world.block(row, column);
  if (b.kind != kOwnLandKind && b.kind != kOwnStoreKind && b.kind != kOwnParkingKind)
    return refusal(translate("construction_order", "工事"),
                   translate("construction_order", "そこは我が社の土地ではありません。"));
  const tkaichou& company = world.kaichou;
  const ConstructionFacts f = constructionFacts(world, row, column, workType);
  const Ttempo* store = f.storeSlot != 0 ? &company.slot(f.storeSlot) : nullptr;
  if (Check c = store ? CheckStoreConstruction(*store) : std::nullopt) return c;

  const bool pointless = (workType == kWorkClear && b.kind == kOwnLandKind) ||
                         (workType == kWorkParking && b.kind == kOwnParkingKind) ||
                         (store && isStoreWork(workType) && store->kibo == storeSizeOf(workType));
  if (pointless)
    return refusal(workTitle(), translate("construction_order", "それでは意味がありません。"));
  // Islands on the floors a smaller house no longer has could be reached by no screen again.
  if (store && f.rebuild && floorsAboveHoldMachines(*store, storeSizeOf(workType)))
    return refusal(workTitle(),
                   translate("construction_order",
                             "規模を縮小する前に、無くなるフロアの台を入替で撤去してください。"));

  if (f.newStore) {
    const BlockGrid& g = world.blocks;
    if (b.HasKindWithin(g, world.mapWidth, world.mapHeight, kHospitalKind, 2))
      return refusal(workTitle(),
                     translate("construction_order",
                               "法令により、２区画以内の距離に病院がすでにある場合、店舗を開業す"
                               "る事はできません。お考え直しください。"));
    if (b.HasKindWithin(g, world.mapWidth, world.mapHeight, kSchoolKind, 2))
      return refusal(workTitle(),
                     translate("construction_order",
                               "法令により、２区画以内の距離に教育施設がすでにある場合、店舗を開"
                               "業する事はできません。お考え直しください。"));
    if (company.AkiTempo() == 0)
      return refusal(workTitle(),
                     translate("construction_order",
                               "残念ながら、これ以上店舗を増やすのは時期尚早と思われます。お考え"
                               "直しください。"));
  }
  if (f.withdrawal) {
    if (store->staffTotal() > 0)
      return refusal(translate("construction_order", "撤退"),
                     translate("construction_order",
                               "店舗を取り壊す前に、店舗のスタッフ全員を他の店舗へ異動させてくださ"
                               "い。"));
    // Pulling the store down frees its slot, and the machines standing in it, bought and paid
    // for, would go with it: the replacement plan takes them to the warehouse first.
    if (store->machineCounts().allMachines > 0)
      return refusal(translate("construction_order", "撤退"),
                     translate("construction_order",
                               "店舗を取り壊す前に、店舗の台を全て入替で倉庫へ移してください。"));
    if (company.TempoKazu().used <= 1)
      return refusal(translate("construction_order", "撤退"),
                     formatText(translate("construction_order",
                                          "%1から%2の店舗が一軒も無くなってしまいます。お考え直し"
                                          "ください。"),
                                {world.cityName.view(), company.kaishaname.view()}));
  }
  return std::nullopt;
}

namespace {

std::string question(const tworld& world, int row, int column, int workType,
                     std::string_view storeName) {
  const std::string block = blockLabel(row, column);
  if (workType == kWorkClear)
    return formatText(
        translate("construction_order", "区画 %1 を取り壊し、空き地にします。よろしいですか？"),
        {block});
  if (workType == kWorkParking)
    return formatText(
        world.block(row, column).kind == kOwnStoreKind
            ? translate("construction_order",
                        "区画 %1 を取り壊し、駐車場にします。よろしいですか？")
            : translate("construction_order", "区画 %1 を駐車場にします。よろしいですか？"),
        {block});
  return formatText(translate("construction_order", "%1級の店舗 %2 を新築します。よろしいですか？"),
                    {storeSizeName(storeSizeOf(workType)), storeName});
}

void clearOrPark(tworld& world, int row, int column, int workType, int storeSlot) {
  tkaichou& company = world.kaichou;
  if (storeSlot != 0) {
    company.slot(storeSlot).init();
    company.TempoSort();
  }
  world.block(row, column).kind = workType == kWorkClear ? kOwnLandKind : kOwnParkingKind;
}

void raiseStore(tworld& world, int row, int column, int workType, const ConstructionFacts& f,
                const Name& name) {
  tkaichou& company = world.kaichou;
  const int size = storeSizeOf(workType);
  Ttempo& s = company.slot(f.newStore ? company.AkiTempo() : f.storeSlot);
  if (f.newStore) {
    s.init();
    s.used = true;
    const int fame = world.rng().randInt(kFirstFame[size]);
    s.setChimei(fame + 10);
    const int refinement = world.rng().randInt(kFirstRefinement[size]);
    s.setSenren(refinement + 10);
  }
  s.name = name;
  s.shuttenMonth = world.month;
  s.kibo = static_cast<uint8_t>(size);
  s.blockX = column;
  s.blockY = row;
  s.kanseiMonth = world.month + f.months;
  s.setubi = 0;
  s.setJoutai(kUnderConstruction);  // also stops a running event
  world.block(row, column).kind = kOwnStoreKind;

  Frontend& ui = world.ui();
  ui.playCue(kCueYes);
  const YearMonth done = MonthToDate(s.kanseiMonth);
  ui.message(translate("construction_order", "報告"),
             formatText(translate("construction_order",
                                  "工事を開始致します。%1の完成は%2年%3月の予定です。"),
                        {s.name.view(), std::to_string(done.year), std::to_string(done.month)}),
             false, false, kFaceLaugh);
}

}  // namespace

OrderOutcome OrderConstruction(tworld& world, int row, int column, int workType) {
  if (Check c = CheckConstruction(world, row, column, workType)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  const ConstructionFacts f = constructionFacts(world, row, column, workType);
  Name name;
  if (isStoreWork(workType)) {
    const std::string proposed = f.rebuild ? world.kaichou.slot(f.storeSlot).name.str() : "";
    std::optional<std::string> typed = world.ui().askStoreName(proposed);
    if (!typed) return OrderOutcome::Declined;
    name = makeName(*typed);
    if (name.empty()) return OrderOutcome::Declined;
  }
  if (!confirmOrder(world, translate("construction_order", "工事実行"),
                    question(world, row, column, workType, name.view())))
    return OrderOutcome::Declined;
  if (!payOrder(world, ConstructionPrice(world, row, column, workType)))
    return OrderOutcome::Unpaid;

  world.kaichou.koujizumi[row][column] = 1;
  if (isStoreWork(workType))
    raiseStore(world, row, column, workType, f, name);
  else
    clearOrPark(world, row, column, workType, f.storeSlot);
  world.ui().blockChanged(row, column);
  world.ui().cityChanged();
  // A growing chain soon fills the head office's warehouse: the staff suggest the rebuild.
  if (world.kaichou.SoukoKaichikuKanou() &&
      askPlayer(world, translate("construction_order", "倉庫の改築"),
                translate("construction_order",
                          "そろそろ本社の倉庫も手狭になってきました。台の収容能力を高める為に、倉"
                          "庫の改築をしたいと思うのですが、どうでしょう？")))
    SoukoKaichiku(world);
  return OrderOutcome::Done;
}

}  // namespace gm
