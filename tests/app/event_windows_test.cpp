// The windows of the new month's events: the donation window's limits, its question and its one
// way out; the seminar window's qualities and courses; and, in the assembled program, the
// charity's request and the seminar answered through the real message dialog and their windows.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "support/seeded_draws.h"
#include "ui/donation_window.h"
#include "ui/program_assembly.h"
#include "ui/seminar_window.h"
#include "world/donation.h"
#include "world/seminar.h"
#include "world/world.h"

namespace gm {
namespace {

TEST(DonationWindow, HoldsTheAmountBelowTheCashAndLeavesOnlyThroughItsQuestion) {
  test::ScriptedFrontend port;
  port.opts.waittime = 0;
  port.answers = {false, true};
  int64_t given = -1;
  test::whenModal([&](QWidget* modal) {
    auto* form = qobject_cast<Tkifuform*>(modal);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("寄付"));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form->cashLabel()->text(), QStringLiteral("資金  200,000"));
    EXPECT_EQ(form->remainingLabel()->text(), QStringLiteral("残り資金  200,000"));
    EXPECT_FALSE(form->okButton()->isEnabled());
    EXPECT_EQ(form->moneyEdit()->objectName(), QStringLiteral("moneyedit"));
    EXPECT_EQ(form->moneyEdit()->toolTip(), QStringLiteral("寄付金額を入力"));

    form->moneyEdit()->setText(QStringLiteral("300000"));
    EXPECT_EQ(form->moneyEdit()->text(), QStringLiteral("199999"));
    EXPECT_EQ(form->remainingLabel()->text(), QStringLiteral("残り資金  1"));
    form->moneyEdit()->setText(QStringLiteral("40000"));
    EXPECT_EQ(form->remainingLabel()->text(), QStringLiteral("残り資金  160,000"));
    EXPECT_TRUE(form->okButton()->isEnabled());

    test::pressOnModal(Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible()) << "Escape does not close it";
    form->okButton()->click();  // answered no: the window stays
    EXPECT_TRUE(form->isVisible());
    form->okButton()->click();
    EXPECT_FALSE(form->isVisible());
  });
  given = askDonationAmount(nullptr, port, Money::fromInt(200000));
  EXPECT_EQ(given, 40000);
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "寄付");
  EXPECT_EQ(port.messages[0].text, "40,000を寄付します。よろしいですか？");
  EXPECT_TRUE(port.messages[0].showCash);
  EXPECT_TRUE(port.messages[0].confirm);

  // Without the confirmation option the button gives at once.
  port.opts.tellmsg = false;
  port.messages.clear();
  test::whenModal([](QWidget* modal) {
    auto* form = qobject_cast<Tkifuform*>(modal);
    ASSERT_NE(form, nullptr);
    form->moneyEdit()->setText(QStringLiteral("12"));
    form->okButton()->click();
  });
  EXPECT_EQ(askDonationAmount(nullptr, port, Money::fromInt(200000)), 12);
  EXPECT_TRUE(port.messages.empty());
}

TEST(SeminarWindow, ShowsTheQualitiesAndReturnsTheCourseChosen) {
  SeminarOffer offer;
  offer.courses = {"愛すべき娯楽", "「忠誠」の感情的・論理的側面", "尊徳の憂鬱", "人格の深淵"};
  offer.karisuma = 40;
  offer.chisei = 50;
  offer.tousotu = 60;
  offer.kantei = 99;
  test::whenModal([](QWidget* modal) {
    auto* form = qobject_cast<Tseminorform*>(modal);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("経営者ｾﾐﾅｰ"));
    EXPECT_EQ(form->qualityValue(0)->text(), QStringLiteral("40"));
    EXPECT_EQ(form->qualityGauge(2)->value(), 60);
    EXPECT_EQ(form->qualityValue(3)->text(), QStringLiteral("99"));
    ASSERT_EQ(form->courseList()->count(), 4);
    EXPECT_EQ(form->courseList()->item(1)->text(), QStringLiteral("「忠誠」の感情的・論理的側面"));
    EXPECT_EQ(form->courseList()->currentRow(), 0) << "the first course is preselected";
    test::pressOnModal(Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    form->courseList()->setCurrentRow(2);
    form->okButton()->click();
  });
  EXPECT_EQ(askSeminarCourse(nullptr, offer, 0), 2);

  test::whenModal([](QWidget* modal) { static_cast<Tseminorform*>(modal)->okButton()->click(); });
  EXPECT_EQ(askSeminarCourse(nullptr, offer, 0), 0);
}

