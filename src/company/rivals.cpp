// The rival companies' records: choosing the acting rival, the store records and their order,
// construction endings, the customer hand-over and the small queries the screens use.
#include "company/rivals.h"

#include <algorithm>
#include <string>

#include "base/translation.h"
#include "company/rival_constants.h"
#include "company/rival_reach.h"
#include "world/world.h"

namespace gm {

std::string_view rivalName(int rival) {
  return rival >= 0 && rival < kRivalCount ? kRivalProfiles[rival].name : std::string_view();
}

Tenkaichou::Tenkaichou(tworld& world) : world_(&world) {
  for (int i = 0; i < kRivalCount; ++i) shikin[i] = Money::fromInt(kRivalProfiles[i].startCash);
}

bool Tenkaichou::Sentaku(int i) {
  if (i < 0 || i >= kRivalCount) return false;
  if (shikin[i] <= Money() || !sanka[i] || rivalNashi) return false;
  genzai = static_cast<uint8_t>(i);
  return true;
}

bool Tenkaichou::Zenmetsu() const {
  return std::none_of(shikin.begin(), shikin.end(), [](Money m) { return m > Money(); });
}

int Tenkaichou::TenpoAt(int row, int column) const {
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& t = Tenpo(k);
    if (t.used && t.blockRow == row && t.blockColumn == column) return k;
  }
  return 1;
}

int Tenkaichou::CountInCity() const {
  return static_cast<int>(std::count(sanka.begin(), sanka.end(), true));
}

void Tenkaichou::CompactRecords() {
  // By hand rather than with std::stable_partition, which may take a buffer from the heap.
  int next = 0;
  for (int i = 0; i < kRivalStoreSlots; ++i) {
    if (!tenpo[i].used) continue;
    if (i != next) tenpo[next] = tenpo[i];
    ++next;
  }
  for (int i = next; i < kRivalStoreSlots; ++i) tenpo[i] = TEntempo{};
}

void Tenkaichou::ClearTenpo(int k) {
  Tenpo(k) = TEntempo{};
  CompactRecords();
}

void Tenkaichou::SetUpStore(int k, int rival, int month, int size, int row, int column,
                            int slotLimit, int pachinkoLimit) {
  TEntempo& t = Tenpo(k);
  if (t.used) {
    // A rebuild: the store keeps its ratings and its running total.
    t.kanseiMonth = month + size + 1;
  } else {
    static constexpr std::array<int, 5> kFameBySize = {0, 3, 6, 9, 12};
    const RivalStartRatings& s = rivalProfile(rival).start;
    Random& rng = world().rng();
    t = TEntempo{};
    t.used = true;
    t.kanseiMonth = month + size + 2;
    t.owner = static_cast<uint8_t>(rival);
    t.SetSenren(11 + rng.randInt(s.senren));
    t.SetChimei(11 + kFameBySize[size] + rng.randInt(s.chimei));
    t.SetMoral(11 + rng.randInt(s.moral));
    t.SetSkill(11 + rng.randInt(s.skill));
    t.pkankin = static_cast<uint8_t>(std::min(s.pkankin, pachinkoLimit));
    t.skankin = static_cast<uint8_t>(std::min(s.skankin, slotLimit));
  }
  t.shuttenMonth = month;
  t.kibo = static_cast<uint8_t>(size);
  t.blockRow = row;
  t.blockColumn = column;
  t.joutai = kRivalBuilding;
}

int Tenkaichou::Kansei(int month) {
  const Options& opt = world().options();
  Frontend& ui = world().ui();
  int opened = 0;
  for (TEntempo& t : tenpo) {
    if (!t.used || t.joutai != kRivalBuilding || month < t.kanseiMonth) continue;
    t.joutai = kRivalOpen;
    ++opened;
    if (opt.kaitenhoukoku) {
      ui.pointBlockWindowAt(t.blockRow, t.blockColumn);
      ui.message(translate("rivals", "開店"),
                 formatText(translate("rivals",
                                      "%1の店舗の工事が完了しました。今月新装開店するようです。"),
                            {rivalName(t.owner)}),
                 false, false, kFaceAngry);
    }
  }
  for (TEntempo& t : tenpo) {
    if (!t.used || t.joutai != kRivalSuspended || month < t.teishiMonth) continue;
    t.joutai = kRivalOpen;
    ++opened;
    if (opt.kaitenhoukoku) {
      ui.message(translate("rivals", "開店"),
                 formatText(translate("rivals",
                                      "%1の営業停止期間が終了しました。今月より営業再開するとの事で"
                                      "す。"),
                            {rivalName(t.owner)}),
                 false, false, kFaceAngry);
    }
  }
  return opened;
}

void Tenkaichou::SetKyaku(int k, int64_t customers, int businessHours) {
  TEntempo& t = Tenpo(k);
  int64_t most = static_cast<int64_t>(t.kibo + 1) * 100 * businessHours;
  t.kyaku = static_cast<int32_t>(std::clamp<int64_t>(customers, 0, std::max<int64_t>(most, 0)));
}

int Tenkaichou::ReachRadius(int k, const BlockGrid& blocks, int columns, int rows) const {
  return RivalReachRadius(blocks, columns, rows, Tenpo(k));
}

}  // namespace gm
