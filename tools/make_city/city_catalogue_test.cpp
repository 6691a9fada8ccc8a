// The shipped cities' descriptions written for the translators' tool: a description must come
// out as a literal that reads back as the same text, or the catalogue would never match it.
#include <gtest/gtest.h>

#include "city_catalogue.h"

namespace gm::citytext {
namespace {

TEST(CityCatalogue, LiteralsEscapeWhatWouldEndOrBendThem) {
  EXPECT_EQ(cppLiteral("湾に面した港湾都市。"), "\"湾に面した港湾都市。\"");
  EXPECT_EQ(cppLiteral("say \"hi\" \\ bye"), "\"say \\\"hi\\\" \\\\ bye\"");
  // A control character followed by a digit: the escape must not swallow the digit.
  EXPECT_EQ(cppLiteral(std::string("a\n7\t") + '\x7f'), "\"a\\0127\\011\\177\"");
}

TEST(CityCatalogue, EachDescriptionStandsOnceInTheCitiesContext) {
  const std::string source =
      catalogueSource({{"a.pmp", "港町。"}, {"b.pmp", "山の村。"}, {"c.pmp", "港町。"}});
  EXPECT_NE(source.find("QT_TRANSLATE_NOOP(\"cities\", \"港町。\")"), std::string::npos);
  EXPECT_NE(source.find("QT_TRANSLATE_NOOP(\"cities\", \"山の村。\")"), std::string::npos);
  EXPECT_EQ(source.find("港町。"), source.rfind("港町。")) << "a shared description is listed once";
  EXPECT_EQ(source.find("c.pmp"), std::string::npos);
  EXPECT_LT(source.find("a.pmp"), source.find("b.pmp")) << "the cities keep their order";
  EXPECT_NE(source.find("shippedCityDescriptions()"), std::string::npos);
}

}  // namespace
}  // namespace gm::citytext
