// The city files on disk: the cities the game ships, and the listing that the city selection
// shows (which files are offered, which are refused, in which order).
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>

#include <sys/stat.h>

#include "base/text.h"
#include "persist/city_file.h"
#include "persist/city_list.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

std::string citiesFolder() { return std::string(GM_ASSETS_DIR) + "/cities"; }

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string cityBytes(int height, int width, std::string_view name = "試験") {
  CityDefinition c;
  c.name = name;
  c.description = "説明";
  c.height = height;
  c.width = width;
  c.taxRate = 10;
  for (int r = 0; r < height; ++r)
    for (int col = 0; col < width; ++col) c.kinds[r][col] = 1;
  return EncodeCityRecord(c);
}

// A scratch folder for one test, removed afterwards.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(fs::temp_directory_path() / ("gm_city_list_" + name)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(ShippedCities, EveryCityLoadsWithItsIntendedSizeAndSensibleContents) {
  CityList list = ListCityFiles(citiesFolder());
  for (const auto& [file, error] : list.refused) ADD_FAILURE() << file << ": " << error;
  ASSERT_EQ(list.cities.size(), 6u);

  struct Intended {
    std::string_view file;
    int height, width;
    std::string_view sizeClass;
  };
  const std::array<Intended, 6> intended = {{
      {"kumoizawa.pmp", 20, 20, "村"},
      {"shiomihama.pmp", 30, 30, "町"},
      {"kirinodai.pmp", 35, 40, "市"},
      {"tetsugahara.pmp", 40, 45, "都市"},
      {"akebono.pmp", 48, 48, "大都市"},
      {"tenkyo.pmp", 50, 50, "大都市"},
  }};
  std::set<int> taxes, cityTypes;
  for (std::size_t i = 0; i < intended.size(); ++i) {
    const CityListEntry& e = list.cities[i];
    const CityDefinition& c = e.city;
    SCOPED_TRACE(e.fileName);
    EXPECT_EQ(e.fileName, intended[i].file);
    EXPECT_EQ(c.height, intended[i].height);
    EXPECT_EQ(c.width, intended[i].width);
    EXPECT_EQ(CitySizeClass(e.cells), intended[i].sizeClass);
    EXPECT_FALSE(c.name.empty());
    EXPECT_LE(shiftJisLength(c.name), 32u);
    EXPECT_FALSE(c.description.empty());
    EXPECT_LE(shiftJisLength(c.description), 255u);
    EXPECT_TRUE(c.taxRate >= 5 && c.taxRate <= 50);
    EXPECT_TRUE(c.unionHourCut >= 0 && c.unionHourCut <= 6);
    EXPECT_TRUE(c.unionDayCut >= 0 && c.unionDayCut <= 8);
    EXPECT_TRUE(c.cityType >= 0 && c.cityType <= 4);
    taxes.insert(c.taxRate);
    cityTypes.insert(c.cityType);

    // A playable city: only the city's own kinds (no company owns anything yet), nothing outside
    // the extents, and at least one of each kind of place the game plays on.
    std::array<int, kKindCount> counts{};
    for (int r = 0; r < kMapSize; ++r)
      for (int col = 0; col < kMapSize; ++col) {
        int k = c.kinds[r][col];
        if (r >= c.height || col >= c.width) {
          ASSERT_EQ(k, 0) << "outside the extents at " << r << "," << col;
          continue;
        }
        ++counts[k];
      }
    for (int k : {2, 3, 19, 20, 27, 28}) EXPECT_EQ(counts[k], 0) << "kind " << k;
    for (int k : {1, 21, 22, 23, 24, 25, 26}) EXPECT_GT(counts[k], 0) << "kind " << k;
    EXPECT_GT(counts[15] + counts[16], 0) << "a station";
    EXPECT_GT(counts[10], 0) << "a crossroads";
    EXPECT_GT(counts[11] + counts[12] + counts[13] + counts[14], 0) << "a T-junction";
    EXPECT_GT(counts[1] * 4, e.cells - counts[0]) << "a quarter of the city left to develop";

    // The file is exactly what its contents encode to.
    EXPECT_EQ(EncodeCityRecord(c), readBytes(e.path));
  }
  EXPECT_GE(taxes.size(), 5u) << "the cities should differ in their tax";
  EXPECT_EQ(cityTypes.size(), 5u) << "every city type appears";
}

