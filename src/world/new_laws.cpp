// New laws. Which laws can come depends on how long the game has run and on the citizens'
// feeling toward the halls: a calm city eases the rules, an angry one tightens them.
#include "world/new_laws.h"

#include <array>
#include <string>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, kLawCount> kExplanations = {
    GM_TR_NOOP("new_laws", "ぱちんこ店の一日の営業時間は最大２４時間まで延長する事ができる。"),
    GM_TR_NOOP(
        "new_laws",
        "特殊景品（換金可能な景品）を第三者の業者を介在させる事なく自社内で流通させる事ができる。"),
    GM_TR_NOOP("new_laws",
               "ぱちんこ店において、明らかに換金行為を目的とした特殊景品は、これを販売、交換しては"
               "ならない。"),
    GM_TR_NOOP("new_laws", "景品として有価証券及びそれに類する物を販売する事は、これを許可する。"),
    GM_TR_NOOP("new_laws", "一般景品の販売単価の上限を、従来の１万円から２万５千円に引き上げる。"),
    GM_TR_NOOP("new_laws", "一般景品の販売単価の上限を、従来の１万円から３千円に引き下げる。"),
    GM_TR_NOOP("new_laws",
               "ぱちんこ店は法定公休として毎月最低８日はその営業を休止しなければならない。"),
    GM_TR_NOOP("new_laws",
               "ぱちんこ店はその純益に対し毎月１５％のぱちんこ税を納付しなければならない。"),
    GM_TR_NOOP("new_laws",
               "機械台の製造・販売はどのような法人であってもその正当な権利は保証され、"
               "市場に自由に参入できる。"),
    GM_TR_NOOP("new_laws",
               "機械台を製造する者は、その機械台を適正に廃棄処理できる設備を有し、"
               "なおかつ廃棄処理が適正に行われる事を監督・指導し、その努力を怠ってはならない。"),
};

enum class Feeling { Any, Below, Above };

// A signed draw: the value moves by RandInt(range) in the direction of `sign`; range 0 = none.
struct Step {
  int range = 0;
  int sign = 0;
};

struct LawRule {
  int bit;
  uint16_t blockedBy;  // the law itself, or both laws of its pair
  int chance;          // RandInt(chance) < 10 (or < 50 for free manufacture)
  int below;
  int afterMonth;
  Feeling feeling;
  int unrestLimit;
  Step fan;  // populated blocks: fan rate, then unrest
  Step unrest;
  Step security;        // every block of the map
  int cue;              // -1: no music at all
  const char* closing;  // nullptr: the text is made when the law comes
  int face;
};

constexpr const char* kRipples =
    GM_TR_NOOP("new_laws", "各所で波紋を広げています。法案の詳細は地区概略をご覧ください。");

constexpr uint16_t kExchangePair = kLawExchangeEased | kLawExchangeBanned;
constexpr uint16_t kPrizePair = kLawPrizeLimitUp | kLawPrizeLimitDown;

// clang-format off
constexpr std::array<LawRule, kLawCount> kRules = {{
  // bit, blocked by, draw, below, after month, feeling, fan, unrest, security, cue; closing, face
  {0, kLawLongHours,        300, 10, 84,  Feeling::Below, 25, {},       {},       {},       kCueYes,
   GM_TR_NOOP("new_laws", "来月からの収益アップに期待しましょう。法案の詳細は地区概略をご覧ください。"), kFaceLaugh},
  {1, kExchangePair,        300, 10, 72,  Feeling::Below, 20, {20, 1},  {5, -1},  {10, -1}, kCueYes,
   kRipples, kFaceLaugh},
  {2, kExchangePair,        300, 10, 72,  Feeling::Above, 40, {35, -1}, {3, 1},   {10, 1},  kCueDown,
   kRipples, kFaceCry},
  {3, kLawSecurities,       300, 10, 6,   Feeling::Below, 10, {5, 1},   {2, -1},  {5, -1},  kCueUp,
   GM_TR_NOOP("new_laws", "お客様も喜ばれる事でしょう。法案の詳細は地区概略をご覧ください。"), kFaceLaugh},
  {4, kPrizePair,           300, 10, 36,  Feeling::Below, 25, {7, 1},   {4, 1},   {6, -1},  kCueUp,
   GM_TR_NOOP("new_laws", "より景品を充実させる事ができますね。法案の詳細は地区概略をご覧ください。"), kFaceLaugh},
  {5, kPrizePair,           300, 10, 36,  Feeling::Above, 40, {10, -1}, {2, -1},  {4, 1},   kCueDown,
   GM_TR_NOOP("new_laws", "景品出庫の減少が懸念されます。法案の詳細は地区概略をご覧ください。"), kFaceCry},
  {6, kLawClosedDays,       300, 10, 60,  Feeling::Above, 50, {10, -1}, {3, -1},  {5, 1},   kCueDown,
   GM_TR_NOOP("new_laws", "今後の収益減が懸念されます。法案の詳細は地区概略をご覧ください。"), kFaceCry},
  {7, kLawPachinkoTax,      300, 10, 120, Feeling::Any,   0,  {3, -1},  {5, -1},  {3, 1},   -1,
   kRipples, kFaceNormal},
  {8, kLawFreeManufacture,  100, 50, 36,  Feeling::Any,   0,  {},       {},       {},       kCueUp,
   nullptr, kFaceSmile},
  {9, kLawMakerLiability,   300, 10, 72,  Feeling::Any,   0,  {},       {3, -1},  {3, 1},   kCueUp,
   GM_TR_NOOP("new_laws", "今後はいつでも台の廃棄をメーカーに依頼する事ができるようになります。"), kFaceLaugh},
}};
// clang-format on

