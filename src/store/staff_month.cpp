// The monthly staff step. Every draw stands in the order the rules give it and only where its
// condition is reached, so a replay of the same seed meets the same staff.
#include "store/staff_month.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/rating.h"
#include "base/translation.h"
#include "store/store.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kEquipmentSeparateIslands = 0;  // "独立島": less walking, a little less pay
constexpr int kEquipmentBallCards = 4;        // "ボロカードシステム": more to look after

constexpr Money points(int64_t whole) { return Money::fromInt(whole); }

// How far morale or skill can move in a month, by how far it stands from its target.
int driftStep(int64_t distance) {
  static constexpr std::array<int, 10> kSteps = {5, 8, 11, 14, 17, 20, 23, 26, 29, 33};
  if (distance <= 5) return kSteps[0];
  if (distance > 50) return 36;
  return kSteps[(distance - 1) / 5];
}

// What the spending on the staff (welfare for morale, education for skill) makes them aim for.
// A generous exchange rate wears the staff down, so the target falls with it.
Money driftTarget(const Ttempo& s, int spending, bool inspired) {
  static constexpr std::array<int32_t, 7> kPachinkoRate = {10000, 10000, 10000, 9500,
                                                           9000,  8500,  8000};
  static constexpr std::array<int32_t, 4> kSlotRate = {10000, 10000, 9500, 9000};
  Money t = points(spending);
  if (inspired) t = t * Money::fromRaw(10500);
  const MachineCounts machines = s.machineCounts();
  if (machines.pachinkoMachines > 0 && s.pkankin >= 3 && s.pkankin <= 6)
    t = t * Money::fromRaw(kPachinkoRate[s.pkankin]);
  if (machines.slotMachines > 0 && s.skankin >= 2 && s.skankin <= 3)
    t = t * Money::fromRaw(kSlotRate[s.skankin]);
  return std::min(t, points(100));
}

// One month's move of morale or skill towards its target.
Money drift(Random& rng, Money value, Money target, bool open, int age) {
  Money gap = target - value;
  int g = driftStep((gap < Money() ? -gap : gap).trunc());
  if (!open) g -= rng.randInt(3);
  const bool rising = target >= value;
  // An old hall's staff have settled in and improve more slowly.
  if (rising) {
    if (age > 24) g -= rng.randInt(3);
    if (age > 48) g -= rng.randInt(3);
    if (age > 60) g -= rng.randInt(3);
  }
  g = std::max(g, 3);
  const int step = 1 + rng.randInt(g);
  return rising ? value + points(step) : value - points(step);
}

// Lowers both thresholds by a draw each, when the store's staff or president keep them calm.
void steady(Random& rng, int range, int& h, int& q) {
  const int u = rng.randInt(range);
  const int v = rng.randInt(range);
  h -= u;
  q -= v;
}

// `b` per cent of the men and of the women leave.
int64_t leave(Ttempo& s, int64_t b) {
  const Departures d = DeparturesAt(s, b);
  if (d.men > 0) s.setDansei(int64_t{s.dansei} - d.men);
  if (d.women > 0) s.setZyosei(int64_t{s.zyosei} - d.women);
  return d.total();
}

void pointAt(tworld& world, const Ttempo& s) { world.ui().pointBlockWindowAt(s.blockY, s.blockX); }

void emptyStore(Ttempo& s) {
  s.setDansei(0);
  s.setZyosei(0);
  s.setMoral(Money());
  s.setSkill(Money());
  if (s.joutai == kOpen) s.setJoutai(kWaiting);
}

}  // namespace

int SalaryDemand(const Ttempo& s, uint16_t laws, int karisuma, int tousotu) {
  int64_t d = 150 + 10 * bandIndex(s.skill.trunc());
  // Busy halls are hard work.
  d += s.kadou[kTotal];
  if (s.hasEquipment(kEquipmentSeparateIslands)) d -= 10;
  if (s.hasEquipment(kEquipmentBallCards)) d += 5;
  const int w = s.staffSummary().women;
  if (w > 0) d += d * w * 20 / 10000;
  if ((laws & kLawLongHours) != 0) d += d / 2;  // longer hours are paid for
  if (tousotu > 70) d += 60 - tousotu;
  if (karisuma > 80) d += 70 - karisuma;
  if (s.moral > points(80)) d -= (s.moral - points(70)).trunc();
  d -= s.fukuri / 5;
  return static_cast<int>(std::clamp<int64_t>(d, 150, 1000));
}

Money SalaryContentment(const Ttempo& s, uint16_t laws, int karisuma, int tousotu) {
  return Money::ratio(int64_t{s.kyuyo} * 100, SalaryDemand(s, laws, karisuma, tousotu));
}

StaffThresholds SettleThresholds(StaffThresholds t, Money S) {
  // Well-paid staff put up with more; underpaid staff with less.
  const Money fifth = Money::fromRaw(2000);
  const int64_t a =
      S > points(100) ? -((S - points(100)) * fifth).trunc() : ((points(100) - S) * fifth).trunc();
  t.discontent = std::max(t.discontent + static_cast<int>(a), 50);
  t.resignation = std::max(t.resignation + static_cast<int>(a), 30);
  return t;
}

Money MoraleTarget(const Ttempo& s, int karisuma) {
  return driftTarget(s, s.fukuri, karisuma > 80);
}

Money SkillTarget(const Ttempo& s, int tousotu) { return driftTarget(s, s.kyouiku, tousotu > 80); }

int ManipulationMoraleBound(uint8_t bit) { return bit == kIllegalRom ? 2 : 4; }

