// The purchase negotiation: the owner's humour at the edges of its bands, whole talks through the
// scripted port (lines, faces, pauses, cues and draws in order), the offer's cap, breaking off,
// rival land, and the buy order from the first check to the block's new owner.
#include <gtest/gtest.h>

#include <memory>

#include "company/negotiation.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

using test::ScriptedFrontend;

// A seed whose first RandInt(n) draw satisfies `pred`.
template <class Pred>
uint32_t seedWhereDraw(int n, Pred pred) {
  for (uint32_t s = 1;; ++s) {
    Random probe(s);
    if (pred(probe.randInt(n))) return s;
  }
}

TEST(OwnersHumour, CharmShiftsEveryOfferByDecile) {
  const std::pair<int, int> byCharm[] = {{1, -10}, {9, -10}, {10, -8}, {29, -6}, {39, -4},
                                         {49, -2}, {50, 0},  {59, 0},  {60, 2},  {75, 4},
                                         {89, 6},  {90, 8},  {99, 8},  {100, 8}};
  for (auto [charm, bonus] : byCharm) EXPECT_EQ(charmBonus(charm), bonus) << "charm " << charm;
}

TEST(OwnersHumour, BandsOfTheFirstOfferNeedNoDraw) {
  Random rng(5);
  // Charm 50: 81 per cent is accepted, 80 grumbles, 66..65 is the edge of hurt, 51..50 of anger.
  const std::pair<int64_t, int> atCharm50[] = {
      {810, kOwnerAccepts}, {800, kOwnerGrumbles}, {660, kOwnerGrumbles}, {650, kOwnerHurt},
      {510, kOwnerHurt},    {500, kOwnerAngry},    {1, kOwnerAngry},      {3000, kOwnerAccepts}};
  for (auto [offer, reaction] : atCharm50)
    EXPECT_EQ(ownerReaction(offer, 1000, charmBonus(50), 0, rng), reaction) << "offer " << offer;
  // Charm 95 adds 8: 73 per cent reaches 81.
  EXPECT_EQ(ownerReaction(730, 1000, charmBonus(95), 0, rng), kOwnerAccepts);
  EXPECT_EQ(ownerReaction(720, 1000, charmBonus(95), 0, rng), kOwnerGrumbles);
  // Charm 1 takes 10 off: the full price still sells, 90 per cent only grumbles.
  EXPECT_EQ(ownerReaction(1000, 1000, charmBonus(1), 0, rng), kOwnerAccepts);
  EXPECT_EQ(ownerReaction(900, 1000, charmBonus(1), 0, rng), kOwnerGrumbles);
  EXPECT_EQ(rng.draws(), 0u) << "a penalty of 0 or 1 draws nothing";
  EXPECT_EQ(ownerReaction(500, 1000, 0, 1, rng), kOwnerAngry);
  EXPECT_EQ(rng.draws(), 0u);

  // The per cent is truncated exactly: 58 of 100 is 58, not the 57.99... a floating ratio gives,
  // so that charm 95 lands on 66 (grumbling) rather than 65 (hurt).
  EXPECT_EQ(ownerReaction(58, 100, charmBonus(95), 0, rng), kOwnerGrumbles);
  EXPECT_EQ(ownerReaction(1999, 2000, 0, 0, rng), kOwnerAccepts);   // 99.95 -> 99
  EXPECT_EQ(ownerReaction(1619, 2000, 0, 0, rng), kOwnerGrumbles);  // 80.95 -> 80
}

TEST(OwnersHumour, ThePenaltyComesOffBeforeTheClamp) {
  // 70 per cent after a grumble, penalty 11: 70 - d stays grumbling (a sale) only for d <= 4.
  const uint32_t lenient = seedWhereDraw(11, [](int d) { return d == 4; });
  const uint32_t harsh = seedWhereDraw(11, [](int d) { return d == 5; });
  Random a(lenient), b(harsh);
  EXPECT_EQ(ownerReaction(700, 1000, 0, 11, a), kOwnerGrumbles);
  EXPECT_EQ(ownerReaction(700, 1000, 0, 11, b), kOwnerHurt);
  EXPECT_EQ(a.draws(), 1u);

  // Three times the price is 300 per cent: whatever the draw it is clamped to 100.
  const uint32_t worst = seedWhereDraw(16, [](int d) { return d == 15; });
  Random c(worst);
  EXPECT_EQ(ownerReaction(3000, 1000, charmBonus(1), 16, c), kOwnerAccepts);
  // A small offer goes below 1 and is clamped up: still anger, never a wrapped value.
  Random e(worst);
  EXPECT_EQ(ownerReaction(1, 1000, charmBonus(1), 16, e), kOwnerAngry);
}

