// The city record's byte layout, its round trip and the refusal of short or impossible files.
#include <gtest/gtest.h>

#include "persist/city_file.h"

namespace gm {
namespace {

CityDefinition sampleCity() {
  CityDefinition c;
  c.name = "テスト市";
  c.description = "説明文。Description!";
  c.height = 20;
  c.width = 40;
  c.housingPolicy = 55;
  c.commercePolicy = 44;
  c.businessPolicy = 33;
  c.taxRate = 12;
  c.unionHourCut = 2;
  c.unionDayCut = 3;
  c.kinds[0][0] = 21;
  c.kinds[19][39] = 10;
  c.cityType = 2;
  c.maxPachinkoRate = 4;
  c.maxSlotRate = 1;
  return c;
}

}  // namespace

TEST(CityFileRecord, LayoutOffsetsAndRoundTrip) {
  std::string bytes = EncodeCityRecord(sampleCity());
  ASSERT_EQ(bytes.size(), kCityRecordSize);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 8);  // "テスト市" is 8 Shift-JIS bytes
  EXPECT_EQ(bytes[33], 20);                            // first extent
  EXPECT_EQ(bytes[34], 40);                            // second extent
  EXPECT_EQ(bytes[36], 55);                            // housing policy, little-endian int32
  EXPECT_EQ(bytes[48], 12);                            // tax
  EXPECT_EQ(bytes[307], 21);                           // kind [0][0]
  EXPECT_EQ(bytes[307 + 19 * 50 + 39], 10);            // kind [19][39]
  EXPECT_EQ(bytes[2807], 2);
  EXPECT_EQ(bytes[2808], 4);
  EXPECT_EQ(bytes[2809], 1);

  CityReadResult r = DecodeCityRecord(bytes);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.city.name, "テスト市");
  EXPECT_EQ(r.city.description, "説明文。Description!");
  EXPECT_EQ(r.city.cells(), 800);
  EXPECT_EQ(r.city.kinds[19][39], 10);
  EXPECT_EQ(r.city.unionDayCut, 3);
  EXPECT_EQ(EncodeCityRecord(r.city), bytes);
}

TEST(CityFileRecord, ShortAndImpossibleRecordsAreRefused) {
  std::string bytes = EncodeCityRecord(sampleCity());
  EXPECT_FALSE(DecodeCityRecord(bytes.substr(0, kCityRecordSize - 1)).ok);
  EXPECT_TRUE(DecodeCityRecord(bytes + "extra bytes are ignored").ok);

  std::string zeroExtent = bytes;
  zeroExtent[33] = 0;
  EXPECT_FALSE(DecodeCityRecord(zeroExtent).ok);
  std::string tooWide = bytes;
  tooWide[34] = 51;
  EXPECT_FALSE(DecodeCityRecord(tooWide).ok);
  std::string badKind = bytes;
  badKind[307 + 5] = static_cast<char>(0x95);
  EXPECT_FALSE(DecodeCityRecord(badKind).ok);
  // A length byte larger than its field cannot read past the field.
  std::string longName = bytes;
  longName[0] = static_cast<char>(200);
  CityReadResult r = DecodeCityRecord(longName);
  ASSERT_TRUE(r.ok);
  EXPECT_LE(r.city.name.size(), 32u * 3);
  EXPECT_FALSE(ReadCityFile("/nonexistent/city.pmp").ok);
}

// Only the city's own kinds come in: a company's block would stand for records nobody holds (a
// kind-2 block sells for cash never paid, a kind-19 block opens store slot 1), and a block
// beyond the extents would count in the city's figures.
TEST(CityFileRecord, CompanyBlocksAndBlocksOutsideTheCityAreReadAsTheCitys) {
  std::string bytes = EncodeCityRecord(sampleCity());  // 20 x 40
  const int companyKinds[] = {2, 3, 19, 20, 27, 28};
  for (int i = 0; i < 6; ++i) bytes[307 + 1 + i] = static_cast<char>(companyKinds[i]);
  bytes[307 + 20 * 50] = 21;                            // [20][0]: the row below the last
  bytes[307 + 40] = 26;                                 // [0][40]: the column after the last
  bytes[307 + 49 * 50 + 49] = static_cast<char>(0x95);  // not even a kind
  CityReadResult r = DecodeCityRecord(bytes);
  ASSERT_TRUE(r.ok) << r.error;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.city.kinds[0][1 + i], 1) << "kind " << companyKinds[i];
  EXPECT_EQ(r.city.kinds[0][0], 21) << "the city's own kinds stay";
  EXPECT_EQ(r.city.kinds[20][0], 0);
  EXPECT_EQ(r.city.kinds[0][40], 0);
  EXPECT_EQ(r.city.kinds[49][49], 0);
}

TEST(CityFileRecord, OutOfRangeValuesAreBroughtIntoTheirRanges) {
  std::string bytes = EncodeCityRecord(sampleCity());
  bytes[36] = static_cast<char>(0xFF);  // housing policy -1 (all four bytes 0xFF)
  bytes[37] = static_cast<char>(0xFF);
  bytes[38] = static_cast<char>(0xFF);
  bytes[39] = static_cast<char>(0xFF);
  bytes[48] = static_cast<char>(255);    // tax
  bytes[49] = static_cast<char>(200);    // union hour cut
  bytes[50] = static_cast<char>(9);      // union day cut
  bytes[2807] = static_cast<char>(200);  // city type: every type from 4 up is "no bias"
  bytes[2808] = 9;
  bytes[2809] = 9;
  CityReadResult r = DecodeCityRecord(bytes);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.city.housingPolicy, 0);
  EXPECT_EQ(r.city.taxRate, 50);
  EXPECT_EQ(r.city.unionHourCut, 6);
  EXPECT_EQ(r.city.unionDayCut, 8);
  EXPECT_EQ(r.city.maxPachinkoRate, 6);
  EXPECT_EQ(r.city.maxSlotRate, 3);
  EXPECT_EQ(r.city.cityType, 4);
}

TEST(CityFileRecord, SizeClassesByCellCount) {
  EXPECT_EQ(CitySizeClass(484), "村");
  EXPECT_EQ(CitySizeClass(500), "村");
  EXPECT_EQ(CitySizeClass(501), "町");
  EXPECT_EQ(CitySizeClass(506), "町");
  EXPECT_EQ(CitySizeClass(1000), "町");
  EXPECT_EQ(CitySizeClass(1001), "市");
  EXPECT_EQ(CitySizeClass(1501), "都市");
  EXPECT_EQ(CitySizeClass(2001), "大都市");
  EXPECT_EQ(CitySizeClass(2500), "大都市");
}

}  // namespace gm