TEST(CityList, OffersReadableCityFilesInOrderOfSize) {
  ScratchFolder dir("order");
  writeBytes(dir.path() / "a_thirty.pmp", cityBytes(30, 30));   // 900 cells
  writeBytes(dir.path() / "b_twenty.pmp", cityBytes(20, 40));   // 800 cells
  writeBytes(dir.path() / "c_equal.pmp", cityBytes(40, 20));    // 800 cells, after b by name
  writeBytes(dir.path() / "d_village.PMP", cityBytes(22, 22));  // 484 cells
  writeBytes(dir.path() / "notes.txt", cityBytes(5, 5));
  writeBytes(dir.path() / ".hidden.pmp", cityBytes(5, 5));
  fs::create_directories(dir.path() / "sub");
  writeBytes(dir.path() / "sub" / "nested.pmp", cityBytes(5, 5));
  fs::create_directories(dir.path() / "folder.pmp");
  writeBytes(dir.path() / "locked.pmp", cityBytes(5, 5));
  fs::permissions(dir.path() / "locked.pmp", fs::perms::none);

  CityList list = ListCityFiles(dir.path().string());
  std::vector<std::string> names;
  for (const auto& e : list.cities) names.push_back(e.fileName);
  EXPECT_EQ(names, (std::vector<std::string>{"d_village.PMP", "b_twenty.pmp", "c_equal.pmp",
                                             "a_thirty.pmp"}));
  EXPECT_TRUE(list.refused.empty());
  ASSERT_EQ(list.cities.size(), 4u);
  EXPECT_EQ(list.cities[0].cells, 484);
  EXPECT_EQ(CitySizeClass(list.cities[0].cells), "村");
  EXPECT_EQ(list.cities[3].path, (dir.path() / "a_thirty.pmp").string());
  fs::permissions(dir.path() / "locked.pmp", fs::perms::owner_all);

  EXPECT_TRUE(ListCityFiles((dir.path() / "missing").string()).cities.empty());
}

TEST(CityList, ShortAndCorruptFilesAreRefusedWithTheirReason) {
  ScratchFolder dir("corrupt");
  const std::string good = cityBytes(23, 22);  // 506 cells: "町"
  writeBytes(dir.path() / "good.pmp", good);
  writeBytes(dir.path() / "short.pmp", good.substr(0, kCityRecordSize - 1));
  std::string flat = good;
  flat[33] = 0;
  writeBytes(dir.path() / "flat.pmp", flat);
  std::string wide = good;
  wide[34] = 51;
  writeBytes(dir.path() / "wide.pmp", wide);
  writeBytes(dir.path() / "empty.pmp", "");

  CityList list = ListCityFiles(dir.path().string());
  ASSERT_EQ(list.cities.size(), 1u);
  EXPECT_EQ(CitySizeClass(list.cities[0].cells), "町");
  ASSERT_EQ(list.refused.size(), 4u);
  EXPECT_EQ(list.refused[0].first, "empty.pmp");
  EXPECT_EQ(list.refused[1].first, "flat.pmp");
  EXPECT_EQ(list.refused[1].second, "都市ファイルの大きさが正しくありません。");
  EXPECT_EQ(list.refused[2].first, "short.pmp");
  EXPECT_EQ(list.refused[2].second, "都市ファイルが短すぎます（2811 バイト）。");
  EXPECT_EQ(list.refused[3].first, "wide.pmp");

  // Reading the file itself refuses the same way, and a file that has gone away is an error.
  EXPECT_FALSE(ReadCityFile((dir.path() / "short.pmp").string()).ok);
  EXPECT_TRUE(ReadCityFile((dir.path() / "good.pmp").string()).ok);
  EXPECT_FALSE(ReadCityFile((dir.path() / "gone.pmp").string()).ok);

  // A folder or a pipe is no city file: refused at once, without reading (a pipe would block).
  fs::create_directories(dir.path() / "folder.pmp");
  const fs::path pipe = dir.path() / "pipe.pmp";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const fs::path& p : {dir.path() / "folder.pmp", pipe}) {
    CityReadResult r = ReadCityFile(p.string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "都市ファイルが通常のファイルではありません。");
  }
}

}  // namespace
}  // namespace gm