TEST(OwnersHumour, TheOfferIsCappedBelowTheCash) {
  EXPECT_EQ(offerCap(Money::fromInt(1000)), 999);
  EXPECT_EQ(offerCap(Money::fromRaw(10005000)), 999) << "1,000.5 less one is 999.5: 999 whole";
  EXPECT_EQ(offerCap(Money::fromInt(2)), 1);
  EXPECT_EQ(offerCap(Money::fromInt(1)), 0);
  EXPECT_EQ(offerCap(Money::fromInt(-5)), 0);
}

class Negotiation : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->mapHeight = 3;
    world->mapWidth = 3;
    world->month = 1;
    world->setFrontend(&port);
    world->rng().setSeed(11);
    company().sikin = Money::fromInt(100000);
    company().karisuma = 50;
    world->block(1, 1).kind = 1;
  }
  tkaichou& company() { return world->kaichou; }
  NegotiationResult talk(int64_t askingPrice, std::initializer_list<int64_t> offers) {
    for (int64_t o : offers) port.offers.push_back(o);
    BuyNegotiation n;
    n.KoushouKaishi(1, 1, askingPrice);
    return n.Run(*world);
  }
  std::vector<std::string> said() const {
    std::vector<std::string> t;
    for (const auto& l : port.lines) t.push_back((l.owner ? "owner " : "president ") + l.text);
    return t;
  }

  std::unique_ptr<tworld> world;
  ScriptedFrontend port;
};

TEST_F(Negotiation, EightyOnePerCentIsAcceptedAtOnce) {
  EXPECT_EQ(talk(1000, {810}), NegotiationResult::Bought);
  const std::vector<std::string> events = {"negotiation:1,1:1000",
                                           "owner:0",
                                           "offer:買収金額決定：一回目:1000:1000000000",
                                           "president:2",
                                           "pause:800",
                                           "owner:0",
                                           "pause:800",
                                           "president:1",
                                           "cue:4",
                                           "negotiation-end:bought",
                                           "cue:1"};
  EXPECT_EQ(port.events, events);
  const std::vector<std::string> lines = {
      "owner ...で、いくらで買ってくれるのかね？", "president こちらに 810用意してきました。",
      "owner うむ、君もなかなか解っている人だね。よし、この土地は君に譲ってあげよう。",
      "president 買収は成功しました！"};
  EXPECT_EQ(said(), lines);
  EXPECT_EQ(company().sikin, Money::fromInt(99190));
  EXPECT_EQ(world->rng().draws(), 0u) << "a first-round answer draws nothing";
  EXPECT_EQ(world->block(1, 1).kind, 1) << "the talk pays; the buy order hands the block over";
}

TEST_F(Negotiation, EightyPerCentGetsASecondRoundWithPenaltyEleven) {
  // 80 after a grumble loses at most 10 to the penalty: 70 still grumbles, and that is a sale.
  const uint32_t seed = seedWhereDraw(11, [](int d) { return d == 10; });
  world->rng().setSeed(seed);
  EXPECT_EQ(talk(1000, {800, 800}), NegotiationResult::Bought);
  const std::vector<std::string> lines = {
      "owner ...で、いくらで買ってくれるのかね？",
      "president こちらに 800用意してきました。",
      "owner う～ん、悪い条件ではないがねえ、もう少しがんばってもらえんだろうかねェ？",
      "president それでは、 800でどうでしょうか。",
      "owner ふん、まあいいだろう。この土地は君の物だ。結構しっかりしてるな、君は。",
      "president 買収は成功しました！"};
  EXPECT_EQ(said(), lines);
  EXPECT_EQ(port.lines[2].face, kOwnerGrumbles);
  EXPECT_EQ(port.lines[4].face, kOwnerGrumbles);
  EXPECT_EQ(world->rng().draws(), 1u);
  EXPECT_EQ(port.events[6], "offer:買収金額決定：二回目:1000:1000000000");
  EXPECT_EQ(company().sikin, Money::fromInt(99200)) << "only the second offer is paid";
}

