// The advisor's words. Money is written in thousands of yen with the screens' grouping, trends
// to a tenth of a point.
#include "company/advice_text.h"

#include <array>
#include <cstdlib>

#include "company/manipulation_order.h"
#include "company/sentences.h"
#include "store/store.h"
#include "world/world.h"

namespace gm {

namespace {

std::string n(int64_t v) { return formatGrouped(v); }
// A figure kept x10, written with its tenth and without its sign: 15 -> "1.5".
std::string tenths(int64_t v10) {
  const int64_t a = std::llabs(v10);
  return std::to_string(a / 10) + "." + std::to_string(a % 10);
}
// A chance in parts per million as a percentage with one decimal, rounded up so that a risk is
// never written as nothing.
std::string chance(int64_t ppm) { return tenths((ppm + 999) / 1000); }

// Where fame or satisfaction is heading:
// "知名度28が、毎月平均8.5ずつ下がる見込みです（約3ヶ月で0）。"
std::string trend(bool fame, int64_t value, int64_t pull10, int monthsLeft) {
  if (value == 0)
    return formatText(
        fame ? translate("advice_text",
                         "知名度は0です。毎月の決まりは平均%1ずつ下げる方に働いています。")
             : translate("advice_text",
                         "満足度は0です。毎月の決まりは平均%1ずつ下げる方に働いています。"),
        {tenths(pull10)});
  if (monthsLeft > 0)
    return formatText(
        fame ? translate("advice_text",
                         "知名度%1が、毎月平均%2ずつ下がる見込みです（約%3ヶ月で0）。")
             : translate("advice_text",
                         "満足度%1が、毎月平均%2ずつ下がる見込みです（約%3ヶ月で0）。"),
        {n(value), tenths(pull10), n(monthsLeft)});
  return formatText(
      fame ? translate("advice_text", "知名度%1が、毎月平均%2ずつ下がる見込みです（まもなく0）。")
           : translate("advice_text", "満足度%1が、毎月平均%2ずつ下がる見込みです（まもなく0）。"),
      {n(value), tenths(pull10)});
}

std::string costName(int64_t which) {
  static constexpr std::array<const char*, 3> kNames = {GM_TR_NOOP("advice_text", "人件費"),
                                                        GM_TR_NOOP("advice_text", "保守費"),
                                                        GM_TR_NOOP("advice_text", "営業費")};
  return which >= 0 && which < 3 ? translate("advice_text", kNames[which]) : std::string();
}

std::string rivalOf(const tworld& w, int64_t record) {
  if (record < 1 || record > kRivalStoreSlots) return std::string();
  return std::string(rivalName(w.rivals.Tenpo(static_cast<int>(record)).owner));
}

AdviceText storeState(const Advice& a, const Ttempo& s) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::UnderConstruction:
      return {
          formatText(translate("advice_text", "工事中です。完成まであと%1ヶ月です。"), {n(v[0])}),
          translate("advice_text",
                    "完成するまでは営業できません。完成したら台を設置し、スタッフを配属して開店"
                    "します。"),
          ""};
    case AdviceTopic::Suspended:
      return {
          formatText(translate("advice_text", "営業停止中です。停止が明けるまであと%1ヶ月です。"),
                     {n(v[0])}),
          formatText(translate("advice_text",
                               "停止中も人件費と保守費は毎月およそ%1千円かかり、知名度は下がり続け"
                               "ます。停止が明けたら、開店費用%2千円で営業を再開できます。"),
                     {n(a.monthlyCost), n(v[1])}),
          ""};
    case AdviceTopic::NoMachines:
      return {
          formatText(translate("advice_text", "台が一台もありません（空きは%1島）。"), {n(v[0])}),
          formatText(translate("advice_text",
                               "台のない店舗にはお客様が来ません。それでも経費は毎月およそ%1千円か"
                               "かり、知名度も下がります。"),
                     {n(a.monthlyCost)}),
          formatText(
              translate("advice_text", "「新台購入」で台を買い、「入替」で%1に設置してください。"),
              {s.name.view()})};
    case AdviceTopic::CannotOpenStaff:
      return {
          formatText(translate("advice_text", "スタッフが%1人で、適正人員の%2人に足りません。"),
                     {n(v[0]), n(v[1])}),
          formatText(translate("advice_text",
                               "適正人員に満たない店舗は開店できません。適正人員は台の客付きととも"
                               "に増え、お客様が入ると約%1人が必要になります。"),
                     {n(v[2])}),
          formatText(translate("advice_text", "「人事」で%1人を雇用し、配属してください。"),
                     {n(a.suggestion[0])})};
    case AdviceTopic::ReadyToOpen: {
      std::string reason =
          formatText(translate("advice_text",
                               "待機中も経費が毎月およそ%1千円かかります。開店費用は%2千円です。"),
                     {n(v[1]), n(v[0])});
      if (v[2] < v[3])
        appendSentence(reason, formatText(translate("advice_text",
                                                    "開店してお客様が入ると適正人員は約%1人に増えま"
                                                    "すので、人事で早めに補充してください。"),
                                          {n(v[3])}));
      return {translate("advice_text", "開店の準備が整っています。"), reason,
              translate("advice_text", "「開店」を実行してください。")};
    }
    default:
      return {};
  }
}

