// The cue rules against a fake sound device: which requests start a piece, which are ignored,
// which pieces loop, and when the missing-file message appears.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "base/frontend.h"
#include "shell/fluid_sound_player.h"

namespace gm {
namespace {

struct FakeDevice {
  std::vector<std::string> started;  // file names, in order
  int stops = 0;
  bool done = false;
  QString reason;
  QStringList unreadable;
};

class FakeBackend : public SoundBackend {
 public:
  explicit FakeBackend(FakeDevice& device) : d_(device) {}
  QString unavailableReason() const override { return d_.reason; }
  bool start(const QString& path) override {
    const QString name = QFileInfo(path).fileName();
    if (d_.unreadable.contains(name)) return false;
    d_.started.push_back(name.toStdString());
    d_.done = false;
    return true;
  }
  void stop() override { ++d_.stops; }
  bool finished() const override { return d_.done; }

 private:
  FakeDevice& d_;
};

class SoundRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"title.mid", "main.mid", "maker.mid", "yes.mid", "up.mid"}) {
      QFile f(folder.filePath(QString::fromLatin1(name)));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("MThd");
    }
  }
  CueRules make(bool musicOn = true) {
    return CueRules(backend, folder.path(), musicOn,
                    [this](const QString& m) { reports.push_back(m.toStdString()); });
  }

  QTemporaryDir folder;
  FakeDevice device;
  FakeBackend backend{device};
  std::vector<std::string> reports;
};

using Names = std::vector<std::string>;

TEST_F(SoundRules, TheCueAlreadyPlayingIsNotRestarted) {
  CueRules rules = make();
  rules.play(kCueMain);
  rules.play(kCueMain);
  EXPECT_EQ(device.started, Names({"main.mid"}));

  // Another cue replaces it; asking again for the new one changes nothing.
  rules.play(kCueYes);
  rules.play(kCueYes);
  EXPECT_EQ(device.started, Names({"main.mid", "yes.mid"}));
  EXPECT_EQ(rules.currentCue(), kCueYes);

  // Once a piece has ended and closed, the same cue plays again.
  device.done = true;
  rules.poll();
  EXPECT_FALSE(rules.playing());
  rules.play(kCueYes);
  EXPECT_EQ(device.started, Names({"main.mid", "yes.mid", "yes.mid"}));
}

TEST_F(SoundRules, MainThemeRefusedAfterGameOverUntilAllowedAgain) {
  CueRules rules = make();
  rules.play(kCueMain);
  rules.setMainCueAllowed(false);  // game over
  rules.play(kCueUp);
  rules.play(kCueMain);
  EXPECT_EQ(rules.currentCue(), kCueUp);
  // Turning music on while nothing plays does not bring the theme back either.
  rules.stop();
  rules.setMusic(true);
  EXPECT_FALSE(rules.playing());
  rules.play(kCueTitle);
  EXPECT_EQ(device.started, Names({"main.mid", "up.mid", "title.mid"}));

  rules.setMainCueAllowed(true);  // begin play
  rules.play(kCueMain);
  EXPECT_EQ(rules.currentCue(), kCueMain);
  EXPECT_TRUE(rules.playing());
}

TEST_F(SoundRules, MusicOffPlaysNothingNotEvenTheTitle) {
  CueRules rules = make(false);
  for (int cue = 0; cue < 7; ++cue) rules.play(cue);
  EXPECT_TRUE(device.started.empty());
  EXPECT_TRUE(reports.empty()) << "a missing file is not looked for while music is off";

  rules.setMusic(true);  // nothing plays: the main theme starts
  EXPECT_EQ(device.started, Names({"main.mid"}));
  rules.setMusic(true);
  EXPECT_EQ(device.started.size(), 1u);
  const int stopsBefore = device.stops;
  rules.setMusic(false);
  EXPECT_FALSE(rules.playing());
  EXPECT_GT(device.stops, stopsBefore);
}

