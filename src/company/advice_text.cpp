// The advisor's words. Money is written in thousands of yen with the screens' grouping, trends
// to a tenth of a point.
#include "company/advice_text.h"

#include <array>
#include <cstdlib>

#include "company/manipulation_order.h"
#include "store/store.h"
#include "world/world.h"

namespace gm {

namespace {

std::string n(int64_t v) { return formatGrouped(v); }
std::string yen(int64_t v) { return formatGrouped(v) + "千円"; }
// A figure kept x10, written with its tenth and without its sign: 15 -> "1.5".
std::string tenths(int64_t v10) {
  const int64_t a = std::llabs(v10);
  return std::to_string(a / 10) + "." + std::to_string(a % 10);
}
// A chance in parts per million as a percentage with one decimal, rounded up so that a risk is
// never written as nothing.
std::string chance(int64_t ppm) { return tenths((ppm + 999) / 1000); }

// Where a rating is heading: "知名度28が、毎月平均8.5ずつ下がる見込みです（約3ヶ月で0）。"
std::string trend(const std::string& rating, int64_t value, int64_t pull10, int monthsLeft) {
  if (value == 0)
    return rating + "は0です。毎月の決まりは平均" + tenths(pull10) + "ずつ下げる方に働いています。";
  std::string head = rating + n(value) + "が、毎月平均" + tenths(pull10) + "ずつ下がる見込みです";
  head += monthsLeft > 0 ? "（約" + n(monthsLeft) + "ヶ月で0）。" : "（まもなく0）。";
  return head;
}

std::string_view costName(int64_t which) {
  static constexpr std::array<std::string_view, 3> kNames = {"人件費", "保守費", "営業費"};
  return which >= 0 && which < 3 ? kNames[which] : std::string_view();
}

std::string rivalOf(const tworld& w, int64_t record) {
  if (record < 1 || record > kRivalStoreSlots) return std::string();
  return std::string(rivalName(w.rivals.Tenpo(static_cast<int>(record)).owner));
}

std::string manipulationName(int64_t bit) {
  if (bit == kShills) return std::string(manipulationCaption(0));
  if (bit == kIllegalRom) return std::string(manipulationCaption(1));
  return std::string(manipulationCaption(2));
}

AdviceText storeState(const Advice& a, const Ttempo& s) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::UnderConstruction:
      return {"工事中です。完成まであと" + n(v[0]) + "ヶ月です。",
              "完成するまでは営業できません。完成したら台を設置し、スタッフを配属して開店します。",
              ""};
    case AdviceTopic::Suspended:
      return {"営業停止中です。停止が明けるまであと" + n(v[0]) + "ヶ月です。",
              "停止中も人件費と保守費は毎月およそ" + yen(a.monthlyCost) +
                  "かかり、知名度は下がり続けます。停止が明けたら、開店費用" + yen(v[1]) +
                  "で営業を再開できます。",
              ""};
    case AdviceTopic::NoMachines:
      return {"台が一台もありません（空きは" + n(v[0]) + "島）。",
              "台のない店舗にはお客様が来ません。それでも経費は毎月およそ" + yen(a.monthlyCost) +
                  "かかり、知名度も下がります。",
              "「新台購入」で台を買い、「入替」で" + s.name.str() + "に設置してください。"};
    case AdviceTopic::CannotOpenStaff:
      return {"スタッフが" + n(v[0]) + "人で、適正人員の" + n(v[1]) + "人に足りません。",
              "適正人員に満たない店舗は開店できません。適正人員は台の客付きとともに増え、"
              "お客様が入ると約" +
                  n(v[2]) + "人が必要になります。",
              "「人事」で" + n(a.suggestion[0]) + "人を雇用し、配属してください。"};
    case AdviceTopic::ReadyToOpen: {
      std::string reason =
          "待機中も経費が毎月およそ" + yen(v[1]) + "かかります。開店費用は" + yen(v[0]) + "です。";
      if (v[2] < v[3])
        reason += "開店してお客様が入ると適正人員は約" + n(v[3]) +
                  "人に増えますので、人事で早めに補充してください。";
      return {"開店の準備が整っています。", reason, "「開店」を実行してください。"};
    }
    default:
      return {};
  }
}