AdviceText storeStaff(const Advice& a) {
  const auto& v = a.v;
  const std::string hire = formatText(
      translate("advice_text", "「人事」で%1人を雇用し、配属してください。"), {n(a.suggestion[0])});
  switch (a.topic) {
    case AdviceTopic::StaffWalkOut:
      return {
          formatText(translate("advice_text",
                               "人員の充足率が%1%（%2人／適正人員%3人）で、全員退職の危険がある%4%"
                               "を下回っています。"),
                     {n(v[2]), n(v[0]), n(v[1]), n(v[3])}),
          formatText(translate("advice_text",
                               "営業中の店舗で充足率がこの水準を下回ると、月末にスタッフが不満を募"
                               "らせ、二回に一回は全員が辞表を出して店舗は営業できなくなります。給"
                               "与が求める額に届かないほど、この水準（不満の水準は%1%）は上がりま"
                               "す。"),
                     {n(v[4])}),
          formatText(translate("advice_text", "今月中に「人事」で%1人を雇用し、配属してください。"),
                     {n(a.suggestion[0])})};
    case AdviceTopic::StaffDiscontent:
      return {
          formatText(translate("advice_text",
                               "人員の充足率が%1%（%2人／適正人員%3人）で、不満の出る%4%を下回って"
                               "います。"),
                     {n(v[2]), n(v[0]), n(v[1]), n(v[3])}),
          formatText(translate("advice_text",
                               "この水準を下回るとスタッフは毎月不満を訴え、モラルが平均%1、スキル"
                               "もその半分ほど下がり、福利厚生や教育による向上も止まります。"),
                     {tenths(v[4])}),
          hire};
    case AdviceTopic::StaffShort: {
      std::string head =
          v[0] < v[1]
              ? formatText(
                    translate("advice_text",
                              "スタッフが%1人で、適正人員の%2人を下回っています（充足率%3%）。"),
                    {n(v[0]), n(v[1]), n(v[2])})
              : formatText(
                    translate("advice_text",
                              "スタッフが%1人で、今は足りていますが、お客様が増えると適正人員は"
                              "約%2人になります。"),
                    {n(v[0]), n(v[5])});
      if (v[6] > 0)
        appendSentence(head,
                       formatText(translate("advice_text", "今月末には約%1人が辞める見込みです。"),
                                  {n(v[6])}));
      return {
          head,
          formatText(translate("advice_text",
                               "月末の充足率が%1%を下回るとスタッフが不満を訴え、%2%を下回ると全員"
                               "退職の恐れがあります。適正人員は、その月のお客様の数と台の古さで決"
                               "まります。"),
                     {n(v[3]), n(v[4])}),
          hire};
    }
    case AdviceTopic::SalaryBelowDemand: {
      std::string reason =
          formatText(translate("advice_text",
                               "給与が求める額に届かないと、その不足の割合（%1%）で"
                               "スタッフが毎月辞めていきます。今月末には約%2人が辞め"
                               "る見込みです。"),
                     {n(v[3]), n(v[4])});
      if (a.monthsLeft >= 0)
        appendSentence(reason,
                       formatText(translate("advice_text",
                                            "このままでは%1ヶ月で人員が不満の出る水準を割りま"
                                            "す。"),
                                  {n(a.monthsLeft)}));
      appendSentence(reason,
                     formatText(translate("advice_text",
                                          "求める額はスキル、客付き、女性スタッフの割合ととも"
                                          "に上がり、福利厚生が厚いと下がります。給与を上げる"
                                          "と月%1千円、辞めた人を雇い直すと月およそ%2千円かか"
                                          "ります。"),
                                {n(v[5]), n(v[6])}));
      std::string order =
          a.remedy == AdviceRemedy::PersonnelCost
              ? formatText(translate("advice_text", "「人件費調整」で給与を%1千円にしてください。"),
                           {n(a.suggestion[0])})
          : a.suggestion[0] > 0
              ? formatText(
                    translate("advice_text",
                              "雇い直すほうが安上がりです。毎月「人事」で辞める人数を見込んで雇"
                              "用してください（今月は%1人）。"),
                    {n(a.suggestion[0])})
              : translate(
                    "advice_text",
                    "雇い直すほうが安上がりです。今月は人手に余裕があるので、補充の必要はありま"
                    "せん。");
      return {
          formatText(translate("advice_text",
                               "給与が一人あたり月%1千円で、スタッフの求める%2千円に届きません（求"
                               "める額の%3%）。"),
                     {n(v[0]), n(v[1]), n(v[2])}),
          reason, order};
    }
    case AdviceTopic::StaffSurplus:
      return {
          formatText(
              translate("advice_text", "スタッフが%1人で、適正人員の%2人より%3人ほど多くいます。"),
              {n(v[0]), n(v[1]), n(v[2])}),
          formatText(translate("advice_text",
                               "余った人手にも毎月%1千円の人件費がかかります。解雇の退職金は%2千円"
                               "で、数ヶ月で取り戻せます。"),
                     {n(v[3]), n(v[4])}),
          formatText(translate("advice_text",
                               "「人事」で%1人を転属し、解雇するか人手の足りない店舗に配属してくだ"
                               "さい。"),
                     {n(-a.suggestion[0])})};
    case AdviceTopic::WelfareLow:
      return {
          formatText(translate("advice_text",
                               "福利厚生費が一人あたり月%1千円で、モラル（現在%2）は%3に向かってい"
                               "ます。"),
                     {n(v[0]), n(v[1]), n(v[2])}),
          formatText(translate("advice_text",
                               "モラルは毎月、福利厚生費の額に向かって動きます。モラルが低いと台の"
                               "運営費がかさみ、客単価も伸びず、10以下になると毎月何人かが辞めてい"
                               "きます。福利厚生費を一人%1千円にするとモラルは%2に向かい、月およそ"
                               "%3千円の得に対して、費用は下がる給与の要求を差し引いて月%4千円で"
                               "す。"),
                     {n(a.suggestion[2]), n(v[5]), n(v[4]), n(v[6])}),
          a.severity == AdviceSeverity::Note
              ? translate("advice_text", "今のところ割に合いませんので、急ぐ必要はありません。")
              : formatText(
                    translate("advice_text", "「人件費調整」で福利厚生費を%1千円にしてください。"),
                    {n(a.suggestion[2])})};
    case AdviceTopic::EducationLow:
      return {
          formatText(translate("advice_text",
                               "教育費が一人あたり月%1千円で、スキル（現在%2）は%3に向かっていま"
                               "す。"),
                     {n(v[0]), n(v[1]), n(v[2])}),
          formatText(translate("advice_text",
                               "スキルは毎月、教育費の額に向かって動きます。スキルが低いと台の保守"
                               "費がかさみ、客単価が伸びず、実際の利益率が設定から大きくぶれます。"
                               "スキルが上がると、スタッフの求める給与も上がります。教育費を一人%1"
                               "千円にするとスキルは%2に向かい、月およそ%3千円の得に対して、費用は"
                               "上がる給与の要求を含めて月%4千円です。"),
                     {n(a.suggestion[1]), n(v[5]), n(v[4]), n(v[6])}),
          a.severity == AdviceSeverity::Note
              ? translate("advice_text", "今のところ割に合いませんので、急ぐ必要はありません。")
              : formatText(
                    translate("advice_text", "「人件費調整」で教育費を%1千円にしてください。"),
                    {n(a.suggestion[1])})};
    default:
      return {};
  }
}

