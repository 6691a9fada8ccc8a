// Window placement: where a window goes on a first run, a stored placement brought back onto the
// screens, and the round trip of a window's frame through the settings on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "shell/form_placement.h"
#include "shell/main_window.h"
#include "shell/message_dialog.h"
#include "shell/mini_map.h"
#include "shell/options_store.h"
#include "shell/placement_rules.h"
#include "shell_test_support.h"

namespace gm {
namespace {

// --- the rectangle rules ---------------------------------------------------------------------

const QRect kLeftScreen(0, 0, 1600, 1000);
const QRect kRightScreen(1600, 0, 1280, 1024);

TEST(KeepOnScreen, KeepsWhatLiesOnAScreenAndBringsTheRestOntoTheNearest) {
  const std::vector<QRect> both{kLeftScreen, kRightScreen};
  EXPECT_EQ(keepOnScreen(QRect(100, 50, 640, 480), both), QRect(100, 50, 640, 480));
  EXPECT_EQ(keepOnScreen(QRect(2000, 500, 640, 480), both), QRect(2000, 500, 640, 480))
      << "a window on the second monitor stays there";
  // The second monitor is gone: the window comes to the nearest edge of the first.
  EXPECT_EQ(keepOnScreen(QRect(2000, 500, 640, 480), {kLeftScreen}), QRect(960, 500, 640, 480));
  // A title bar above the screen comes down; one below it comes up.
  EXPECT_EQ(keepOnScreen(QRect(100, -20, 300, 200), {kLeftScreen}), QRect(100, 0, 300, 200));
  EXPECT_EQ(keepOnScreen(QRect(100, 900, 300, 200), {kLeftScreen}), QRect(100, 800, 300, 200));
  // Across both monitors: onto the one it covers most.
  EXPECT_EQ(keepOnScreen(QRect(1500, 100, 400, 300), both), QRect(1600, 100, 400, 300));
  EXPECT_EQ(keepOnScreen(QRect(1300, 100, 400, 300), both), QRect(1200, 100, 400, 300));
  // Larger than a smaller resolution: shrunk to the screen.
  EXPECT_EQ(keepOnScreen(QRect(50, 50, 1920, 1200), {kLeftScreen}), kLeftScreen);
  EXPECT_EQ(keepOnScreen(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10)) << "no screens known";
}

TEST(FirstPlaces, TheMainWindowLeavesTheRightSideAndDataWindowsStandBesideIt) {
  const QRect main = firstMainWindowPlace(QSize(802, 625), kLeftScreen);
  EXPECT_EQ(main, QRect(8, 8, 802, 625));
  // A screen smaller than the window: it fills the screen, title bar on it.
  EXPECT_EQ(firstMainWindowPlace(QSize(802, 625), QRect(0, 0, 800, 500)), QRect(0, 0, 800, 500));

  // Three windows in a column to the right of the main window, 8 pixels apart.
  std::vector<QRect> taken;
  const QRect first = besideMainWindow(QSize(362, 118), main, kLeftScreen, taken);
  EXPECT_EQ(first, QRect(818, 0, 362, 118));
  taken.push_back(first);
  const QRect second = besideMainWindow(QSize(264, 66), main, kLeftScreen, taken);
  EXPECT_EQ(second, QRect(818, 126, 264, 66));
  taken.push_back(second);
  // Too tall for the room left under them: beside the first one instead.
  const QRect third = besideMainWindow(QSize(400, 900), main, kLeftScreen, taken);
  EXPECT_EQ(third, QRect(1188, 0, 400, 900));
  taken.push_back(third);
  // The right side is full: the left side, when there is room there.
  const QRect mainRight(700, 8, 802, 625);
  EXPECT_EQ(besideMainWindow(QSize(300, 200), mainRight, kLeftScreen, {}), QRect(392, 0, 300, 200));
}

TEST(FirstPlaces, WithNoRoomBesideTheMainWindowWindowsCoverEachOtherBeforeTheMap) {
  // The main window takes most of the screen; a window too wide for the strip beside it.
  const QRect main(0, 0, 1200, 1000);
  const QRect strip = roomBeside(main, kLeftScreen, {});
  EXPECT_EQ(strip, QRect(1208, 0, 392, 1000));
  const QRect wide = besideMainWindow(QSize(500, 300), main, kLeftScreen, {});
  EXPECT_EQ(wide, QRect(1100, 0, 500, 300)) << "at the screen's edge, covering the least of it";
  // A second one goes below it rather than on top of it.
  EXPECT_EQ(besideMainWindow(QSize(500, 300), main, kLeftScreen, {wide}),
            QRect(1100, 308, 500, 300));
  // The main window fills the screen: the windows step clear of each other.
  const std::vector<QRect> open{QRect(1100, 0, 500, 300)};
  const QRect next = besideMainWindow(QSize(500, 300), kLeftScreen, kLeftScreen, open);
  EXPECT_FALSE(next.intersects(open[0]));
  EXPECT_TRUE(kLeftScreen.contains(next));
  // The free room beside the main window starts below the windows already standing there.
  EXPECT_EQ(roomBeside(QRect(8, 8, 802, 625), kLeftScreen, {QRect(818, 0, 362, 118)}),
            QRect(818, 126, 782, 874));
  EXPECT_TRUE(roomBeside(kLeftScreen, kLeftScreen, {}).isEmpty());
}

TEST(FirstPlaces, ANewGamesThreeWindowsShareTheRoomBesideTheMapOnALaptop) {
  // A 1366 x 768 screen: the map gives up width, and what it leaves holds the three windows.
  const QRect laptop(0, 0, 1366, 768);
  const QRect main = firstMainWindowPlace(QSize(802, 625), laptop);
  EXPECT_EQ(main.width(), 566);
  const QRect room = clearRoomBeside(main, laptop, {});
  EXPECT_EQ(room, QRect(582, 0, 784, 768));
  const auto f = arrangeBesideMap(room, QSize(643, 529), QSize(989, 690), QSize(151, 181),
                                  QSize(324, 492), QSize(183, 198));
  ASSERT_TRUE(f.has_value());
  const std::vector<QRect> frames = {main, f->company, f->district, f->miniMap};
  for (std::size_t i = 0; i < frames.size(); ++i) {
    EXPECT_TRUE(laptop.contains(frames[i])) << i;
    for (std::size_t j = i + 1; j < frames.size(); ++j)
      EXPECT_FALSE(frames[i].intersects(frames[j])) << i << " covers " << j;
  }
  EXPECT_EQ(f->company.size(), QSize(784, 562)) << "the manager gives up height to the row";
  EXPECT_GE(f->district.height(), 181);
  EXPECT_GE(f->miniMap.width(), 183);
  // Too low a room: nothing is arranged, and the windows find places one by one.
  EXPECT_FALSE(arrangeBesideMap(QRect(0, 0, 784, 600), QSize(643, 529), QSize(989, 690),
                                QSize(151, 181), QSize(324, 492), QSize(183, 198)));
  // Beside windows already there, the clear room is the part they leave.
  EXPECT_EQ(clearRoomBeside(QRect(8, 8, 802, 625), kLeftScreen, {QRect(818, 0, 782, 600)}),
            QRect(818, 608, 782, 392));
}

TEST(FirstPlaces, DialogsGoOverTheMiddleOfTheMainWindowButStayOnTheScreen) {
  EXPECT_EQ(centredOver(QSize(400, 150), QRect(8, 8, 802, 625), kLeftScreen),
            QRect(209, 246, 400, 150));
  EXPECT_EQ(centredOver(QSize(820, 560), QRect(-300, -200, 400, 300), kLeftScreen),
            QRect(0, 0, 820, 560));
}

// --- the round trip --------------------------------------------------------------------------

class PlacementRoundTrip : public ::testing::Test {
 protected:
  // Form names of this test only: other test programs store "Main" and the like meanwhile.
  void SetUp() override { forget(); }
  void TearDown() override { forget(); }
  void forget() {
    auto s = openSettings();
    s->remove(QStringLiteral("FormLocate/placementTestA"));
    s->remove(QStringLiteral("FormLocate/placementTestB"));
  }
  static std::unique_ptr<QWidget> window(const char* name) {
    auto w = std::make_unique<QWidget>(nullptr, Qt::Window);
    w->resize(300, 200);
    new FormPlacement(w.get(), QString::fromLatin1(name));
    return w;
  }
  static QRect screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST_F(PlacementRoundTrip, AWindowComesBackWithExactlyTheFrameItWasLeftWith) {
  QRect left;
  {
    auto w = window("placementTestA");
    w->show();
    QApplication::processEvents();
    placeFrame(w.get(), QRect(120, 90, 360, 240));
    QApplication::processEvents();
    left = w->frameGeometry();
    EXPECT_EQ(left, QRect(120, 90, 360, 240));
    EXPECT_NE(left, w->geometry()) << "the frame is more than the window's inside";
  }  // stored as it goes
  auto s = openSettings();
  EXPECT_EQ(s->value(QStringLiteral("FormLocate/placementTestA/RLeft")).toInt(), 120);
  EXPECT_EQ(s->value(QStringLiteral("FormLocate/placementTestA/RBottom")).toInt(), 330);
  EXPECT_EQ(s->value(QStringLiteral("FormLocate/placementTestA/Showcmd")).toInt(), 1);

  // Twice more: nothing creeps by the frame's width from one run to the next.
  for (int run = 0; run < 2; ++run) {
    auto again = window("placementTestA");
    again->show();
    QApplication::processEvents();
    EXPECT_EQ(again->frameGeometry(), left) << "run " << run;
  }
}

TEST_F(PlacementRoundTrip, APlacementOffEveryScreenIsBroughtBack) {
  Placement gone;
  gone.showcmd = 1;
  gone.normal = QRect(screen().right() + 2000, screen().bottom() + 500, 320, 240);
  writePlacement(*openSettings(), QStringLiteral("placementTestA"), gone);
  gone.normal = QRect(40, -300, 320, 240);  // the title bar far above the screen
  writePlacement(*openSettings(), QStringLiteral("placementTestB"), gone);

  auto a = window("placementTestA");
  a->show();
  auto b = window("placementTestB");
  b->show();
  QApplication::processEvents();
  EXPECT_TRUE(screen().contains(a->frameGeometry())) << a->frameGeometry().x();
  EXPECT_EQ(a->frameGeometry().size(), QSize(320, 240));
  EXPECT_EQ(a->frameGeometry().bottomRight(), screen().bottomRight()) << "the nearest corner";
  EXPECT_EQ(b->frameGeometry(), QRect(40, screen().top(), 320, 240));
}

TEST_F(PlacementRoundTrip, NothingStoredMeansTheFirstPlaceRuleAndAWindowNeverShownStoresNothing) {
  {
    auto w = window("placementTestA");
    w->findChild<FormPlacement*>()->setFirstPlace(
        [](QSize frame) { return QRect(QPoint(30, 20), frame); });
    w->show();
    QApplication::processEvents();
    EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(30, 20));
    EXPECT_EQ(w->size(), QSize(300, 200)) << "the window keeps its own size";
  }
  { auto never = window("placementTestB"); }
  auto s = openSettings();
  EXPECT_TRUE(hasPlacement(*s, QStringLiteral("placementTestA")));
  EXPECT_FALSE(hasPlacement(*s, QStringLiteral("placementTestB")));
}

// A first run of the whole program: settings of its own, nothing stored.
class FirstRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  }
  void TearDown() override {
    main.reset();
    // Back to the test location every other test uses.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
  }
  QTemporaryDir settingsDir;
  std::unique_ptr<TMain> main;
};