AdviceText storeStaff(const Advice& a) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::StaffWalkOut:
      return {"人員の充足率が" + n(v[2]) + "%（" + n(v[0]) + "人／適正人員" + n(v[1]) +
                  "人）で、全員退職の危険がある" + n(v[3]) + "%を下回っています。",
              "営業中の店舗で充足率がこの水準を下回ると、月末にスタッフが不満を募らせ、"
              "二回に一回は全員が辞表を出して店舗は営業できなくなります。"
              "給与が求める額に届かないほど、この水準（不満の水準は" +
                  n(v[4]) + "%）は上がります。",
              "今月中に「人事」で" + n(a.suggestion[0]) + "人を雇用し、配属してください。"};
    case AdviceTopic::StaffDiscontent:
      return {"人員の充足率が" + n(v[2]) + "%（" + n(v[0]) + "人／適正人員" + n(v[1]) +
                  "人）で、不満の出る" + n(v[3]) + "%を下回っています。",
              "この水準を下回るとスタッフは毎月不満を訴え、モラルが平均" + tenths(v[4]) +
                  "、スキルもその半分ほど下がり、福利厚生や教育による向上も止まります。",
              "「人事」で" + n(a.suggestion[0]) + "人を雇用し、配属してください。"};
    case AdviceTopic::StaffShort: {
      std::string head = "スタッフが" + n(v[0]) + "人で、";
      head += v[0] < v[1]
                  ? "適正人員の" + n(v[1]) + "人を下回っています（充足率" + n(v[2]) + "%）。"
                  : "今は足りていますが、お客様が増えると適正人員は約" + n(v[5]) + "人になります。";
      if (v[6] > 0) head += "今月末には約" + n(v[6]) + "人が辞める見込みです。";
      return {head,
              "月末の充足率が" + n(v[3]) + "%を下回るとスタッフが不満を訴え、" + n(v[4]) +
                  "%を下回ると全員退職の恐れがあります。適正人員は、その月のお客様の数と台の古さで"
                  "決まります。",
              "「人事」で" + n(a.suggestion[0]) + "人を雇用し、配属してください。"};
    }
    case AdviceTopic::SalaryBelowDemand: {
      std::string reason = "給与が求める額に届かないと、その不足の割合（" + n(v[3]) +
                           "%）でスタッフが毎月辞めていきます。今月末には約" + n(v[4]) +
                           "人が辞める見込みです";
      if (a.monthsLeft >= 0)
        reason += "。このままでは" + n(a.monthsLeft) + "ヶ月で人員が不満の出る水準を割ります";
      reason +=
          "。求める額はスキル、客付き、女性スタッフの割合とともに上がり、福利厚生が厚いと下がります"
          "。"
          "給与を上げると月" +
          yen(v[5]) + "、辞めた人を雇い直すと月およそ" + yen(v[6]) + "かかります。";
      std::string order =
          a.remedy == AdviceRemedy::PersonnelCost
              ? "「人件費調整」で給与を" + yen(a.suggestion[0]) + "にしてください。"
          : a.suggestion[0] > 0
              ? "雇い直すほうが安上がりです。毎月「人事」で辞める人数を見込んで雇用してください（今"
                "月は" +
                    n(a.suggestion[0]) + "人）。"
              : "雇い直すほうが安上がりです。今月は人手に余裕があるので、補充の必要はありません。";
      return {"給与が一人あたり月" + yen(v[0]) + "で、スタッフの求める" + yen(v[1]) +
                  "に届きません（求める額の" + n(v[2]) + "%）。",
              reason, order};
    }
    case AdviceTopic::StaffSurplus:
      return {"スタッフが" + n(v[0]) + "人で、適正人員の" + n(v[1]) + "人より" + n(v[2]) +
                  "人ほど多くいます。",
              "余った人手にも毎月" + yen(v[3]) + "の人件費がかかります。解雇の退職金は" +
                  yen(v[4]) + "で、数ヶ月で取り戻せます。",
              "「人事」で" + n(-a.suggestion[0]) +
                  "人を転属し、解雇するか人手の足りない店舗に配属してください。"};
    case AdviceTopic::WelfareLow:
    case AdviceTopic::EducationLow: {
      const bool welfare = a.topic == AdviceTopic::WelfareLow;
      const std::string spending = welfare ? "福利厚生費" : "教育費";
      const std::string rating = welfare ? "モラル" : "スキル";
      std::string reason =
          welfare
              ? "モラルは毎月、福利厚生費の額に向かって動きます。モラルが低いと台の運営費がかさみ、"
                "客単価も伸びず、10以下になると毎月何人かが辞めていきます。"
              : "スキルは毎月、教育費の額に向かって動きます。スキルが低いと台の保守費がかさみ、"
                "客単価が伸びず、実際の利益率が設定から大きくぶれます。スキルが上がると、"
                "スタッフの求める給与も上がります。";
      reason += spending + "を一人" + yen(welfare ? a.suggestion[2] : a.suggestion[1]) +
                "にすると" + rating + "は" + n(v[5]) + "に向かい、月およそ" + yen(v[4]) +
                "の得に対して、費用は" +
                (welfare ? "下がる給与の要求を差し引いて" : "上がる給与の要求を含めて") + "月" +
                yen(v[6]) + "です。";
      return {spending + "が一人あたり月" + yen(v[0]) + "で、" + rating + "（現在" + n(v[1]) +
                  "）は" + n(v[2]) + "に向かっています。",
              reason,
              a.severity == AdviceSeverity::Note
                  ? "今のところ割に合いませんので、急ぐ必要はありません。"
                  : "「人件費調整」で" + spending + "を" +
                        yen(welfare ? a.suggestion[2] : a.suggestion[1]) + "にしてください。"};
    }
    default:
      return {};
  }
}