std::string manipulationFinding(int64_t bit) {
  if (bit == kShills) return translate("advice_text", "サクラを雇う工作を行っています。");
  if (bit == kIllegalRom) return translate("advice_text", "裏ROMを仕込む工作を行っています。");
  return translate("advice_text", "特賞操作システムを導入する工作を行っています。");
}

AdviceText storeImage(const tworld& w, const Advice& a) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::FireRisk: {
      std::string reason =
          formatText(translate("advice_text",
                               "空気の乾燥する十一月から三月には火事が起きやすく、ボ"
                               "ヤで済むかどうかはスタッフのスキルとモラルで決まりま"
                               "す。全焼すると建物、設備、台の約%1千円が失われます。"),
                     {n(v[2])});
      if (v[3] < v[0])
        appendSentence(reason,
                       formatText(translate("advice_text",
                                            "モラル70、スキル50のスタッフなら、年%1%に下がりま"
                                            "す。"),
                                  {chance(v[3])}));
      if (v[4] == 1)
        appendSentence(reason,
                       translate("advice_text",
                                 "我が社の店舗はここだけですので、全焼すれば店舗がなくなり、"
                                 "経営は続けられません。"));
      return {
          formatText(translate("advice_text",
                               "この店舗で火災が起きて消し止められない確率は年およそ%1%で、その%2%"
                               "は全焼です。"),
                     {chance(v[0]), n(v[1])}),
          reason,
          a.remedy == AdviceRemedy::PersonnelCost
              ? formatText(translate("advice_text",
                                     "「人件費調整」で教育費を%1千円、福利厚生費を%2千円にしてくだ"
                                     "さい。"),
                           {n(a.suggestion[1]), n(a.suggestion[2])})
              : ""};
    }
    case AdviceTopic::Manipulation: {
      std::string reason =
          v[1] > 0
              ? formatText(translate("advice_text",
                                     "今の状況で発覚する確率は月%1%（平均%2ヶ月に一度）です。"),
                           {chance(v[1]), n(a.monthsLeft)})
              : translate("advice_text", "店舗が営業すれば、発覚の恐れが生じます。");
      if (v[0] == kShills)
        appendSentence(reason, translate("advice_text",
                                         "発覚すると満足度と洗練度が大きく下がり、周辺のファンが離"
                                         "れ、社長の魅力と統率力も下がります。"));
      else
        appendSentence(reason, formatText(translate("advice_text",
                                                    "発覚すると保釈金約%1千円を払い、%2ヶ月の営業停"
                                                    "止となり、社長の魅力と統率力も下がります。"),
                                          {n(v[2]), n(v[3])}));
      appendSentence(
          reason, formatText(translate("advice_text", "スタッフのモラルも毎月平均%1下がります。"),
                             {tenths(v[4])}));
      return {manipulationFinding(v[0]), reason,
              translate("advice_text", "「工作変更」でやめてください。")};
    }
    case AdviceTopic::ExchangeRate:
      return {
          formatText(
              translate("advice_text", "交換率がパチンコ%1、スロット%2です。"),
              {pachinkoRateName(static_cast<int>(v[0])), slotRateName(static_cast<int>(v[1]))}),
          formatText(translate("advice_text",
                               "交換率が高い店では満足度が毎月下がり（下げれば月%1の改善）、スタッ"
                               "フのモラルとスキルの目標も%2%に下がります。一方で交換率が高いほど"
                               "店の評価点は上がり、知名度も上がりやすくなります。"),
                     {tenths(v[2]), n(v[3])}),
          formatText(translate("advice_text",
                               "「交換率変更」でパチンコを%1、スロットを%2以下にすると、満足度の下"
                               "落は止まります。"),
                     {pachinkoRateName(a.suggestion[0]), slotRateName(a.suggestion[1])})};
    case AdviceTopic::MachinesOld:
      return {
          formatText(
              translate("advice_text", "%1島が購入から12ヶ月以上たっています（平均%2ヶ月）。"),
              {n(v[0]), n(v[1])}),
          formatText(translate("advice_text",
                               "台が古くなると知名度、洗練度、満足度が毎月下がり、保守費と必要なス"
                               "タッフも増えます。入れ替えると知名度は月%1、満足度は月%2改善し、保"
                               "守費は月%3千円下がる見込みです。"),
                     {tenths(v[2]), tenths(v[3]), n(a.monthlyCost)}),
          formatText(translate("advice_text",
                               "「新台購入」で台を買い、「入替」で古い%1島と入れ替えてください。"),
                     {n(a.suggestion[0])})};
    case AdviceTopic::IslandsIdle:
      return {
          formatText(translate("advice_text",
                               "%1島に対して、先月のお客様%2人は%3島で足ります（客付き%4%）。"),
                     {n(v[0]), n(v[1]), n(v[2]), n(v[3])}),
          formatText(translate("advice_text",
                               "お客様の数は島の数では増えず、島に分かれるだけです。島が多いほど保"
                               "守費と運営費がかかり、適正人員も増えます。島を減らせば、必要なスタ"
                               "ッフが%1人減り、月およそ%2千円が浮きます。"),
                     {n(v[5]), n(v[4])}),
          formatText(
              translate("advice_text", "「入替」で、客付きの低い%1島を倉庫に下げてください。"),
              {n(-a.suggestion[0])})};
    case AdviceTopic::IslandsFull:
      return {
          formatText(translate("advice_text", "%1島の客付きが%2%で、ほぼ満席です。"),
                     {n(v[0]), n(v[2])}),
          formatText(translate("advice_text",
                               "一つの島は一時間に十人までしか遊べず、あふれたお客様は帰ってしまい"
                               "ます。先月のお客様%1人なら%2島あると安心です（空きは%3島）。"),
                     {n(v[1]), n(v[3]), n(v[4])}),
          formatText(translate("advice_text", "「新台購入」と「入替」で%1島を増やしてください。"),
                     {n(a.suggestion[0])})};
    case AdviceTopic::IslandsLosing:
      return {
          formatText(translate("advice_text",
                               "%1島が先月赤字でした（合計%2千円の損）。最も低い利益率の設定は%3%"
                               "です。"),
                     {n(v[0]), n(-v[1]), tenths(v[2] / 10)}),
          translate("advice_text",
                    "実際の利益率は、設定した利益率を中心に毎月ぶれます。設定が低いと、ぶれた月に"
                    "玉を出しすぎて赤字になります。"),
          formatText(translate("advice_text", "「利益率」で利益率を%1%程度にしてください。"),
                     {n(a.suggestion[0])})};
    case AdviceTopic::FameFalling: {
      std::string reason =
          formatText(translate("advice_text",
                               "知名度は毎月、先月の利益率の半分（今は%1）下がり、開"
                               "店からの年月や台の古さでも下がります。"),
                     {n(-v[2])});
      if (v[3] > 0)
        appendSentence(reason,
                       formatText(translate("advice_text",
                                            "提案の販売促進で月%1改善します（費用は月%2千円）"
                                            "。"),
                                  {tenths(v[3]), n(v[4])}));
      return {
          trend(true, v[0], v[1], a.monthsLeft), reason,
          a.remedy == AdviceRemedy::Promotions
              ? translate("advice_text",
                          "「販促予算変更」でテレビコマーシャル、ダイレクトメール、ポケットティッ"
                          "シュを始めてください。")
              : ""};
    }
    case AdviceTopic::SatisfactionFalling: {
      const std::string reason =
          formatText(translate("advice_text",
                               "満足度は毎月、先月の利益率の半分（今は%1）下が"
                               "り、交換率の高さ、台の古さ、混雑でも下がりま"
                               "す。設備、モラルとスキルの高いスタッフ、人気の"
                               "台で上がります。"),
                     {n(-v[2])});
      std::string order;
      if (a.remedy == AdviceRemedy::Equipment) {
        const std::string item = equipmentName(static_cast<int>(v[4]));
        order =
            formatText(translate("advice_text", "「設備投資」で%1を導入すると、月%2改善します。"),
                       {item, tenths(v[3])});
      }
      if (a.remedy == AdviceRemedy::ExchangeRates)
        order = formatText(
            translate("advice_text", "「交換率変更」で交換率を下げると、月%1改善します。"),
            {tenths(v[3])});
      return {trend(false, v[0], v[1], a.monthsLeft), reason, order};
    }
    case AdviceTopic::HallLosing: {
      std::string reason =
          formatText(translate("advice_text",
                               "先月は粗利益%1千円に対し、経費が%2千円（最も多いのは%3）でした。"),
                     {n(v[2]), n(v[3]), costName(v[4])});
      std::string order;
      if (a.remedy == AdviceRemedy::ProfitRates) {
        appendSentence(reason,
                       formatText(translate("advice_text",
                                            "先月のお客様の数なら、利益率%1%で粗利益が最も多く"
                                            "なる見込みです。"),
                                  {n(a.suggestion[0])}));
        order = formatText(
            translate("advice_text", "「利益率」で全ての島の利益率を%1%にしてください。"),
            {n(a.suggestion[0])});
      } else if (a.remedy == AdviceRemedy::Promotions) {
        appendSentence(reason,
                       translate("advice_text",
                                 "お客様を増やすには、販売促進で周辺の区画のファンを増やしま"
                                 "す。"));
        order = translate("advice_text", "「販促予算変更」で販売促進を始めてください。");
      } else {
        appendSentence(reason,
                       translate("advice_text",
                                 "利益率と販売促進は見直し済みです。お客様が増えるのを待つか、"
                                 "経費の大きい項目を見直してください。"));
      }
      return {formatText(translate("advice_text", "%1ヶ月続けて赤字です（平均月%2千円の損）。"),
                         {n(v[0]), n(-v[1])}),
              reason, order};
    }
    case AdviceTopic::RivalNearby:
      return {
          v[2] > 0 ? formatText(translate("advice_text",
                                          "%1の店舗が%2区画先に建設中です（開店まであと%3ヶ月）"
                                          "。"),
                                {rivalOf(w, v[0]), n(v[1]), n(v[2])})
                   : formatText(translate("advice_text", "%1の店舗が%2区画先に開店しました。"),
                                {rivalOf(w, v[0]), n(v[1])}),
          translate("advice_text",
                    "商圏の重なる区画のお客様は、評価（洗練度、知名度、満足度、モラル、スキル、交"
                    "換率）の高い店に多く分けられます。"),
          ""};
    default:
      return {};
  }
}

