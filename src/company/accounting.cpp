// The company's month: before the results, the closing and the history.
#include "company/accounting.h"

#include <array>

#include "base/rating.h"
#include "company/company.h"
#include "company/store_close.h"
#include "world/world.h"

namespace gm {

namespace {
constexpr int kPachinkoTaxRate = 15;
}  // namespace

int EvasionShareBound(int chisei) {
  static constexpr std::array<int, 10> kBounds = {27, 30, 33, 35, 37, 40, 43, 45, 47, 50};
  return kBounds[bandIndex(chisei)];
}

Money WholePercentOf(Money amount, int64_t percent) {
  return Money::fromInt(
      divRoundHalfEven(static_cast<__int128>(amount.raw()) * percent, 100 * Money::kScale));
}

void tkaichou::GetsumatsuMae(BlockGrid& blocks, int hours, int columns, int rows, uint16_t flags,
                             int month, int days) {
  Random& rng = world_->rng();
  // Each quality moves a point a month, up or down, in this order.
  auto drift = [&rng](int32_t quality) {
    const int up = rng.randInt(2);
    return int64_t{quality} + (up == 1 ? 1 : -1);
  };
  SetTousotu(drift(tousotu));
  SetChisei(drift(chisei));
  SetKarisuma(drift(karisuma));
  SetKantei(drift(kantei));
  eigyoujikan = hours;
  eigyounissuu = days;

  const StoreMonth m{hours, days, month, flags};
  for (Ttempo& s : tempo)
    if (s.used) StoreBusinessStep(s, blocks, columns, rows, m, chisei, rng);
}

void tkaichou::Kessan(int hours, int month, uint16_t flags, int taxRate) {
  const StoreMonth m{hours, eigyounissuu, month, flags};
  for (Ttempo& s : tempo) {
    // The qualities are read store by store: nothing in a store's close changes them.
    if (s.used) StoreMonthlyClose(s, m, President{karisuma, chisei, tousotu}, *world_);
  }
  CloseAccounts(flags, taxRate);
}

void tkaichou::CloseAccounts(uint16_t flags, int taxRate) {
  const Money profit = StoreSums().netProfit;
  zeibikirieki = Money();
  shotokuzei = Money();
  pachinkozei = Money();
  datuzeigaku = Money();
  // Drawn every month, so that switching the manoeuvre on or off changes no later draw.
  const int share = 10 + world_->rng().randInt(EvasionShareBound(chisei));

  if (profit <= Money()) {
    // No tax on a loss, and nothing is evaded.
    zeibikirieki = profit;
    SetSikin(sikin + profit);
    return;
  }
  // Both taxes are taken on the same profit.
  shotokuzei = WholePercentOf(profit, taxRate);
  if (flags & (1u << 7)) pachinkozei = WholePercentOf(profit, kPachinkoTaxRate);
  if (datuzei) {
    const Money hiddenIncome = WholePercentOf(shotokuzei, share);
    const Money hiddenPachinko = WholePercentOf(pachinkozei, share);
    shotokuzei -= hiddenIncome;
    pachinkozei -= hiddenPachinko;
    datuzeigaku = hiddenIncome + hiddenPachinko;
  }
  zeibikirieki = profit - shotokuzei - pachinkozei;
  SetSikin(sikin + zeibikirieki);
  if (datuzei) datuzeiruikei += datuzeigaku;
}

void tkaichou::Rireki(const BlockGrid& blocks, int month) {
  for (Ttempo& s : tempo)
    if (s.used) PushStoreHistory(s, month, blocks[s.blockY][s.blockX].landPrice);

  const CompanySums sums = StoreSums();
  const ImageAverages image = ImageHeikin();
  const StaffSummary staff = StaffShuukei(eigyoujikan, month);
  backup.push(0, Money::fromInt(SoushisanKeisan(month)));
  backup.push(1, sums.uriage[kTotal]);
  backup.push(2, sums.profitRate[kTotal]);
  backup.push(3, sums.arari[kTotal]);
  backup.push(4, sums.operating);
  backup.push(5, sums.maintenance[14]);
  backup.push(6, Money::fromInt(sums.personnel[3]));
  backup.push(7, sums.netProfit);
  backup.push(8, Money::fromInt(sums.occupancy[kTotal]));
  backup.push(9, Money::fromInt(image.senren));
  backup.push(10, Money::fromInt(image.chimei));
  backup.push(11, Money::fromInt(image.manzoku));
  backup.push(12, staff.moral);
  backup.push(13, staff.skill);
}

}  // namespace gm