AdviceText storeImage(const tworld& w, const Advice& a) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::FireRisk: {
      std::string reason =
          "空気の乾燥する十一月から三月には火事が起きやすく、ボヤで済むかどうかはスタッフの"
          "スキルとモラルで決まります。全焼すると建物、設備、台の約" +
          yen(v[2]) + "が失われます。";
      if (v[3] < v[0])
        reason += "モラル70、スキル50のスタッフなら、年" + chance(v[3]) + "%に下がります。";
      if (v[4] == 1)
        reason +=
            "我が社の店舗はここだけですので、全焼すれば店舗がなくなり、経営は続けられません。";
      return {"この店舗で火災が起きて消し止められない確率は年およそ" + chance(v[0]) + "%で、その" +
                  n(v[1]) + "%は全焼です。",
              reason,
              a.remedy == AdviceRemedy::PersonnelCost
                  ? "「人件費調整」で教育費を" + yen(a.suggestion[1]) + "、福利厚生費を" +
                        yen(a.suggestion[2]) + "にしてください。"
                  : ""};
    }
    case AdviceTopic::Manipulation: {
      std::string reason;
      if (v[1] > 0) {
        reason = "今の状況で発覚する確率は月" + chance(v[1]) + "%（平均" + n(a.monthsLeft) +
                 "ヶ月に一度）です。";
      } else {
        reason = "店舗が営業すれば、発覚の恐れが生じます。";
      }
      if (v[0] == kShills) {
        reason +=
            "発覚すると満足度と洗練度が大きく下がり、周辺のファンが離れ、社長の魅力と統率力も下がり"
            "ます。";
      } else {
        reason += "発覚すると保釈金約" + yen(v[2]) + "を払い、" + n(v[3]) +
                  "ヶ月の営業停止となり、社長の魅力と統率力も下がります。";
      }
      reason += "スタッフのモラルも毎月平均" + tenths(v[4]) + "下がります。";
      return {manipulationName(v[0]) + "工作を行っています。", reason,
              "「工作変更」でやめてください。"};
    }
    case AdviceTopic::ExchangeRate:
      return {"交換率がパチンコ" + std::string(pachinkoRateName(static_cast<int>(v[0]))) +
                  "、スロット" + std::string(slotRateName(static_cast<int>(v[1]))) + "です。",
              "交換率が高い店では満足度が毎月下がり（下げれば月" + tenths(v[2]) +
                  "の改善）、スタッフのモラルとスキルの目標も" + n(v[3]) +
                  "%に下がります。一方で交換率が高いほど店の評価点は上がり、知名度も上がりやすくな"
                  "ります。",
              "「交換率変更」でパチンコを" + std::string(pachinkoRateName(a.suggestion[0])) +
                  "、スロットを" + std::string(slotRateName(a.suggestion[1])) +
                  "以下にすると、満足度の下落は止まります。"};
    case AdviceTopic::MachinesOld:
      return {n(v[0]) + "島が購入から12ヶ月以上たっています（平均" + n(v[1]) + "ヶ月）。",
              "台が古くなると知名度、洗練度、満足度が毎月下がり、保守費と必要なスタッフも増えます。"
              "入れ替えると知名度は月" +
                  tenths(v[2]) + "、満足度は月" + tenths(v[3]) + "改善し、保守費は月" +
                  yen(a.monthlyCost) + "下がる見込みです。",
              "「新台購入」で台を買い、「入替」で古い" + n(a.suggestion[0]) +
                  "島と入れ替えてください。"};
    case AdviceTopic::IslandsIdle:
      return {
          n(v[0]) + "島に対して、先月のお客様" + n(v[1]) + "人は" + n(v[2]) +
              "島で足ります（客付き" + n(v[3]) + "%）。",
          "お客様の数は島の数では増えず、島に分かれるだけです。島が多いほど保守費と運営費がかかり、"
          "適正人員も増えます。島を減らせば、必要なスタッフが" +
              n(v[5]) + "人減り、月およそ" + yen(v[4]) + "が浮きます。",
          "「入替」で、客付きの低い" + n(-a.suggestion[0]) + "島を倉庫に下げてください。"};
    case AdviceTopic::IslandsFull:
      return {
          n(v[0]) + "島の客付きが" + n(v[2]) + "%で、ほぼ満席です。",
          "一つの島は一時間に十人までしか遊べず、あふれたお客様は帰ってしまいます。先月のお客様" +
              n(v[1]) + "人なら" + n(v[3]) + "島あると安心です（空きは" + n(v[4]) + "島）。",
          "「新台購入」と「入替」で" + n(a.suggestion[0]) + "島を増やしてください。"};
    case AdviceTopic::IslandsLosing:
      return {n(v[0]) + "島が先月赤字でした（合計" + yen(-v[1]) + "の損）。最も低い利益率の設定は" +
                  tenths(v[2] / 10) + "%です。",
              "実際の利益率は、設定した利益率を中心に毎月ぶれます。設定が低いと、ぶれた月に玉を出し"
              "すぎて赤字になります。",
              "「利益率」で利益率を" + n(a.suggestion[0]) + "%程度にしてください。"};
    case AdviceTopic::FameFalling: {
      const std::string head = trend("知名度", v[0], v[1], a.monthsLeft);
      std::string reason = "知名度は毎月、先月の利益率の半分（今は" + n(-v[2]) +
                           "）下がり、開店からの年月や台の古さでも下がります。";
      if (v[3] > 0)
        reason += "提案の販売促進で月" + tenths(v[3]) + "改善します（費用は月" + yen(v[4]) + "）。";
      return {head, reason,
              a.remedy == AdviceRemedy::Promotions
                  ? "「販促予算変更」でテレビコマーシャル、ダイレクトメール、ポケットティッシュを始"
                    "めてください。"
                  : ""};
    }
    case AdviceTopic::SatisfactionFalling: {
      const std::string head = trend("満足度", v[0], v[1], a.monthsLeft);
      const std::string reason = "満足度は毎月、先月の利益率の半分（今は" + n(-v[2]) +
                                 "）下がり、交換率の高さ、台の古さ、混雑でも下がります。設備、"
                                 "モラルとスキルの高いスタッフ、人気の台で上がります。";
      std::string order;
      if (a.remedy == AdviceRemedy::Equipment)
        order = "「設備投資」で" + std::string(equipmentInfo(static_cast<int>(v[4])).name) +
                "を導入すると、月" + tenths(v[3]) + "改善します。";
      if (a.remedy == AdviceRemedy::ExchangeRates)
        order = "「交換率変更」で交換率を下げると、月" + tenths(v[3]) + "改善します。";
      return {head, reason, order};
    }
    case AdviceTopic::HallLosing: {
      std::string reason = "先月は粗利益" + yen(v[2]) + "に対し、経費が" + yen(v[3]) +
                           "（最も多いのは" + std::string(costName(v[4])) + "）でした。";
      std::string order;
      if (a.remedy == AdviceRemedy::ProfitRates) {
        reason += "先月のお客様の数なら、利益率" + n(a.suggestion[0]) +
                  "%で粗利益が最も多くなる見込みです。";
        order = "「利益率」で全ての島の利益率を" + n(a.suggestion[0]) + "%にしてください。";
      } else if (a.remedy == AdviceRemedy::Promotions) {
        reason += "お客様を増やすには、販売促進で周辺の区画のファンを増やします。";
        order = "「販促予算変更」で販売促進を始めてください。";
      } else {
        reason +=
            "利益率と販売促進は見直し済みです。お客様が増えるのを待つか、経費の大きい項目を見直して"
            "ください。";
      }
      return {n(v[0]) + "ヶ月続けて赤字です（平均月" + yen(-v[1]) + "の損）。", reason, order};
    }
    case AdviceTopic::RivalNearby: {
      const std::string who = rivalOf(w, v[0]);
      std::string head = who + "の店舗が" + n(v[1]) + "区画先に";
      head += v[2] > 0 ? "建設中です（開店まであと" + n(v[2]) + "ヶ月）。" : "開店しました。";
      return {head,
              "商圏の重なる区画のお客様は、評価（洗練度、知名度、満足度、モラル、スキル、交換率）の"
              "高い店に多く分けられます。",
              ""};
    }
    default:
      return {};
  }
}

