// The maker visit with its appraisal, the new-model announcement, the maker list, the store
// window's status page and the rival-store window, on small hand-made worlds.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "base/text.h"
#include "shell/main_window.h"
#include "shell/picture_book.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "ui/maker_list_window.h"
#include "ui/maker_window.h"
#include "ui/new_model_window.h"
#include "ui/rival_store_window.h"
#include "ui/store_window.h"
#include "ui/store_window_status.h"

// Readable failure messages for Qt strings.
static void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace gm {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

tdai makeModel(const char* name, int type, Ratings nominal, bool unappraised) {
  tdai d;
  d.name = name;
  d.kishu = static_cast<uint8_t>(type);
  d.price = 170;
  d.nominal = nominal;
  d.actual = nominal;
  d.releaseMonth = 10;
  d.saleEndMonth = 14;
  d.shukka = 30000;
  d.zaiko = 21500;
  d.onSale = true;
  d.unappraised = unappraised;
  return d;
}

// Maker 0 (friendship 64) sells two models: slot 1 unappraised with high published ratings,
// slot 3 appraised and modest; slot 2 is free. Maker 1 is in the market but suspended; maker 2
// is present with no standing; the others are out of the market.
class UiScreensMaker : public ::testing::Test {
 protected:
  void SetUp() override {
    world = test::smallWorld(5, 5);
    world->month = 12;
    world->setFrontend(&port);
    port.opts.waittime = 0;
    for (Tmaker& m : world->makers) m.shijou = false;
    Tmaker& m0 = world->makers[0];
    m0.shijou = true;
    m0.SetYuukou(64);
    m0.models[0] = makeModel("大関伝説", 4, {90, 81, 72, 63}, true);
    m0.models[2] = makeModel("虚空伝説", 0, {40, 30, 20, 10}, false);
    m0.models[2].shukka = 1200;
    m0.models[2].zaiko = 1200;
    Tmaker& m1 = world->makers[1];
    m1.shijou = true;
    m1.SetYuukou(80);
    m1.torihiki = false;
    world->makers[2].shijou = true;
  }

  std::unique_ptr<tworld> world;
  test::ScriptedFrontend port;
};

TEST_F(UiScreensMaker, ListsMakersInTheMarketWithTheirStandingAndModels) {
  Tmakerform form(*world, port.opts, nullptr);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("新台購入"));
  ASSERT_EQ(form.makerList()->count(), 3) << "only makers in the market are visited";
  EXPECT_EQ(form.makerList()->item(1)->text(), QStringLiteral("山共"));

  EXPECT_EQ(form.currentMaker(), 0);
  EXPECT_EQ(form.friendshipLabel()->text(), QStringLiteral("友好度：  64"));
  EXPECT_EQ(form.discountLabel()->text(), QStringLiteral("値引き：  9.14%"));  // 64 / 7
  ASSERT_EQ(form.modelList()->topLevelItemCount(), 2) << "the free slot is not listed";

  const QTreeWidgetItem* full = form.modelRow(0);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(full->text(Tmakerform::kColName), QStringLiteral("大関伝説"));
  EXPECT_EQ(full->text(Tmakerform::kColType), QStringLiteral("セブン機"));
  EXPECT_EQ(full->text(Tmakerform::kColPrice), QStringLiteral("170"));
  EXPECT_EQ(full->text(Tmakerform::kColProduction), QStringLiteral("30,000"));
  EXPECT_EQ(full->text(Tmakerform::kColStock), QStringLiteral("21,500"));
  EXPECT_EQ(full->text(Tmakerform::kColSaleEnd), QStringLiteral("2年 2月"));
  EXPECT_EQ(full->text(Tmakerform::kColGambling), QStringLiteral("？")) << "not appraised yet";
  const QTreeWidgetItem* shortRun = form.modelRow(2);
  ASSERT_NE(shortRun, nullptr);
  EXPECT_EQ(shortRun->text(Tmakerform::kColProduction), QStringLiteral("1,200台限定"));
  EXPECT_EQ(shortRun->text(Tmakerform::kColNovelty), QStringLiteral("10"));

  form.chooseMaker(1);
  EXPECT_EQ(form.friendshipLabel()->text(), QStringLiteral("取引中止"));
  EXPECT_EQ(form.discountLabel()->text(), QStringLiteral("値引き：  10.00%"));  // 80 / 8
  EXPECT_EQ(form.modelList()->topLevelItemCount(), 0);
  EXPECT_EQ(form.makerList()->currentRow(), 1);
  form.chooseMaker(2);
  EXPECT_EQ(form.friendshipLabel()->text(), QStringLiteral("友好度：  －"));
  EXPECT_EQ(form.discountLabel()->text(), QStringLiteral("値引き：  なし"));

  EXPECT_FALSE(form.buyButton()->isEnabled());
  EXPECT_EQ(form.buyButton()->text(), QStringLiteral("購入(&B)"));
  EXPECT_FALSE(form.buyButton()->toolTip().isEmpty());
}

