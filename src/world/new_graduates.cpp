// New graduates. A company whose stores need many hands hears from more graduates; a charming
// president, a keen and skilled staff and well-known, well-liked stores draw more of them, and
// refined stores draw more women. Now and then a year brings exceptional people.
#include "world/new_graduates.h"

#include <algorithm>
#include <string>

#include "base/rating.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr FactorTable kCharm = {8600, 8900, 9200, 9600, 9900, 10200, 10500, 10800, 11200, 11500};
constexpr FactorTable kMorale = {7500, 7900, 8400, 8900, 9600, 10200, 10900, 11700, 12400, 13100};
constexpr FactorTable kSkill = {8600, 8900, 9200, 9500, 9800, 10100, 10400, 10700, 11100, 11400};
constexpr FactorTable kFame = {5400, 6200, 7000, 8100, 9500, 10900, 11600, 12000, 12800, 13700};
constexpr FactorTable kSatisfaction = {8100, 8400,  8700,  9000,  9400,
                                       9700, 10100, 10500, 10800, 11100};
constexpr FactorTable kWomen = {3200, 3600, 3900, 4200, 4600, 4800, 5300, 5700, 6300, 6800};

constexpr Money kShareOfNeed = Money::fromRaw(2000);  // 0.2

}  // namespace

GraduateIntake DrawGraduates(tworld& world) {
  const tkaichou& company = world.kaichou;
  const StaffSummary staff = company.StaffShuukei(world.MonthlyHours(), world.month);
  const ImageAverages image = company.ImageHeikin();
  const int senren = std::min(image.senren, 99);
  const int chimei = std::min(image.chimei, 99);
  const int manzoku = std::min(image.manzoku, 99);

  GraduateIntake g;
  Money x = Money::fromInt(staff.need) * kShareOfNeed;
  x = x * factorFor(kCharm, company.karisuma);
  x = x * factorFor(kMorale, staff.moral.trunc());
  x = x * factorFor(kSkill, staff.skill.trunc());
  x = x * factorFor(kFame, chimei);
  x = x * factorFor(kSatisfaction, manzoku);
  g.expected = x;

  Random& rng = world.rng();
  g.count = Jitter(static_cast<int>((x + Money::fromRaw(5000)).trunc()), rng);
  g.women = static_cast<int>((Money::fromInt(g.count) * factorFor(kWomen, senren)).trunc());
  g.men = g.count - g.women;

  g.skill = rng.randInt(11) + 5;
  g.moral = rng.randInt(11) + 5;
  if (rng.randInt(20) == 1) {
    g.skill = rng.randInt(11) + 80;
    g.moral = rng.randInt(11) + 80;
  }
  return g;
}

bool NewGraduates(tworld& world) {
  const tkaichou& company = world.kaichou;
  if (!(company.sikin > Money::fromInt(kGraduateCashFloor)) || !world.options().nyuushahoukoku)
    return false;
  if (company.TempoKazu().used == 0 || world.month <= 11 || CalendarMonth(world.month) != 4)
    return false;

  const GraduateIntake g = DrawGraduates(world);
  Frontend& ui = world.ui();
  if (g.count == 0) {
    ui.message(translate("new_graduates", "新入社員"),
               translate("new_graduates", "今年は一人も新入社員はおりませんでした。"), false, false,
               kFaceCry);
    return true;
  }
  ui.message(
      translate("new_graduates", "新入社員"),
      formatText(translate("new_graduates", "今年は%1名の新卒者が%2への入社を希望しています。"),
                 {formatGrouped(int64_t{g.count}), company.kaishaname.view()}),
      false, false, kFaceSmile);
  ui.offerGraduates({g.men, g.women, g.moral, g.skill});
  return true;
}

}  // namespace gm
