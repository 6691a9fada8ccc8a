// The great earthquake: after the first five years, a one-in-360 chance a month. Every block of
// the map is shaken: security and dear land prices fall, the fans scatter and the ill feeling
// rises; stations and districts lose people, districts may be flattened, stores are half or
// wholly destroyed (the company's and the rivals' alike) and parking lots lost. The city rebuilds
// with houses first and cuts its tax to help.
#include <string>

#include "base/translation.h"
#include "world/incident_support.h"

namespace gm {

using namespace incident;

namespace {

constexpr int kEquipmentShaken = 11;  // items 1..11; the independent islands stand firm

int rivalStoreAt(const Tenkaichou& rivals, int row, int column) {
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& t = rivals.Tenpo(k);
    if (t.used && t.blockRow == row && t.blockColumn == column) return k;
  }
  return 0;
}

// The company's store on the shaken block; returns true when it was destroyed.
bool shakeOwnStore(tworld& w, Tchip& b) {
  Random& rng = w.rng();
  const int n = w.kaichou.StoreOn(b.row, b.column);
  if (n == 0) return false;
  Ttempo& t = w.kaichou.slot(n);
  const int survives = rng.randInt(2);
  if (survives == 1) {
    t.setSenren(t.senren - rng.randInt(50));
    addMoral(t, -rng.randInt(50));
    for (int item = 1; item <= kEquipmentShaken; ++item) {
      const int falls = rng.randInt(2);
      if (falls == 1) t.removeEquipment(item);
    }
    int destroyed = 0;
    // The ground floor is spared.
    for (int floor = 1; floor <= t.kibo && floor < kFloors; ++floor)
      for (Tddai& d : t.dai[floor]) {
        if (!d.used) continue;
        const int breaks = rng.randInt(2);
        if (breaks != 1) continue;
        d.reset();
        ++destroyed;
      }
    std::string text;
    if (destroyed > 0) {
      t.sortDai();
      text = formatText(translate("earthquake",
                                  "%1にも設備にかなりの被害がありました。また、%2台の台が破壊され、"
                                  "使い物にならなくなりました。スタッフも動揺しています。"),
                        {t.name.view(), std::to_string(destroyed * 10)});
    } else {
      text =
          formatText(translate("earthquake",
                               "%1にも設備にかなりの被害がありました。スタッフも動揺しています。"),
                     {t.name.view()});
    }
    tellStore(w, t, kNoCue, translate("earthquake", "店舗半壊"), text, false, kFaceCry, kNoCue);
    return false;
  }
  const std::string name = t.name.str();
  b.kind = kOwnLandKind;
  t.init();
  w.kaichou.TempoSort();
  w.ui().pointBlockWindowAt(b.row, b.column);
  tell(w, kNoCue, translate("earthquake", "店舗全壊"),
       formatText(translate("earthquake",
                            "%1が跡形も無く全壊してしまいました．．．"
                            "大混乱のうちに、スタッフも四散してしまいました．．．"
                            "心中お察しいたします．．．．。"),
                  {name}),
       false, kFaceCry, kNoCue);
  return true;
}

// A rival's store on the shaken block; returns true when it was destroyed.
bool shakeRivalStore(tworld& w, Tchip& b) {
  Random& rng = w.rng();
  const int k = rivalStoreAt(w.rivals, b.row, b.column);
  if (k == 0) return false;
  TEntempo& t = w.rivals.Tenpo(k);
  const int ruin = rng.randInt(100);
  if (ruin > 69) {
    const int owner = t.owner;
    b.kind = kRivalLandKind;
    w.ui().pointBlockWindowAt(b.row, b.column);
    tell(w, kNoCue, translate("earthquake", "店舗全壊"),
         formatText(translate("earthquake", "%1の店舗もかなりの被害にあっています。"),
                    {rivalName(owner)}),
         false, kFaceNormal, kNoCue);
    w.rivals.ClearTenpo(k);
    return true;
  }
  t.SetSenren(t.senren - rng.randInt(50));
  t.SetMoral(t.moral - rng.randInt(50));
  return false;
}

// Shakes one block; returns true when its picture changed.
bool shake(tworld& w, Tchip& b) {
  Random& rng = w.rng();
  b.SetSecurity(b.security - (rng.randInt(25) + 40));
  if (b.landPrice > 150000) b.SetLandPrice(b.landPrice * 4 / 5);
  if (b.IsPopulated()) {
    b.SetFanRate(rng.randInt(5), w.laws);
    b.SetUnrest(b.unrest + rng.randInt(50));
  }
  switch (b.kind) {
    case 15:
    case 16:
      b.SetPopulation(b.population / 2);
      return false;
    case 19: {
      const int hit = rng.randInt(2);
      return hit == 1 && shakeOwnStore(w, b);
    }
    case 20: {
      const int hit = rng.randInt(2);
      return hit == 1 && shakeRivalStore(w, b);
    }
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26: {
      b.SetPopulation(b.population / 3 * 2);
      const int flattened = rng.randInt(4);
      if (flattened != 1) return false;
      b.kind = kCitizensLandKind;
      b.SetPopulation(0);
      b.SetFanRate(0, w.laws);
      b.SetUnrest(0);
      return true;
    }
    case 27:
    case 28: {
      const int lost = rng.randInt(2);
      if (lost != 1) return false;
      b.kind = b.kind == 27 ? kOwnLandKind : kRivalLandKind;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

void Earthquake(IncidentPass& p) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int tremor = rng.randInt(360);
  if (tremor != 5 || w.month <= 60) return;

  const std::string city = w.cityName.str();
  w.SetHousingPolicy(w.housingPolicy + 20);
  tell(w, kCueDown, formatText(translate("earthquake", "%1大震災"), {city}),
       formatText(
           translate("earthquake",
                     "た、大変です！%1をマグニチュード７．２規模の直下型大地震が直撃しました！"
                     "各所で人的物的に凄まじい被害が出ております！"),
           {city}),
       false, kFacePanic, kNoCue);

  w.cityUpdating = true;
  for (int row = 0; row < w.mapHeight; ++row)
    for (int column = 0; column < w.mapWidth; ++column) {
      Tchip& b = w.block(row, column);
      if (!shake(w, b)) continue;
      w.changedBlocks[row][column] = true;
      const int repaint = rng.randInt(5);
      if (repaint == 1) w.ui().processEvents();
    }
  w.cityUpdating = false;

  w.SetTaxRate(w.taxRate - 25);
  tell(w, kNoCue, translate("earthquake", "税率の改正"),
       formatText(translate("earthquake", "震災の影響により、%1の税率が%2％に改正されました。"),
                  {city, std::to_string(w.taxRate)}),
       false, kFaceNormal);
}

}  // namespace gm
