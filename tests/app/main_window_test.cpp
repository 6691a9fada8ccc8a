// The main window: the menu states of no game, game running and month being processed, begin
// play, the highlight and scale menus, the close question, and the machine purchase window's
// hiding and showing of the data windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/options_store.h"
#include "shell/sound_player.h"
#include "shell/title_view.h"
#include "shell_test_support.h"

namespace gm {
namespace {

class RecordingSound : public SoundPlayer {
 public:
  std::vector<int> cues;
  std::vector<bool> mainAllowed;
  void play(int cue) override { cues.push_back(cue); }
  void stop() override {}
  void setMusic(bool) override {}
  void setMainCueAllowed(bool allowed) override { mainAllowed.push_back(allowed); }
};

const char* const kGameItems[] = {"savemenu",
                                  "overwritesavemenu",
                                  "kaishamenu",
                                  "tempomenu",
                                  "chikumenu",
                                  "mapmenu",
                                  "jissekimenu",
                                  "reserchmenu",
                                  "daibuymenu",
                                  "jinjimenu",
                                  "endmenu",
                                  "vmallmenu",
                                  "vmplrmenu",
                                  "vmsigaimenu",
                                  "vmhankagaimenu",
                                  "vmofficemenu",
                                  "vmschoolmenu",
                                  "vmhospitalmenu",
                                  "vmpolicemenu",
                                  "vmspacemenu",
                                  "sk32",
                                  "sk24",
                                  "sk16",
                                  "sk12",
                                  "sk8",
                                  "sk4",
                                  "kaishapop",
                                  "tempopop",
                                  "chikupop",
                                  "mappop",
                                  "jissekipop",
                                  "reserchpop",
                                  "daibuypop",
                                  "jinjipop",
                                  "endpop"};
const char* const kAlwaysItems[] = {"newmenu",          "loadmenu",      "optionmenu", "closemenu",
                                    "helpcontentsmenu", "helptopicmenu", "versionmenu"};

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    openSettings()->clear();  // every test starts as a first run
    main = std::make_unique<TMain>();
    main->createSubWindows();
    auto recording = std::make_unique<RecordingSound>();
    sound = recording.get();
    main->setSoundPlayer(std::move(recording));
    main->options().defopen = false;
    main->options().tellmsg = false;
  }
  void TearDown() override { main.reset(); }

