// The map view: selecting and opening blocks, centring, right-button drags and the redraw of
// changed blocks while the month runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>

#include "base/options.h"
#include "shell/data_folder.h"
#include "shell/map_view.h"
#include "shell/picture_book.h"
#include "shell_test_support.h"

namespace gm {
namespace {

const PictureBook& pictures() {
  static const PictureBook book(dataPath(QStringLiteral("pictures")));
  return book;
}

// Records the (column, row) or number of every emission of a map signal.
struct Calls {
  std::vector<std::pair<int, int>> args;
  size_t size() const { return args.size(); }
};

class MapView : public ::testing::Test {
 protected:
  void SetUp() override {
    world = test::smallWorld(20, 30);
    map = std::make_unique<MAPGRID>(pictures());
    map->setOptions(&options);
    map->setWorld(world.get());
    map->setScale(0);
    map->resize(10 * 32, 8 * 32);  // ten columns by eight rows, no scroll bars shown
    options.showscrollbar = false;
    map->applyScrollBarOption();
    map->show();
  }
  void mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at) {
    QMouseEvent e(type, QPointF(at), map->viewport()->mapToGlobal(QPointF(at)), button, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(map->viewport(), &e);
  }

  Options options;
  std::unique_ptr<tworld> world;
  std::unique_ptr<MAPGRID> map;
};

TEST_F(MapView, ClicksSelectBlocksButNeverKindZero) {
  Calls selected;
  QObject::connect(map.get(), &MAPGRID::blockSelected,
                   [&](int c, int r) { selected.args.emplace_back(c, r); });
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {3 * 32 + 5, 2 * 32 + 5});
  ASSERT_EQ(selected.size(), 1u);
  EXPECT_EQ(selected.args[0], std::make_pair(3, 2));

  world->block(4, 1).kind = 0;
  mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {1 * 32 + 5, 4 * 32 + 5});
  EXPECT_EQ(selected.size(), 1u);
  EXPECT_EQ(map->currentColumn(), 3) << "a refused selection changes nothing";
  EXPECT_EQ(map->currentRow(), 2);
}

TEST_F(MapView, DoubleClickOpensOnlyStores) {
  Calls own, rival;
  QObject::connect(map.get(), &MAPGRID::storeRequested,
                   [&](int n) { own.args.emplace_back(n, 0); });
  QObject::connect(map.get(), &MAPGRID::rivalStoreRequested,
                   [&](int n) { rival.args.emplace_back(n, 0); });
  map->selectCell(2, 2);
  map->openSelected();
  EXPECT_EQ(own.size() + rival.size(), 0u);
  world->block(2, 2).kind = 19;
  map->openSelected();
  ASSERT_EQ(own.size(), 1u);
  EXPECT_EQ(own.args[0].first, 1);
  world->block(2, 2).kind = 20;
  map->openSelected();
  ASSERT_EQ(rival.size(), 1u);
  EXPECT_EQ(rival.args[0].first, 1) << "record 1 when no rival record stands there";
  TEntempo& t = world->rivals.Tenpo(3);
  t.used = true;
  t.blockRow = 2;
  t.blockColumn = 2;
  map->openSelected();
  ASSERT_EQ(rival.size(), 2u);
  EXPECT_EQ(rival.args[1].first, 3);
}

TEST_F(MapView, CentringScrollsWithoutRaisingTheSelection) {
  Calls selected;
  QObject::connect(map.get(), &MAPGRID::blockSelected,
                   [&](int c, int r) { selected.args.emplace_back(c, r); });
  ASSERT_EQ(map->visibleColumns(), 10);
  ASSERT_EQ(map->visibleRows(), 8);
  map->centreOn(15, 10);
  EXPECT_EQ(selected.size(), 0u);
  EXPECT_EQ(map->currentColumn(), 15);
  EXPECT_EQ(map->leftColumn(), 10);
  EXPECT_EQ(map->topRow(), 6);
  map->centreOn(29, 19);
  EXPECT_EQ(map->leftColumn(), 20);
  EXPECT_EQ(map->topRow(), 12);
}

TEST_F(MapView, RightDragScrollsAndOnlyAStillClickOpensThePopup) {
  QMenu popup;
  popup.addAction(QStringLiteral("x"));
  map->setPopupMenu(&popup);
  map->scrollTo(5, 5);

  mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {100, 100});
  mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {110, 104});  // right: map follows
  EXPECT_EQ(map->leftColumn(), 4);
  mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {110, 90});  // up
  EXPECT_EQ(map->topRow(), 6);
  mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {110, 90});
  EXPECT_FALSE(popup.isVisible());

  options.coming = false;
  mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {100, 100});
  mouse(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {105, 105});  // diagonal: horizontal
  EXPECT_EQ(map->leftColumn(), 5);
  EXPECT_EQ(map->topRow(), 6);
  // A move after the button went up (no release seen) ends the drag.
  mouse(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {120, 105});
  EXPECT_EQ(map->leftColumn(), 5);

  mouse(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {100, 100});
  mouse(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {100, 100});
  EXPECT_TRUE(popup.isVisible());
  popup.hide();
}

TEST_F(MapView, RedrawClearsOnlyVisibleChangedFlagsWhileTheCityIsUpdating) {
  map->scrollTo(0, 0);
  world->changedBlocks[1][1] = true;
  world->changedBlocks[15][25] = true;  // out of view
  map->redrawChangedBlocks(false);
  EXPECT_TRUE(world->changedBlocks[1][1]) << "nothing happens while the city is not updating";

  world->cityUpdating = true;
  map->redrawChangedBlocks(false);
  EXPECT_FALSE(world->changedBlocks[1][1]);
  EXPECT_TRUE(world->changedBlocks[15][25]);

  world->cityUpdating = false;
  map->startMonthRedraw();
  EXPECT_TRUE(map->monthRedrawRunning());
  map->scrollTo(20, 12);
  map->stopMonthRedraw();  // the last pass is forced
  EXPECT_FALSE(map->monthRedrawRunning());
  EXPECT_FALSE(world->changedBlocks[15][25]);
}

TEST_F(MapView, EverythingOutsideTheCityIsBlackAtTheSmallestScale) {
  // At 1/8 the 30 x 20 city takes 120 x 80 pixels of the 320 x 256 view; a scroll area's own
  // background (white in most styles) must not show in the rest.
  map->setScale(5);
  const QImage shot = map->viewport()->grab().toImage();
  ASSERT_EQ(shot.size(), QSize(320, 256));
  const QRect city(0, 0, 30 * 4, 20 * 4);
  ASSERT_EQ(map->cityRect(), city);
  int notBlack = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if (!city.contains(x, y) && shot.pixel(x, y) != qRgb(0, 0, 0)) ++notBlack;
  EXPECT_EQ(notBlack, 0) << "corner pixel " << std::hex << shot.pixel(300, 200);
  // The blocks themselves are drawn (vacant land is not black), and the selected block's red
  // outline is inside the city.
  EXPECT_NE(shot.pixel(60, 40), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace gm
