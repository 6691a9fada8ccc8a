// The donation: the bigger the gift against what the company keeps, the more it calms the city;
// a token gift only annoys the charity and costs the president some of his charm.
#include "world/donation.h"

#include <algorithm>
#include <array>
#include <optional>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

// Unrest falls by RandInt(n) on each populated block, n by level 1..9.
constexpr std::array<int, 9> kCalming = {4, 5, 6, 7, 8, 9, 10, 11, 12};

bool requestComes(tworld& world) {
  Random& rng = world.rng();
  const int d = rng.randInt(100);
  const int f = rng.randInt(200);
  const int h = rng.randInt(2);
  const int m = CalendarMonth(world.month);
  return d < world.Density() && (m == 3 || m == 9) && f < world.kaichou.ImageHeikin().chimei &&
         h == 1;
}

void calmTheCity(tworld& world, int level) {
  const int n = kCalming[level - 1];
  for (int r = 0; r < world.mapHeight; ++r)
    for (int c = 0; c < world.mapWidth; ++c) {
      Tchip& b = world.block(r, c);
      if (!b.IsPopulated()) continue;
      const int fall = world.rng().randInt(n);
      b.SetUnrest(int64_t{b.unrest} - fall);
    }
}

}  // namespace

int64_t limitDonation(int64_t typed, Money cash) {
  if (typed <= 0) return 0;
  int64_t amount = std::min(typed, kLargestDonation);
  if (Money::fromInt(amount) >= cash) amount = (cash - Money::fromInt(1)).trunc();
  return std::max<int64_t>(amount, 0);
}

std::string donationQuestion(int64_t amount) {
  return formatText(translate("donation", "%1を寄付します。よろしいですか？"),
                    {formatGrouped(amount)});
}

int donationLevel(int64_t amount, Money remaining) {
  if (remaining <= Money()) return 9;
  const Money share = Money::fromInt(amount) / remaining;
  return static_cast<int>(std::clamp<int64_t>((share * int64_t{10}).trunc(), 0, 9));
}

bool DonationRequest(tworld& world) {
  tkaichou& company = world.kaichou;
  if (company.sikin < Money::fromInt(kDonationCashFloor)) return false;
  if (!requestComes(world)) return false;

  Frontend& ui = world.ui();
  const std::string city = world.cityName.str();
  if (!ui.message(translate("donation", "寄付願い"),
                  formatText(translate("donation",
                                       "%1の慈善団体が、活動資金の寄付を我が社に願い出ております。"
                                       "寄付されたお金は、%1の育英事業に役立てたいとの事ですが、"
                                       "寄付しますか？"),
                             {city}),
                  false, true, kFaceNormal))
    return false;

  // The window keeps the amount inside its limits; a port's answer is held to the same ones.
  const std::optional<int64_t> typed = ui.askDonation(company.sikin);
  const int64_t amount = typed ? limitDonation(*typed, company.sikin) : 0;
  if (amount <= 0 || !company.Shiharai(amount)) return false;

  const int level = donationLevel(amount, company.sikin);
  if (level > 0) {
    calmTheCity(world, level);
    ui.cityChanged();
    ui.playCue(kCueUp);
    ui.message(translate("donation", "寄付"),
               translate("donation", "これで我が社のイメージが少しでも良くなればいいですね。"),
               true, false, kFaceLaugh);
    const int gain = world.rng().randInt(3);
    company.SetKarisuma(int64_t{company.karisuma} + gain);
    ui.playCue(kCueMain);
  } else {
    ui.message(translate("donation", "寄付"),
               translate("donation",
                         "あまり慈善団体の方は喜んでいらっしゃらなかったようですが．"
                         "．．出し渋ったのですか？"),
               true, false, kFaceNormal);
    const int loss = world.rng().randInt(3);
    company.SetKarisuma(int64_t{company.karisuma} - loss);
  }
  return true;
}

}  // namespace gm
