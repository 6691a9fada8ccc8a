// The seminar: one set of four courses is drawn and laid out in a random order; the course the
// president chooses raises its quality by one to five points, as far as the quality can go.
#include "world/seminar.h"

#include <array>
#include <string>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<std::array<const char*, 4>, 4> kCourses = {{
    {GM_TR_NOOP("seminar", "諸葛兄弟に見る人材論"), GM_TR_NOOP("seminar", "現代経営兵法"),
     GM_TR_NOOP("seminar", "Lets Try！ 禅"), GM_TR_NOOP("seminar", "ゲージの歴史")},
    {GM_TR_NOOP("seminar", "理想の組織・実践編"), GM_TR_NOOP("seminar", "古代算術法を学ぶ"),
     GM_TR_NOOP("seminar", "偉人・奇人達の足跡"), GM_TR_NOOP("seminar", "発明の必然と発見の偶然")},
    {GM_TR_NOOP("seminar", "「忠誠」の感情的・論理的側面"), GM_TR_NOOP("seminar", "尊徳の憂鬱"),
     GM_TR_NOOP("seminar", "人格の深淵"), GM_TR_NOOP("seminar", "愛すべき娯楽")},
    {GM_TR_NOOP("seminar", "イデオロギーの誕生と破滅"), GM_TR_NOOP("seminar", "智の桃源郷"),
     GM_TR_NOOP("seminar", "ヒトの遺伝的個性"), GM_TR_NOOP("seminar", "人間工学の基礎・応用")},
}};

// What the course raised, by course position: %1 is the gain.
constexpr std::array<const char*, 4> kGains = {GM_TR_NOOP("seminar", "統率力が%1向上しました！"),
                                               GM_TR_NOOP("seminar", "知性が%1向上しました！"),
                                               GM_TR_NOOP("seminar", "魅力が%1向上しました！"),
                                               GM_TR_NOOP("seminar", "鑑定眼が%1向上しました！")};

int32_t& quality(tkaichou& k, int position) {
  switch (position) {
    case 0:
      return k.tousotu;
    case 1:
      return k.chisei;
    case 2:
      return k.karisuma;
    default:
      return k.kantei;
  }
}

void raise(tkaichou& k, int position, int64_t v) {
  switch (position) {
    case 0:
      return k.SetTousotu(v);
    case 1:
      return k.SetChisei(v);
    case 2:
      return k.SetKarisuma(v);
    default:
      return k.SetKantei(v);
  }
}

}  // namespace

std::string seminarCourseName(int set, int position) {
  if (set < 0 || set > 3 || position < 0 || position > 3) return {};
  return translate("seminar", kCourses[set][position]);
}

int Seminar(tworld& world) {
  Random& rng = world.rng();
  tkaichou& company = world.kaichou;
  const int chance = rng.randInt(4);
  const int m = CalendarMonth(world.month);
  if (chance != 1 || (m != 5 && m != 11) || company.TempoKazu().used == 0) return -1;

  Frontend& ui = world.ui();
  if (!ui.message(translate("seminar", "経営者セミナー"),
                  formatText(translate("seminar",
                                       "%1で経営者セミナーが開かれています。講習料金は"
                                       "%2ですが、参加しますか？"),
                             {world.cityName.view(), std::to_string(kSeminarFee)}),
                  true, true, kFaceNormal))
    return -1;
  if (!company.Shiharai(kSeminarFee)) {
    ui.message(translate("seminar", "資金不足"), translate("seminar", "資金が足りません。"), true,
               false, kFaceCry);
    return -1;
  }

  const int set = rng.randInt(4);
  std::array<int, 4> order{};  // list entry -> course position
  std::array<bool, 4> placed{};
  for (int entry = 0; entry < 4; ++entry) {
    int position = rng.randInt(4);
    while (placed[position]) position = rng.randInt(4);
    placed[position] = true;
    order[entry] = position;
  }
  SeminarOffer offer;
  for (int entry = 0; entry < 4; ++entry)
    offer.courses[entry] = seminarCourseName(set, order[entry]);
  offer.karisuma = company.karisuma;
  offer.chisei = company.chisei;
  offer.tousotu = company.tousotu;
  offer.kantei = company.kantei;
  int entry = ui.askSeminarCourse(offer);
  if (entry < 0 || entry > 3) entry = 0;  // the preselected first entry
  const int position = order[entry];

  const int before = quality(company, position);
  const int step = rng.randInt(5) + 1;
  raise(company, position, int64_t{before} + step);
  const int gain = quality(company, position) - before;
  if (gain <= 0) {
    ui.message(translate("seminar", "講習終了"),
               translate("seminar", "あまり変わり映えしませんね．．．ちゃんと勉強したんですか？"),
               false, false, kFaceAngry);
  } else {
    ui.playCue(kCueUp);
    ui.message(translate("seminar", "講習終了"),
               formatText(translate("seminar", kGains[position]), {std::to_string(gain)}), false,
               false, kFaceLaugh);
  }
  ui.playCue(kCueMain);
  return gain;
}

}  // namespace gm
