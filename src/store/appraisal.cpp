// The appraiser's dialogue in the maker screen.
#include "store/appraisal.h"

namespace gm {

namespace {

constexpr std::array<std::string_view, 4> kQuestions = {
    "「射幸性は高いですか？」", "「ベースは甘いですか？」", "「洗練度はどうでしょう？」",
    "「斬新さはありますか？」"};
constexpr std::array<std::string_view, 4> kAnswerEnds = {"だな。」", "だろ。」", "だ。」",
                                                         "ぐらい、かな。」"};

}  // namespace

std::string_view appraisalVerdict(int s) {
  if (s > 320) return "「Ａだな。いけるよ、こりゃ。」";
  if (s > 240) return "「．．．Ｂ、だあね。なかなかだ。」";
  if (s > 160) return "「うーん、まあＣってとこか。」";
  if (s > 80) return "「Ｄクラスだな。イマイチかも。」";
  return "「良いとは思えんが、化けるかなあ．．」";
}

std::array<std::string, kAppraisalLines> appraisalDialogue(const Ratings& nominal) {
  std::array<std::string, kAppraisalLines> lines;
  int n = 0;
  lines[n++] = "「この台はどうですか？」\r\n「さて、どうかな．．．。」";
  int sum = 0;
  for (int i = 0; i < 4; ++i) {
    lines[n++] = std::string(kQuestions[i]);
    lines[n++] = "「．．．" + std::to_string(nominal[i]) + std::string(kAnswerEnds[i]);
    sum += nominal[i];
  }
  lines[n++] = "「総合評価はどんなもんです？」";
  lines[n++] = std::string(appraisalVerdict(sum));
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