TEST_F(UiScreensMaker, SortingByARatingCountsUnappraisedModelsAsZero) {
  Tmakerform form(*world, port.opts, nullptr);
  form.modelList()->sortByColumn(Tmakerform::kColGambling, Qt::DescendingOrder);
  EXPECT_EQ(form.modelList()->topLevelItem(0)->text(Tmakerform::kColName),
            QStringLiteral("虚空伝説"))
      << "40 beats an unappraised 90";
  port.opts.kanteiskip = true;
  form.modelClicked(0);
  form.modelList()->sortByColumn(Tmakerform::kColGambling, Qt::DescendingOrder);
  EXPECT_EQ(form.modelList()->topLevelItem(0)->text(Tmakerform::kColName),
            QStringLiteral("大関伝説"));
}

TEST_F(UiScreensMaker, TheAppraiserShowsThatAClickGoesOn) {
  Tmakerform form(*world, port.opts, nullptr);
  form.show();
  EXPECT_TRUE(form.nextButton()->isHidden());
  form.modelClicked(0);
  ASSERT_TRUE(form.appraising());
  ASSERT_TRUE(form.nextButton()->isVisible());
  TypingBox* box = form.typingBox();
  box->finish();
  EXPECT_TRUE(box->continueMarkShown()) << "a whole line waits with its mark";
  const QString first = box->fullText();
  QTest::mouseClick(form.nextButton(), Qt::LeftButton);
  EXPECT_NE(box->fullText(), first);
  for (int clicks = 0; clicks < 4 * kAppraisalLines && form.appraising(); ++clicks)
    QTest::mouseClick(form.nextButton(), Qt::LeftButton);
  EXPECT_FALSE(form.appraising());
  EXPECT_FALSE(world->makers[0].models[0].unappraised);
  EXPECT_TRUE(form.nextButton()->isHidden());
  EXPECT_FALSE(box->continueMarkShown()) << "the verdict has nothing after it";
}