TEST_F(SoundRules, MainThemeAndMakerLoopOtherCuesCloseAtTheirEnd) {
  CueRules rules = make();
  rules.play(kCueMaker);
  rules.poll();  // still playing: nothing happens
  device.done = true;
  rules.poll();
  device.done = true;
  rules.poll();
  EXPECT_EQ(device.started, Names({"maker.mid", "maker.mid", "maker.mid"}));
  EXPECT_TRUE(rules.playing());

  rules.play(kCueMain);
  device.done = true;
  rules.poll();
  EXPECT_EQ(device.started.back(), "main.mid");
  EXPECT_EQ(device.started.size(), 5u);

  rules.play(kCueTitle);
  device.done = true;
  rules.poll();
  rules.poll();
  EXPECT_FALSE(rules.playing());
  EXPECT_EQ(device.started.back(), "title.mid");
  EXPECT_EQ(device.started.size(), 6u);
}

TEST_F(SoundRules, MissingOrUnreadableFileIsReportedAtEveryRequest) {
  CueRules rules = make();
  rules.play(kCueMain);
  rules.play(kCueDown);  // down.mid does not exist
  rules.play(kCueDown);
  const std::string expected =
      "down.midが見つからないか、開けません。"
      "このファイルはGndmya97.exeと同じフォルダに置いてください。";
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0], expected);
  // The piece that was playing goes on.
  EXPECT_EQ(rules.currentCue(), kCueMain);
  EXPECT_TRUE(rules.playing());

  device.unreadable << "yes.mid";
  rules.play(kCueYes);
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[2].substr(0, 7), "yes.mid");
  EXPECT_FALSE(rules.playing());
}

TEST_F(SoundRules, WithoutADeviceEverythingStaysSilent) {
  device.reason = "no device";
  CueRules rules = make();
  rules.play(kCueMain);
  rules.play(kCueDown);
  rules.setMusic(true);
  EXPECT_TRUE(device.started.empty());
  EXPECT_TRUE(reports.empty());
  EXPECT_TRUE(rules.music());
}

TEST_F(SoundRules, PlayerFollowsTheEndOfAPieceFromItsTimer) {
  FluidSoundPlayer player(std::make_unique<FakeBackend>(device), folder.path(), true,
                          [this](const QString& m) { reports.push_back(m.toStdString()); });
  player.play(kCueMain);
  device.done = true;
  QElapsedTimer clock;
  clock.start();
  while (device.started.size() < 2 && clock.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(device.started, Names({"main.mid", "main.mid"}));
  player.setMusic(false);
  EXPECT_FALSE(player.playing());
  EXPECT_FALSE(player.music());
}

TEST(SoundFont, KnownFontsArePreferredInOrderWhateverTheFolder) {
  QTemporaryDir a, b;
  auto touch = [](const QTemporaryDir& dir, const char* name) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  EXPECT_TRUE(findSoundFont({a.path(), b.path()}).isEmpty());
  touch(a, "default-GM.sf2");
  touch(b, "TimGM6mb.sf2");
  EXPECT_EQ(findSoundFont({a.path(), b.path()}), b.filePath("TimGM6mb.sf2"));
  touch(b, "FluidR3_GM.sf3");
  EXPECT_EQ(findSoundFont({a.path(), b.path()}), b.filePath("FluidR3_GM.sf3"));
}

// Whatever the machine has (a device or none, a soundfont or none), the real player starts,
// plays or stays silent with a reason, and never reports the cue files that are there.
TEST(SoundDevice, StartsOrStaysSilentWithAReason) {
  std::vector<std::string> reports;
  QElapsedTimer clock;
  clock.start();
  FluidSoundPlayer player(makeFluidBackend(), QStringLiteral(GM_ASSETS_DIR "/music"), true,
                          [&](const QString& m) { reports.push_back(m.toStdString()); });
  player.play(kCueYes);
  EXPECT_EQ(player.playing(), player.unavailableReason().isEmpty());
  EXPECT_TRUE(reports.empty());
  player.stop();
  EXPECT_FALSE(player.playing());
  EXPECT_LT(clock.elapsed(), 20000);
}

}  // namespace
}  // namespace gm
