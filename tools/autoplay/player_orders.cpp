// The headless player's hand: the core's orders with the player's books kept around them.
#include "player_orders.h"

#include "company/construction_order.h"
#include "company/exchange_rate_order.h"
#include "company/promotion_order.h"
#include "company/warehouse_disposal.h"
#include "invariants.h"
#include "persist/state_digest.h"
#include "player_port.h"
#include "store/equipment_order.h"
#include "world/world.h"

namespace gm {

namespace {

bool isDone(OrderOutcome o) { return o == OrderOutcome::Done; }

int addedBy(const PurchaseResult& r) { return r.outcome == OrderOutcome::Done ? r.records : 0; }
template <typename T>
int addedBy(const T&) {
  return 0;
}

}  // namespace

PlayerOrders::PlayerOrders(tworld& world, PlayerPort& port) : world_(world), port_(port) {}

template <typename Run, typename Done>
auto PlayerOrders::order(std::string_view what, const Check& check, int64_t expected, Run&& run,
                         Done&& done) {
  ++given_;
  const int records = MachineRecordsInUse(world_);
  // A refused order must leave every field and the generator untouched; the digest is only
  // taken when the check says the order will be refused, since it reads the whole game.
  const uint64_t digest = check ? StateDigest(world_) : 0;
  port_.ledger().beginOrder(what, expected);
  auto result = run();
  port_.ledger().endOrder(done(result));
  if (check) {
    ++refused_;
    if (StateDigest(world_) != digest)
      violations_.push_back(std::string(what) + ": refused (" + check->title + ": " + check->text +
                            ") but the game changed");
  }
  recordsAfter(what, records, addedBy(result));
  return result;
}

void PlayerOrders::recordsAfter(std::string_view what, int before, int added) {
  const int after = MachineRecordsInUse(world_);
  if (after > before + added)
    violations_.push_back(std::string(what) + ": machine records went from " +
                          std::to_string(before) + " to " + std::to_string(after) + " with " +
                          std::to_string(added) + " bought");
}

LandPurchaseOutcome PlayerOrders::buyLand(int row, int column) {
  // The price is the offer the negotiation settles on; the port enters it.
  return order(
      "買収", CheckLandPurchase(world_, row, column), 0,
      [&] { return BuyLand(world_, row, column); },
      [](LandPurchaseOutcome o) { return o == LandPurchaseOutcome::Bought; });
}

SaleOutcome PlayerOrders::sellLand(int row, int column) {
  return order(
      "売却", CheckLandSale(world_, row, column), 0, [&] { return SellLand(world_, row, column); },
      [](SaleOutcome o) { return o == SaleOutcome::Sold; });
}

OrderOutcome PlayerOrders::construct(int row, int column, int workType) {
  return order(
      "工事", CheckConstruction(world_, row, column, workType),
      -ConstructionPrice(world_, row, column, workType),
      [&] { return OrderConstruction(world_, row, column, workType); }, isDone);
}

OrderOutcome PlayerOrders::equip(int slot, int item) {
  Ttempo& s = world_.kaichou.slot(slot);
  return order(
      "設備投資", CheckEquipment(world_, s, item), -EquipmentPrice(world_, s, item),
      [&] { return OrderEquipment(world_, s, item); }, isDone);
}

OpeningResult PlayerOrders::open(int slot) {
  Ttempo& s = world_.kaichou.slot(slot);
  return order(
      "開店", CheckOpening(world_, s), -OpeningPrice(world_, s),
      [&] { return OrderOpening(world_, s); },
      [](const OpeningResult& r) { return isDone(r.outcome); });
}

OrderOutcome PlayerOrders::close(int slot) {
  Ttempo& s = world_.kaichou.slot(slot);
  return order(
      "閉店", CheckClosing(world_, s), 0, [&] { return OrderClosing(world_, s); }, isDone);
}

OrderOutcome PlayerOrders::replace(const ReplacementPlan& plan) {
  const int slot = plan.slot();
  const Check check = slot < 1 || slot > kStoreSlots || !world_.kaichou.slot(slot).used
                          ? Check(Refusal{"入替", "その店舗はありません。"})
                          : Check();
  return order(
      "入替", check, -plan.cost(), [&] { return OrderReplacement(world_, plan); }, isDone);
}

OrderOutcome PlayerOrders::exchangeRates(const StoreSelection& stores, int pachinko, int slot) {
  return order(
      "交換率変更", CheckExchangeRates(world_, stores, pachinko, slot),
      -ExchangeRateCost(world_, stores),
      [&] { return OrderExchangeRates(world_, stores, pachinko, slot); }, isDone);
}

OrderOutcome PlayerOrders::manipulations(const StoreSelection& stores,
                                         const ManipulationChange& change) {
  return order(
      "工作変更", CheckManipulations(world_, stores, change),
      -ManipulationCost(world_, stores, change),
      [&] { return OrderManipulations(world_, stores, change); }, isDone);
}

OrderOutcome PlayerOrders::profitRates(const StoreSelection& stores,
                                       const ProfitRateChanges& changes) {
  return order(
      "利益率一括修正", CheckBulkProfitRates(world_, stores, changes), 0,
      [&] { return OrderBulkProfitRates(world_, stores, changes); }, isDone);
}

OrderOutcome PlayerOrders::businessForm(const StoreSelection& stores,
                                        const BusinessFormChange& change) {
  return order(
      "営業形態一括調整", CheckBulkBusinessForm(world_, stores, change), 0,
      [&] { return OrderBulkBusinessForm(world_, stores, change); }, isDone);
}

OrderOutcome PlayerOrders::morning(const StoreSelection& stores, const MorningChange& change) {
  return order(
      "ﾓｰﾆﾝｸﾞ一括設定", CheckBulkMorning(world_, stores, change), 0,
      [&] { return OrderBulkMorning(world_, stores, change); }, isDone);
}

OrderOutcome PlayerOrders::newIslandDefaults(const StoreSelection& stores,
                                             const NewIslandDefaults& defaults) {
  return order(
      "新台初期値設定", CheckNewIslandDefaults(world_, stores, defaults), 0,
      [&] { return OrderNewIslandDefaults(world_, stores, defaults); }, isDone);
}

OrderOutcome PlayerOrders::promotions(const StoreSelection& stores, const Thansoku& choices) {
  return order(
      "販促費変更", CheckPromotions(world_, stores, choices), 0,
      [&] { return OrderPromotions(world_, stores, choices); }, isDone);
}

bool PlayerOrders::personnelSpending(const StoreSelection& stores,
                                     const PersonnelSpending& values) {
  return order(
      "人件費調整", CheckPersonnelSpending(RaiseToSalaryFloor(values)), 0,
      [&] { return ChangePersonnelSpending(world_, stores, values); },
      [](bool done) { return done; });
}

PurchaseResult PlayerOrders::buyMachines(int maker, int model, int islands) {
  const Check check = CheckMachinePurchase(world_, maker, model, islands);
  // Without a refusal the maker and model are real ones.
  const int64_t price = check ? 0
                              : MachinePurchasePrice(world_.makers[maker],
                                                     world_.makers[maker].models[model], islands)
                                    .total;
  return order(
      "購入", check, -price, [&] { return OrderMachinePurchase(world_, maker, model, islands); },
      [](const PurchaseResult& r) { return isDone(r.outcome); });
}

OrderOutcome PlayerOrders::dispose(std::span<const int> records) {
  const Check check = records.empty() ? Check() : CheckDisposal(world_, records);
  return order(
      "廃棄", check, -DisposalCost(world_, records), [&] { return OrderDisposal(world_, records); },
      isDone);
}

bool PlayerOrders::openPersonnel(PersonnelSession& session) {
  if (Check c = CheckPersonnelScreen(world_.kaichou)) {
    ++refused_;
    showRefusal(world_.ui(), *c);
    return false;
  }
  session.begin();
  return true;
}

bool PlayerOrders::hire(PersonnelSession& session, int count, HireSex sex) {
  Check check = CheckHiring(world_);
  if (!check) check = CheckHireCount(count);
  const int64_t cost = check ? 0 : HiringCost(world_, count, sex);
  return order(
      "雇用", check, -cost, [&] { return Hire(session, count, sex); },
      [](bool done) { return done; });
}

bool PlayerOrders::takeInGraduates(PersonnelSession& session, const GraduateOffer& offer, int men,
                                   int women) {
  return order(
      "採用", CheckGraduateIntake(offer, men, women), 0,
      [&] { return TakeInGraduates(session, offer, men, women); }, [](bool done) { return done; });
}

bool PlayerOrders::dismiss(PersonnelSession& session) {
  return order(
      "解雇", Check(), -session.severance(), [&] { return session.dismiss(); },
      [](bool done) { return done; });
}

bool PlayerOrders::confirmPersonnel(PersonnelSession& session) {
  return order(
      "人事", session.CheckConfirm(), 0, [&] { return session.confirm(); },
      [](bool done) { return done; });
}

WarehouseRebuildOutcome PlayerOrders::rebuildWarehouse() {
  const std::optional<WarehouseRebuild> next = NextWarehouseRebuild(world_.kaichou);
  return order(
      "倉庫改築", Check(), next ? -next->cost : 0, [&] { return SoukoKaichiku(world_); },
      [](WarehouseRebuildOutcome o) { return o == WarehouseRebuildOutcome::Rebuilt; });
}

bool PlayerOrders::switchManoeuvre() {
  return order(
      "特殊工作", Check(), 0, [&] { return TokushuKousaku(world_); }, [](bool) { return false; });
}

}  // namespace gm