AdviceText company(const tworld& w, const Advice& a) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::CashRunway:
      return {"先月の経常利益は" + yen(-v[1]) + "の赤字で、資金" + yen(v[0]) + "はこのままでは約" +
                  n(v[2]) + "ヶ月で底をつきます。",
              "資金が底をつくと倒産です。", "店舗一覧で赤字の店舗の所見を確かめてください。"};
    case AdviceTopic::NoStore:
      return {"店舗が一軒もありません。",
              v[0] > 0 ? "六ヶ月を経ても店舗がないと、役員会議により辞任となります（あと" +
                             n(v[0]) + "ヶ月）。"
                       : "今月中に店舗を出さないと、役員会議により辞任となります。",
              "区画データで土地を買収し、「工事」で店舗を建ててください。"};
    case AdviceTopic::LosingStores:
      return {n(v[0]) + "店が先月赤字でした（合計" + yen(-v[1]) + "の損）。", "",
              "店舗一覧で各店の所見を確かめてください。"};
    case AdviceTopic::TaxEvasion:
      return {"脱税額は累計" + yen(v[0]) + "です。",
              "国税局に発覚する確率は月" + chance(v[1]) + "%で、発覚すると追徴課税" + yen(v[2]) +
                  "を命ぜられ、営業中の全店が６ヶ月の営業停止となります。",
              a.remedy == AdviceRemedy::CompanyManoeuvre
                  ? "ﾕﾆｵﾝﾏﾈｰｼﾞｬの「変更」で特殊工作をやめてください。"
                  : "特殊工作をやめていても、累計額が残る間は調査の恐れがあります。"};
    case AdviceTopic::RivalBuilding:
      return {rivalOf(w, v[0]) + "が(" + n(v[2]) + ", " + n(v[1]) +
                  ")に店舗を建設中です（開店まであと" + n(v[3]) + "ヶ月）。",
              "", ""};
    default:
      return {};
  }
}

}  // namespace