TEST(EventWindows, TheAssembledProgramAsksForTheDonationAndTheCourseThroughItsOwnWindows) {
  TMain main;
  main.options().playmusic = false;
  main.options().waittime = 0;
  main.options().tellmsg = false;
  assembleProgram(main);
  auto w = test::smallWorld(1, 2, 21);
  for (int c = 0; c < 2; ++c) {
    w->block(0, c).population = 200;  // a full city: the charity always has a reason
    w->block(0, c).unrest = 50;
  }
  w->cityName = "銀玉市";
  w->month = 3;
  w->kaichou.sikin = Money::fromInt(200000);
  w->kaichou.slot(1).used = true;
  w->kaichou.slot(1).chimei = 100;
  main.replaceWorld(std::move(w));
  tworld& world = main.world();

  // The request's draws: any below the density of 100, below the fame of 100, and the coin.
  world.rng().setSeed(test::seedWithDraws({test::any(100), {200, 0, 99}, test::exactly(2, 1)}));
  bool asked = false;
  test::whenModal([&](QWidget* question) {
    asked = true;
    EXPECT_EQ(question->windowTitle(), QStringLiteral("寄付願い"));
    test::whenModal([](QWidget* modal) {
      auto* form = qobject_cast<Tkifuform*>(modal);
      ASSERT_NE(form, nullptr);
      form->moneyEdit()->setText(QStringLiteral("100000"));
      test::whenModal([](QWidget*) { test::clickModalButton(QStringLiteral("了解(&R)")); });
      form->okButton()->click();
    });
    test::clickModalButton(QStringLiteral("実行(&R)"));
  });
  EXPECT_TRUE(DonationRequest(world));
  ASSERT_TRUE(asked);
  EXPECT_EQ(world.kaichou.sikin, Money::fromInt(100000));
  EXPECT_LT(world.block(0, 0).unrest + world.block(0, 1).unrest, 100)
      << "a gift as large as what is left calms the city";

  // May: the seminar's question, its window and the notice of what was learnt.
  world.month = 5;
  world.rng().setSeed(test::seedWithDraws({test::exactly(4, 1)}));
  tkaichou& k = world.kaichou;
  const int before = k.karisuma + k.chisei + k.tousotu + k.kantei;
  QString chosen;
  test::whenModal([&](QWidget*) {
    test::whenModal([&](QWidget* modal) {
      auto* form = qobject_cast<Tseminorform*>(modal);
      ASSERT_NE(form, nullptr);
      form->courseList()->setCurrentRow(1);
      chosen = form->courseList()->currentItem()->text();
      test::whenModal([](QWidget* notice) {
        EXPECT_EQ(notice->windowTitle(), QStringLiteral("講習終了"));
        test::clickModalButton(QStringLiteral("了解(&R)"));
      });
      form->okButton()->click();
    });
    test::clickModalButton(QStringLiteral("実行(&R)"));
  });
  const int gain = Seminar(world);
  EXPECT_FALSE(chosen.isEmpty());
  EXPECT_GE(gain, 1);
  EXPECT_EQ(k.karisuma + k.chisei + k.tousotu + k.kantei, before + gain);
  EXPECT_EQ(k.sikin, Money::fromInt(100000 - 500));
}

}  // namespace
}  // namespace gm