TEST_F(Negotiation, TheSameOfferAgainSucceedsOnlyIfThePenaltyLeavesSixtySix) {
  // 70 per cent grumbles; the same 70 again sells for a draw of 4 and fails for 5.
  world->rng().setSeed(seedWhereDraw(11, [](int d) { return d == 4; }));
  EXPECT_EQ(talk(1000, {700, 700}), NegotiationResult::Bought);

  port = ScriptedFrontend();
  world->setFrontend(&port);
  company().sikin = Money::fromInt(100000);
  world->rng().setSeed(seedWhereDraw(11, [](int d) { return d == 5; }));
  EXPECT_EQ(talk(1000, {700, 700}), NegotiationResult::NotBought);
  ASSERT_EQ(port.lines.size(), 6u);
  EXPECT_EQ(port.lines[4].face, kOwnerHurt);
  EXPECT_EQ(port.lines[4].text, "残念だが、今回は諦めてくれ。私もこの土地には愛着があるものでね。");
  EXPECT_EQ(port.lines[5].text, "買収は失敗に終わりました．．．。");
  EXPECT_EQ(port.lines[5].face, kFaceCry);
  EXPECT_EQ(port.cues, (std::vector<int>{kCueDown, kCueMain}));
  EXPECT_EQ(company().sikin, Money::fromInt(100000)) << "a failure pays nothing";
}

TEST_F(Negotiation, CharmNinetyFiveSellsAtSeventyThreeAndAnInsultEndsAtOnce) {
  company().karisuma = 95;
  EXPECT_EQ(talk(2000, {1460}), NegotiationResult::Bought);  // 73 + 8 = 81

  port = ScriptedFrontend();
  world->setFrontend(&port);
  company().karisuma = 50;
  EXPECT_EQ(talk(2000, {1000, 5000}), NegotiationResult::NotBought);  // 50: anger
  ASSERT_EQ(port.lines.size(), 4u);
  EXPECT_EQ(port.lines[2].face, kOwnerAngry);
  EXPECT_EQ(port.lines[2].text,
            "だめだめ、話にならんよ。そんなはした金とっととしまって、早く出てってくれ！");
  EXPECT_EQ(port.offers.size(), 1u) << "an angry owner is not asked again";
  const std::vector<std::string> tail = {"owner:3", "president:3", "cue:5",
                                         "negotiation-end:not-bought", "cue:1"};
  EXPECT_EQ(std::vector<std::string>(port.events.end() - 5, port.events.end()), tail);
}

TEST_F(Negotiation, ThreeTimesThePriceIsAcceptedEvenWithoutCharm) {
  company().karisuma = 1;
  EXPECT_EQ(talk(500, {1500}), NegotiationResult::Bought);
}

TEST_F(Negotiation, OffersAreHeldBelowTheCashAndNothingOrZeroBreaksOff) {
  company().sikin = Money::fromInt(1000);
  EXPECT_EQ(talk(500, {5000}), NegotiationResult::Bought);
  EXPECT_EQ(port.lines[1].text, "こちらに 999用意してきました。");
  EXPECT_EQ(company().sikin, Money::fromInt(1));

  for (std::optional<int64_t> answer :
       {std::optional<int64_t>(), std::optional<int64_t>(0), std::optional<int64_t>(-300)}) {
    port = ScriptedFrontend();
    world->setFrontend(&port);
    company().sikin = Money::fromInt(1000);
    port.offers.push_back(answer);
    BuyNegotiation n;
    n.KoushouKaishi(1, 1, 500);
    EXPECT_EQ(n.Run(*world), NegotiationResult::NotBought);
    const std::vector<std::string> events = {"negotiation:1,1:500",
                                             "owner:0",
                                             "offer:買収金額決定：一回目:500:10000000",
                                             "president:3",
                                             "cue:5",
                                             "negotiation-end:not-bought",
                                             "cue:1"};
    EXPECT_EQ(port.events, events);
    EXPECT_EQ(company().sikin, Money::fromInt(1000));
  }
  EXPECT_EQ(world->rng().draws(), 0u);

  BuyNegotiation free;
  free.KoushouKaishi(0, 2, 0);
  EXPECT_EQ(free.askingPrice(), 1) << "land asked for nothing is weighed against 1";
  EXPECT_EQ(free.result(), NegotiationResult::None);
}

