// The text city: header checks, automatic road and railway pieces, and the round trip.
#include <gtest/gtest.h>

#include "city_text.h"

namespace gm::citytext {
namespace {

std::string header(std::string_view extra = "") {
  return std::string(
             "name: 試験町\n"
             "description: 一行目、\n"
             "  二行目。\n"
             "housing: 50\ncommerce: 40\nbusiness: 30\ntax: 10\nunion_hours: 1\nunion_days: 2\n"
             "city_type: 0\nmax_pachinko_rate: none\nmax_slot_rate: 1\n") +
         std::string(extra);
}

std::string kindsOf(const CityDefinition& c) {
  std::string s;
  for (int r = 0; r < c.height; ++r) {
    for (int col = 0; col < c.width; ++col) s += std::to_string(c.kinds[r][col]) + " ";
    s += "/";
  }
  return s;
}

TEST(CityText, RoadPiecesFollowTheirArms) {
  EXPECT_EQ(roadKindForArms(false, true, false, true), 4);
  EXPECT_EQ(roadKindForArms(true, false, true, false), 5);
  EXPECT_EQ(roadKindForArms(false, true, true, false), 6);
  EXPECT_EQ(roadKindForArms(false, false, true, true), 7);
  EXPECT_EQ(roadKindForArms(true, false, false, true), 8);
  EXPECT_EQ(roadKindForArms(true, true, false, false), 9);
  EXPECT_EQ(roadKindForArms(true, true, true, true), 10);
  EXPECT_EQ(roadKindForArms(false, true, true, true), 11);
  EXPECT_EQ(roadKindForArms(true, false, true, true), 12);
  EXPECT_EQ(roadKindForArms(true, true, false, true), 13);
  EXPECT_EQ(roadKindForArms(true, true, true, false), 14);
  EXPECT_EQ(roadKindForArms(true, false, false, false), 5);  // dead ends run straight on
  EXPECT_EQ(roadKindForArms(false, false, false, false), 4);
}

TEST(CityText, AutomaticKindsReadTheNeighbours) {
  // A west-east line with a station; a road crosses at the station and passes under the line
  // further east; a corner, T-junctions and a crossroads.
  ParseResult r =
      parse(header("auto_roads: yes\nmap:\n"
                   "#####,\n"
                   "#,#,#h\n"
                   "=S===,\n"
                   "##,,#,\n"));
  ASSERT_TRUE(r.ok) << (r.errors.empty() ? "" : r.errors.front());
  EXPECT_EQ(kindsOf(r.city),
            "6 4 11 4 7 1 /"
            "5 1 5 1 5 21 /"
            "17 15 17 17 17 1 /"
            "9 8 1 1 5 1 /")
      << "got " << kindsOf(r.city);
  EXPECT_TRUE(r.warnings.empty());
  EXPECT_EQ(roadNetworks(r.city), (std::vector<int>{11}));

  // There are no curved rails: the line's direction is the one most neighbours share.
  r = parse(header("auto_roads: yes\nmap:\n=,\n==\n"));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(kindsOf(r.city), "18 1 /17 17 /");
  ASSERT_EQ(r.warnings.size(), 1u);
  EXPECT_EQ(r.warnings[0],
            "row 2, column 1: the line bends or meets another; there are no curved rails");
}

TEST(CityText, UnderpassAndStationJoinTheRoadNetwork) {
  ParseResult r =
      parse(header("auto_roads: yes\nmap:\n"
                   "#,#\n"
                   "S==\n"
                   "#,#\n"));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(kindsOf(r.city), "5 1 5 /15 17 17 /5 1 5 /");
  EXPECT_EQ(roadNetworks(r.city), (std::vector<int>{2, 2}));
  r = parse(header("auto_roads: yes\nmap:\n#,,\nS==\n#,,\n"));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(roadNetworks(r.city), (std::vector<int>{2}));
}

TEST(CityText, HeaderAndMapMistakesAreReportedByLine) {
  EXPECT_TRUE(parse(header("map:\nh-\n")).ok);
  EXPECT_FALSE(parse(header("map:\nh#\n")).ok) << "'#' needs automatic kinds";
  EXPECT_TRUE(parse(header("map:\nh#\n"), true).ok);
  EXPECT_FALSE(parse(header("map:\nhh\nh\n")).ok) << "rows of unequal length";
  EXPECT_FALSE(parse(header("map:\nhx\n")).ok) << "a character outside the legend";
  for (const char* companyBlock : {"a", "b", "M", "R", "k", "K"})
    EXPECT_FALSE(parse(header(std::string("map:\nh") + companyBlock + "\n")).ok)
        << companyBlock << ": a new city has no companies yet";
  EXPECT_FALSE(parse(header("tax: 20\nmap:\nh\n")).ok) << "a key given twice";
  EXPECT_FALSE(parse(header("map:\n" + std::string(51, ',') + "\n")).ok);
  ParseResult r = parse("name: x\nmap:\n,\n");
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.errors.size(), 10u) << "the description and the nine numbers are missing";

  std::string badTax = header();
  badTax.replace(badTax.find("tax: 10"), 7, "tax: 51");
  r = parse(badTax + "map:\n,\n");
  ASSERT_FALSE(r.ok);
  EXPECT_EQ(r.errors.front(), "line 7: tax must be a whole number from 5 to 50");

  std::string longName = header();
  longName.replace(longName.find("試験町"), 9, "一二三四五六七八九十一二三四五六七");  // 34 bytes
  EXPECT_FALSE(parse(longName + "map:\n,\n").ok);
}

TEST(CityText, RenderReadsBackToTheSameCity) {
  ParseResult r =
      parse(header("map:\n"
                   "~.r-T-7\n"
                   ".,|h|,|\n"
                   ".,[-+-]\n"
                   "*,L-^-j\n"
                   "=S=scop\n"));
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.city.description, "一行目、二行目。");
  EXPECT_EQ(r.city.maxPachinkoRate, 6);
  EXPECT_EQ(r.city.height, 5);
  EXPECT_EQ(r.city.width, 7);
  ParseResult back = parse(render(r.city));
  ASSERT_TRUE(back.ok);
  EXPECT_EQ(back.city.kinds, r.city.kinds);
  EXPECT_EQ(back.city.name, r.city.name);
  EXPECT_EQ(back.city.description, r.city.description);
  EXPECT_EQ(back.city.maxSlotRate, 1);
  EXPECT_EQ(roadNetworks(r.city), (std::vector<int>{18}));
}

}  // namespace
}  // namespace gm::citytext
