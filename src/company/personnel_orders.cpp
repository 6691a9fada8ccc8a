// The personnel screen's orders: assignment, transfer, "leave it to me", dismissal and
// confirmation over the working copies and the surplus pool.
#include "company/personnel_orders.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/extended.h"
#include "base/rating.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

Refusal personnelRefusal(std::string text) {
  return Refusal{translate("personnel_orders", "人事"), std::move(text), kFaceCry, false};
}

// The sexes a choice moves, men first.
std::array<bool, 2> sexesOf(StaffChoice who) {
  return {who != StaffChoice::Women, who != StaffChoice::Men};
}

// "任せる" moves people one at a time and leaves their sex to chance. When the drawn sex has
// nobody left at the source, nobody moves and the dice are thrown again: the source always
// holds somebody of one sex or the other, so the loop ends.
int drawnSex(Random& rng) { return rng.randInt(100) <= 50 ? kFemale : kMale; }

// Severance factors: experienced and motivated people cost more to let go, and a sharp president
// negotiates it down.
constexpr FactorTable kSeveranceMoral = {8500,  9200,  9600,  10100, 10900,
                                         11500, 12200, 13000, 13600, 14400};
constexpr FactorTable kSeveranceSkill = {9600,  10200, 10800, 11700, 12600,
                                         13500, 14800, 16500, 18200, 20000};
constexpr FactorTable kSeveranceIntelligence = {14500, 13800, 13000, 12200, 11500,
                                                10800, 10000, 9500,  8900,  8100};

}  // namespace

Check CheckPersonnelScreen(const tkaichou& company) {
  if (company.TempoKazu().used == 0)
    return personnelRefusal(translate("personnel_orders", "店舗が一軒もありません。"));
  if (company.jinjizumi)
    return personnelRefusal(translate(
        "personnel_orders", "今月はすでに人事を行っております。来月までお待ちください。"));
  return std::nullopt;
}

PersonnelSession::PersonnelSession(tworld& world) : world_(&world) { pool_.world = &world; }

void PersonnelSession::begin() {
  const tkaichou& company = world_->kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) company.slot(n).assignTo(stores_[n - 1]);
  pool_.init();
  pool_.world = world_;
  committed_ = false;
}

Check PersonnelSession::CheckAmount(int amount) {
  if (amount == kMoveAll || amount >= 1) return std::nullopt;
  return personnelRefusal(translate("personnel_orders", "異動させる人数が正しくありません。"));
}

int PersonnelSession::takeFromPool(Ttempo& s, int sex, int amount) {
  return s.transferStaff(pool_, sex, amount) ? amount : -1;
}

int PersonnelSession::assign(const StoreOrder& stores, StaffChoice who, int amount) {
  if (CheckAmount(amount)) return 0;
  const std::array<bool, 2> sexes = sexesOf(who);
  int moved = 0;
  if (amount != kMoveAll) {
    for (int n : stores) {
      if (!inUse(n)) continue;
      bool any = false;
      for (int sex : {kMale, kFemale}) {
        if (!sexes[sex]) continue;
        if (takeFromPool(store(n), sex, amount) >= 0) {
          any = true;
          moved += amount;
        }
      }
      if (!any) break;
    }
    return moved;
  }
  // Everybody: an even share to each store in turn until the pool is empty.
  int count = 0;
  for (int n : stores)
    if (inUse(n)) ++count;
  if (count == 0) return 0;
  for (int sex : {kMale, kFemale}) {
    if (!sexes[sex]) continue;
    int share = std::max(pool_.staffOf(sex) / count, 1);
    while (pool_.staffOf(sex) > 0) {
      for (int n : stores) {
        if (pool_.staffOf(sex) == 0) break;
        if (!inUse(n)) continue;
        if (share > pool_.staffOf(sex)) share = 1;
        moved += std::max(takeFromPool(store(n), sex, share), 0);
      }
    }
  }
  return moved;
}

int PersonnelSession::transferOut(const StoreOrder& stores, StaffChoice who, int amount) {
  if (CheckAmount(amount)) return 0;
  const std::array<bool, 2> sexes = sexesOf(who);
  int moved = 0;
  for (int n : stores) {
    if (!inUse(n)) continue;
    Ttempo& s = store(n);
    for (int sex : {kMale, kFemale}) {
      if (!sexes[sex]) continue;
      const int k = amount == kMoveAll ? s.staffOf(sex) : amount;
      if (pool_.transferStaff(s, sex, k)) moved += k;
    }
  }
  return moved;
}

void PersonnelSession::fillFromPool(const StoreOrder& stores) {
  Random& rng = world_->rng();
  const int hours = world_->MonthlyHours();
  const int month = world_->month;
  for (int n : stores) {
    if (!inUse(n)) continue;
    Ttempo& s = store(n);
    const int need = s.staffNeed(hours, month);
    while (s.staffTotal() < need && pool_.staffTotal() > 0)
      s.transferStaff(pool_, drawnSex(rng), 1);
  }
}

int PersonnelSession::shortageOf(const StoreOrder& stores) const {
  const int hours = world_->MonthlyHours();
  const int month = world_->month;
  int shortage = 0;
  for (int n : stores) {
    if (!inUse(n)) continue;
    shortage += static_cast<int>(
        std::max<int64_t>(store(n).staffNeed(hours, month) - store(n).staffTotal(), 0));
  }
  return shortage;
}

