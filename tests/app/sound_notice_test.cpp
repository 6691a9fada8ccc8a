// The one-time "no music" notice of the assembled program: with the synthesiser silent, the
// reason stands in the main window's status bar, where a player who started the program from a
// desktop entry (and so sees no terminal) finds it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "shell/fluid_sound_player.h"
#include "shell/main_window.h"
#include "ui/program_assembly.h"

namespace gm {
namespace {

TEST(SoundNotice, ASilentPlayerLeavesItsReasonInTheStatusBar) {
  TMain main;
  main.options().playmusic = false;  // whatever the machine has, no music during the tests
  assembleProgram(main);
  auto* player = dynamic_cast<FluidSoundPlayer*>(&main.sound());
  ASSERT_NE(player, nullptr) << "the program plays through the synthesiser";
  const QString reason = player->unavailableReason();
  if (reason.isEmpty()) GTEST_SKIP() << "this machine can play music; there is nothing to tell";
  EXPECT_TRUE(reason.startsWith(QStringLiteral("音楽なし：")));
  auto* notice = main.statusBar()->findChild<QLabel*>(QStringLiteral("soundNotice"));
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->text(), reason);
  // A menu item's (empty) status tip must not wipe the notice.
  QStatusTipEvent tip{QString()};
  QCoreApplication::sendEvent(&main, &tip);
  EXPECT_EQ(notice->text(), reason);
  EXPECT_FALSE(notice->isHidden());
}

}  // namespace
}  // namespace gm
