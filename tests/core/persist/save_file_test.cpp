// Saved games in play: a played game saves and loads whole, a game continued from a save plays
// on as if it had never stopped, bad files are refused with the running game untouched, a failed
// write leaves the old file whole, and the save orders ask their questions.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "company/new_game.h"
#include "core/world/test_city.h"
#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "support/scripted_frontend.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

namespace fs = std::filesystem;

// A game on a small generated city with rivals and an open store of the player's with islands
// and staff, so that every part of the record carries values.
std::unique_ptr<tworld> newGame() {
  auto w = std::make_unique<tworld>();
  FoundingChoice founding;
  founding.tousotu = founding.chisei = founding.karisuma = founding.kantei = 60;
  founding.sihon = 4;
  SetUpNewGame(*w, Random(2024), test::makeCityDefinition(24, 24, 77), founding,
               Difficulty::kRivals);
  for (int r = 0; r < w->mapHeight; ++r)
    for (int c = 0; c < w->mapWidth; ++c)
      if (w->block(r, c).kind == 1 && !w->kaichou.slot(1).used) {
        w->block(r, c).kind = 19;
        Ttempo& store = w->kaichou.slot(1);
        store.used = true;
        store.name = "銀玉会館";
        store.blockY = r;
        store.blockX = c;
        store.kibo = 1;
        store.setDansei(12);
        store.setZyosei(12);
        tdai model;
        model.name = "試験台ＣＲ";
        model.kishu = 5;
        model.price = 250;
        model.nominal = {60, 55, 50, 45};
        model.actual = {58, 52, 49, 61};
        model.releaseMonth = 1;
        model.saleEndMonth = 12;
        model.shukka = 900;
        for (int p = 0; p < 6; ++p) store.dai[0][p].fillRecord(1, 250000, model);
        w->kaichou.record(1).fillRecord(1, 250000, model);
        store.setJoutai(kOpen);
      }
  return w;
}

std::string digestAfter(tworld& w) {
  PlayMonth(w);
  return std::to_string(StateDigest(w));
}

fs::path scratchFolder(const char* name) {
  fs::path p = fs::temp_directory_path() / ("gm_save_test_" + std::to_string(getpid())) / name;
  fs::remove_all(p);
  fs::create_directories(p);
  return p;
}

std::string fileText(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(SaveFile, AGameContinuedFromItsSavePlaysOnAsIfItHadNotStopped) {
  auto straight = newGame();
  std::vector<std::string> digests;
  for (int i = 0; i < 24; ++i) digests.push_back(digestAfter(*straight));

  auto first = newGame();
  for (int i = 0; i < 12; ++i) ASSERT_EQ(digestAfter(*first), digests[i]);
  ASSERT_TRUE(first->kaichou.slot(1).used) << "the store must still stand to be worth saving";
  const std::string bytes = EncodeSaveRecord(*first);

  // The program reseeds at a load; a test seeds the loaded game as the first one stood.
  auto second = std::make_unique<tworld>();
  SaveResult r = LoadSaveRecord(bytes, *second);
  ASSERT_TRUE(r.ok) << r.error;
  second->rng().setSeed(first->rng().seed());
  EXPECT_EQ(std::to_string(StateDigest(*second)), digests[11]) << "the load restores every field";
  EXPECT_EQ(EncodeSaveRecord(*second), bytes) << "a second save differs from the first";
  for (int i = 12; i < 24; ++i) EXPECT_EQ(digestAfter(*second), digests[i]) << "month " << i + 1;
}

TEST(SaveFile, ShortAndOutOfRangeFilesAreRefusedAndTheGameIsUntouched) {
  auto game = newGame();
  PlayMonth(*game);
  const uint64_t before = StateDigest(*game);
  const std::string good = EncodeSaveRecord(*game);

  SaveResult r = LoadSaveRecord(good.substr(0, 664120), *game);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "営業報告書が短すぎます（664,120 バイト。営業報告書は 664,121 バイトです）。");
  EXPECT_EQ(StateDigest(*game), before);

  // Offsets of the file's tables: block [2][3], store slot 5, warehouse record 7, the rivals.
  struct Bad {
    std::size_t offset;
    uint8_t value;
    const char* error;
  };
  const std::size_t store5 = 123036 + 7674 + 4 * 8066, dai7 = 123036 + 410974 + 6 * 125;
  const Bad bad[] = {
      {94 + 2 * 2300 + 3 * 46 + 8, 29, "営業報告書の区画（3 行 4 列）の種類が範囲外です（29）。"},
      {store5 + 50, 4, "営業報告書の店舗 5 の状態が範囲外です（4）。"},
      {store5 + 464 + 2 * 1250 + 125 + 50, 10,
       "営業報告書の店舗 5 の 3 階 2 番の島の機種が範囲外です（10）。"},
      {dai7 + 55, 11, "営業報告書の倉庫の台 7 のメーカーが範囲外です（11）。"},
      {660354, 5, "営業報告書の手番の他社が範囲外です（5）。"},
      {660354 + 67 + 2 * 74, 200, "営業報告書の他店舗 3 の経営会社が範囲外です（200）。"},
      {49, 0, "営業報告書の都市の縦の区画数が範囲外です（0）。"},
      {119736 + 10 * 300 + 9 * 30 + 25, 0, "営業報告書の機種名の使用済みの印が正しくありません。"},
  };
  for (const Bad& b : bad) {
    std::string bytes = good;
    bytes[b.offset] = static_cast<char>(b.value);
    r = LoadSaveRecord(bytes, *game);
    EXPECT_FALSE(r.ok) << b.error;
    EXPECT_EQ(r.error, b.error);
    EXPECT_EQ(StateDigest(*game), before) << b.error;
  }

  // A longer file is read as its first 664,121 bytes.
  auto other = std::make_unique<tworld>();
  r = LoadSaveRecord(good + "trailing bytes", *other);
  ASSERT_TRUE(r.ok) << r.error;
  other->rng().setSeed(game->rng().seed());
  EXPECT_EQ(StateDigest(*other), before);
}

