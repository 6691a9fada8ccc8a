// The world's life: creation of everything it owns, the city set-up and the clamping setters.
#include "world/world.h"

#include <array>

#include "base/rating.h"
#include "base/text.h"
#include "base/translation.h"

namespace gm {

namespace {
constexpr std::array<const char*, kLawCount> kLawNames = {
    GM_TR_NOOP("world", "営業時間の規制緩和"),
    GM_TR_NOOP("world", "換金行為の規制緩和"),
    GM_TR_NOOP("world", "換金行為の全面規制"),
    GM_TR_NOOP("world", "有価証券商品の交換の認可"),
    GM_TR_NOOP("world", "景品限度額の引き上げ"),
    GM_TR_NOOP("world", "景品限度額の引き下げ"),
    GM_TR_NOOP("world", "月毎営業日数規制"),
    GM_TR_NOOP("world", "ぱちんこ税の導入"),
    GM_TR_NOOP("world", "機械台製造販売の自由化"),
    GM_TR_NOOP("world", "機械台の製造者責任を義務付け"),
};
constexpr std::array<const char*, 7> kPachinkoRates = {
    GM_TR_NOOP("world", "2円 20銭"), GM_TR_NOOP("world", "2円 50銭"),
    GM_TR_NOOP("world", "2円 70銭"), GM_TR_NOOP("world", "3円"),
    GM_TR_NOOP("world", "3円 30銭"), GM_TR_NOOP("world", "3円 60銭"),
    GM_TR_NOOP("world", "等価交換")};
constexpr std::array<const char*, 4> kSlotRates = {
    GM_TR_NOOP("world", "8枚交換"), GM_TR_NOOP("world", "7枚交換"), GM_TR_NOOP("world", "6枚交換"),
    GM_TR_NOOP("world", "等価交換")};
// Makers in the market when a game starts; the others come with free manufacture.
constexpr std::array<bool, kMakerCount> kStartMakers = {true,  true, false, false, true, true,
                                                        false, true, true,  false, false};
}  // namespace

std::string lawName(int bit) {
  return bit >= 0 && bit < kLawCount ? translate("world", kLawNames[bit]) : std::string();
}
std::string pachinkoRateName(int i) {
  return i >= 0 && i < 7 ? translate("world", kPachinkoRates[i]) : std::string();
}
std::string slotRateName(int i) {
  return i >= 0 && i < 4 ? translate("world", kSlotRates[i]) : std::string();
}

tworld::tworld() : kaichou(*this), rivals(*this), jisseki(*this) {
  maxLandPrice = 600000;
  for (int r = 0; r < kMapSize; ++r)
    for (int c = 0; c < kMapSize; ++c) blocks[r][c].Create(r, c);
  for (int i = 0; i < kMakerCount; ++i) makers[i].Create(i);
  InitMakers();
}

tworld::~tworld() = default;

void tworld::InitMakers() {
  for (int i = 0; i < kMakerCount; ++i) makers[i].shijou = kStartMakers[i];
}

void tworld::InitFromCity(const CityDefinition& city) {
  cityName = makeName(city.name);
  month = 1;
  mapHeight = static_cast<uint8_t>(clampValue(city.height, 1, kMapSize));
  mapWidth = static_cast<uint8_t>(clampValue(city.width, 1, kMapSize));
  SetHousingPolicy(city.housingPolicy);
  SetCommercePolicy(city.commercePolicy);
  SetBusinessPolicy(city.businessPolicy);
  SetTaxRate(city.taxRate);
  SetUnionHourCut(city.unionHourCut);
  SetUnionDayCut(city.unionDayCut);
  cityType = static_cast<uint8_t>(city.cityType);
  maxPachinkoRate = static_cast<uint8_t>(city.maxPachinkoRate);
  maxSlotRate = static_cast<uint8_t>(city.maxSlotRate);
  for (int r = 0; r < kMapSize; ++r)
    for (int c = 0; c < kMapSize; ++c) blocks[r][c].InitKind(city.kinds[r][c], rng_);
}

void tworld::SetHousingPolicy(int64_t v) { housingPolicy = clamp100(v); }
void tworld::SetCommercePolicy(int64_t v) { commercePolicy = clamp100(v); }
void tworld::SetBusinessPolicy(int64_t v) { businessPolicy = clamp100(v); }
void tworld::SetTaxRate(int64_t v) { taxRate = static_cast<int32_t>(clampValue(v, 5, 50)); }
void tworld::SetUnionHourCut(int64_t v) {
  unionHourCut = static_cast<int32_t>(clampValue(v, 0, 6));
}
void tworld::SetUnionDayCut(int64_t v) { unionDayCut = static_cast<int32_t>(clampValue(v, 0, 8)); }

}  // namespace gm
