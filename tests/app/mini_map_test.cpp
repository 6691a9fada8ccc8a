// The mini-map: its caption, the shading values and grey levels, the drawing (AND shading and
// the red outline), the clicks it passes on or refuses, and its pop-up menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <vector>

#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/mini_map.h"
#include "shell_test_support.h"

namespace gm {
namespace {

TEST(MiniMapCaption, ScaleTextAndModeText) {
  EXPECT_EQ(miniMapCaption(24, 0), QStringLiteral("地図  縮尺3/4：ノーマル"));
  EXPECT_EQ(miniMapCaption(16, 1), QStringLiteral("地図  縮尺1/2：地価高低"));
  EXPECT_EQ(miniMapCaption(12, 2), QStringLiteral("地図  縮尺3/8：治安高低"));
  EXPECT_EQ(miniMapCaption(8, 3), QStringLiteral("地図  縮尺1/4：人口密度高低"));
  EXPECT_EQ(miniMapCaption(4, 4), QStringLiteral("地図  縮尺1/8：顧客開拓度高低"));
  EXPECT_EQ(miniMapCaption(4, 5), QStringLiteral("地図  縮尺1/8：カオス高低"));
  // Option values the menu never writes read as the defaults.
  EXPECT_EQ(miniMapCellSize(20), 24);
  EXPECT_EQ(miniMapMode(6), 0);
  EXPECT_EQ(miniMapCaption(32, -1), QStringLiteral("地図  縮尺3/4：ノーマル"));
}

TEST(MiniMapShading, GreyLevelsAndBlockValues) {
  EXPECT_EQ(shadeLevel(0), 32);
  EXPECT_EQ(shadeLevel(3), 32);
  EXPECT_EQ(shadeLevel(4), 41);
  EXPECT_EQ(shadeLevel(99), 248);
  EXPECT_EQ(shadeLevel(100), 255);  // 257 capped

  auto w = test::smallWorld(1, 2, 21);
  w->maxLandPrice = 300000;
  Tchip& b = w->block(0, 0);
  b.landPrice = 100000;
  b.security = 64;
  b.population = 82;  // of 200: occupancy 41
  b.fanRate = 35;
  b.unrest = 17;
  EXPECT_EQ(shadingValue(*w, b, kMiniMapNormal), 0);
  EXPECT_EQ(shadingValue(*w, b, kMiniMapLandPrice), 33);  // truncated
  EXPECT_EQ(shadingValue(*w, b, kMiniMapSecurity), 64);
  EXPECT_EQ(shadingValue(*w, b, kMiniMapDensity), 41);
  EXPECT_EQ(shadingValue(*w, b, kMiniMapDevelopment), 70);  // 35 of 50
  EXPECT_EQ(shadingValue(*w, b, kMiniMapChaos), 17);

  w->laws = kLawLongHours;
  EXPECT_EQ(shadingValue(*w, b, kMiniMapDevelopment), 50);  // 35 of 70
  // A fan rate left above 50 when the law lapses still reads at most 100.
  w->laws = 0;
  b.fanRate = 60;
  EXPECT_EQ(shadingValue(*w, b, kMiniMapDevelopment), 100);

  w->maxLandPrice = 0;
  EXPECT_EQ(shadingValue(*w, b, kMiniMapLandPrice), 0);
}

class MiniMapWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.allmap = [](TMain& m) { return new MiniMap(m); };
    main->createSubWindows(makers);
    main->options().allmapchipsize = 8;
    main->options().viewmap = 0;
    // Three rows of four: kind 0 outside the city in the corner, housing elsewhere.
    auto w = test::smallWorld(3, 4, 21);
    w->block(0, 3).kind = 0;
    w->block(1, 1).security = 0;
    w->block(1, 2).security = 100;
    main->replaceWorld(std::move(w));
    map = static_cast<MiniMap*>(main->subWindows().allmap);
    connect();
  }
  void connect() {
    QObject::connect(map, &MiniMap::blockChosen,
                     [this](int c, int r) { chosen.push_back(c * 100 + r); });
  }
  void click(int x, int y) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y),
                      map->view()->mapToGlobal(QPointF(x, y)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(map->view(), &press);
  }

  std::unique_ptr<TMain> main;
  MiniMap* map = nullptr;
  std::vector<int> chosen;
};

