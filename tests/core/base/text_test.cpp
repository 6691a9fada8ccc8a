// Shift-JIS conversion, the 48-byte cut and the full-width conversion.
#include <gtest/gtest.h>

#include "base/text.h"

namespace gm {

TEST(Text, ShiftJisRoundTripAndUnencodableText) {
  auto sjis = toShiftJis("パチンコＡ1ｱ");
  ASSERT_TRUE(sjis.has_value());
  EXPECT_EQ(sjis->size(), 8u + 2u + 1u + 1u);  // four kana, a full-width A, "1", a half-width kana
  EXPECT_EQ(fromShiftJis(*sjis), "パチンコＡ1ｱ");
  EXPECT_FALSE(toShiftJis("\xF0\x9F\x98\x80").has_value());  // an emoji has no Shift-JIS form
  EXPECT_FALSE(isShiftJisEncodable("caf\xC3\xA9"));          // é neither
  // A lone lead byte is not valid Shift-JIS; it is replaced, not dropped silently.
  EXPECT_EQ(fromShiftJis(std::string("A\x82", 2)), "A?");
}

TEST(Text, CutsNeverSplitACharacter) {
  EXPECT_EQ(shiftJisLength("ABCあいう"), 9u);
  EXPECT_EQ(shiftJisLength("ｱｲｳ"), 3u);
  EXPECT_EQ(cutToShiftJisBytes("ABCあいう", 6), "ABCあ");  // 'い' would need bytes 6 and 7
  EXPECT_EQ(cutToShiftJisBytes("ABCあいう", 7), "ABCあい");
  std::string long_name(30, 'x');
  long_name += "漢字漢字漢字漢字漢字漢字";  // 30 + 24 bytes
  Name n = makeName(long_name);
  EXPECT_EQ(shiftJisLength(n.view()), 48u);
  std::string kana(60, '\0');
  kana.clear();
  for (int i = 0; i < 60; ++i) kana += "ｱ";  // 60 half-width kana, 180 UTF-8 bytes
  Name k = makeName(kana);
  EXPECT_EQ(shiftJisLength(k.view()), 48u);
  EXPECT_EQ(k.size(), 144u);
}

TEST(Text, FullWidthConversion) {
  EXPECT_EQ(toFullWidth("ABC xyz 019"), "ＡＢＣ ｘｙｚ ０１９");  // spaces stay
  EXPECT_EQ(toFullWidth("!?#(~)"), "！？＃（～）");
  EXPECT_EQ(toFullWidth("ｶﾞｷﾞﾊﾟｳﾞ"), "ガギパヴ");  // marks merge into the kana
  EXPECT_EQ(toFullWidth("ｱﾞﾏﾟ"), "ア゛マ゜");      // no combined kana: marks converted alone
  EXPECT_EQ(toFullWidth("ﾃﾞｰﾀ､ｵﾜﾘ｡･"), "データ、オワリ。・");
  EXPECT_EQ(toFullWidth("全角はそのまま"), "全角はそのまま");
  EXPECT_EQ(toFullWidth("ＡＢＣ"), "ＡＢＣ");
}

}  // namespace gm
