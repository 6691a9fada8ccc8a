// The appraiser's dialogue in the maker screen.
#include "store/appraisal.h"

#include "base/translation.h"

namespace gm {

namespace {

constexpr std::array<const char*, 4> kQuestions = {
    GM_TR_NOOP("appraisal", "「射幸性は高いですか？」"),
    GM_TR_NOOP("appraisal", "「ベースは甘いですか？」"),
    GM_TR_NOOP("appraisal", "「洗練度はどうでしょう？」"),
    GM_TR_NOOP("appraisal", "「斬新さはありますか？」")};
// The appraiser answers each question in his own way; %1 is the published rating.
constexpr std::array<const char*, 4> kAnswers = {
    GM_TR_NOOP("appraisal", "「．．．%1だな。」"), GM_TR_NOOP("appraisal", "「．．．%1だろ。」"),
    GM_TR_NOOP("appraisal", "「．．．%1だ。」"),
    GM_TR_NOOP("appraisal", "「．．．%1ぐらい、かな。」")};

}  // namespace

std::string appraisalVerdict(int s) {
  if (s > 320) return translate("appraisal", "「Ａだな。いけるよ、こりゃ。」");
  if (s > 240) return translate("appraisal", "「．．．Ｂ、だあね。なかなかだ。」");
  if (s > 160) return translate("appraisal", "「うーん、まあＣってとこか。」");
  if (s > 80) return translate("appraisal", "「Ｄクラスだな。イマイチかも。」");
  return translate("appraisal", "「良いとは思えんが、化けるかなあ．．」");
}

std::array<std::string, kAppraisalLines> appraisalDialogue(const Ratings& nominal) {
  std::array<std::string, kAppraisalLines> lines;
  int n = 0;
  // The president's question and the appraiser's first answer share the opening line.
  lines[n++] = translate("appraisal", "「この台はどうですか？」") + "\r\n" +
               translate("appraisal", "「さて、どうかな．．．。」");
  int sum = 0;
  for (int i = 0; i < 4; ++i) {
    lines[n++] = translate("appraisal", kQuestions[i]);
    lines[n++] = formatText(translate("appraisal", kAnswers[i]), {std::to_string(nominal[i])});
    sum += nominal[i];
  }
  lines[n++] = translate("appraisal", "「総合評価はどんなもんです？」");
  lines[n++] = appraisalVerdict(sum);
  return lines;
}

bool appraise(tdai& model) {
  bool first = model.unappraised;
  model.unappraised = false;
  return first;
}

int listedRating(const tdai& model, int rating) {
  if (model.unappraised || rating < 0 || rating >= 4) return 0;
  return model.nominal[rating];
}

}  // namespace gm
