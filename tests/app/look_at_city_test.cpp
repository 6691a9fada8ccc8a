// A manual look at the main window with a small city (not run by default):
//   DISPLAY=:99 gindamaya_app_tests --gtest_also_run_disabled_tests --gtest_filter='*LookAt*'
// It keeps the window open for GM_LOOK_SECONDS (default 20) seconds.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell_test_support.h"

namespace gm {
namespace {

TEST(ManualLook, DISABLED_LookAtCity) {
  auto w = test::smallWorld(30, 40);
  // Stripes of every kind, a few stores, and an edge of kind 0.
  for (int r = 0; r < 30; ++r)
    for (int c = 0; c < 40; ++c) w->block(r, c).kind = static_cast<uint8_t>((r / 2 + c / 3) % 29);
  for (int c = 0; c < 40; ++c) w->block(29, c).kind = 0;
  w->block(3, 3).kind = 19;
  w->kaichou.slot(1).used = true;
  w->kaichou.slot(1).blockX = 3;
  w->kaichou.slot(1).blockY = 3;
  w->kaichou.slot(1).joutai = kOpen;
  w->kaichou.kaishaname = "銀玉商事";
  w->kaichou.ownername = "山田";
  w->kaichou.sikin = Money::fromInt(123456);
  w->month = 6;

  TMain main;
  main.createSubWindows();
  main.show();
  main.replaceWorld(std::move(w));
  QTimer::singleShot(1500, &main, [&] {
    main.beginPlay();
    main.menuItem(QStringLiteral("vmhospitalmenu"))->trigger();
    if (qEnvironmentVariableIsSet("GM_LOOK_MESSAGE"))
      main.ShowMessageDialog(QStringLiteral("資金不足"),
                             QStringLiteral("資金が足りません。ABC 123"), true, true, kFaceCry);
  });
  const int seconds = qEnvironmentVariableIntValue("GM_LOOK_SECONDS");
  QTimer::singleShot((seconds > 0 ? seconds : 20) * 1000, qApp, &QApplication::quit);
  QApplication::exec();
}

}  // namespace
}  // namespace gm
