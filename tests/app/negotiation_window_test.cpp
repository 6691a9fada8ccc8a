// The negotiation's windows: the amount dialog's labels, cap and button, and a whole purchase
// from the block window through the program's own port, its screen, typing boxes and faces.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "base/text.h"
#include "company/negotiation.h"
#include "shell/data_folder.h"
#include "shell/main_window.h"
#include "shell/picture_book.h"
#include "shell/qt_frontend.h"
#include "shell/typing_box.h"
#include "shell_test_support.h"
#include "ui/block_window.h"
#include "ui/negotiation_window.h"
#include "ui/purchase_offer_dialog.h"
#include "world/world.h"

namespace gm {
namespace {

TEST(OfferDialog, ShowsTheFiguresAndHoldsTheOfferBelowTheCash) {
  const Money cash = Money::fromRaw(12345676000);  // 1,234,567.6
  test::whenModal([](QWidget* modal) {
    auto* dialog = qobject_cast<Tbuymoney*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("買収金額決定：一回目"));
    EXPECT_EQ(dialog->landPriceLabel()->text(), QStringLiteral("地価  150,000"));
    EXPECT_EQ(dialog->cashLabel()->text(), QStringLiteral("資金  1,234,568"));
    EXPECT_EQ(dialog->offerEdit()->value(), 150000) << "the offer starts at the land price";
    EXPECT_EQ(dialog->remainderLabel()->text(), QStringLiteral("残り資金  1,084,568"));
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    dialog->offerEdit()->setValue(0);
    EXPECT_EQ(dialog->remainderLabel()->text(), QStringLiteral("残り資金  1,234,568"));
    EXPECT_FALSE(dialog->okButton()->isEnabled()) << "an offer of 0 cannot be confirmed";
    dialog->offerEdit()->setValue(34567);
    EXPECT_EQ(dialog->remainderLabel()->text(), QStringLiteral("残り資金  1,200,001"));
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    dialog->offerEdit()->setValue(2000000);
    EXPECT_EQ(dialog->offerEdit()->value(), 1234566) << "cut to the cash less one, whole";
    EXPECT_EQ(dialog->offerEdit()->text(), QStringLiteral("1,234,566"));
    dialog->okButton()->click();
  });
  Tbuymoney first(QStringLiteral("買収金額決定：一回目"), 150000, cash);
  EXPECT_EQ(first.askOffer(), 1234566);

  test::whenModal([](QWidget*) { test::pressOnModal(Qt::Key_Escape); });
  Tbuymoney second(QStringLiteral("買収金額決定：二回目"), 150000, cash);
  EXPECT_EQ(second.askOffer(), std::nullopt) << "closing the dialog breaks the talk off";
}

class NegotiationScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.chipform = [](TMain& m) { return new BlockWindow(m); };
    main->createSubWindows(makers);
    auto w = test::smallWorld(2, 2, 1);
    w->cityName = "銀玉市";
    w->kaichou.ownername = "山田";
    w->kaichou.sikin = Money::fromInt(900000);
    w->kaichou.karisuma = 50;
    w->block(1, 1).SetLandPrice(120000);
    main->replaceWorld(std::move(w));
    main->options().tellmsg = false;
    main->options().waittime = 0;
    screen = new TBuykoushou(*main);
    screen->setPauseScale(0);
    main->frontend().setNegotiationScreen(screen);
    window = static_cast<BlockWindow*>(main->subWindows().chipform);
  }
  void TearDown() override { main->frontend().setNegotiationScreen(nullptr); }
  // Seeds the game where the owner of (1, 1) is willing to talk; returns his asking price.
  int64_t willingOwner() {
    tworld& w = main->world();
    for (uint32_t s = 1;; ++s) {
      Random probe(s);
      const PurchaseQuote q = w.block(1, 1).PurchasePrice(w.AverageUnrest(), probe);
      if (q.refused) continue;
      w.rng().setSeed(s);
      return q.price;
    }
  }

  // Plays the player's part: answers the amount dialogs with `offers` in turn and closes the
  // screen once the talk is over, noting what the screen showed at that moment.
  void playThePlayer(std::vector<int> offers) {
    auto* poll = new QTimer(main.get());
    auto ticks = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [this, poll, offers, ticks]() mutable {
      if (++*ticks > 1000) {
        ADD_FAILURE() << "the negotiation did not end";
        poll->deleteLater();
        if (screen->isVisible()) screen->done(QDialog::Rejected);
        return;
      }
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* dialog = qobject_cast<Tbuymoney*>(modal)) {
        offerTitles << dialog->windowTitle();
        dialog->offerEdit()->setValue(offers.empty() ? 0 : offers.front());
        if (!offers.empty()) offers.erase(offers.begin());
        dialog->okButton()->click();
      } else if (modal == screen && screen->closeButton()->isEnabled()) {
        ownerFace = screen->ownerFace();
        presidentFace = screen->presidentFace();
        ownerLine = screen->kyakubox()->shownText();
        presidentLine = screen->mybox()->shownText();
        header = screen->header()->text();
        poll->deleteLater();
        screen->closeButton()->click();
      }
    });
    poll->start(5);
  }
  static QString typed(const char* utf8) { return QString::fromStdString(toFullWidth(utf8)); }

  std::unique_ptr<TMain> main;
  TBuykoushou* screen = nullptr;
  BlockWindow* window = nullptr;
  QStringList offerTitles;
  int ownerFace = -1, presidentFace = -1;
  QString ownerLine, presidentLine, header;
};

