// The seminar: one set of four courses is drawn and laid out in a random order; the course the
// president chooses raises its quality by one to five points, as far as the quality can go.
#include "world/seminar.h"

#include <array>
#include <string>

#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<std::array<std::string_view, 4>, 4> kCourses = {{
    {"諸葛兄弟に見る人材論", "現代経営兵法", "Lets Try！ 禅", "ゲージの歴史"},
    {"理想の組織・実践編", "古代算術法を学ぶ", "偉人・奇人達の足跡", "発明の必然と発見の偶然"},
    {"「忠誠」の感情的・論理的側面", "尊徳の憂鬱", "人格の深淵", "愛すべき娯楽"},
    {"イデオロギーの誕生と破滅", "智の桃源郷", "ヒトの遺伝的個性", "人間工学の基礎・応用"},
}};

constexpr std::array<std::string_view, 4> kQualityNames = {"統率力が", "知性が", "魅力が",
                                                           "鑑定眼が"};

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

std::string_view seminarCourseName(int set, int position) {
  if (set < 0 || set > 3 || position < 0 || position > 3) return {};
  return kCourses[set][position];
}

int Seminar(tworld& world) {
  Random& rng = world.rng();
  tkaichou& company = world.kaichou;
  const int chance = rng.randInt(4);
  const int m = CalendarMonth(world.month);
  if (chance != 1 || (m != 5 && m != 11) || company.TempoKazu().used == 0) return -1;

  Frontend& ui = world.ui();
  if (!ui.message("経営者セミナー",
                  world.cityName.str() + "で経営者セミナーが開かれています。講習料金は" +
                      std::to_string(kSeminarFee) + "ですが、参加しますか？",
                  true, true, kFaceNormal))
    return -1;
  if (!company.Shiharai(kSeminarFee)) {
    ui.message("資金不足", "資金が足りません。", true, false, kFaceCry);
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
    offer.courses[entry] = std::string(kCourses[set][order[entry]]);
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
    ui.message("講習終了", "あまり変わり映えしませんね．．．ちゃんと勉強したんですか？", false,
               false, kFaceAngry);
  } else {
    ui.playCue(kCueUp);
    ui.message("講習終了",
               std::string(kQualityNames[position]) + std::to_string(gain) + "向上しました！",
               false, false, kFaceLaugh);
  }
  ui.playCue(kCueMain);
  return gain;
}

}  // namespace gm
