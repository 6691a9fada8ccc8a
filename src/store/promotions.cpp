// Promotion choices and prices.
#include "store/promotions.h"

#include <array>

#include "base/rating.h"
#include "base/translation.h"

namespace gm {

namespace {

constexpr std::array<PromotionChoice, 5> kEvent = {{
    {GM_TR_NOOP("promotions", "実施しない"), 0},
    {GM_TR_NOOP("promotions", "一週間"), 50},
    {GM_TR_NOOP("promotions", "二週間"), 100},
    {GM_TR_NOOP("promotions", "三週間"), 150},
    {GM_TR_NOOP("promotions", "一ヶ月"), 220},
}};

constexpr std::array<PromotionChoice, 11> kTissue = {{
    {GM_TR_NOOP("promotions", "配布しない"), 0},
    {GM_TR_NOOP("promotions", "1万個"), 80},
    {GM_TR_NOOP("promotions", "2万個"), 150},
    {GM_TR_NOOP("promotions", "3万個"), 235},
    {GM_TR_NOOP("promotions", "4万個"), 300},
    {GM_TR_NOOP("promotions", "5万個"), 360},
    {GM_TR_NOOP("promotions", "6万個"), 420},
    {GM_TR_NOOP("promotions", "7万個"), 475},
    {GM_TR_NOOP("promotions", "8万個"), 530},
    {GM_TR_NOOP("promotions", "9万個"), 580},
    {GM_TR_NOOP("promotions", "10万個"), 625},
}};

constexpr std::array<PromotionChoice, 26> kMail = {{
    {GM_TR_NOOP("promotions", "発送しない"), 0}, {GM_TR_NOOP("promotions", "1000枚"), 5},
    {GM_TR_NOOP("promotions", "2000枚"), 10},    {GM_TR_NOOP("promotions", "3000枚"), 15},
    {GM_TR_NOOP("promotions", "4000枚"), 20},    {GM_TR_NOOP("promotions", "5000枚"), 25},
    {GM_TR_NOOP("promotions", "6000枚"), 30},    {GM_TR_NOOP("promotions", "7000枚"), 35},
    {GM_TR_NOOP("promotions", "8000枚"), 40},    {GM_TR_NOOP("promotions", "9000枚"), 45},
    {GM_TR_NOOP("promotions", "10000枚"), 50},   {GM_TR_NOOP("promotions", "11000枚"), 55},
    {GM_TR_NOOP("promotions", "12000枚"), 60},   {GM_TR_NOOP("promotions", "13000枚"), 65},
    {GM_TR_NOOP("promotions", "14000枚"), 70},   {GM_TR_NOOP("promotions", "15000枚"), 75},
    {GM_TR_NOOP("promotions", "16000枚"), 80},   {GM_TR_NOOP("promotions", "17000枚"), 85},
    {GM_TR_NOOP("promotions", "18000枚"), 90},   {GM_TR_NOOP("promotions", "19000枚"), 95},
    {GM_TR_NOOP("promotions", "20000枚"), 100},  {GM_TR_NOOP("promotions", "21000枚"), 105},
    {GM_TR_NOOP("promotions", "22000枚"), 110},  {GM_TR_NOOP("promotions", "23000枚"), 115},
    {GM_TR_NOOP("promotions", "24000枚"), 120},  {GM_TR_NOOP("promotions", "25000枚"), 125},
}};

constexpr std::array<PromotionChoice, 6> kTvAgency = {{
    {GM_TR_NOOP("promotions", "放映しない"), 0},
    {GM_TR_NOOP("promotions", "駒洒落エージェンシー"), 90},
    {GM_TR_NOOP("promotions", "電詩広告社"), 150},
    {GM_TR_NOOP("promotions", "GAPTAIN"), 240},
    {GM_TR_NOOP("promotions", "博宝道"), 350},
    {GM_TR_NOOP("promotions", "電痛"), 600},
}};

constexpr std::array<PromotionChoice, 2> kTvSpot = {
    {{GM_TR_NOOP("promotions", "15秒"), 0}, {GM_TR_NOOP("promotions", "25秒"), 0}}};
constexpr std::array<int64_t, 2> kTvSpotMultiplier = {10000, 25000};

constexpr std::array<PromotionChoice, 6> kWww = {{
    {GM_TR_NOOP("promotions", "設置しない"), 0},
    {GM_TR_NOOP("promotions", "5メガバイト"), 300},
    {GM_TR_NOOP("promotions", "20メガバイト"), 750},
    {GM_TR_NOOP("promotions", "50メガバイト"), 1200},
    {GM_TR_NOOP("promotions", "100メガバイト"), 1800},
    {GM_TR_NOOP("promotions", "200メガバイト"), 2500},
}};

constexpr std::array<PromotionChoice, 6> kNewspaperSize = {{
    {GM_TR_NOOP("promotions", "掲載しない"), 0},
    {GM_TR_NOOP("promotions", "1/16ページ"), 6000},
    {GM_TR_NOOP("promotions", "1/8ページ"), 7000},
    {GM_TR_NOOP("promotions", "1/4ページ"), 9000},
    {GM_TR_NOOP("promotions", "1/2ページ"), 10500},
    {GM_TR_NOOP("promotions", "1ページ"), 12000},
}};
// Every period longer than one day is priced from its own list.
constexpr std::array<int32_t, 6> kNewspaperLongerPrice = {0, 12000, 11000, 15000, 14000, 16000};

constexpr std::array<PromotionChoice, 3> kNewspaperTerm = {{
    {GM_TR_NOOP("promotions", "１日"), 0},
    {GM_TR_NOOP("promotions", "１週間"), 0},
    {GM_TR_NOOP("promotions", "１ヶ月"), 0},
}};

// An able president runs events and a web site for less; a liked one gets better media rates.
constexpr FactorTable kIntelligenceFactor = {10500, 10400, 10300, 10200, 10100,
                                             10000, 9900,  9800,  9700,  9600};
constexpr FactorTable kCharismaMediaFactor = {10400, 10300, 10200, 10100, 10000,
                                              9900,  9700,  9500,  9300,  9100};

template <std::size_t N>
int indexIn(const std::array<PromotionChoice, N>&, int choice) {
  return choice >= 0 && choice < static_cast<int>(N) ? choice : 0;
}

int32_t truncated(Money m) { return static_cast<int32_t>(m.trunc()); }

}  // namespace

std::span<const PromotionChoice> promotionChoices(Promotion p) {
  switch (p) {
    case Promotion::Event:
      return kEvent;
    case Promotion::Tissue:
      return kTissue;
    case Promotion::Mail:
      return kMail;
    case Promotion::TvAgency:
      return kTvAgency;
    case Promotion::TvSpot:
      return kTvSpot;
    case Promotion::Www:
      return kWww;
    case Promotion::NewspaperSize:
      return kNewspaperSize;
    case Promotion::NewspaperTerm:
      return kNewspaperTerm;
  }
  return kEvent;
}

const PromotionChoice& promotionChoice(Promotion p, int choice) {
  std::span<const PromotionChoice> list = promotionChoices(p);
  return list[choice >= 0 && static_cast<std::size_t>(choice) < list.size() ? choice : 0];
}

std::string promotionChoiceName(const PromotionChoice& choice) {
  return translate("promotions", choice.name.data());
}

std::string promotionChoiceName(Promotion p, int choice) {
  return promotionChoiceName(promotionChoice(p, choice));
}

Money tvSpotMultiplier(int spot) {
  return Money::fromRaw(kTvSpotMultiplier[indexIn(kTvSpot, spot)]);
}

int32_t newspaperBasePrice(int size, int term) {
  int s = indexIn(kNewspaperSize, size);
  return indexIn(kNewspaperTerm, term) == 0 ? kNewspaperSize[s].price : kNewspaperLongerPrice[s];
}

PromotionCosts promotionCost(const Thansoku& h, int kibo, int chisei, int karisuma) {
  const Money intelligence = factorFor(kIntelligenceFactor, chisei);
  const Money charisma = factorFor(kCharismaMediaFactor, karisuma);
  PromotionCosts c;
  // An event is held on every floor.
  const int64_t floors = int64_t{kibo} + 1;
  c.event = truncated(Money::fromInt(promotionChoice(Promotion::Event, h.event).price * floors) *
                      intelligence);
  c.tissue = promotionChoice(Promotion::Tissue, h.tissue).price;
  c.mail = promotionChoice(Promotion::Mail, h.mail).price;
  c.tv = truncated(Money::fromInt(promotionChoice(Promotion::TvAgency, h.tvAgency).price) *
                   tvSpotMultiplier(h.tvSpot) * charisma);
  c.www = truncated(Money::fromInt(promotionChoice(Promotion::Www, h.www).price) * intelligence);
  c.newspaper =
      truncated(Money::fromInt(newspaperBasePrice(h.newspaperSize, h.newspaperTerm)) * charisma);
  c.total = c.event + c.tissue + c.mail + c.tv + c.www + c.newspaper;
  return c;
}

PromotionCosts promotionCost(const Ttempo& store, int chisei, int karisuma) {
  return promotionCost(store.hansoku, store.kibo, chisei, karisuma);
}

}  // namespace gm