TEST_F(UiScreensMaker, AppraisalTypesTheDialogueLineByLineThenShowsTheRatings) {
  Tmakerform form(*world, port.opts, nullptr);
  form.show();
  EXPECT_EQ(port.cues, std::vector<int>{kCueMaker});

  form.modelClicked(0);
  ASSERT_TRUE(form.appraising());
  EXPECT_FALSE(form.modelList()->isEnabled()) << "the list stays still while the appraiser talks";
  EXPECT_FALSE(form.makerList()->isEnabled());
  const auto lines = appraisalDialogue(world->makers[0].models[0].nominal);
  TypingBox* box = form.typingBox();
  for (int i = 0; i < kAppraisalLines; ++i) {
    ASSERT_TRUE(form.appraising()) << "line " << i;
    EXPECT_EQ(box->fullText(), qs(toFullWidth(lines[i]))) << "line " << i;
    EXPECT_TRUE(world->makers[0].models[0].unappraised) << "appraised only at the end";
    EXPECT_EQ(form.modelRow(0)->text(Tmakerform::kColGambling), QStringLiteral("？"));
    if (box->isTyping()) box->advance();  // a click shows the rest of the line
    box->advance();                       // the next click goes on
  }
  EXPECT_FALSE(form.appraising());
  EXPECT_FALSE(world->makers[0].models[0].unappraised);
  EXPECT_TRUE(form.modelList()->isEnabled());
  const QTreeWidgetItem* row = form.modelRow(0);
  EXPECT_EQ(row->text(Tmakerform::kColGambling), QStringLiteral("90"));
  EXPECT_EQ(row->text(Tmakerform::kColPlay), QStringLiteral("81"));
  EXPECT_EQ(row->text(Tmakerform::kColRefinement), QStringLiteral("72"));
  EXPECT_EQ(row->text(Tmakerform::kColNovelty), QStringLiteral("63"));
  EXPECT_EQ(box->fullText(), qs(toFullWidth("「．．．Ｂ、だあね。なかなかだ。」")))
      << "the verdict stays in view (sum 306)";

  // An appraised model has nothing more to say.
  form.modelClicked(0);
  EXPECT_FALSE(form.appraising());

  form.reject();
  EXPECT_EQ(port.cues, (std::vector<int>{kCueMaker, kCueMain}));
}

TEST_F(UiScreensMaker, SkipOptionShowsRatingsAtOnceAndLeavingMidwayKeepsTheModelUnappraised) {
  {
    Tmakerform form(*world, port.opts, nullptr);
    form.show();
    form.modelClicked(0);
    ASSERT_TRUE(form.appraising());
    form.typingBox()->finish();
    form.reject();  // the player closes the window during the dialogue
    EXPECT_FALSE(form.appraising());
    EXPECT_TRUE(world->makers[0].models[0].unappraised);
  }
  port.opts.kanteiskip = true;
  Tmakerform form(*world, port.opts, nullptr);
  form.modelClicked(0);
  EXPECT_FALSE(form.appraising());
  EXPECT_TRUE(form.typingBox()->fullText().isEmpty()) << "no dialogue with the skip option";
  EXPECT_FALSE(world->makers[0].models[0].unappraised);
  EXPECT_EQ(form.modelRow(0)->text(Tmakerform::kColGambling), QStringLiteral("90"));
}

TEST_F(UiScreensMaker, SkipBoxStartsFromTheOptionAndChangesIt) {
  port.opts.kanteiskip = true;
  {
    Tmakerform form(*world, port.opts, nullptr);
    QCheckBox* skip = nullptr;
    for (QCheckBox* box : form.findChildren<QCheckBox*>())
      if (box->text() == QStringLiteral("鑑定ｽｷｯﾌﾟ(&S)")) skip = box;
    ASSERT_NE(skip, nullptr) << "the window has the skip option";
    EXPECT_EQ(skip, form.skipBox());
    EXPECT_TRUE(skip->isChecked());
    skip->click();
    EXPECT_FALSE(port.opts.kanteiskip);
    form.show();
    form.modelClicked(0);
    EXPECT_TRUE(form.appraising()) << "the appraiser talks once the box is cleared";
    form.reject();
  }
  Tmakerform form(*world, port.opts, nullptr);
  EXPECT_FALSE(form.skipBox()->isChecked());
  form.skipBox()->click();
  EXPECT_TRUE(port.opts.kanteiskip);
  form.modelClicked(0);
  EXPECT_FALSE(form.appraising());
  EXPECT_FALSE(world->makers[0].models[0].unappraised);
}

TEST_F(UiScreensMaker, MakerListButtonOpensTheListModally) {
  Tmakerform form(*world, port.opts, nullptr);
  form.show();
  EXPECT_EQ(form.makerListButton()->text(), QStringLiteral("メーカー一覧(&L)"));
  QString title;
  int makers = 0;
  test::whenModal([&](QWidget* modal) {
    title = modal->windowTitle();
    if (auto* list = qobject_cast<Tmakerichiran*>(modal))
      makers = list->list()->topLevelItemCount();
    test::clickModalButton(QStringLiteral("閉じる(&C)"));
  });
  form.makerListButton()->click();
  EXPECT_EQ(title, QStringLiteral("メーカー一覧"));
  EXPECT_EQ(makers, kMakerCount);
  EXPECT_TRUE(form.isVisible()) << "closing the list leaves the visit open";
  form.reject();
}

