// The store's staff: head counts with what follows from them (morale, skill and the promotions
// the staff can carry out), the shares of men and women, the personnel cost, the staff need and
// transfers between stores.
#include "store/staff.h"

#include <algorithm>
#include <array>
#include <limits>

#include "store/store.h"

namespace gm {

namespace {

// Staff need per island by attendance band: busier islands need more hands.
constexpr std::array<int, 10> kNeedByAttendance = {21, 23, 26, 30, 35, 35, 40, 44, 47, 49};

int32_t headCount(int64_t n) {
  return static_cast<int32_t>(std::clamp<int64_t>(n, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::string shortageText(int64_t shortage) {
  if (shortage > 0) return "+" + std::to_string(shortage);
  if (shortage == 0) return "±0";
  return std::to_string(shortage);
}

void Ttempo::setDansei(int64_t n) {
  dansei = headCount(n);
  limitPromotionsByStaff();
}

void Ttempo::setZyosei(int64_t n) {
  zyosei = headCount(n);
  limitPromotionsByStaff();
}

// Fewer hands can hand out fewer tissues and address fewer letters; the levels only go down.
void Ttempo::limitPromotionsByStaff() {
  const int64_t total = staffTotal();
  if (total == 0) {
    moral = Money();
    skill = Money();
  }
  hansoku.mail =
      static_cast<uint8_t>(std::min<int64_t>(hansoku.mail, std::min<int64_t>(25, total / 5)));
  hansoku.tissue =
      static_cast<uint8_t>(std::min<int64_t>(hansoku.tissue, std::min<int64_t>(10, total / 10)));
}

StaffShares Ttempo::staffSummary() const {
  StaffShares s;
  s.total = staffTotal();
  if (s.total == 0) return s;
  s.men = static_cast<int>(int64_t{dansei} * 100 / s.total);
  s.women = static_cast<int>(int64_t{zyosei} * 100 / s.total);
  return s;
}

PersonnelCost Ttempo::personnelCost() const {
  PersonnelCost c;
  const int64_t heads = staffTotal();
  c.salaries = heads * kyuyo;
  c.education = heads * kyouiku;
  c.welfare = heads * fukuri;
  c.total = c.salaries + c.education + c.welfare;
  return c;
}

int Ttempo::staffNeed(int hours, int month) const {
  int64_t sum = 0;  // stored four-decimal integers
  for (int f = 0; f <= kibo && f < kFloors; ++f) {
    for (const Tddai& d : dai[f]) {
      if (!d.used) continue;
      int a = std::min(d.attendance(), 99);
      int64_t need = kNeedByAttendance[a / 10];
      // Older machines break down more and need more attention, up to twice as much.
      int64_t age = std::min<int64_t>(Money::kScale + int64_t{month - d.kounyuuMonth} * 100,
                                      2 * Money::kScale);
      int64_t perStaff = d.isPachinko() ? 5200 : 10400;
      sum += divRoundHalfEven(static_cast<__int128>(age) * hours * need, perStaff);
    }
  }
  return static_cast<int>(std::max<int64_t>(sum / Money::kScale, 1));
}

bool Ttempo::transferStaff(Ttempo& from, int sex, int64_t n) {
  if (n < 0 || &from == this || from.staffOf(sex) < n) return false;
  if (n == 0) return true;  // nobody moves, so nobody's figures change
  const int64_t before = staffTotal();
  const Money ownMoral = moral, ownSkill = skill;
  // The newcomers bring the morale and skill they had; a source that gives its last people away
  // drops to zero, so its figures are taken first.
  const Money theirMoral = from.moral, theirSkill = from.skill;
  if (sex == kMale) {
    setDansei(int64_t{dansei} + n);
    from.setDansei(int64_t{from.dansei} - n);
  } else {
    setZyosei(int64_t{zyosei} + n);
    from.setZyosei(int64_t{from.zyosei} - n);
  }
  if (before < 1) {
    setMoral(theirMoral);
    setSkill(theirSkill);
    return true;
  }
  // The head-count weighted average, to the nearest whole point.
  const int64_t total = staffTotal();
  auto blend = [&](Money own, Money theirs) {
    __int128 sum =
        static_cast<__int128>(before) * own.raw() + static_cast<__int128>(n) * theirs.raw();
    return Money::fromInt(divRoundHalfEven(sum, static_cast<__int128>(total) * Money::kScale));
  };
  setMoral(blend(ownMoral, theirMoral));
  setSkill(blend(ownSkill, theirSkill));
  return true;
}

}  // namespace gm
