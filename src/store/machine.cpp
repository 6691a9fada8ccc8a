// The machine-type table and the operations on machine records (islands of ten machines).
#include "store/machine.h"

#include <array>

#include "base/rating.h"
#include "base/translation.h"

namespace gm {

namespace {

constexpr std::array<MachineTypeInfo, kMachineTypeCount> kTypes = {{
    {GM_TR_NOOP("machine", "一般台"), 120, 3, 3, 800},
    {GM_TR_NOOP("machine", "権利物"), 150, 4, 5, 1800},
    {GM_TR_NOOP("machine", "アレパチ"), 140, 4, 6, 2100},
    {GM_TR_NOOP("machine", "一発台"), 130, 4, 4, 1600},
    {GM_TR_NOOP("machine", "セブン機"), 170, 6, 10, 2500},
    {GM_TR_NOOP("machine", "CRセブン機"), 250, 7, 18, 3500},
    {GM_TR_NOOP("machine", "CR権利物"), 230, 6, 14, 2500},
    {GM_TR_NOOP("machine", "CRアレパチ"), 220, 6, 15, 2800},
    {GM_TR_NOOP("machine", "パチスロ"), 350, 12, 30, 2600},
    {GM_TR_NOOP("machine", "CRパチスロ"), 450, 15, 50, 3000},
}};

constexpr std::array<const char*, 4> kBusinessForms = {
    GM_TR_NOOP("machine", "無制限"), GM_TR_NOOP("machine", "ﾗｯｷｰﾅﾝﾊﾞｰ"),
    GM_TR_NOOP("machine", "定量制"), GM_TR_NOOP("machine", "一回交換")};

// Slot machines wear out their welcome later than pachinko boards, so makers accept them back
// on a floor for longer.
constexpr int kPachinkoValidityMonths = 30;
constexpr int kSlotValidityMonths = 36;

// A money value taken `percent` (per cent x 10,000) of, rounded once at the end.
Money percentOfMoney(Money value, Money percent) {
  return Money::fromRaw(divRoundHalfEven(static_cast<__int128>(value.raw()) * percent.raw(),
                                         static_cast<__int128>(100) * Money::kScale));
}

// A month's money spread over the ten machines of the island and its business days.
Money perMachineDay(Money value, int32_t days) {
  if (days == 0) return Money();
  return Money::fromRaw(divRoundHalfEven(value.raw(), static_cast<__int128>(days) * 10));
}

}  // namespace

std::string businessFormName(int keitai) {
  return translate("machine", kBusinessForms[keitai >= 0 && keitai < 4 ? keitai : 0]);
}

std::string machineTypeName(int type) {
  return translate("machine", machineTypeInfo(type).name.data());
}

std::string illegalityText(bool ihou) {
  return ihou ? translate("machine", "有り") : translate("machine", "無し");
}

const MachineTypeInfo& machineTypeInfo(int type) {
  return kTypes[type >= 0 && type < kMachineTypeCount ? type : 0];
}

void Tddai::fillRecord(int month, int32_t unitPriceYen, const tdai& model) {
  reset();
  used = true;
  name = model.name;
  kishu = model.kishu;
  maker = model.maker;
  nominal = model.nominal;
  actual = model.actual;
  kounyuuMonth = month;
  tanka = unitPriceYen;
  modelMachine = model.modelMachine;
  yuukouMonth = model.releaseMonth +
                (isSlotType(model.kishu) ? kSlotValidityMonths : kPachinkoValidityMonths);
  shukka = model.shukka;
  virgin = true;
  riritu = Money::fromInt(15);
  ihou = false;
  keitai = 0;
  morning = 0;
}

// The numbers first: every island of an open store compares itself with all the others each
// month, and the names are the slow part.
bool Tddai::sameModel(const Tddai& o) const {
  return used && o.used && kishu == o.kishu && maker == o.maker && shukka == o.shukka &&
         tanka == o.tanka && name == o.name;
}

bool Tddai::sameAsModel(const tdai& m) const {
  return used && name == m.name && kishu == m.kishu && maker == m.maker && shukka == m.shukka;
}

YearMonth Tddai::monthsOwned(int month) const { return MonthToElapsed(month - kounyuuMonth); }

Money Tddai::sales() const {
  if (nissuu == 0) return Money();
  return kyakutan * static_cast<int64_t>(kadou);
}

Money Tddai::grossProfit() const { return percentOfMoney(sales(), ririJisseki); }

Money Tddai::expectedGrossProfit() const { return percentOfMoney(sales(), riritu); }

Money Tddai::salesPerMachineDay() const { return perMachineDay(sales(), nissuu); }

Money Tddai::grossProfitPerMachineDay() const { return perMachineDay(grossProfit(), nissuu); }

int Tddai::attendance() const {
  if (jikan == 0) return 0;
  return static_cast<int>(clampValue(percentOf(kadou, static_cast<int64_t>(jikan) * 10), 0, 100));
}

void move(Tddai& from, Tddai& to) {
  if (&from == &to) return;
  copy(from, to);
  from.reset();
}

void copy(const Tddai& from, Tddai& to) {
  if (&from == &to) return;
  to.reset();
  to = from;
}

}  // namespace gm