TEST_F(UiScreensMaker, MakerListShowsEveryMakerWithItsStateAndModels) {
  Tmakerichiran list(*world, nullptr);
  EXPECT_EQ(list.windowTitle(), QStringLiteral("メーカー一覧"));
  EXPECT_EQ(list.list()->topLevelItemCount(), kMakerCount);
  const QTreeWidgetItem* m0 = list.makerRow(0);
  EXPECT_EQ(m0->text(Tmakerichiran::kColMarket), QStringLiteral("参入"));
  EXPECT_EQ(m0->text(Tmakerichiran::kColFriendship), QStringLiteral("友好度：  64"));
  EXPECT_EQ(m0->text(Tmakerichiran::kColDiscount), QStringLiteral("値引き：  9.14%"));
  ASSERT_EQ(m0->childCount(), 2);
  EXPECT_EQ(m0->child(1)->text(Tmakerichiran::kColName), QStringLiteral("虚空伝説"));
  EXPECT_EQ(m0->child(1)->text(Tmakerichiran::kColStock), QStringLiteral("1,200"));
  const QTreeWidgetItem* m1 = list.makerRow(1);
  EXPECT_EQ(m1->text(Tmakerichiran::kColTrading), QStringLiteral("取引中止"));
  EXPECT_EQ(m1->text(Tmakerichiran::kColFriendship), QStringLiteral("取引中止"));
  EXPECT_EQ(list.makerRow(10)->text(Tmakerichiran::kColMarket), QStringLiteral("未参入"));
}

// ---------------------------------------------------------------------------------------------

TEST(UiScreensNewModel, FullAndLimitedRunsAreAnnouncedDifferently) {
  const PictureBook pictures(QStringLiteral(GM_BUILD_DATA_DIR "/pictures"));
  {
    NewModelWindow w({"ピッグシューター", "山共", 5, 2000}, pictures);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("新台製作発表"));
    EXPECT_EQ(w.modelNameLabel()->text(), QStringLiteral("ピッグシューター"));
    EXPECT_EQ(w.makerNameLabel()->text(), QStringLiteral("山共"));
    EXPECT_EQ(w.typeNameLabel()->text(), QStringLiteral("CRセブン機"));
    EXPECT_FALSE(w.pictureLabel()->pixmap().isNull());
    EXPECT_EQ(w.saleLabel()->text(), QStringLiteral("          販売開始 !!"));
    w.show();
    EXPECT_FALSE(w.flashing());
    EXPECT_TRUE(w.saleLabel()->styleSheet().isEmpty());
  }
  NewModelWindow w({"ＣＲ大関", "平輪", 6, 1999}, pictures);
  EXPECT_EQ(w.saleLabel()->text(), QStringLiteral("1999台限定販売 !!"));
  EXPECT_TRUE(w.saleLabel()->styleSheet().contains(QStringLiteral("color")));
  w.show();
  EXPECT_TRUE(w.flashing());
  EXPECT_EQ(w.okButton()->text(), QStringLiteral("了解(&R)"));
  w.okButton()->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(w.flashing());
}

TEST(UiScreensNewModel, ThePortsFunctionWaitsForTheOkButton) {
  const PictureBook pictures(QStringLiteral(GM_BUILD_DATA_DIR "/pictures"));
  test::whenModal([](QWidget*) { test::clickModalButton(QStringLiteral("了解(&R)")); });
  showNewModelWindow(nullptr, {"虚空伝説", "大位置", 3, 1200}, pictures);
  SUCCEED();
}

// ---------------------------------------------------------------------------------------------