TEST_F(Negotiation, BuyingRivalLandPaysThatRival) {
  Tenkaichou& rivals = world->rivals;
  rivals.sanka = {true, true, true, true, true};
  rivals.shikin = {Money::fromInt(7000), Money::fromInt(8000), Money::fromInt(50000),
                   Money::fromInt(9000), Money()};
  rivals.genzai = 0;
  Tchip& land = world->block(1, 1);
  land.kind = 3;
  land.owner = 2;
  EXPECT_EQ(talk(1000, {1200}), NegotiationResult::Bought);
  EXPECT_EQ(rivals.shikin[2], Money::fromInt(51200));
  EXPECT_EQ(rivals.genzai, 2) << "the owner is made current";
  EXPECT_EQ(rivals.shikin[0], Money::fromInt(7000));
  EXPECT_EQ(company().sikin, Money::fromInt(98800));

  // An owner without cash cannot be made current; it is still the one that is paid.
  land.owner = 4;
  company().sikin = Money::fromInt(100000);
  EXPECT_EQ(talk(1000, {1000}), NegotiationResult::Bought);
  EXPECT_EQ(rivals.shikin[4], Money::fromInt(1000));
  EXPECT_EQ(rivals.shikin[2], Money::fromInt(51200));
  EXPECT_EQ(rivals.genzai, 2);

  // Citizens' land pays nobody.
  land.kind = 1;
  EXPECT_EQ(talk(1000, {1000}), NegotiationResult::Bought);
  EXPECT_EQ(rivals.shikin[4], Money::fromInt(1000));
}

class LandPurchase : public Negotiation {
 protected:
  void SetUp() override {
    Negotiation::SetUp();
    port.opts.tellmsg = false;
    company().sikin = Money::fromInt(10000000);
    Tchip& b = world->block(1, 1);
    b.kind = 21;
    b.SetPopulation(120);
    b.SetLandPrice(100000);
    b.SetSecurity(45);
    b.SetUnrest(1);
    b.SetFanRate(20, world->laws);
  }
  // The first seed from which the owner is willing to talk, and the price he asks.
  std::pair<uint32_t, int64_t> willingSeed() {
    for (uint32_t s = 1;; ++s) {
      Random probe(s);
      PurchaseQuote q = world->block(1, 1).PurchasePrice(world->AverageUnrest(), probe);
      if (!q.refused) return {s, q.price};
    }
  }
};

TEST_F(LandPurchase, RunsFromTheFirstCheckToTheNewOwner) {
  auto [seed, price] = willingSeed();
  world->rng().setSeed(seed);
  port.offers.push_back(price);  // the full price: 100 per cent
  EXPECT_EQ(BuyLand(*world, 1, 1), LandPurchaseOutcome::Bought);
  const Tchip& b = world->block(1, 1);
  EXPECT_EQ(b.kind, 2);
  EXPECT_EQ(b.population, 0);
  EXPECT_EQ(b.fanRate, 0);
  EXPECT_EQ(b.unrest, 0);
  EXPECT_EQ(company().baishuuzumi[1][1], 1);
  EXPECT_EQ(company().sikin, Money::fromInt(10000000 - price));
  EXPECT_EQ(port.events.front(), "negotiation:1,1:" + std::to_string(price));
  EXPECT_EQ(port.events.back(), "city-changed") << "the map is redrawn after the talk";
  EXPECT_TRUE(port.messages.empty()) << "no question without tellmsg, no message on success";

  // The block is the company's now: the next order is refused before any talk.
  EXPECT_EQ(BuyLand(*world, 1, 1), LandPurchaseOutcome::Refused);
  EXPECT_EQ(port.messages.back().text, "そこは我が社の土地です。");
}

TEST_F(LandPurchase, AFailedTalkLeavesTheBlockAndItsMark) {
  auto [seed, price] = willingSeed();
  world->rng().setSeed(seed);
  port.offers.push_back(price / 2);
  EXPECT_EQ(BuyLand(*world, 1, 1), LandPurchaseOutcome::NotBought);
  EXPECT_EQ(world->block(1, 1).kind, 21);
  EXPECT_EQ(world->block(1, 1).population, 120);
  EXPECT_EQ(company().sikin, Money::fromInt(10000000));
  EXPECT_EQ(company().baishuuzumi[1][1], 1);
  EXPECT_EQ(BuyLand(*world, 1, 1), LandPurchaseOutcome::Refused) << "once a month";

  // With tellmsg a "no" to the question ends the order before the talk.
  company().baishuuzumi[1][1] = 0;
  port.opts.tellmsg = true;
  world->rng().setSeed(seed);
  port.answers = {false};
  EXPECT_EQ(BuyLand(*world, 1, 1), LandPurchaseOutcome::Declined);
  EXPECT_EQ(port.lines.size(), 4u) << "no new lines after the first talk's four";
}

}  // namespace
}  // namespace gm