bool conditionsHold(const LawRule& rule, int month, int unrest) {
  if (month <= rule.afterMonth) return false;
  switch (rule.feeling) {
    case Feeling::Below:
      return unrest < rule.unrestLimit;
    case Feeling::Above:
      return unrest > rule.unrestLimit;
    case Feeling::Any:
      break;
  }
  return true;
}

int drawStep(Step s, Random& rng) { return s.sign * rng.randInt(s.range); }

// The law's effect, block by block, row by row: the populated blocks' fans and feeling first,
// then every block's security; the fan rate's ceiling is the one of the new laws.
void applyToBlocks(tworld& world, const LawRule& rule) {
  if (rule.fan.range == 0 && rule.unrest.range == 0 && rule.security.range == 0) return;
  Random& rng = world.rng();
  for (int r = 0; r < world.mapHeight; ++r)
    for (int c = 0; c < world.mapWidth; ++c) {
      Tchip& b = world.block(r, c);
      if (b.IsPopulated()) {
        if (rule.fan.range > 0) {
          const int d = drawStep(rule.fan, rng);
          b.SetFanRate(int64_t{b.fanRate} + d, world.laws);
        }
        if (rule.unrest.range > 0) {
          const int d = drawStep(rule.unrest, rng);
          b.SetUnrest(int64_t{b.unrest} + d);
        }
      }
      if (rule.security.range > 0) {
        const int d = drawStep(rule.security, rng);
        b.SetSecurity(int64_t{b.security} + d);
      }
    }
}

// Free manufacture brings every absent maker in at once; the closing text names them.
std::string openTheMarket(tworld& world) {
  std::string names;
  for (Tmaker& m : world.makers) {
    if (m.shijou) continue;
    m.shijou = true;
    names +=
        names.empty()
            ? formatText(translate("new_laws", "「%1」"), {m.name()})
            : formatText(translate("new_laws", "「%1」", "a further name of the list"), {m.name()});
  }
  return formatText(translate("new_laws", "新たに%1が%2の市場に参入します。"),
                    {names, world.cityName.view()});
}

void enact(tworld& world, const LawRule& rule) {
  world.laws = static_cast<uint16_t>(world.laws | (1u << rule.bit));
  applyToBlocks(world, rule);
  const std::string closing =
      rule.closing == nullptr ? openTheMarket(world) : translate("new_laws", rule.closing);
  Frontend& ui = world.ui();
  // The overview shows the new law while the player reads that he may look it up there.
  ui.cityChanged();
  if (rule.cue >= 0) ui.playCue(rule.cue);
  ui.message(translate("new_laws", "新法制定"),
             formatText(translate("new_laws", "%1市議会で新法「%2」が可決、制定されました！%3"),
                        {world.cityName.view(), lawName(rule.bit), closing}),
             false, false, rule.face);
  if (rule.cue >= 0) ui.playCue(kCueMain);
}

}  // namespace

std::string lawExplanation(int bit) {
  return bit >= 0 && bit < kLawCount ? translate("new_laws", kExplanations[bit]) : std::string();
}

int NewLaws(tworld& world) {
  const int unrest = world.AverageUnrest();
  const int month = world.month;
  for (const LawRule& rule : kRules) {
    if ((world.laws & rule.blockedBy) != 0) continue;
    const int draw = world.rng().randInt(rule.chance);
    if (draw >= rule.below || !conditionsHold(rule, month, unrest)) continue;
    enact(world, rule);
    return rule.bit;
  }
  return -1;
}

}  // namespace gm