AdviceText adviceText(const tworld& world, const Advice& a) {
  switch (a.topic) {
    case AdviceTopic::UnderConstruction:
    case AdviceTopic::Suspended:
    case AdviceTopic::NoMachines:
    case AdviceTopic::CannotOpenStaff:
    case AdviceTopic::ReadyToOpen:
      if (a.slot < 1 || a.slot > kStoreSlots) return {};
      return storeState(a, world.kaichou.slot(a.slot));
    case AdviceTopic::StaffWalkOut:
    case AdviceTopic::StaffDiscontent:
    case AdviceTopic::StaffShort:
    case AdviceTopic::StaffSurplus:
    case AdviceTopic::SalaryBelowDemand:
    case AdviceTopic::WelfareLow:
    case AdviceTopic::EducationLow:
      return storeStaff(a);
    case AdviceTopic::CashRunway:
    case AdviceTopic::NoStore:
    case AdviceTopic::LosingStores:
    case AdviceTopic::TaxEvasion:
    case AdviceTopic::RivalBuilding:
      return company(world, a);
    default:
      return storeImage(world, a);
  }
}

std::string_view severityLabel(AdviceSeverity s) {
  static constexpr std::array<std::string_view, 4> kLabels = {"参考", "注意", "重要", "至急"};
  return kLabels[static_cast<int>(s)];
}