// A two-floor store opened in month 5 on block (column 2, row 3), seen in month 30.
std::unique_ptr<tworld> storeWorld() {
  auto w = test::smallWorld(5, 5);
  w->month = 30;
  w->block(3, 2).landPrice = 20000;
  Ttempo& s = w->kaichou.slot(1);
  s.used = true;
  s.name = "銀玉一号店";
  s.joutai = kOpen;
  s.kibo = 1;
  s.blockX = 2;
  s.blockY = 3;
  s.shuttenMonth = 5;
  s.senren = 41;
  s.chimei = 52;
  s.manzoku = 63;
  s.setDansei(4);
  s.setZyosei(3);
  s.moral = Money::fromRaw(579999);  // shown as whole points, never rounded up
  s.skill = Money::fromRaw(330001);
  s.pkankin = 3;
  s.skankin = 3;
  s.kousaku = kShills | kJackpotControl;
  s.modelMakers = (1u << 0) | (1u << 7);
  tdai pachinko = makeModel("大関伝説", 4, {50, 50, 50, 50}, false);
  tdai slot = makeModel("ＣＲユニパース", 8, {50, 50, 50, 50}, false);
  s.dai[0][0].fillRecord(20, 170000, pachinko);
  s.dai[0][1].fillRecord(20, 170000, pachinko);
  s.dai[1][0].fillRecord(20, 350000, slot);
  s.dai[2][0].fillRecord(20, 350000, slot);  // a third floor the store does not have
  return w;
}

