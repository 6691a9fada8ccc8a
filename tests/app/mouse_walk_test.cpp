// A new player's first hall with the mouse alone, on the program as it is assembled: found a
// company, buy land by negotiation, build, fit out, buy and place machines, hire and assign
// staff, open the hall. Every step is a mouse click on what the player sees; the walk fails if a
// key is pressed anywhere, and it counts its clicks.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <vector>

#include "company/construction_order.h"
#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/message_dialog.h"
#include "shell/name_dialog.h"
#include "shell/new_game_dialogs.h"
#include "shell/options_store.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"
#include "store/equipment_order.h"
#include "ui/block_window.h"
#include "ui/company_store_list_page.h"
#include "ui/company_window.h"
#include "ui/construction_dialog.h"
#include "ui/hiring_window.h"
#include "ui/list_layout.h"
#include "ui/maker_window.h"
#include "ui/negotiation_window.h"
#include "ui/personnel_window.h"
#include "ui/program_assembly.h"
#include "ui/purchase_dialog.h"
#include "ui/purchase_offer_dialog.h"
#include "ui/replacement_dialog.h"
#include "ui/store_window.h"
#include "ui/store_window_equipment.h"
#include "ui/store_window_islands.h"
#include "world/world.h"

namespace gm {
namespace {

// Counts every key the program is given: the walk may not need one.
class KeyWatch : public QObject {
 public:
  int keys = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) ++keys;
    return false;
  }
};

class Mouse {
 public:
  int clicks = 0;

  void click(QWidget* w, QPoint at = {}) {
    ++clicks;
    if (qEnvironmentVariableIsSet("GM_WALK_TRACE")) {
      const auto* b = dynamic_cast<QAbstractButton*>(w);
      std::printf("  click %d %s %s\n", clicks, w->window()->windowTitle().toUtf8().constData(),
                  b ? b->text().toUtf8().constData() : w->metaObject()->className());
    }
    QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
  }
  // Two clicks, delivered as the window system delivers a double click.
  void doubleClick(QWidget* w, QPoint at) {
    clicks += 2;
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at);
  }
  void clickRow(QTreeWidget* tree, int row) {
    click(tree->viewport(), tree->visualItemRect(tree->topLevelItem(row)).center());
  }
  void doubleClickRow(QTreeWidget* tree, int row) {
    doubleClick(tree->viewport(), tree->visualItemRect(tree->topLevelItem(row)).center());
  }
  void clickTab(QTabWidget* tabs, QWidget* page) {
    click(tabs->tabBar(), tabs->tabBar()->tabRect(tabs->indexOf(page)).center());
  }
  void menu(QMenuBar* bar, const QString& title, QAction* item) {
    for (QAction* a : bar->actions())
      if (a->text() == title) {
        click(bar, bar->actionGeometry(a).center());
        QMenu* m = a->menu();
        for (int i = 0; i < 100 && !m->isVisible(); ++i) QTest::qWait(10);
        click(m, m->actionGeometry(item).center());
        return;
      }
    ADD_FAILURE() << "no menu " << title.toStdString();
  }
};

QPushButton* buttonOf(QWidget* window, const QString& caption) {
  for (QPushButton* b : window->findChildren<QPushButton*>())
    if (b->text() == caption && b->isVisible() && b->isEnabled()) return b;
  return nullptr;
}

class MouseWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    // A first run: no options, placements or list layouts left by other tests.
    openSettings()->clear();
    qApp->installEventFilter(&keys);
    mainWindow = std::make_unique<TMain>();
    assembleProgram(main());
    // A quicker typing speed, as the option dialog sets it; the rest is as a new player finds it.
    main().options().waittime = 0;
    main().show();
  }
  void TearDown() override {
    qApp->removeEventFilter(&keys);
    mainWindow.reset();
  }
  TMain& main() const { return *mainWindow; }

  tworld& world() const { return main().world(); }
  CompanyWindow& company() const {
    return *static_cast<CompanyWindow*>(main().subWindows().kaishaform);
  }
  StoreWindow& store() const { return *static_cast<StoreWindow*>(main().subWindows().tempoform); }
  BlockWindow& block() const { return *static_cast<BlockWindow*>(main().subWindows().chipform); }

  // The notices, questions and reports a new player answers on his way: a question is answered
  // yes, except those that would take him off his way (a seminar, a donation, the job stream).
  bool answerRoutine(QWidget* modal) {
    if (auto* kakunin = dynamic_cast<Tkakunin*>(modal)) {
      const QString title = kakunin->windowTitle();
      const bool decline = title.contains(QStringLiteral("セミナー")) ||
                           title.contains(QStringLiteral("寄付")) ||
                           title.contains(QStringLiteral("ジョブストリーム"));
      // The player reads the message as it types, then answers.
      if (kakunin->typingBox()->isTyping()) return true;
      QPushButton* b = decline && kakunin->cancelButton()->isVisible() ? kakunin->cancelButton()
                                                                       : kakunin->okButton();
      mouse.click(b);
      return true;
    }
    if (auto* offer = dynamic_cast<Tbuymoney*>(modal)) {
      mouse.click(offer->okButton());  // the offer stands at the asking price
      return true;
    }
    if (auto* talk = dynamic_cast<TBuykoushou*>(modal)) {
      if (!talk->closeButton()->isEnabled()) return false;
      mouse.click(talk->closeButton());
      return true;
    }
    for (const char* caption : {"閉じる(&C)", "了解(&R)", "取り消し(&N)"}) {
      if (dynamic_cast<Tmakerform*>(modal) || dynamic_cast<Tirekaeform*>(modal) ||
          dynamic_cast<PersonnelWindow*>(modal) || dynamic_cast<Tkoyouform*>(modal) ||
          dynamic_cast<Tkoujiform*>(modal) || dynamic_cast<Tnameform*>(modal) ||
          dynamic_cast<Tnewform*>(modal) || dynamic_cast<Tmakekaichou*>(modal) ||
          dynamic_cast<Tdaibuyform*>(modal))
        return false;
      if (QPushButton* b = buttonOf(modal, QString::fromUtf8(caption))) {
        mouse.click(b);
        return true;
      }
    }
    return false;
  }

  // Runs the steps in order: each acts when what it waits for is on the screen, and the modal
  // windows it opens are answered by the later steps from inside their own event loops.
  void walk(std::vector<std::function<bool()>> steps, int seconds) {
    std::size_t next = 0;
    int running = 0;  // steps whose click has opened a window and not yet come back
    bool answering = false;
    // Qt does not fire a timer again while its own slot waits in a window's loop: every step
    // that runs brings a timer of its own for the ticks inside the windows it opens.
    std::vector<std::unique_ptr<QTimer>> timers;
    std::function<void()> tick;
    auto addTimer = [&] {
      timers.push_back(std::make_unique<QTimer>());
      QObject::connect(timers.back().get(), &QTimer::timeout, [&] { tick(); });
      timers.back()->start(15);
    };
    tick = [&] {
      if (answering) return;
      QWidget* modal = QApplication::activeModalWidget();
      // Between two windows of a step still running, the screen is the step's, not the next's.
      if (!modal && running > 0) return;
      if (modal) {
        answering = true;
        const bool answered = answerRoutine(modal);
        answering = false;
        if (answered) return;
      }
      if (next >= steps.size()) return;
      const std::size_t at = next++;
      if (qEnvironmentVariableIsSet("GM_WALK_TRACE")) {
        std::printf("step %zu modal %s\n", at,
                    modal ? modal->windowTitle().toUtf8().constData() : "-");
        std::fflush(stdout);
      }
      ++running;
      addTimer();
      const bool done = steps[at]();  // may open a window, whose loop runs the next ticks
      timers.pop_back();
      --running;
      if (!done && next == at + 1) next = at;
    };
    addTimer();
    QElapsedTimer clock;
    clock.start();
    while (next < steps.size() && clock.elapsed() < seconds * 1000) QTest::qWait(20);
    timers.clear();
    EXPECT_EQ(next, steps.size()) << "the walk stopped at step " << next;
  }

  // A vacant block in view that a hall may stand on, the most people around it first.
  std::vector<QPoint> buildableBlocks() {
    std::vector<std::pair<int64_t, QPoint>> found;
    const MAPGRID& map = main().map();
    tworld& w = world();
    for (int r = map.topRow(); r < map.topRow() + map.visibleRows() - 1; ++r)
      for (int c = map.leftColumn(); c < map.leftColumn() + map.visibleColumns() - 1; ++c) {
        if (!w.onMap(r, c) || w.block(r, c).kind != 1) continue;
        w.block(r, c).kind = 2;  // asks the construction rules as if the land were ours
        const bool buildable = !CheckConstruction(w, r, c, kWorkStore);
        w.block(r, c).kind = 1;
        if (!buildable) continue;
        int64_t people = 0;
        for (int dr = -2; dr <= 2; ++dr)
          for (int dc = -2; dc <= 2; ++dc)
            if (w.onMap(r + dr, c + dc)) people += w.block(r + dr, c + dc).population;
        found.push_back({people, QPoint(c, r)});
      }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<QPoint> blocks;
    for (const auto& f : found) blocks.push_back(f.second);
    return blocks;
  }

  // "命令終了" from the company manager; the month's windows are answered as they come.
  std::function<bool()> endMonth() {
    return [this] {
      if (QApplication::activeModalWidget()) return false;
      QPushButton* end = company().findChild<QPushButton*>(QStringLiteral("endbtn"));
      if (!end || !end->isVisible() || !end->isEnabled()) return false;
      mouse.click(end);
      return true;
    };
  }
  template <class W>
  static W* modalOf() {
    return dynamic_cast<W*>(QApplication::activeModalWidget());
  }

  KeyWatch keys;
  Mouse mouse;
  std::unique_ptr<TMain> mainWindow;
};