  void startGame() {
    auto w = test::smallWorld(6, 8);
    w->kaichou.kaishaname = "銀玉商事";
    w->month = 6;
    main->replaceWorld(std::move(w));
    main->beginPlay();
  }
  QAction* item(const char* name) {
    QAction* a = main->menuItem(QLatin1String(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
  }

  std::unique_ptr<TMain> main;
  RecordingSound* sound = nullptr;
};

TEST_F(MainWindow, NoGameAtStartThenEverythingOnceAGameRuns) {
  for (const char* n : kGameItems) EXPECT_FALSE(item(n)->isEnabled()) << n;
  for (const char* n : kAlwaysItems) EXPECT_TRUE(item(n)->isEnabled()) << n;
  EXPECT_FALSE(main->map().isEnabled());
  EXPECT_NE(main->titleView(), nullptr);

  startGame();
  for (const char* n : kGameItems) EXPECT_TRUE(item(n)->isEnabled()) << n;
  for (const char* n : kAlwaysItems) EXPECT_TRUE(item(n)->isEnabled()) << n;
  EXPECT_TRUE(main->map().isEnabled());
  EXPECT_EQ(main->titleView(), nullptr) << "the title gives way to the map";
  EXPECT_EQ(main->windowTitle(),
            QStringLiteral("1年 6月  ボーナスシーズン：銀玉商事経営中：資金 0"));
  EXPECT_EQ(sound->cues.back(), kCueMain);
  EXPECT_EQ(sound->mainAllowed.back(), true);

  main->setMonthProcessing(true);
  for (const char* n : kGameItems) EXPECT_FALSE(item(n)->isEnabled()) << n;
  for (const char* n : kAlwaysItems) EXPECT_FALSE(item(n)->isEnabled()) << n;
  EXPECT_FALSE(main->isEnabled());
  for (DataWindow* w : main->subWindows().dataWindows()) EXPECT_FALSE(w->isEnabled());
  main->setMonthProcessing(false);
  main->setGameMenusEnabled(false);  // the game has ended
  for (const char* n : kGameItems) EXPECT_FALSE(item(n)->isEnabled()) << n;
  for (const char* n : kAlwaysItems) EXPECT_TRUE(item(n)->isEnabled()) << n;
  EXPECT_TRUE(main->isEnabled());
}

TEST_F(MainWindow, MenusCarryTheirCaptionsShortcutsAndTags) {
  EXPECT_EQ(item("loadmenu")->text(), QStringLiteral("引き継ぎ(&O)"));
  EXPECT_EQ(item("overwritesavemenu")->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
  EXPECT_EQ(item("endmenu")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
  EXPECT_EQ(item("sk12")->data().toInt(), 3);
  EXPECT_EQ(item("vmspacemenu")->data().toInt(), 8);
  EXPECT_EQ(item("endpop")->text(), item("endmenu")->text());
  QStringList bar;
  for (QAction* a : main->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"営業(&F)", "資料(&G)", "一般行動(&D)", "区画強調(&V)", "縮尺(&U)",
                              "ﾍﾙﾌﾟ(&H)"}));
  QStringList popup;
  for (QAction* a : main->mapPopup()->actions())
    popup << (a->isSeparator() ? "-" : a->objectName());
  EXPECT_EQ(popup, (QStringList{"kaishapop", "tempopop", "chikupop", "mappop", "jissekipop",
                                "reserchpop", "-", "daibuypop", "jinjipop", "-", "endpop"}));
}

TEST_F(MainWindow, HighlightAndScaleMenusDriveTheMap) {
  startGame();
  item("vmhospitalmenu")->trigger();
  EXPECT_TRUE(main->map().highlight().contains(23));
  EXPECT_FALSE(main->map().highlight().contains(1));
  EXPECT_FALSE(item("vmallmenu")->isChecked());
  EXPECT_TRUE(item("vmhospitalmenu")->isChecked());
  item("vmhospitalmenu")->trigger();
  EXPECT_FALSE(item("vmhospitalmenu")->isChecked());
  EXPECT_FALSE(main->map().highlight().contains(23));
  item("vmallmenu")->trigger();
  EXPECT_TRUE(item("vmallmenu")->isChecked());
  EXPECT_TRUE(main->map().highlight().contains(1));

  item("sk8")->trigger();
  EXPECT_EQ(main->map().cellSize(), 8);
  EXPECT_EQ(main->options().gridsize, 4);
  EXPECT_TRUE(item("sk8")->isChecked());
  EXPECT_FALSE(item("sk32")->isChecked());
}

TEST_F(MainWindow, ClosingAsksOnlyWithTellmsg) {
  main->show();
  QCloseEvent quiet;
  QApplication::sendEvent(main.get(), &quiet);
  EXPECT_TRUE(quiet.isAccepted());

  main->options().tellmsg = true;
  QStringList titles;
  test::whenModal([&](QWidget* m) {
    titles << m->windowTitle();
    test::clickModalButton("取り消し(&N)");
  });
  QCloseEvent refused;
  QApplication::sendEvent(main.get(), &refused);
  EXPECT_FALSE(refused.isAccepted());

  test::whenModal([&](QWidget* m) {
    titles << m->windowTitle();
    test::clickModalButton("実行(&R)");
    test::whenModal([&](QWidget* bye) {
      titles << bye->windowTitle();
      test::clickModalButton("了解(&R)");
    });
  });
  QCloseEvent agreed;
  QApplication::sendEvent(main.get(), &agreed);
  EXPECT_TRUE(agreed.isAccepted());
  EXPECT_EQ(titles, (QStringList{"業務終了", "業務終了", "退社"}));
}

TEST_F(MainWindow, MachinePurchaseHidesTheOpenDataWindowsAndBringsThemBack) {
  startGame();
  const SubWindows& w = main->subWindows();
  w.kaishaform->show();
  w.allmap->show();
  w.chipform->show();  // not on top: it stays
  bool kaishaDuring = true, allmapDuring = true, chipDuring = false;
  main->setMachinePurchaseRunner([&](TMain&) {
    kaishaDuring = w.kaishaform->isVisible();
    allmapDuring = w.allmap->isVisible();
    chipDuring = w.chipform->isVisible();
  });
  item("daibuymenu")->trigger();
  EXPECT_FALSE(kaishaDuring);
  EXPECT_FALSE(allmapDuring);
  EXPECT_TRUE(chipDuring);
  EXPECT_TRUE(w.kaishaform->isVisible());
  EXPECT_TRUE(w.allmap->isVisible());
  EXPECT_FALSE(w.chikudata->isVisible()) << "a window that was closed stays closed";

  main->options().chipformfront = true;
  main->applyStayOnTopOptions();
  w.chipform->show();
  item("daibuypop")->trigger();
  EXPECT_FALSE(chipDuring) << "the block window steps aside when it stays on top";
  EXPECT_TRUE(w.chipform->isVisible());
}

TEST_F(MainWindow, BeginPlayOpensTheDefaultWindowsAndResetsTheMap) {
  main->options().defopen = true;
  main->options().gridsize = 2;
  startGame();
  const SubWindows& w = main->subWindows();
  EXPECT_TRUE(w.kaishaform->isVisible());
  EXPECT_TRUE(w.chikudata->isVisible());
  EXPECT_TRUE(w.allmap->isVisible());
  EXPECT_FALSE(w.tempoform->isVisible());
  EXPECT_EQ(main->map().cellSize(), 16);
  EXPECT_EQ(main->map().currentColumn(), 0);
  EXPECT_EQ(main->map().leftColumn(), 0);
}

TEST_F(MainWindow, CashNoticesRefreshTheCaptionOnlyWhileTheWindowIsEnabled) {
  startGame();
  main->setMonthProcessing(true);
  main->world().kaichou.SetSikin(Money::fromInt(2500));
  EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral("資金 0")));
  main->setMonthProcessing(false);
  main->world().kaichou.SetSikin(Money::fromInt(2600));
  EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral("資金 2,600")));
  EXPECT_EQ(main->windowIconText(), QStringLiteral("1年 6月  ボーナスシーズン：銀玉商事経営中"));
}

TEST_F(MainWindow, OptionsAndPlacementAreWrittenAtExit) {
  main->options().waittime = 7;
  main->show();
  main.reset();
  auto settings = openSettings();
  EXPECT_EQ(settings->value(QStringLiteral("Appkeys/option/waittime")).toInt(), 7);
  EXPECT_EQ(settings->value(QStringLiteral("Appkeys/houkoku/bonushoukoku")).toInt(), 1);
  EXPECT_TRUE(settings->contains(QStringLiteral("FormLocate/Main/RRight")));
  EXPECT_FALSE(settings->contains(QStringLiteral("FormLocate/kakunin/RRight")))
      << "a window never shown keeps what was stored before";
}

TEST_F(MainWindow, ResultsReportItemDoesNothingInTheFirstMonth) {
  startGame();
  main->world().month = 1;
  item("jissekimenu")->trigger();  // would block on the report window otherwise
  SUCCEED();
}

}  // namespace
}  // namespace gm
