// The appraisal dialogue: the lines in order, word for word, and the verdict's boundaries.
#include "store/appraisal.h"

#include <gtest/gtest.h>

#include "support/fixed_catalogue.h"

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

// In another language the opening keeps its two speakers on two lines, and each answer carries
// its rating wherever the translation puts it.
TEST(Appraisal, DialogueInAnotherLanguage) {
  test::FixedCatalogue english({
      {"appraisal", "「この台はどうですか？」", "\"What about this one?\""},
      {"appraisal", "「さて、どうかな．．．。」", "\"Let's see...\""},
      {"appraisal", "「．．．%1ぐらい、かな。」", "\"Maybe %1 or so.\""},
      {"appraisal", "「Ａだな。いけるよ、こりゃ。」", "\"An A.\""},
  });
  auto lines = appraisalDialogue({100, 100, 100, 30});
  EXPECT_EQ(lines[0], "\"What about this one?\"\r\n\"Let's see...\"");
  EXPECT_EQ(lines[8], "\"Maybe 30 or so.\"");
  EXPECT_EQ(lines[10], "\"An A.\"");
  EXPECT_EQ(lines[2], "「．．．100だな。」") << "a text the catalogue lacks stays as written";
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