TEST_F(MouseWalk, AFirstHallOpensWithTheMouseAlone) {
  std::vector<QPoint> candidates;
  QPoint land(-1, -1);
  int startMonth = 0;
  std::vector<std::function<bool()>> steps = {
      // 営業 > 新規出店: the first city, the novice's game.
      [&] {
        mouse.menu(main().menuBar(), QStringLiteral("営業(&F)"), main().menuItem("newmenu"));
        return true;
      },
      [&] {
        auto* city = modalOf<Tnewform>();
        if (!city || city->chosenFile().empty()) return false;
        mouse.click(city->okButton());
        return true;
      },
      // The founding: once the prompt has typed and the qualities roll, the roll stopped, 決定.
      [&] {
        auto* found = modalOf<Tmakekaichou>();
        if (!found || !found->isRolling()) return false;  // the rolling starts by itself
        mouse.click(found->setteiButton());
        mouse.click(found->okButton());
        return true;
      },
      // The same seed for every run from here on, so that the walk meets the same city.
      [&] {
        if (!main().playing() || QApplication::activeModalWidget()) return false;
        world().rng().setSeed(30);
        startMonth = world().month;
        candidates = buildableBlocks();
        return !candidates.empty();
      },
      // A block on the map, then 買収 in the block window, until one is bought.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        if (land.x() >= 0 && world().block(land.y(), land.x()).kind == 2) return true;
        if (candidates.empty()) return false;
        land = candidates.front();
        candidates.erase(candidates.begin());
        mouse.click(main().map().viewport(), main().map().cellRect(land.x(), land.y()).center());
        mouse.click(block().buyButton());
        return false;  // this step ends once the land is ours
      },
      // 工事: a one-floor hall, named as proposed.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        mouse.click(block().constructionButton());
        return true;
      },
      [&] {
        auto* works = modalOf<Tkoujiform>();
        if (!works) return false;
        mouse.click(works->workButton(kWorkStore));
        mouse.click(buttonOf(works, QStringLiteral("決定(&R)")));
        return true;
      },
      [&] {
        auto* name = modalOf<Tnameform>();
        if (!name) return false;
        mouse.click(name->okButton());
        return true;
      },
      // New models come at a month's end: the first month ends before any is on sale.
      endMonth(),
      // 新台購入 from the company manager: a maker with a model on sale, the model, one island.
      [&] {
        if (QApplication::activeModalWidget() || world().month == startMonth) return false;
        mouse.click(company().findChild<QPushButton*>(QStringLiteral("daibuybtn")));
        return true;
      },
      [&] {
        auto* visit = modalOf<Tmakerform>();
        if (!visit) return false;
        for (int i = 0; i < visit->makerList()->count(); ++i) {
          QListWidgetItem* maker = visit->makerList()->item(i);
          visit->makerList()->scrollToItem(maker);
          mouse.click(visit->makerList()->viewport(),
                      visit->makerList()->visualItemRect(maker).center());
          if (visit->modelList()->topLevelItemCount() > 0) break;
        }
        if (visit->modelList()->topLevelItemCount() == 0) return false;
        mouse.click(visit->skipBox());  // the appraisal at once
        mouse.clickRow(visit->modelList(), 0);
        mouse.click(visit->buyButton());
        return true;
      },
      [&] {
        auto* buy = modalOf<Tdaibuyform>();
        if (!buy) return false;
        mouse.click(buy->okButton());
        return true;
      },
      [&] {
        auto* visit = modalOf<Tmakerform>();
        if (!visit) return false;
        mouse.click(buttonOf(visit, QStringLiteral("閉じる(&C)")));
        return true;
      },
      // Months end until the hall is finished.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        const int n = world().kaichou.TempoAt(land.y(), land.x());
        if (n >= 1 && world().kaichou.slot(n).joutai == kWaiting) return true;
        endMonth()();
        return false;
      },
      // The store window from the company manager's store list.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        mouse.clickTab(company().pages(), company().storeListPage());
        mouse.doubleClickRow(company().storeListPage()->tempolist()->tree(), 0);
        return store().isVisible();
      },
      // 設備: one general item, by a double click.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        mouse.clickTab(store().pages(), store().equipmentPage());
        QListWidget* general = store().equipmentPage()->offeredList(0);
        mouse.doubleClick(general->viewport(), general->visualItemRect(general->item(0)).center());
        return true;
      },
      // 個別調整 > 入替: the warehouse's island onto the first floor.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        mouse.clickTab(store().pages(), store().islandsPage());
        mouse.click(store().islandsPage()->button(StoreIslandsPage::kReplace));
        return true;
      },
      [&] {
        auto* plan = modalOf<Tirekaeform>();
        if (!plan) return false;
        mouse.clickRow(plan->warehouseList(), 0);
        mouse.click(plan->installButton());
        mouse.click(plan->okButton());
        return true;
      },
      // 人事: hire what the hall needs, assign all of them to it, confirm.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        mouse.click(store().findChild<QPushButton*>(QStringLiteral("jinjibtn")));
        return true;
      },
      [&] {
        auto* staff = modalOf<PersonnelWindow>();
        if (!staff) return false;
        mouse.click(staff->button(PersonnelWindow::kHire));
        return true;
      },
      [&] {
        auto* hire = modalOf<Tkoyouform>();
        if (!hire) return false;
        mouse.click(hire->okButton());
        return true;
      },
      [&] {
        auto* staff = modalOf<PersonnelWindow>();
        if (!staff) return false;
        mouse.clickRow(staff->storeList(), 0);
        mouse.click(staff->button(PersonnelWindow::kAssignAll));
        mouse.click(staff->button(PersonnelWindow::kConfirm));
        return true;
      },
      // 開店 on the status page.
      [&] {
        if (QApplication::activeModalWidget()) return false;
        mouse.clickTab(store().pages(), store().statusPage());
        mouse.click(store().statusPage()->button(StoreStatusPage::kOpen));
        return true;
      },
      [&] {
        if (QApplication::activeModalWidget()) return false;
        const int n = world().kaichou.TempoAt(land.y(), land.x());
        return n >= 1 && world().kaichou.slot(n).joutai == kOpen;
      },
  };
  walk(steps, 120);

  const int n = world().kaichou.TempoAt(land.y(), land.x());
  ASSERT_GE(n, 1);
  const Ttempo& hall = world().kaichou.slot(n);
  EXPECT_EQ(hall.joutai, kOpen);
  bool equipped = false;
  for (int e = 0; e < kEquipmentCount; ++e) equipped = equipped || hall.hasEquipment(e);
  EXPECT_TRUE(equipped);
  EXPECT_GT(hall.machineCounts().allMachines, 0);
  EXPECT_GT(hall.dansei + hall.zyosei, 0);
  EXPECT_EQ(keys.keys, 0) << "a step needed a key";
  // 67 today, 15 of them the month's reports and notices and 10 the questions of option tellmsg.
  EXPECT_LE(mouse.clicks, 70) << "the first hall takes more clicks than it did";
  std::printf("[ walk ] an open hall in month %d after %d clicks\n", world().month, mouse.clicks);
  RecordProperty("clicks", mouse.clicks);
}

}  // namespace
}  // namespace gm
