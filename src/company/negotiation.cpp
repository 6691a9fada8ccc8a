// The purchase negotiation: two offers at most, the owner's humour, and the money changing hands.
#include "company/negotiation.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "base/random.h"
#include "base/translation.h"
#include "company/company.h"
#include "company/rivals.h"
#include "world/land_orders.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kPauseMilliseconds = 800;

// Replies by reaction, first offer then second offer.
constexpr std::array<std::array<const char*, 2>, kOwnerFaces> kReplies = {{
    {GM_TR_NOOP("negotiation",
                "うむ、君もなかなか解っている人だね。よし、この土地は君に譲ってあげよう。"),
     GM_TR_NOOP("negotiation",
                "そこまでこの土地が必要ならば、私も君の誠意に応えよう。見所あるね、君ぃ。")},
    {GM_TR_NOOP("negotiation",
                "う～ん、悪い条件ではないがねえ、もう少しがんばってもらえんだろうかねェ？"),
     GM_TR_NOOP("negotiation",
                "ふん、まあいいだろう。この土地は君の物だ。結構しっかりしてるな、君は。")},
    {GM_TR_NOOP("negotiation",
                "君ぃ～、それはちょっとあんまりじゃないかね？他にも売って欲しいという人はいるんだ"
                "よ？"),
     GM_TR_NOOP("negotiation", "残念だが、今回は諦めてくれ。私もこの土地には愛着があるものでね。")},
    {GM_TR_NOOP("negotiation",
                "だめだめ、話にならんよ。そんなはした金とっととしまって、早く出てってくれ！"),
     GM_TR_NOOP("negotiation",
                "気分が悪いな、君は！一体何様のつもりなんだ！顔を洗って出直してこい！")},
}};

// Asks for an offer and holds it to what the dialog allows: a port answer above the cap is cut
// to it, and an answer of nothing or of 0 or less breaks the talk off.
std::optional<int64_t> askOffer(tworld& world, std::string_view title, int64_t askingPrice) {
  const Money cash = world.kaichou.sikin;
  std::optional<int64_t> offer = world.ui().askPurchaseOffer(title, askingPrice, cash);
  if (!offer || *offer <= 0) return std::nullopt;
  const int64_t cap = offerCap(cash);
  if (cap <= 0) return std::nullopt;
  return std::min(*offer, cap);
}

}  // namespace

int charmBonus(int karisuma) {
  const int decile = std::clamp(karisuma / 10, 0, 9);
  return 2 * decile - 10;
}

int ownerReaction(int64_t offer, int64_t askingPrice, int bonus, int penalty, Random& rng) {
  // Weighed in exact integers: a per cent just at a band's edge must not slip to the band below
  // through a rounding of the ratio.
  const int64_t price = std::max<int64_t>(askingPrice, 1);
  int64_t r = bonus + offer * 100 / price;
  if (penalty > 1) r -= rng.randInt(penalty);
  r = std::clamp<int64_t>(r, 1, 100);
  if (r <= 50) return kOwnerAngry;
  if (r <= 65) return kOwnerHurt;
  if (r <= 80) return kOwnerGrumbles;
  return kOwnerAccepts;
}

std::string ownerReply(int reaction, int round) {
  return translate("negotiation",
                   kReplies[std::clamp(reaction, 0, kOwnerFaces - 1)][round == 2 ? 1 : 0]);
}

int64_t offerCap(Money cash) { return std::max<int64_t>(cash.trunc() - 1, 0); }

void BuyNegotiation::KoushouKaishi(int row, int column, int64_t askingPrice) {
  row_ = row;
  column_ = column;
  askingPrice_ = std::max<int64_t>(askingPrice, 1);
  result_ = NegotiationResult::None;
}