TEST_F(NegotiationScreenTest, ABlockIsBoughtThroughTheScreen) {
  tworld& w = main->world();
  const int64_t price = willingOwner();
  playThePlayer({static_cast<int>(price)});
  window->setBlock(1, 1);
  window->buyButton()->click();

  EXPECT_EQ(offerTitles, QStringList{QStringLiteral("買収金額決定：一回目")});
  EXPECT_EQ(ownerFace, kOwnerAccepts);
  EXPECT_EQ(presidentFace, kFaceLaugh);
  EXPECT_EQ(ownerLine,
            typed("うむ、君もなかなか解っている人だね。よし、この土地は君に譲ってあげよう。"));
  EXPECT_EQ(presidentLine, typed("買収は成功しました！"));
  EXPECT_TRUE(header.startsWith(QStringLiteral("空き地  (1, 1)  所有者  市民")))
      << header.toStdString();
  EXPECT_FALSE(screen->isVisible());
  EXPECT_FALSE(screen->talking());
  EXPECT_EQ(w.block(1, 1).kind, 2);
  EXPECT_EQ(w.kaichou.sikin, Money::fromInt(900000 - price));
  EXPECT_EQ(window->figure(QStringLiteral("owner"))->text(), QStringLiteral("山田"));
}

TEST_F(NegotiationScreenTest, AnInsultingOfferShowsTheAngryOwnerAndBuysNothing) {
  tworld& w = main->world();
  willingOwner();
  playThePlayer({1});
  window->setBlock(1, 1);
  window->buyButton()->click();
  EXPECT_EQ(ownerFace, kOwnerAngry);
  EXPECT_EQ(presidentFace, kFaceCry);
  EXPECT_EQ(presidentLine, typed("買収は失敗に終わりました．．．。"));
  EXPECT_EQ(w.block(1, 1).kind, 1);
  EXPECT_EQ(w.kaichou.sikin, Money::fromInt(900000));
  EXPECT_EQ(w.kaichou.baishuuzumi[1][1], 1);
}

TEST(NegotiationPictures, EveryFaceIsItsOwnPicture) {
  const PictureBook book(dataPath(QStringLiteral("pictures")));
  for (const QString& m : book.missing())
    EXPECT_FALSE(m.startsWith(QStringLiteral("negotiation/"))) << m.toStdString();
  std::vector<QImage> owner;
  for (int r = 0; r < 4; ++r) owner.push_back(book.ownerPortrait(r, 96).toImage());
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) EXPECT_NE(owner[a], owner[b]) << a << " and " << b;
  const QImage smile = book.presidentPortrait(kFaceSmile, 96).toImage();
  const QImage laugh = book.presidentPortrait(kFaceLaugh, 96).toImage();
  const QImage cry = book.presidentPortrait(kFaceCry, 96).toImage();
  EXPECT_NE(smile, laugh);
  EXPECT_NE(smile, cry);
  EXPECT_NE(laugh, cry);
  EXPECT_EQ(book.presidentPortrait(kFaceNormal, 96).toImage(), smile) << "he talks smiling";
  EXPECT_EQ(owner[0].size(), QSize(96, 96));
}

}  // namespace
}  // namespace gm
