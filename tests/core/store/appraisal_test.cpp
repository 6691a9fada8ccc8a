// The appraisal dialogue: the lines in order, word for word, and the verdict's boundaries.
#include "store/appraisal.h"

#include <gtest/gtest.h>

namespace gm {
namespace {

TEST(Appraisal, DialogueLinesInOrder) {
  auto lines = appraisalDialogue({72, 15, 100, 1});
  const std::array<std::string, kAppraisalLines> expected = {
      "「この台はどうですか？」\r\n「さて、どうかな．．．。」",
      "「射幸性は高いですか？」",
      "「．．．72だな。」",
      "「ベースは甘いですか？」",
      "「．．．15だろ。」",
      "「洗練度はどうでしょう？」",
      "「．．．100だ。」",
      "「斬新さはありますか？」",
      "「．．．1ぐらい、かな。」",
      "「総合評価はどんなもんです？」",
      "「うーん、まあＣってとこか。」",
  };
  EXPECT_EQ(lines, expected);
}

TEST(Appraisal, VerdictBySumOfNominalRatings) {
  EXPECT_EQ(appraisalVerdict(321), "「Ａだな。いけるよ、こりゃ。」");
  EXPECT_EQ(appraisalVerdict(320), "「．．．Ｂ、だあね。なかなかだ。」");
  EXPECT_EQ(appraisalVerdict(241), "「．．．Ｂ、だあね。なかなかだ。」");
  EXPECT_EQ(appraisalVerdict(240), "「うーん、まあＣってとこか。」");
  EXPECT_EQ(appraisalVerdict(161), "「うーん、まあＣってとこか。」");
  EXPECT_EQ(appraisalVerdict(160), "「Ｄクラスだな。イマイチかも。」");
  EXPECT_EQ(appraisalVerdict(81), "「Ｄクラスだな。イマイチかも。」");
  EXPECT_EQ(appraisalVerdict(80), "「良いとは思えんが、化けるかなあ．．」");
  EXPECT_EQ(appraisalVerdict(4), "「良いとは思えんが、化けるかなあ．．」");
}

TEST(Appraisal, RatingsAreHiddenFromTheListUntilAppraised) {
  tdai m;
  m.nominal = {60, 40, 30, 20};
  m.unappraised = true;
  EXPECT_EQ(listedRating(m, kGambling), 0);
  EXPECT_TRUE(appraise(m));
  EXPECT_FALSE(appraise(m)) << "the dialogue plays once";
  EXPECT_EQ(listedRating(m, kGambling), 60);
  EXPECT_EQ(listedRating(m, kNovelty), 20);
}

}  // namespace
}  // namespace gm