void PersonnelSession::leaveItToMe(const StoreOrder& stores) {
  Frontend& ui = world_->ui();
  fillFromPool(stores);
  int shortage = shortageOf(stores);
  if (shortage > 0 &&
      ui.message(translate("personnel_orders", "任せる"),
                 translate("personnel_orders",
                           "さらに人員が不足している店舗があります。選択中の店舗のうち人員が余って"
                           "いる店舗から、不足している店舗へ人員を異動させますか？"),
                 false, true, kFaceNormal)) {
    Random& rng = world_->rng();
    const int hours = world_->MonthlyHours();
    const int month = world_->month;
    for (int n : stores) {
      if (!inUse(n)) continue;
      Ttempo& s = store(n);
      const int need = s.staffNeed(hours, month);
      while (s.staffTotal() > need && pool_.staffTotal() < shortage)
        pool_.transferStaff(s, drawnSex(rng), 1);
    }
    fillFromPool(stores);
    shortage = shortageOf(stores);
  }
  if (shortage > 0)
    ui.message(translate("personnel_orders", "人員不足"),
               formatText(translate("personnel_orders", "%1人人員が足りません。"),
                          {std::to_string(shortage)}),
               false, false, kFaceCry);
}

int64_t Severance(const Ttempo& people, int chisei) {
  if (people.staffTotal() == 0) return 0;
  // One product in extended precision, truncated once, like the hiring cost.
  Extended m = 300;
  m *= toExtended(factorFor(kSeveranceMoral, people.moral.trunc()));
  m *= toExtended(factorFor(kSeveranceSkill, people.skill.trunc()));
  m *= toExtended(factorFor(kSeveranceIntelligence, chisei));
  // Women are paid a fifth more when they go.
  m *= static_cast<Extended>(people.dansei) + 1.2L * static_cast<Extended>(people.zyosei);
  return truncated(m);
}

int64_t PersonnelSession::severance() const { return Severance(pool_, world_->kaichou.chisei); }

bool PersonnelSession::dismiss() {
  const int64_t people = pool_.staffTotal();
  if (people == 0) return false;
  Frontend& ui = world_->ui();
  const int64_t amount = severance();
  const std::string question =
      formatText(translate("personnel_orders",
                           "%1人の余剰スタッフを解雇します。退職金として%2を支払います。取り消しは"
                           "できませんが、よろしいですか？"),
                 {std::to_string(people), formatGrouped(amount)});
  if (!ui.message(translate("personnel_orders", "解雇"), question, true, true, kFaceNormal))
    return false;
  if (!world_->kaichou.Shiharai(amount)) {
    ui.message(translate("personnel_orders", "資金不足"),
               translate("personnel_orders", "資金が足りません。"), true, false, kFaceCry);
    return false;
  }
  pool_.setDansei(0);
  pool_.setZyosei(0);
  committed_ = true;
  return true;
}

Check PersonnelSession::CheckConfirm() const {
  if (pool_.staffTotal() > 0)
    return personnelRefusal(translate(
        "personnel_orders",
        "スタッフが全て配属されていません。余剰スタッフを全て配属するか、解雇してください。"));
  return std::nullopt;
}

bool PersonnelSession::confirm() {
  Frontend& ui = world_->ui();
  if (Check refusal = CheckConfirm()) {
    showRefusal(ui, *refusal);
    return false;
  }
  if (world_->options().tellmsg &&
      !ui.message(translate("personnel_orders", "人事"),
                  translate("personnel_orders", "辞令を発効します。よろしいですか？"), false, true,
                  kFaceNormal))
    return false;
  tkaichou& company = world_->kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    Ttempo& s = store(n);
    if (!s.used) continue;
    if (s.joutai == kOpen && s.staffTotal() == 0) {
      s.setJoutai(kWaiting);
      ui.message(
          translate("personnel_orders", "人員不足"),
          formatText(translate("personnel_orders", "%1人員が不足している為、待機中となります。"),
                     {s.name.view()}),
          false, false, kFaceCry);
    }
  }
  for (int n = 1; n <= kStoreSlots; ++n)
    if (store(n).used) store(n).assignTo(company.slot(n));
  company.jinjizumi = true;
  return true;
}

Check PersonnelSession::CheckLeave() const {
  if (committed_)
    return personnelRefusal(
        translate("personnel_orders",
                  "雇用・採用・解雇を行った人事は取り消せません。余剰スタッフを全て配属するか解雇"
                  "して、決定してください。"));
  return std::nullopt;
}

void PersonnelSession::addRecruits(int64_t men, int64_t women, Money moral, Money skill) {
  if (men <= 0 && women <= 0) return;
  Ttempo recruits;
  recruits.setDansei(men);
  recruits.setZyosei(women);
  recruits.setMoral(moral);
  recruits.setSkill(skill);
  pool_.transferStaff(recruits, kMale, recruits.dansei);
  pool_.transferStaff(recruits, kFemale, recruits.zyosei);
  committed_ = true;
}

}  // namespace gm
