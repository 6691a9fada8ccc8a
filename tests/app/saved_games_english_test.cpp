// The saved games and city files in English: a damaged file is refused with a whole English
// sentence that names its field from the outside in ("the machine type of island 2 on floor 3 of
// hall 5") and keeps its figures, the maker's name staying a name; the save questions and the
// failed save speak as the rest of the game does.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "company/new_game.h"
#include "english_tour.h"
#include "persist/city_file.h"
#include "persist/save_file.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

TEST(SavedGamesInEnglish, RefusalsQuestionsAndCityFilesReadAsEnglish) {
  test::EnglishScope english;
  ASSERT_TRUE(english.loaded()) << "the build has no English catalogue";

  auto game = std::make_unique<tworld>();
  const CityReadResult shipped = ReadCityFile(GM_ASSETS_DIR "/cities/akebono.pmp");
  ASSERT_TRUE(shipped.ok) << shipped.error;
  SetUpNewGame(*game, Random(7), shipped.city, FoundingChoice{}, Difficulty::kRivals);
  const std::string good = EncodeSaveRecord(*game);
  ASSERT_TRUE(CheckSaveRecord(good).ok);
  ASSERT_EQ(good.size(), 664121u);
  EXPECT_EQ(CheckSaveRecord(good.substr(0, 664120)).error,
            "The business report is too short (664,120 bytes; a business report has 664,121 "
            "bytes).");

  // The record's tables: blocks of 46 bytes from 94, the first maker's five models of 82 bytes
  // after its 12, the company's halls of 8066 bytes from 123036 + 7674 (a hall's form of 464,
  // then ten islands of 125 bytes a floor), the rivals' halls of 74 bytes from 660354 + 67.
  const std::size_t hall5 = 123036 + 7674 + 4 * 8066;
  const struct {
    std::size_t offset;
    uint8_t value;
    const char* refusal;
  } bad[] = {
      {94 + 2 * 2300 + 3 * 46 + 8, 29,
       "The kind of block (row 3, column 4) in the business report is out of range (29)."},
      {115094 + 12 + 82 + 49, 10,
       "The machine type of new model 2 of maker “平輪” in the business report is out of range "
       "(10)."},
      {hall5 + 50, 4, "The state of hall 5 in the business report is out of range (4)."},
      {hall5 + 464 + 2 * 1250 + 125 + 50, 10,
       "The machine type of island 2 on floor 3 of hall 5 in the business report is out of "
       "range (10)."},
      {660354 + 67 + 2 * 74, 200,
       "The owning company of rival hall 3 in the business report is out of range (200)."},
      {119736 + 10 * 300 + 9 * 30 + 25, 0,
       "The record of the model names in use in the business report is not valid."},
  };
  for (const auto& b : bad) {
    std::string bytes = good;
    bytes[b.offset] = static_cast<char>(b.value);
    EXPECT_EQ(CheckSaveRecord(bytes).error, b.refusal);
  }

  tworld w;
  test::ScriptedFrontend port;
  w.setFrontend(&port);
  port.answers = {true, true};
  EXPECT_TRUE(ConfirmSave(w));
  EXPECT_TRUE(ConfirmOverwriteSave(w, "Report1.PLR"));
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "Save");
  EXPECT_EQ(port.messages[0].text, "Shall we record our results in the business report?");
  EXPECT_EQ(port.messages[1].title, "Save");
  EXPECT_EQ(port.messages[1].text, "Shall we record our results over Report1.PLR?");
  EXPECT_EQ(SaveFailedMessage("No space left on device"),
            "We could not record our results in the business report (No space left on device). "
            "The file we were saving to is unchanged.");
  w.setFrontend(nullptr);

  EXPECT_EQ(DecodeCityRecord(std::string(100, '\0')).error,
            "The city file is too short (100 bytes).");
  CityDefinition city;
  city.name = "試験市";
  city.height = city.width = 10;
  city.kinds[4][5] = 200;
  EXPECT_EQ(DecodeCityRecord(EncodeCityRecord(city)).error,
            "The city file holds a block of an unknown kind.");
  city.height = 0;
  EXPECT_EQ(DecodeCityRecord(EncodeCityRecord(city)).error,
            "The city size in the city file is not valid.");
}

}  // namespace
}  // namespace gm
