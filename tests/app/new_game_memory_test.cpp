// Twenty new games in one program: each frees the world before it, so the heap in use stays where
// the second game left it.
#include <gtest/gtest.h>

#include <malloc.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "shell/game_orders.h"
#include "shell/main_window.h"
#include "shell/new_game_dialogs.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"

namespace gm {
namespace {

size_t heapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

TEST(NewGameMemory, TwentyNewGamesKeepTheHeapFlat) {
  TMain main;
  main.createSubWindows();
  main.options().tellmsg = false;
  main.options().waittime = 0;
  // Answers the city choice and the founding with their defaults as they come.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* city = qobject_cast<Tnewform*>(modal)) city->okButton()->click();
    if (auto* found = qobject_cast<Tmakekaichou*>(modal)) {
      found->promptBox()->finish();  // the qualities start rolling once the prompt is typed
      if (!found->okButton()->isEnabled()) found->setteiButton()->click();
      found->okButton()->click();
    }
  });
  answer.start(5);

  size_t afterSecond = 0;
  for (int game = 1; game <= 20; ++game) {
    ASSERT_TRUE(runNewGame(main)) << "game " << game;
    QApplication::processEvents();
    if (game == 2) afterSecond = heapInUse();
  }
  const size_t growth = heapInUse() > afterSecond ? heapInUse() - afterSecond : 0;
  // A world kept alive would add its megabyte every game.
  EXPECT_LT(growth, size_t{1} << 20) << "the heap grew by " << growth << " bytes in 18 games";
}

}  // namespace
}  // namespace gm