TEST(SaveFile, FilesOnDiskAreWrittenWholeOrNotAtAll) {
  const fs::path dir = scratchFolder("files");
  const fs::path target = dir / "営報1.PLR";
  auto game = newGame();
  SaveResult r = SaveGameFile(target.string(), *game);
  ASSERT_TRUE(r.ok) << r.error;
  const std::string old = fileText(target);
  ASSERT_EQ(old.size(), 664121u);
  auto loaded = std::make_unique<tworld>();
  r = LoadSaveFile(target.string(), *loaded);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(EncodeSaveRecord(*loaded), old);

  PlayMonth(*game);  // the game moves on; the failed saves below must not reach the old file
  // A file of someone else's where an older save put its temporary file is passed over, and no
  // save leaves a file of its own behind.
  const fs::path stale = target.string() + ".tmp";
  { std::ofstream(stale) << "not ours"; }
  auto filesInFolder = [&] {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::vector<std::string> before = filesInFolder();
  auto expectOldFileWhole = [&](const char* how) {
    EXPECT_EQ(fileText(target), old) << how;
    EXPECT_EQ(filesInFolder(), before) << how;
    EXPECT_EQ(fileText(stale), "not ours") << how;
  };

  // The disk fills up half-way through the record.
  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 100000;
  signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  r = SaveGameFile(target.string(), *game);
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(r.ok);
  expectOldFileWhole("full disk");

  // The folder may not be written to (as root, by a user who may not).
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(seteuid(65534), 0);
  }
  r = SaveGameFile(target.string(), *game);
  if (root) {
    ASSERT_EQ(seteuid(0), 0);
  }
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_FALSE(r.ok);
  expectOldFileWhole("no write permission");

  r = SaveGameFile(target.string(), *game);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(fileText(target), EncodeSaveRecord(*game));
  EXPECT_EQ(filesInFolder(), before);

  r = LoadSaveFile((dir / "無い.PLR").string(), *loaded);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error.rfind("営業報告書を開けません（", 0), 0u) << r.error;
  fs::remove_all(dir.parent_path());
}

TEST(SaveFile, TheSaveOrdersAskOnlyWhileConfirmationIsOn) {
  tworld w;
  test::ScriptedFrontend port;
  w.setFrontend(&port);
  port.answers = {true, false};
  EXPECT_TRUE(ConfirmSave(w));
  EXPECT_FALSE(ConfirmOverwriteSave(w, "営報2.PLR"));
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "記録");
  EXPECT_EQ(port.messages[0].text, "経営実績を営業報告書に記録してもよろしいですか？");
  EXPECT_TRUE(port.messages[0].confirm);
  EXPECT_EQ(port.messages[1].title, "記録");
  EXPECT_EQ(port.messages[1].text, "経営実績を営報2.PLRに上書き記録してもよろしいですか？");

  port.opts.tellmsg = false;
  EXPECT_TRUE(ConfirmSave(w));
  EXPECT_TRUE(ConfirmOverwriteSave(w, "営報2.PLR"));
  EXPECT_EQ(port.messages.size(), 2u);
}

}  // namespace gm
