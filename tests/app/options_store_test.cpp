// The options' first run, their round trip through the settings, and the window placement
// record.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "shell/form_placement.h"
#include "shell/options_store.h"
#include "shell_test_support.h"

namespace gm {
namespace {

class SettingsFile : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QSettings settings{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
};

TEST_F(SettingsFile, FirstRunGivesEveryDefaultAndWritesEveryKey) {
  const Options read = readOptions(settings);
  const Options defaults;
  for (const OptionKey& k : optionTable()) {
    if (k.flag) {
      EXPECT_EQ(read.*k.flag, defaults.*k.flag) << k.key;
    } else {
      EXPECT_EQ(read.*k.number, defaults.*k.number) << k.key;
    }
  }
  EXPECT_TRUE(read.tellmsg);
  EXPECT_EQ(read.allmapchipsize, 24);
  EXPECT_EQ(read.waittime, 25);
  EXPECT_FALSE(read.kanteiskip);
  EXPECT_FALSE(read.autosave);
  EXPECT_FALSE(read.shindanhoukoku) << "the report stays as it was until the player asks";

  writeOptions(settings, read);
  EXPECT_EQ(settings.value(QStringLiteral("Appkeys/option/tellmsg")).toInt(), 1);
  EXPECT_EQ(settings.value(QStringLiteral("Appkeys/option/waittime")).toInt(), 25);
  EXPECT_EQ(settings.value(QStringLiteral("Appkeys/houkoku/reserchhoukoku")).toInt(), 1);
  EXPECT_EQ(settings.value(QStringLiteral("Appkeys/houkoku/shindanhoukoku")).toInt(), 0);
  EXPECT_EQ(optionTable().size(), 36u);
  EXPECT_EQ(settings.allKeys().size(), 36);
}

TEST_F(SettingsFile, EveryOptionSurvivesTheRoundTrip) {
  // Flip every flag and move every number, then read them back.
  Options changed;
  for (const OptionKey& k : optionTable())
    if (k.flag) changed.*k.flag = !(changed.*k.flag);
  changed.allmapchipsize = 8;
  changed.gridsize = 5;
  changed.viewmap = 3;
  changed.waittime = 0;
  writeOptions(settings, changed);
  const Options read = readOptions(settings);
  for (const OptionKey& k : optionTable()) {
    if (k.flag) {
      EXPECT_EQ(read.*k.flag, changed.*k.flag) << k.key;
    } else {
      EXPECT_EQ(read.*k.number, changed.*k.number) << k.key;
    }
  }
}

TEST_F(SettingsFile, UnreadableOrImpossibleValuesFallBackToDefaults) {
  settings.setValue(QStringLiteral("Appkeys/option/tellmsg"), QStringLiteral("perhaps"));
  settings.setValue(QStringLiteral("Appkeys/option/waittime"), 99);
  settings.setValue(QStringLiteral("Appkeys/option/gridsize"), 6);
  settings.setValue(QStringLiteral("Appkeys/option/allmapchipsize"), 20);
  settings.setValue(QStringLiteral("Appkeys/option/coming"), 0);
  const Options read = readOptions(settings);
  EXPECT_TRUE(read.tellmsg);
  EXPECT_EQ(read.waittime, 25);
  EXPECT_EQ(read.gridsize, 0);
  EXPECT_EQ(read.allmapchipsize, 24);
  EXPECT_FALSE(read.coming);  // a good value next to bad ones is still read
}

TEST_F(SettingsFile, PlacementKeepsTheTenValuesUnderTheFormName) {
  Placement defaults;
  defaults.normal = QRect(10, 20, 300, 200);
  Placement first = readPlacement(settings, QStringLiteral("kakunin"), defaults);
  EXPECT_EQ(first.showcmd, 5);
  EXPECT_EQ(first.normal, defaults.normal);

  Placement p;
  p.showcmd = 3;
  p.normal = QRect(40, 50, 640, 480);
  writePlacement(settings, QStringLiteral("Main"), p);
  EXPECT_EQ(settings.value(QStringLiteral("FormLocate/Main/RRight")).toInt(), 680);
  EXPECT_EQ(settings.value(QStringLiteral("FormLocate/Main/RBottom")).toInt(), 530);
  EXPECT_EQ(settings.value(QStringLiteral("FormLocate/Main/Showcmd")).toInt(), 3);
  settings.beginGroup(QStringLiteral("FormLocate/Main"));
  EXPECT_EQ(settings.childKeys().size(), 10);
  settings.endGroup();
  const Placement back = readPlacement(settings, QStringLiteral("Main"), defaults);
  EXPECT_EQ(back.normal, p.normal);
  EXPECT_EQ(back.showcmd, 3);
}

}  // namespace
}  // namespace gm