NegotiationResult BuyNegotiation::Koushou(tworld& world) {
  Frontend& ui = world.ui();
  const int bonus = charmBonus(world.kaichou.karisuma);

  ui.ownerSays(kOwnerAccepts, translate("negotiation", "...で、いくらで買ってくれるのかね？"));
  std::optional<int64_t> first =
      askOffer(world, translate("negotiation", "買収金額決定：一回目"), askingPrice_);
  if (!first) return fail(world);
  ui.presidentSays(kFaceSmile, formatText(translate("negotiation", "こちらに %1用意してきました。"),
                                          {formatGrouped(*first)}));
  ui.negotiationPause(kPauseMilliseconds);
  const int r1 = ownerReaction(*first, askingPrice_, bonus, 0, world.rng());
  ui.ownerSays(r1, ownerReply(r1, 1));
  if (r1 == kOwnerAccepts) return succeed(world, *first);
  if (r1 == kOwnerAngry) return fail(world);

  // A grumbling owner is easier to bring round than a hurt one.
  const int penalty = r1 == kOwnerGrumbles ? 11 : 16;
  std::optional<int64_t> second =
      askOffer(world, translate("negotiation", "買収金額決定：二回目"), askingPrice_);
  if (!second) return fail(world);
  ui.presidentSays(kFaceSmile,
                   formatText(translate("negotiation", "それでは、 %1でどうでしょうか。"),
                              {formatGrouped(*second)}));
  ui.negotiationPause(kPauseMilliseconds);
  const int r2 = ownerReaction(*second, askingPrice_, bonus, penalty, world.rng());
  ui.ownerSays(r2, ownerReply(r2, 2));
  if (r2 == kOwnerAccepts || r2 == kOwnerGrumbles) return succeed(world, *second);
  return fail(world);
}

NegotiationResult BuyNegotiation::succeed(tworld& world, int64_t offer) {
  Frontend& ui = world.ui();
  ui.negotiationPause(kPauseMilliseconds);
  // The offer was held below the cash, so this only fails if something else spent the money
  // meanwhile; then the land is not bought rather than given away.
  if (!world.kaichou.Shiharai(offer)) return fail(world);
  const Tchip& b = world.block(row_, column_);
  if (b.kind == 3 && b.owner < kRivalCount) {
    // The money goes to the rival that owns the land, even one that could not be made current
    // (out of cash): never to whichever rival happens to be current.
    Tenkaichou& rivals = world.rivals;
    if (rivals.Sentaku(b.owner))
      rivals.cash() += Money::fromInt(offer);
    else
      rivals.shikin[b.owner] += Money::fromInt(offer);
  }
  ui.presidentSays(kFaceLaugh, translate("negotiation", "買収は成功しました！"));
  result_ = NegotiationResult::Bought;
  ui.playCue(kCueUp);
  return result_;
}

NegotiationResult BuyNegotiation::fail(tworld& world) {
  Frontend& ui = world.ui();
  ui.presidentSays(kFaceCry, translate("negotiation", "買収は失敗に終わりました．．．。"));
  result_ = NegotiationResult::NotBought;
  ui.playCue(kCueDown);
  return result_;
}

NegotiationResult BuyNegotiation::Run(tworld& world) {
  Frontend& ui = world.ui();
  ui.negotiationBegin(row_, column_, askingPrice_);
  Koushou(world);
  ui.negotiationEnd(result_ == NegotiationResult::Bought);
  ui.playCue(kCueMain);
  return result_;
}

LandPurchaseOutcome BuyLand(tworld& world, int row, int column) {
  const PurchaseOpening opening = OpenLandPurchase(world, row, column);
  switch (opening.step) {
    case PurchaseStep::Refused:
      return LandPurchaseOutcome::Refused;
    case PurchaseStep::Failed:
      return LandPurchaseOutcome::Failed;
    case PurchaseStep::Declined:
      return LandPurchaseOutcome::Declined;
    case PurchaseStep::Negotiate:
      break;
  }
  BuyNegotiation talk;
  talk.KoushouKaishi(row, column, opening.price);
  if (talk.Run(world) != NegotiationResult::Bought) return LandPurchaseOutcome::NotBought;
  ApplyLandPurchase(world, row, column);
  return LandPurchaseOutcome::Bought;
}

}  // namespace gm