TEST_F(FirstRun, TheDataWindowsOpenWhollyOnTheScreenBesideTheMainWindow) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  main = std::make_unique<TMain>();
  SubWindowMakers makers;
  makers.allmap = [](TMain& m) { return new MiniMap(m); };
  main->createSubWindows(makers);
  // A main window that leaves room beside it on the test platform's small screen.
  main->resize(screen.width() / 2, screen.height() / 2);
  main->show();
  QApplication::processEvents();
  const QRect mainFrame = main->frameGeometry();
  EXPECT_TRUE(screen.contains(mainFrame));
  EXPECT_EQ(mainFrame.topLeft(), screen.topLeft() + QPoint(8, 8));

  // A city whose mini-map (24 pixels a block) is wider than the room beside the main window.
  main->replaceWorld(test::smallWorld(16, 20, 21));
  main->options().defopen = true;
  main->options().allmapchipsize = 24;
  main->beginPlay();
  QApplication::processEvents();
  const SubWindows& subs = main->subWindows();
  std::vector<QRect> frames;
  for (DataWindow* w :
       {static_cast<DataWindow*>(subs.kaishaform), static_cast<DataWindow*>(subs.chikudata),
        static_cast<DataWindow*>(subs.allmap)}) {
    ASSERT_TRUE(w->isVisible()) << w->formName().toStdString();
    const QRect f = w->frameGeometry();
    EXPECT_TRUE(screen.contains(f)) << w->formName().toStdString();
    EXPECT_FALSE(f.intersects(mainFrame)) << w->formName().toStdString() << " covers the map";
    for (const QRect& other : frames) EXPECT_FALSE(f.intersects(other));
    frames.push_back(f);
  }
  // The mini-map scrolls in the room it has instead of covering the city.
  auto* miniMap = static_cast<MiniMap*>(subs.allmap);
  EXPECT_EQ(miniMap->view()->size(), QSize(20 * 24, 16 * 24));
  EXPECT_LT(miniMap->width(), 20 * 24);

  // The message dialog's first place is over the middle of the main window.
  Tkakunin& dialog = main->messageDialog();
  test::whenModal([&](QWidget* modal) {
    EXPECT_TRUE(screen.contains(modal->frameGeometry()));
    // Wider than this small main window, it stays on the screen over the window's middle.
    EXPECT_TRUE(modal->frameGeometry().contains(mainFrame.center()));
    EXPECT_EQ(modal->frameGeometry().center().y(), mainFrame.center().y());
    test::clickModalButton(QStringLiteral("了解(&R)"));
  });
  dialog.ShowMessageDialog(QStringLiteral("報告"), QStringLiteral("本文"), false, false, 0);
}

}  // namespace
}  // namespace gm
