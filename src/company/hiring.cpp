// Hiring and the new graduates' entry.
#include "company/hiring.h"

#include <array>
#include <string>
#include <utility>

#include "base/extended.h"
#include "base/rating.h"
#include "base/translation.h"
#include "company/personnel_orders.h"
#include "world/world.h"

namespace gm {

namespace {

// People look for work after the winter and are scarce in early spring, when the graduates of
// the year have just been taken.
constexpr std::array<int32_t, 12> kSeasonFactor = {16000, 17000, 20000, 19000, 15000, 14000,
                                                   12000, 10000, 9000,  8000,  12000, 13000};
constexpr FactorTable kIntelligenceFactor = {14500, 13500, 12800, 12200, 11500,
                                             10500, 9500,  9000,  8500,  8000};
constexpr FactorTable kCharismaFactor = {12500, 12000, 11500, 11000, 10500,
                                         10000, 9500,  9000,  8500,  8000};
constexpr std::array<int32_t, 3> kSexFactor = {10000, 9000, 12000};  // any, men, women
// Restless cities make hiring dear; well-known stores make it cheap.
constexpr FactorTable kUnrestFactor = {7500,  8100,  8700,  9300,  10000,
                                       10600, 11300, 12000, 12800, 13200};
constexpr FactorTable kFameFactor = {12200, 11700, 11200, 10700, 10200,
                                     9700,  9200,  8700,  8200,  7700};
// Newcomers pick up some of the spirit and craft of the staff they join (whole points).
constexpr std::array<int, 10> kJoiningBonus = {0, 2, 4, 6, 8, 10, 13, 17, 20, 24};

Refusal hiringRefusal(std::string text) {
  return Refusal{translate("hiring", "雇用"), std::move(text), kFaceCry, false};
}

}  // namespace

Check CheckHiring(const tworld& world) {
  if (world.kaichou.koyouzumi)
    return hiringRefusal(
        translate("hiring", "今月はすでに雇用を行っております。来月までお待ちください。"));
  return std::nullopt;
}

Check CheckHireCount(int count) {
  if (count < 0 || count > kMaxHire)
    return hiringRefusal(translate("hiring", "募集できる人数は0人から10,000人までです。"));
  return std::nullopt;
}

int64_t HiringCost(const tworld& world, int64_t count, HireSex sex) {
  const tkaichou& company = world.kaichou;
  // One product in extended precision, truncated once: rounding each step to four decimals
  // would charge a thousand yen more whenever the product lies just below a whole number.
  Extended cost = 30;
  cost *= toExtended(Money::fromRaw(kSeasonFactor[CalendarMonth(world.month) - 1]));
  cost *= toExtended(factorFor(kIntelligenceFactor, company.chisei));
  cost *= toExtended(factorFor(kCharismaFactor, company.karisuma));
  cost *= toExtended(Money::fromRaw(kSexFactor[static_cast<int>(sex)]));
  cost *= toExtended(factorFor(kUnrestFactor, world.AverageUnrest()));
  cost *= toExtended(factorFor(kFameFactor, company.ImageHeikin().chimei));
  cost *= count;
  return truncated(cost);
}

bool Hire(PersonnelSession& session, int count, HireSex sex) {
  tworld& world = session.world();
  Frontend& ui = world.ui();
  for (Check refusal : {CheckHiring(world), CheckHireCount(count)}) {
    if (refusal) {
      showRefusal(ui, *refusal);
      return false;
    }
  }
  if (count == 0) return false;
  const int64_t cost = HiringCost(world, count, sex);
  if (world.options().tellmsg &&
      !ui.message(
          translate("hiring", "雇用"),
          formatText(translate("hiring",
                               "スタッフを%1人募集します。費用が%2かかりますが、よろしいですか？"),
                     {std::to_string(count), formatGrouped(cost)}),
          true, true, kFaceNormal))
    return false;
  tkaichou& company = world.kaichou;
  if (!company.Shiharai(cost)) {
    ui.message(translate("hiring", "資金不足"), translate("hiring", "資金が足りません。"), true,
               false, kFaceCry);
    return false;
  }
  company.koyouzumi = true;

  const StaffSummary staff = company.StaffShuukei(world.MonthlyHours(), world.month);
  Random& rng = world.rng();
  const int moral = rng.randInt(20) + 1 + kJoiningBonus[bandIndex(staff.moral.trunc())];
  const int skill = rng.randInt(20) + 1 + kJoiningBonus[bandIndex(staff.skill.trunc())];
  int64_t women = 0;
  if (sex == HireSex::Women) {
    women = count;
  } else if (sex == HireSex::Any) {
    const int draw = rng.randInt(20);
    const Money share = Money::fromRaw(4100 + 100 * int64_t{draw});
    women = (Money::fromInt(count) * share).round();
  }
  session.addRecruits(count - women, women, Money::fromInt(moral), Money::fromInt(skill));
  return true;
}

Check CheckGraduateIntake(const GraduateOffer& offer, int men, int women) {
  if (men < 0 || women < 0 || men > offer.men || women > offer.women)
    return Refusal{translate("hiring", "採用"),
                   translate("hiring", "希望者より多くは採用できません。"), kFaceCry, false};
  return std::nullopt;
}

bool TakeInGraduates(PersonnelSession& session, const GraduateOffer& offer, int men, int women) {
  tworld& world = session.world();
  Frontend& ui = world.ui();
  if (Check refusal = CheckGraduateIntake(offer, men, women)) {
    showRefusal(ui, *refusal);
    return false;
  }
  const int total = men + women;
  if (total == 0) return false;
  if (world.options().tellmsg &&
      !ui.message(translate("hiring", "採用"),
                  formatText(translate("hiring", "合わせて%1人を採用します。よろしいですか？"),
                             {std::to_string(total)}),
                  false, true, kFaceNormal))
    return false;
  session.addRecruits(men, women, Money::fromInt(offer.moral), Money::fromInt(offer.skill));
  return true;
}

}  // namespace gm