std::string_view adviceTopicKey(AdviceTopic t) {
  static constexpr std::array<std::string_view, kAdviceTopics> kKeys = {"under-construction",
                                                                        "suspended",
                                                                        "no-machines",
                                                                        "cannot-open-staff",
                                                                        "ready-to-open",
                                                                        "staff-walk-out",
                                                                        "staff-discontent",
                                                                        "staff-short",
                                                                        "staff-surplus",
                                                                        "salary-below-demand",
                                                                        "welfare-low",
                                                                        "education-low",
                                                                        "fire-risk",
                                                                        "manipulation",
                                                                        "exchange-rate",
                                                                        "machines-old",
                                                                        "islands-idle",
                                                                        "islands-full",
                                                                        "islands-losing",
                                                                        "fame-falling",
                                                                        "satisfaction-falling",
                                                                        "hall-losing",
                                                                        "rival-nearby",
                                                                        "cash-runway",
                                                                        "no-store",
                                                                        "losing-stores",
                                                                        "tax-evasion",
                                                                        "rival-building"};
  static_assert(!kKeys.back().empty(), "a key for every topic");
  const auto i = static_cast<std::size_t>(t);
  return i < kKeys.size() ? kKeys[i] : std::string_view();
}

std::string adviceSummary(const tworld& world, const AdviceList& advice) {
  for (const Advice& a : advice)
    if (a.severity >= AdviceSeverity::Caution)
      return "【" + std::string(severityLabel(a.severity)) + "】" + adviceText(world, a).headline;
  return "特に問題はありません。";
}

}  // namespace gm
