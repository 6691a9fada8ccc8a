// Promotion choices and prices.
#include "store/promotions.h"

#include <array>

#include "base/rating.h"

namespace gm {

namespace {

constexpr std::array<PromotionChoice, 5> kEvent = {{
    {"実施しない", 0},
    {"一週間", 50},
    {"二週間", 100},
    {"三週間", 150},
    {"一ヶ月", 220},
}};

constexpr std::array<PromotionChoice, 11> kTissue = {{
    {"配布しない", 0},
    {"1万個", 80},
    {"2万個", 150},
    {"3万個", 235},
    {"4万個", 300},
    {"5万個", 360},
    {"6万個", 420},
    {"7万個", 475},
    {"8万個", 530},
    {"9万個", 580},
    {"10万個", 625},
}};

constexpr std::array<PromotionChoice, 26> kMail = {{
    {"発送しない", 0}, {"1000枚", 5},    {"2000枚", 10},   {"3000枚", 15},   {"4000枚", 20},
    {"5000枚", 25},    {"6000枚", 30},   {"7000枚", 35},   {"8000枚", 40},   {"9000枚", 45},
    {"10000枚", 50},   {"11000枚", 55},  {"12000枚", 60},  {"13000枚", 65},  {"14000枚", 70},
    {"15000枚", 75},   {"16000枚", 80},  {"17000枚", 85},  {"18000枚", 90},  {"19000枚", 95},
    {"20000枚", 100},  {"21000枚", 105}, {"22000枚", 110}, {"23000枚", 115}, {"24000枚", 120},
    {"25000枚", 125},
}};

constexpr std::array<PromotionChoice, 6> kTvAgency = {{
    {"放映しない", 0},
    {"駒洒落エージェンシー", 90},
    {"電詩広告社", 150},
    {"GAPTAIN", 240},
    {"博宝道", 350},
    {"電痛", 600},
}};

constexpr std::array<PromotionChoice, 2> kTvSpot = {{{"15秒", 0}, {"25秒", 0}}};
constexpr std::array<int64_t, 2> kTvSpotMultiplier = {10000, 25000};

constexpr std::array<PromotionChoice, 6> kWww = {{
    {"設置しない", 0},
    {"5メガバイト", 300},
    {"20メガバイト", 750},
    {"50メガバイト", 1200},
    {"100メガバイト", 1800},
    {"200メガバイト", 2500},
}};

constexpr std::array<PromotionChoice, 6> kNewspaperSize = {{
    {"掲載しない", 0},
    {"1/16ページ", 6000},
    {"1/8ページ", 7000},
    {"1/4ページ", 9000},
    {"1/2ページ", 10500},
    {"1ページ", 12000},
}};
// Every period longer than one day is priced from its own list.
constexpr std::array<int32_t, 6> kNewspaperLongerPrice = {0, 12000, 11000, 15000, 14000, 16000};

constexpr std::array<PromotionChoice, 3> kNewspaperTerm = {{
    {"１日", 0},
    {"１週間", 0},
    {"１ヶ月", 0},
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