TEST_F(MiniMapWindow, ShadingIsAnAndWithTheGreyOfTheValue) {
  map->relayout();
  ASSERT_EQ(map->view()->size(), QSize(32, 24));
  const QImage plain = map->view()->render();
  main->options().viewmap = kMiniMapSecurity;
  map->relayout();
  const QImage shaded = map->view()->render();
  EXPECT_EQ(map->windowTitle(), QStringLiteral("地図  縮尺1/4：治安高低"));

  auto channelsAnd = [](QRgb p, int g) { return qRgb(qRed(p) & g, qGreen(p) & g, qBlue(p) & g); };
  // Block (1, 1) has security 0: grey 32. Block (2, 1) has 100: grey 255 leaves it as drawn.
  for (int y = 9; y < 15; ++y)
    for (int x = 9; x < 15; ++x) {
      ASSERT_EQ(shaded.pixel(x, y), channelsAnd(plain.pixel(x, y), 32)) << x << "," << y;
      ASSERT_EQ(shaded.pixel(x + 8, y), plain.pixel(x + 8, y)) << x + 8 << "," << y;
    }
}

TEST_F(MiniMapWindow, SelectedBlockIsOutlinedInRed) {
  main->map().setScale(0);
  main->map().selectCell(2, 1);
  map->relayout();
  const QImage image = map->view()->render();
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_EQ(image.pixel(16, 8), red);
  EXPECT_EQ(image.pixel(23, 15), red);
  EXPECT_EQ(image.pixel(19, 8), red);
  EXPECT_NE(image.pixel(8, 8), red);
}

TEST_F(MiniMapWindow, ClicksInsideTheCityAreChosenOthersRefused) {
  map->relayout();
  click(17, 9);  // column 2, row 1
  click(25, 2);  // column 3, row 0: kind 0
  click(3, 30);  // below the city
  EXPECT_EQ(chosen, std::vector<int>({201}));
}

TEST_F(MiniMapWindow, PopupSetsSizeAndModeEscHides) {
  map->popupItem(QStringLiteral("pop3"))->trigger();
  EXPECT_EQ(main->options().allmapchipsize, 12);
  EXPECT_EQ(map->view()->size(), QSize(48, 36));
  map->popupItem(QStringLiteral("chaospop"))->trigger();
  EXPECT_EQ(main->options().viewmap, kMiniMapChaos);
  EXPECT_TRUE(map->popupItem(QStringLiteral("chaospop"))->isChecked());
  EXPECT_FALSE(map->popupItem(QStringLiteral("normalpop"))->isChecked());
  EXPECT_EQ(map->windowTitle(), QStringLiteral("地図  縮尺3/8：カオス高低"));
  EXPECT_EQ(map->popupItem(QStringLiteral("pop1"))->text(), QStringLiteral("縮尺 3/4  (&A)"));
  EXPECT_EQ(map->popupItem(QStringLiteral("pop5"))->text(), QStringLiteral("       1/8  (&E)"));

  map->show();
  ASSERT_TRUE(map->isVisible());
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(map, &esc);
  EXPECT_FALSE(map->isVisible());
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

TEST_F(MiniMapWindow, AMapLargerThanTheScreenScrollsInsteadOfOverflowing) {
  // A small city: the client area is exactly the map.
  map->relayout();
  EXPECT_EQ(map->view()->parentWidget()->parentWidget()->size(), QSize(32, 24));
  // 50 x 50 blocks at 24 pixels are 1,200 pixels square, more than the screen shows.
  main->replaceWorld(test::smallWorld(50, 50, 21));
  main->options().allmapchipsize = 24;
  map->relayout();
  EXPECT_EQ(map->view()->size(), QSize(1200, 1200));
  const QSize room = map->screen()->availableGeometry().size();
  EXPECT_LE(map->sizeHint().width(), room.width());
  EXPECT_LE(map->sizeHint().height(), room.height());
}

}  // namespace
}  // namespace gm