Departures DeparturesAt(const Ttempo& s, int64_t b) {
  Departures d;
  if (s.dansei > 0) d.men = static_cast<int>(std::max<int64_t>(int64_t{s.dansei} * b / 100, 1));
  if (s.zyosei > 0) d.women = static_cast<int>(std::max<int64_t>(int64_t{s.zyosei} * b / 100, 1));
  return d;
}

int64_t SalaryDepartureShare(Money S) {
  if (S >= points(100)) return 0;
  return std::max<int64_t>((points(100) - S).trunc(), 1);
}

Money StaffingRatio(const Ttempo& s, int hours, int month) {
  const int need = s.staffNeed(hours, month);
  if (need <= 0) return points(100);
  return Money::ratio(int64_t{s.staffTotal()} * 100, need);
}

StaffStepResult StaffMonthlyStep(Ttempo& s, int hours, int month, uint16_t laws, int karisuma,
                                 int tousotu, tworld& world) {
  StaffStepResult result;
  Random& rng = world.rng();
  Frontend& ui = world.ui();
  if (s.staffTotal() == 0) {
    s.setMoral(Money());
    s.setSkill(Money());
    return result;
  }

  const Money S = SalaryContentment(s, laws, karisuma, tousotu);
  const Money R = StaffingRatio(s, hours, month);
  const bool open = s.joutai == kOpen;

  bool drifts = true;
  if (open) {
    int h = 85;  // below this staffing ratio the staff complain
    int q = 65;  // below this they threaten to leave together
    if (tousotu >= 70) steady(rng, tousotu / 10 - 5, h, q);
    if (karisuma >= 80) steady(rng, karisuma / 10 - 6, h, q);
    if (s.moral >= points(80)) steady(rng, static_cast<int>((s.moral.trunc() / 10)) - 6, h, q);
    if (s.skill >= points(80)) steady(rng, static_cast<int>((s.skill.trunc() / 10)) - 6, h, q);
    const StaffThresholds settled = SettleThresholds({h, q}, S);
    h = settled.discontent;
    q = settled.resignation;

    if (R < points(h)) {
      result.discontent = true;
      drifts = false;
      const int c = static_cast<int>((points(h) - R).trunc()) + 2;
      const int skillLoss = rng.randInt(c) + 1;
      s.setSkill(s.skill - points(skillLoss));
      const int moralLoss = rng.randInt(2 * c) + 1;
      s.setMoral(s.moral - points(moralLoss));
      pointAt(world, s);
      ui.message(translate("staff_month", "スタッフの不満"),
                 formatText(translate("staff_month",
                                      "%1のスタッフが現在の就業環境に不満を抱き、待遇改善を求めてい"
                                      "るとの報告が入っています。ご検討ください。"),
                            {s.name.view()}),
                 false, false, kFaceAngry);
    }
    if (R < points(q)) {
      result.threatened = true;
      drifts = false;
      const int c = static_cast<int>((points(q) - R).trunc()) + 2;
      const int skillLoss = rng.randInt(c) + 20;
      s.setSkill(s.skill - points(skillLoss));
      const int moralLoss = rng.randInt(2 * c) + 30;
      s.setMoral(s.moral - points(moralLoss));
      if (rng.randInt(2) == 1) {
        result.walkedOut = true;
        emptyStore(s);
        pointAt(world, s);
        ui.playCue(kCueDown);
        ui.message(
            translate("staff_month", "スタッフの退職"),
            formatText(translate("staff_month",
                                 "大変です。%1のスタッフが全員辞表を提出し、退職してしまいました！"
                                 "%1は営業が不可能な状態となっています。"),
                       {s.name.view()}),
            false, false, kFacePanic);
        ui.playCue(kCueMain);
        return result;
      }
    }
  }

  if (drifts) {
    const int age = month - s.shuttenMonth;
    s.setMoral(drift(rng, s.moral, MoraleTarget(s, karisuma), open, age));
    s.setSkill(drift(rng, s.skill, SkillTarget(s, tousotu), open, age));
  }

  // Staff who are asked to cheat the customers lose heart.
  for (uint8_t bit : {kIllegalRom, kJackpotControl, kShills})
    if ((s.kousaku & bit) != 0)
      s.setMoral(s.moral - points(rng.randInt(ManipulationMoraleBound(bit))));

  const bool underpaid = S < points(100);
  if (underpaid) result.departures += leave(s, SalaryDepartureShare(S));
  const int G = rng.randInt(100);
  const int I = rng.randInt(10);
  if ((karisuma < G && I == 1) || s.moral <= points(10)) {
    const int b = rng.randInt(8) + 2;
    result.departures += leave(s, b);
  }

  if (result.departures > 0 && world.options().taishokuhoukoku) {
    const std::string text =
        underpaid ? formatText(translate("staff_month",
                                         "%1のスタッフが%2人退職しました。もう少し給与を高くしてあ"
                                         "げても良いのではないでしょうか．．．。"),
                               {s.name.view(), std::to_string(result.departures)})
                  : formatText(translate("staff_month", "%1のスタッフが%2人退職しました。"),
                               {s.name.view(), std::to_string(result.departures)});
    ui.message(translate("staff_month", "スタッフの退職"), text, false, false, kFaceCry);
  }

  if (s.staffTotal() == 0) {
    result.allGone = true;
    emptyStore(s);
    pointAt(world, s);
    ui.playCue(kCueDown);
    ui.message(translate("staff_month", "スタッフ不足"),
               formatText(translate("staff_month", "%1のスタッフが全て退職してしまいました。"),
                          {s.name.view()}),
               false, false, kFaceCry);
    ui.playCue(kCueMain);
  }
  return result;
}

}  // namespace gm
