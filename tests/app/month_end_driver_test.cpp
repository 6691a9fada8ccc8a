// The month's end in the program: windows frozen and restored, the caption following the new
// month, and the game-over state with its menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QTimer>

#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/month_end_driver.h"
#include "shell/options_store.h"
#include "shell/sound_player.h"
#include "shell/sub_windows.h"
#include "shell_test_support.h"
#include "world/world.h"

namespace gm {
namespace {

class CueLog : public SoundPlayer {
 public:
  std::vector<int> cues;
  bool mainAllowed = true;
  void play(int cue) override { cues.push_back(cue); }
  void stop() override {}
  void setMusic(bool) override {}
  void setMainCueAllowed(bool allowed) override { mainAllowed = allowed; }
};

// Answers every modal window the month shows (new models, maker news) with its OK button.
class ModalAnswerer {
 public:
  ModalAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [] {
      if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
    });
    timer_.start(20);
  }

 private:
  QTimer timer_;
};

class MonthEndDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    openSettings()->clear();
    main = std::make_unique<TMain>();
    main->createSubWindows();
    auto log = std::make_unique<CueLog>();
    cues = log.get();
    main->setSoundPlayer(std::move(log));
    Options& o = main->options();
    o.defopen = false;
    o.tellmsg = false;
    o.jissekihoukoku = false;
    o.reserchhoukoku = false;
    o.bonushoukoku = false;
    auto w = test::smallWorld(6, 8);
    w->kaichou.kaishaname = "銀玉商事";
    w->kaichou.SetSikin(Money::fromInt(300000));
    w->rivals.rivalNashi = true;
    w->month = 6;
    main->replaceWorld(std::move(w));
    main->beginPlay();
  }
  void TearDown() override { main.reset(); }

  void placeStore() {
    tworld& w = main->world();
    Ttempo& t = w.kaichou.slot(1);
    t.used = true;
    t.name = "一号店";
    t.blockY = 1;
    t.blockX = 1;
    w.block(1, 1).kind = 19;
  }
  bool enabled(const char* item) { return main->menuItem(QLatin1String(item))->isEnabled(); }

  std::unique_ptr<TMain> main;
  CueLog* cues = nullptr;
};

TEST_F(MonthEndDriver, AMonthPassesAndEverythingComesBack) {
  ModalAnswerer answerer;
  placeStore();
  main->world().month = 3;
  main->subWindows().allmap->show();
  main->subWindows().kaishaform->show();
  MonthEndReport r = runMonthEnd(*main);
  EXPECT_TRUE(r.ran);
  EXPECT_TRUE(r.goesOn);
  EXPECT_EQ(main->world().month, 4);
  EXPECT_TRUE(main->windowTitle().startsWith(QStringLiteral("1年 4月")));
  EXPECT_TRUE(main->isEnabled());
  for (const char* item : {"endmenu", "savemenu", "daibuymenu", "newmenu", "sk16"})
    EXPECT_TRUE(enabled(item)) << item;
  EXPECT_TRUE(main->subWindows().allmap->isVisible());
  EXPECT_TRUE(main->subWindows().kaishaform->isVisible());
  for (DataWindow* w : main->subWindows().dataWindows()) EXPECT_TRUE(w->isEnabled());
  EXPECT_FALSE(main->map().monthRedrawRunning());
  EXPECT_FALSE(main->world().cityUpdating);
}

// The window manager's close button reaches even a disabled main window. While the month's
// steps run under one of their dialogs, a close request neither asks whether to stop for the day
// nor quits: the month runs to its end, and afterwards the request is heard again.
TEST_F(MonthEndDriver, AClosingRequestDuringTheMonthNeitherAsksNorQuits) {
  placeStore();
  main->world().month = 3;
  main->show();
  main->options().jissekihoukoku = true;  // the month's report: a dialog inside the steps
  for (bool tellmsg : {true, false}) {
    SCOPED_TRACE(tellmsg ? "tellmsg" : "no tellmsg");
    main->options().tellmsg = tellmsg;
    QStringList shown;
    bool tried = false, closed = false;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!d) return;
      shown << d->windowTitle();
      if (!tried && main->monthProcessing()) {
        tried = true;
        // Whatever the request would show comes up inside this handler: answer it from here.
        QTimer nested;
        QObject::connect(&nested, &QTimer::timeout, [&] {
          auto* q = qobject_cast<QDialog*>(QApplication::activeModalWidget());
          if (!q || q == d) return;
          shown << q->windowTitle();
          q->accept();
        });
        nested.start(20);
        closed = main->close();
      }
      d->accept();
    });
    answerer.start(20);
    const int month = main->world().month;
    MonthEndReport r = runMonthEnd(*main);
    answerer.stop();
    ASSERT_TRUE(tried) << "no dialog came up while the month ran";
    EXPECT_FALSE(closed);
    EXPECT_FALSE(shown.contains(QStringLiteral("業務終了"))) << shown.join(u',').toStdString();
    EXPECT_TRUE(r.goesOn);
    EXPECT_EQ(main->world().month, month + 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isEnabled());
  }
  EXPECT_TRUE(main->close()) << "the month is over: the request is heard";
}

TEST_F(MonthEndDriver, TheQuestionCanStopTheOrder) {
  main->options().tellmsg = true;
  test::whenModal([](QWidget*) { test::clickModalButton(QStringLiteral("取り消し(&N)")); });
  MonthEndReport r = runMonthEnd(*main);
  EXPECT_FALSE(r.ran);
  EXPECT_EQ(main->world().month, 6);
  EXPECT_TRUE(enabled("endmenu"));
}

TEST_F(MonthEndDriver, GameOverLeavesOnlyTheNoGameItemsAndAFrozenMap) {
  // Month 6 without a store: "辞任" once the month number becomes 7.
  ModalAnswerer answerer;
  MonthEndReport r = runMonthEnd(*main);
  EXPECT_TRUE(r.ran);
  EXPECT_FALSE(r.goesOn);
  for (const char* item : {"savemenu", "overwritesavemenu", "endmenu", "daibuymenu", "kaishamenu"})
    EXPECT_FALSE(enabled(item)) << item;
  for (const char* item : {"newmenu", "loadmenu", "optionmenu", "closemenu", "versionmenu"})
    EXPECT_TRUE(enabled(item)) << item;
  EXPECT_TRUE(main->isEnabled());
  EXPECT_FALSE(main->map().isHidden());  // the last month's city stays in view
  EXPECT_FALSE(main->map().isEnabled());
  EXPECT_FALSE(cues->mainAllowed);
  ASSERT_FALSE(cues->cues.empty());
  EXPECT_EQ(cues->cues.back(), 6);
}

}  // namespace
}  // namespace gm