TEST(UiScreensStore, StatusPageShowsTheStoreAsItStands) {
  auto w = storeWorld();
  StoreStatusPage page;
  page.showStore(*w, w->kaichou.slot(1));
  using F = StoreStatusPage::Field;
  EXPECT_EQ(page.text(F::kName), QStringLiteral("銀玉一号店"));
  EXPECT_EQ(page.text(F::kState), QStringLiteral("営業中"));
  EXPECT_EQ(page.text(F::kSize), QStringLiteral("２フロア"));
  EXPECT_EQ(page.text(F::kBlock), QStringLiteral("(2, 3)"));
  EXPECT_EQ(page.text(F::kOpened), QStringLiteral("1年 5月"));
  EXPECT_EQ(page.text(F::kAge), QStringLiteral("2年 1ヶ月"));
  EXPECT_EQ(page.text(F::kRefinement), QStringLiteral("41"));
  EXPECT_EQ(page.text(F::kSatisfaction), QStringLiteral("63"));
  EXPECT_EQ(page.text(F::kMen), QStringLiteral("4人"));
  EXPECT_EQ(page.text(F::kWomen), QStringLiteral("3人"));
  EXPECT_EQ(page.text(F::kMoral), QStringLiteral("57"));
  EXPECT_EQ(page.text(F::kSkill), QStringLiteral("33"));
  EXPECT_EQ(page.caption(F::kMoral)->text(), QStringLiteral("ﾓﾗﾙ"));
  EXPECT_EQ(page.caption(F::kSkill)->text(), QStringLiteral("ｽｷﾙ"));
  EXPECT_EQ(page.text(F::kPachinkoRate), QStringLiteral("3円"));
  EXPECT_EQ(page.text(F::kSlotRate), QStringLiteral("等価交換"));
  EXPECT_EQ(page.text(F::kManipulation), QStringLiteral("サクラ  特賞操作"));
  EXPECT_EQ(page.text(F::kPachinkoMachines), QStringLiteral("20台"));
  EXPECT_EQ(page.text(F::kSlotMachines), QStringLiteral("10台")) << "only floors the store has";
  EXPECT_EQ(page.text(F::kAllMachines), QStringLiteral("30台"));
  // Land 20,000 + building 250,000 less two years at 5,000.
  EXPECT_EQ(page.text(F::kAssetValue), QStringLiteral("260,000"));
  ASSERT_EQ(page.modellist()->count(), 2);
  EXPECT_EQ(page.modellist()->item(0)->text(), QStringLiteral("平輪"));
  EXPECT_EQ(page.modellist()->item(1)->text(), QStringLiteral("ヤメサ"));

  EXPECT_EQ(page.text(F::kTakings), QStringLiteral("－")) << "no month of business yet";
  EXPECT_EQ(page.text(F::kCustomers), QStringLiteral("－"));
  Ttempo& s = w->kaichou.slot(1);
  s.eigyouNissuu = 25;
  s.kyaku[kTotal] = 1234;
  s.kadou[kTotal] = 37;
  s.uriage[kTotal] = Money::fromInt(5000);
  s.arari[kTotal] = Money::fromInt(750);
  page.showStore(*w, s);
  EXPECT_EQ(page.text(F::kCustomers), QStringLiteral("1,234人"));
  EXPECT_EQ(page.text(F::kTakings), QStringLiteral("5,000"));
  EXPECT_EQ(page.text(F::kGrossProfit), QStringLiteral("750"));
  EXPECT_EQ(page.text(F::kAttendance), QStringLiteral("37%"));

  // A hint stands over the whole row, caption and value alike.
  const std::vector<std::pair<F, QString>> hints = {
      {F::kSize, QStringLiteral("店舗の大きさ")},
      {F::kFame, QStringLiteral("有名さ")},
      {F::kRefinement, QStringLiteral("見た目、ﾃﾞｻﾞｲﾝの洗練度")},
      {F::kSatisfaction, QStringLiteral("客の感想")},
      {F::kMoral, QStringLiteral("ｽﾀｯﾌの職務意識")},
      {F::kSkill, QStringLiteral("ｽﾀｯﾌの職務技能")},
      {F::kAssetValue, QStringLiteral("店舗と土地の価値")},
      {F::kOpened, QStringLiteral("出店した年月")},
      {F::kAttendance, QStringLiteral("客付き")}};
  for (const auto& [field, hint] : hints) {
    EXPECT_EQ(page.caption(field)->toolTip(), hint) << "caption of field " << field;
    EXPECT_EQ(page.label(field)->toolTip(), hint) << "value of field " << field;
  }
  EXPECT_EQ(page.caption(F::kOpened)->text(), QStringLiteral("出店年月"));

  const QStringList captions = {"開店(&O)", "閉店(&Z)", "工事(&K)",
                                "変更(&C)", "変更(&D)", "ｼﾞｮﾌﾞｽﾄﾘｰﾑ(&W)"};
  // An open store can be closed, not opened or rebuilt; its rates and manipulations can change.
  const bool enabledWhenOpen[] = {false, true, false, true, true, true};
  for (int c = 0; c < StoreStatusPage::kCommandCount; ++c) {
    const QPushButton* b = page.button(static_cast<StoreStatusPage::Command>(c));
    EXPECT_EQ(b->text(), captions[c]);
    EXPECT_EQ(b->isEnabled(), enabledWhenOpen[c]) << captions[c].toStdString();
  }
  // Under construction: the manipulations may still change, nothing else of the state's.
  s.joutai = kUnderConstruction;
  page.showStore(*w, s);
  EXPECT_TRUE(page.button(StoreStatusPage::kManipulations)->isEnabled());
  EXPECT_FALSE(page.button(StoreStatusPage::kClose)->isEnabled());
  EXPECT_FALSE(page.button(StoreStatusPage::kOpen)->isEnabled());
  EXPECT_FALSE(page.button(StoreStatusPage::kConstruction)->isEnabled());
  s.joutai = kWaiting;
  page.showStore(*w, s);
  EXPECT_TRUE(page.button(StoreStatusPage::kOpen)->isEnabled())
      << "the order names what is missing";
  EXPECT_TRUE(page.button(StoreStatusPage::kConstruction)->isEnabled());
  page.clear();
  EXPECT_FALSE(page.button(StoreStatusPage::kExchangeRates)->isEnabled());
}

// The data windows on a real main window, so that they find their objects through it.
class UiScreensWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    makers.entempoform = [](TMain& m) { return new RivalStoreWindow(m); };
    main->createSubWindows(makers);
    main->options().tellmsg = false;
    main->replaceWorld(storeWorld());
  }
  void TearDown() override { main.reset(); }
  tworld& world() { return main->world(); }

  std::unique_ptr<TMain> main;
};