AdviceText company(const tworld& w, const Advice& a) {
  const auto& v = a.v;
  switch (a.topic) {
    case AdviceTopic::CashRunway:
      return {
          formatText(translate("advice_text",
                               "先月の経常利益は%1千円の赤字で、資金%2千円はこのままでは約%3ヶ月で"
                               "底をつきます。"),
                     {n(-v[1]), n(v[0]), n(v[2])}),
          translate("advice_text", "資金が底をつくと倒産です。"),
          translate("advice_text", "店舗一覧で赤字の店舗の所見を確かめてください。")};
    case AdviceTopic::NoStore:
      return {
          translate("advice_text", "店舗が一軒もありません。"),
          v[0] > 0 ? formatText(translate("advice_text",
                                          "六ヶ月を経ても店舗がないと、役員会議により辞任となりま"
                                          "す（あと%1ヶ月）。"),
                                {n(v[0])})
                   : translate("advice_text",
                               "今月中に店舗を出さないと、役員会議により辞任となります。"),
          translate("advice_text", "区画データで土地を買収し、「工事」で店舗を建ててください。")};
    case AdviceTopic::LosingStores:
      return {formatText(translate("advice_text", "%1店が先月赤字でした（合計%2千円の損）。"),
                         {n(v[0]), n(-v[1])}),
              "", translate("advice_text", "店舗一覧で各店の所見を確かめてください。")};
    case AdviceTopic::TaxEvasion:
      return {formatText(translate("advice_text", "脱税額は累計%1千円です。"), {n(v[0])}),
              formatText(translate("advice_text",
                                   "国税局に発覚する確率は月%1%で、発覚すると追徴課税%2千円を命ぜら"
                                   "れ、営業中の全店が６ヶ月の営業停止となります。"),
                         {chance(v[1]), n(v[2])}),
              a.remedy == AdviceRemedy::CompanyManoeuvre
                  ? translate("advice_text", "ﾕﾆｵﾝﾏﾈｰｼﾞｬの「変更」で特殊工作をやめてください。")
                  : translate("advice_text",
                              "特殊工作をやめていても、累計額が残る間は調査の恐れがあります。")};
    case AdviceTopic::RivalBuilding:
      return {formatText(translate("advice_text",
                                   "%1が(%2, %3)に店舗を建設中です（開店まであと%4ヶ月）。"),
                         {rivalOf(w, v[0]), n(v[2]), n(v[1]), n(v[3])}),
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

std::string severityLabel(AdviceSeverity s) {
  static constexpr std::array<const char*, 4> kLabels = {
      GM_TR_NOOP("advice_text", "参考"), GM_TR_NOOP("advice_text", "注意"),
      GM_TR_NOOP("advice_text", "重要"), GM_TR_NOOP("advice_text", "至急")};
  return translate("advice_text", kLabels[static_cast<int>(s)]);
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
      return formatText(translate("advice_text", "【%1】%2"),
                        {severityLabel(a.severity), adviceText(world, a).headline});
  return translate("advice_text", "特に問題はありません。");
}

}  // namespace gm