TEST_F(UiScreensWindows, StoreWindowFollowsItsStoreWhenTheSlotsMove) {
  auto* window = static_cast<StoreWindow*>(main->subWindows().tempoform);
  window->showStore(1);
  EXPECT_TRUE(window->objectStillExists());
  EXPECT_EQ(window->statusPage()->text(StoreStatusPage::kName), QStringLiteral("銀玉一号店"));

  // A store lost from an earlier slot moves this one down.
  tkaichou& k = world().kaichou;
  k.slot(1).assignTo(k.slot(2));
  k.slot(1).init();
  k.slot(1).used = true;
  k.slot(1).name = "銀玉二号店";
  window->refresh();
  EXPECT_TRUE(window->objectStillExists());
  EXPECT_EQ(window->shownSlot(), 2);
  EXPECT_EQ(window->statusPage()->text(StoreStatusPage::kName), QStringLiteral("銀玉一号店"));

  k.slot(2).init();
  EXPECT_FALSE(window->objectStillExists());
  window->refresh();
  EXPECT_TRUE(window->statusPage()->text(StoreStatusPage::kName).isEmpty());
}

TEST_F(UiScreensWindows, RivalStoreWindowShowsTheRecordAndNoticesItsEnd) {
  Tenkaichou& rivals = world().rivals;
  TEntempo& t = rivals.Tenpo(1);
  t.used = true;
  t.owner = 3;
  t.joutai = kRivalOpen;
  t.kibo = 2;
  t.blockRow = 4;
  t.blockColumn = 1;
  t.shuttenMonth = 16;  // 14 months before month 30
  t.SetSenren(31);
  t.SetChimei(42);
  t.SetManzoku(53);
  t.SetMoral(64);
  t.SetSkill(75);
  t.pkankin = 6;
  t.skankin = 1;
  t.zengetsu = Money::fromInt(-1234);
  t.ruikei = Money::fromInt(56789);
  t.akaji = Money::fromInt(-2000);
  t.kyaku = 4321;

  auto* window = static_cast<RivalStoreWindow*>(main->subWindows().entempoform);
  window->showRivalStore(1);
  const RivalStorePage& p = *window->page();
  using F = RivalStorePage::Field;
  EXPECT_EQ(p.text(F::kOwner), QStringLiteral("MEDIA PARK"));
  EXPECT_EQ(p.text(F::kState), QStringLiteral("営業中"));
  EXPECT_EQ(p.text(F::kSize), QStringLiteral("３フロア"));
  EXPECT_EQ(p.text(F::kBlock), QStringLiteral("(1, 4)"));
  EXPECT_EQ(p.text(F::kAge), QStringLiteral("1年 2ヶ月"));
  EXPECT_EQ(p.text(F::kRefinement), QStringLiteral("31"));
  EXPECT_EQ(p.text(F::kSkill), QStringLiteral("75"));
  EXPECT_EQ(p.text(F::kPachinkoRate), QStringLiteral("等価交換"));
  EXPECT_EQ(p.text(F::kSlotRate), QStringLiteral("7枚交換"));
  EXPECT_EQ(p.text(F::kLastResult), QStringLiteral("-1,234"));
  EXPECT_EQ(p.text(F::kTotalResult), QStringLiteral("56,789"));
  EXPECT_EQ(p.text(F::kLosses), QStringLiteral("-2,000"));
  EXPECT_EQ(p.text(F::kCustomers), QStringLiteral("4,321人"));

  t.joutai = kRivalBuilding;
  window->refresh();
  EXPECT_EQ(p.text(F::kState), QStringLiteral("工事中"));
  EXPECT_TRUE(window->objectStillExists());

  // Closing clears the record; another rival's store that moves into record 1 is not this one.
  rivals.ClearTenpo(1);
  EXPECT_FALSE(window->objectStillExists());
  TEntempo& other = rivals.Tenpo(1);
  other.used = true;
  other.owner = 0;
  other.blockRow = 4;
  other.blockColumn = 1;
  EXPECT_FALSE(window->objectStillExists());
}

}  // namespace
}  // namespace gm
