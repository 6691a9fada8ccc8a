// Reading the saved-game record field by field and checking, as it goes, every number that the
// game computes with against the range that play can give it (save_ranges.h), and the records
// against each other where one names another. The first value out of place names the refusal,
// and reading stops there.
#include <cstdint>
#include <string>

#include "base/text.h"
#include "base/translation.h"
#include "persist/byte_io.h"
#include "persist/save_file.h"
#include "persist/save_ranges.h"
#include "store/model_name_pools.h"
#include "store/promotions.h"
#include "world/world.h"

namespace gm {
namespace {

using save::Range;

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string n(int64_t v) { return std::to_string(v); }

// A field's name for a refusal, built only when the refusal is made: a record names thousands of
// fields, and the check of an accepted one builds none of them. The names are marked where they
// stand and translated here; a place and its field are joined by a pattern, since English names
// the field first ("the state of hall 5").
template <typename Where>
auto field(const Where& where, const char* what) {
  return [&where, what] {
    return formatText(translate("save_record_read", "%1の%2"),
                      {where(), translate("save_record_read", what)});
  };
}
inline auto field(const char* what) {
  return [what] { return translate("save_record_read", what); };
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}

  bool flag() { return in_.u8() != 0; }
  uint8_t u8() { return in_.u8(); }
  uint16_t u16() { return in_.u16(); }
  Name name() {
    const std::string_view sjis = in_.shortStringView(kNameBytes);
    // Most names of a game are empty or plain ASCII, which Shift-JIS leaves as it is, and the
    // same model's name stands in hundreds of islands: one conversion serves them all.
    if (isAscii(sjis)) return Name(sjis);
    if (sjis != lastSjis_) {
      lastSjis_ = sjis;
      lastName_ = makeName(fromShiftJis(sjis));
    }
    return lastName_;
  }

  // Each reads one field and refuses the record when the value lies outside `range`.
  template <typename Describe>
  uint8_t u8(Range range, Describe&& what) {
    return checked(in_.u8(), range, what);
  }
  template <typename Describe>
  int32_t i32(Range range, Describe&& what) {
    return checked(in_.i32(), range, what);
  }
  template <typename Describe>
  Money money(Describe&& what, Range range = save::kMoney) {
    return Money::fromRaw(checked(in_.i64(), range, what));
  }
  // A set of bits of which only `known` mean anything.
  template <typename Describe>
  uint16_t bits(uint16_t v, uint16_t known, Describe&& what) {
    require((v & ~known) == 0, what);
    return v;
  }
  template <typename Describe>
  void ratings(Ratings& r, Range range, Describe&& what) {
    for (uint8_t& v : r) v = u8(range, what);
  }
  template <typename Describe>
  void require(bool holds, Describe&& what) {
    if (!holds && error_.empty())
      error_ =
          formatText(translate("save_record_read", "営業報告書の%1が正しくありません。"), {what()});
  }

  bool failed() const { return !error_.empty() || !in_.ok(); }
  bool inBounds() const { return in_.ok(); }
  const std::string& error() const { return error_; }

 private:
  // A value outside its range is named in the refusal and read as the range's low end: the rest
  // of its part of the record is still read, and a later check there may index a table with it.
  template <typename T, typename Describe>
  T checked(T v, Range range, Describe&& what) {
    if (range.holds(static_cast<int64_t>(v))) return v;
    if (error_.empty())
      error_ = formatText(translate("save_record_read", "営業報告書の%1が範囲外です（%2）。"),
                          {what(), n(static_cast<int64_t>(v))});
    return static_cast<T>(range.lo);
  }

  ByteReader in_;
  std::string error_;
  std::string_view lastSjis_;  // a view into the record, which outlives the reader
  Name lastName_;
};

void readWorldRecord(Reader& r, tworld& w) {
  w.cityName = r.name();
  w.mapHeight = r.u8({1, kMapSize}, field(GM_TR_NOOP("save_record_read", "都市の縦の区画数")));
  w.mapWidth = r.u8({1, kMapSize}, field(GM_TR_NOOP("save_record_read", "都市の横の区画数")));
  w.month = r.i32(save::kMonth, field(GM_TR_NOOP("save_record_read", "経過月数")));
  w.housingPolicy = r.i32(save::kRating, field(GM_TR_NOOP("save_record_read", "宅地開発の方針")));
  w.commercePolicy = r.i32(save::kRating, field(GM_TR_NOOP("save_record_read", "商業奨励の方針")));
  w.businessPolicy = r.i32(save::kRating, field(GM_TR_NOOP("save_record_read", "事業誘致の方針")));
  w.taxRate = r.i32(save::kTaxRate, field(GM_TR_NOOP("save_record_read", "税率")));
  w.unionHourCut =
      r.i32(save::kUnionHourCut, field(GM_TR_NOOP("save_record_read", "組合の営業時間の短縮")));
  w.unionDayCut =
      r.i32(save::kUnionDayCut, field(GM_TR_NOOP("save_record_read", "組合の休業日数")));
  w.disposalAccepted = r.flag();
  w.laws = r.bits(r.u16(), save::kKnownLaws, field(GM_TR_NOOP("save_record_read", "法律")));
  // Of each pair of opposite laws, passing one keeps the other from ever being passed.
  for (uint16_t pair :
       {kLawExchangeEased | kLawExchangeBanned, kLawPrizeLimitUp | kLawPrizeLimitDown})
    r.require((w.laws & pair) != pair, field(GM_TR_NOOP("save_record_read", "法律")));
  w.maxPachinkoRate =
      r.u8(save::kPachinkoRate, field(GM_TR_NOOP("save_record_read", "パチンコの交換率の上限")));
  w.maxSlotRate =
      r.u8(save::kSlotRate, field(GM_TR_NOOP("save_record_read", "スロットの交換率の上限")));
  w.cityType = r.u8(save::kCityType, field(GM_TR_NOOP("save_record_read", "都市の型")));
  w.endingShown = r.flag();
  w.lastBusinessDays =
      r.i32(save::kBusinessDays, field(GM_TR_NOOP("save_record_read", "前月の営業日数")));
  w.maxLandPrice = r.i32(save::kLandPrice, field(GM_TR_NOOP("save_record_read", "最高地価")));
}

void readBlock(Reader& r, Tchip& b, int row, int column, uint16_t laws) {
  auto where = [row, column] {
    return formatText(translate("save_record_read", "区画（%1 行 %2 列）"),
                      {n(row + 1), n(column + 1)});
  };
  // Every block is told its place when the world is made, and the month's pass finds its
  // neighbours by it.
  b.row = r.i32({row, row}, field(where, GM_TR_NOOP("save_record_read", "行番号")));
  b.column = r.i32({column, column}, field(where, GM_TR_NOOP("save_record_read", "列番号")));
  b.kind = r.u8({0, kKindCount - 1}, field(where, GM_TR_NOOP("save_record_read", "種類")));
  b.population =
      r.i32(save::population(b.kind), field(where, GM_TR_NOOP("save_record_read", "人口")));
  b.security = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "治安")));
  b.fanRate = r.i32(save::fanRate(laws), field(where, GM_TR_NOOP("save_record_read", "ファン率")));
  b.landPrice = r.i32(save::kLandPrice, field(where, GM_TR_NOOP("save_record_read", "地価")));
  b.unrest = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "不満度")));
  b.owner = r.u8(save::kBlockOwner, field(where, GM_TR_NOOP("save_record_read", "所有会社")));
  // Sums of the neighbours' effects, added up in 64 bits: any value is one the pass may leave.
  b.growthInfluence =
      r.i32({INT32_MIN, INT32_MAX}, field(where, GM_TR_NOOP("save_record_read", "影響")));
  b.securityInfluence =
      r.i32({INT32_MIN, INT32_MAX}, field(where, GM_TR_NOOP("save_record_read", "影響")));
  b.priceInfluence =
      r.i32({INT32_MIN, INT32_MAX}, field(where, GM_TR_NOOP("save_record_read", "影響")));
  b.unrestInfluence =
      r.i32({INT32_MIN, INT32_MAX}, field(where, GM_TR_NOOP("save_record_read", "影響")));
}

template <typename Where>
void readModel(Reader& r, tdai& d, int32_t month, const Where& where) {
  d.name = r.name();
  d.kishu = r.u8({0, kMachineTypeCount - 1}, field(where, GM_TR_NOOP("save_record_read", "機種")));
  d.price = r.i32(save::kModelPrice, field(where, GM_TR_NOOP("save_record_read", "価格")));
  d.maker = r.u8({0, kMakerCount - 1}, field(where, GM_TR_NOOP("save_record_read", "メーカー")));
  r.ratings(d.nominal, save::kRating, field(where, GM_TR_NOOP("save_record_read", "公称の評価")));
  r.ratings(d.actual, save::kRating, field(where, GM_TR_NOOP("save_record_read", "実際の評価")));
  d.releaseMonth =
      r.i32(save::pastMonths(month), field(where, GM_TR_NOOP("save_record_read", "発表年月")));
  d.saleEndMonth = r.i32(save::monthsAhead(month, save::kLongestSalesPeriod),
                         field(where, GM_TR_NOOP("save_record_read", "販売終了年月")));
  d.shukka = r.i32(save::kProduction, field(where, GM_TR_NOOP("save_record_read", "生産台数")));
  d.zaiko = r.i32({0, d.shukka}, field(where, GM_TR_NOOP("save_record_read", "在庫")));
  d.onSale = r.flag();
  d.unappraised = r.flag();
  d.modelMachine = r.flag();
}

void readMaker(Reader& r, Tmaker& m, int index, int32_t month) {
  auto where = [index] {
    return formatText(translate("save_record_read", "メーカー「%1」"), {makerInfo(index).name});
  };
  m.makerNo = r.u8({index, index}, field(where, GM_TR_NOOP("save_record_read", "番号")));
  m.yuukou = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "友好度")));
  m.shijou = r.flag();
  m.yuukouGiven = r.flag();
  m.torihiki = r.flag();
  m.chuushiMonth = r.i32(save::pastMonths(month),
                         field(where, GM_TR_NOOP("save_record_read", "取引中止の年月")));
  for (std::size_t i = 0; i < m.models.size(); ++i) {
    auto model = [&where, i] {
      return formatText(translate("save_record_read", "%1の新台 %2 "),
                        {where(), n(static_cast<int64_t>(i) + 1)});
    };
    readModel(r, m.models[i], month, model);
  }
}

void readNameMarks(Reader& r, tdainameselect& names) {
  for (int m = 0; m < kMakerCount; ++m)
    for (int t = 0; t < kMachineTypeCount; ++t) {
      const int count = modelNamePool(m, t).count;
      for (int e = 0; e < kNamePoolCapacity; ++e) {
        uint8_t mark = r.u8();
        // An entry past the pool's names must stay marked, or a draw could land on no name.
        r.require(e < count || mark != 0,
                  field(GM_TR_NOOP("save_record_read", "機種名の使用済みの印")));
        names.used[m][t][e] = mark;
      }
    }
}

template <typename Where>
void readMachine(Reader& r, Tddai& d, int32_t month, const Where& where) {
  d.used = r.flag();
  d.name = r.name();
  d.kishu = r.u8({0, kMachineTypeCount - 1}, field(where, GM_TR_NOOP("save_record_read", "機種")));
  d.tanka = r.i32(save::kUnitPriceYen, field(where, GM_TR_NOOP("save_record_read", "購入単価")));
  d.maker = r.u8({0, kMakerCount - 1}, field(where, GM_TR_NOOP("save_record_read", "メーカー")));
  r.ratings(d.nominal, save::kRating, field(where, GM_TR_NOOP("save_record_read", "公称の評価")));
  r.ratings(d.actual, save::kRating, field(where, GM_TR_NOOP("save_record_read", "実際の評価")));
  // A free record keeps the purchase month 1 that a reset gives it.
  d.kounyuuMonth = r.i32({1, month}, field(where, GM_TR_NOOP("save_record_read", "購入年月")));
  d.yuukouMonth = r.i32(save::monthsAhead(month, save::kLongestValidity),
                        field(where, GM_TR_NOOP("save_record_read", "有効期限")));
  d.shukka = r.i32(save::kProduction, field(where, GM_TR_NOOP("save_record_read", "生産台数")));
  d.virgin = r.flag();
  d.ihou = r.flag();
  d.keitai = r.u8(save::kBusinessForm, field(where, GM_TR_NOOP("save_record_read", "営業形態")));
  d.morning = r.u8(save::kMorning, field(where, GM_TR_NOOP("save_record_read", "モーニング台数")));
  d.riritu = r.money(field(where, GM_TR_NOOP("save_record_read", "利益率")), save::kProfitRate);
  d.jikan = r.i32(save::kBusinessHours, field(where, GM_TR_NOOP("save_record_read", "営業時間")));
  d.nissuu = r.i32(save::kBusinessDays, field(where, GM_TR_NOOP("save_record_read", "営業日数")));
  d.kadou = r.i32(save::kIslandCustomers, field(where, GM_TR_NOOP("save_record_read", "稼動")));
  d.kyakutan =
      r.money(field(where, GM_TR_NOOP("save_record_read", "客単価")), save::kSpendPerCustomer);
  d.ririJisseki =
      r.money(field(where, GM_TR_NOOP("save_record_read", "実績利益率")), save::kRealisedRate);
  d.kyakuZyosei =
      r.i32(save::kPercent, field(where, GM_TR_NOOP("save_record_read", "女性客の割合")));
  d.kyakuDansei =
      r.i32(save::kPercent, field(where, GM_TR_NOOP("save_record_read", "男性客の割合")));
  d.modelMachine = r.flag();
}

template <typename Where>
void readHistory(Reader& r, Tbackup& b, const Where& where) {
  for (auto& series : b.values)
    for (Money& m : series) m = r.money(field(where, GM_TR_NOOP("save_record_read", "履歴")));
}

template <typename Where>
void readStoreForm(Reader& r, Ttempo& t, int32_t month, const Where& where) {
  t.name = r.name();
  t.used = r.flag();
  t.joutai = r.u8({kWaiting, kSuspended}, field(where, GM_TR_NOOP("save_record_read", "状態")));
  t.kanseiMonth = r.i32(save::monthsAhead(month, save::kLongestConstruction),
                        field(where, GM_TR_NOOP("save_record_read", "工事完了の年月")));
  t.teishiMonth = r.i32(save::monthsAhead(month, save::kLongestSuspension),
                        field(where, GM_TR_NOOP("save_record_read", "営業停止の期限")));
  t.shuttenMonth =
      r.i32(save::pastMonths(month), field(where, GM_TR_NOOP("save_record_read", "出店年月")));
  t.blockX = r.i32({0, kMapSize - 1}, field(where, GM_TR_NOOP("save_record_read", "区画の列")));
  t.blockY = r.i32({0, kMapSize - 1}, field(where, GM_TR_NOOP("save_record_read", "区画の行")));
  t.senren = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "洗練度")));
  t.chimei = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "知名度")));
  t.kibo = r.u8({0, kFloors - 1}, field(where, GM_TR_NOOP("save_record_read", "規模")));
  t.pkankin =
      r.u8(save::kPachinkoRate, field(where, GM_TR_NOOP("save_record_read", "パチンコの交換率")));
  t.skankin =
      r.u8(save::kSlotRate, field(where, GM_TR_NOOP("save_record_read", "スロットの交換率")));
  t.setubi =
      r.bits(r.u16(), save::kKnownEquipment, field(where, GM_TR_NOOP("save_record_read", "設備")));
  t.dansei =
      r.i32(save::kHeadCount, field(where, GM_TR_NOOP("save_record_read", "男性スタッフ数")));
  t.zyosei =
      r.i32(save::kHeadCount, field(where, GM_TR_NOOP("save_record_read", "女性スタッフ数")));
  t.moral = r.money(field(where, GM_TR_NOOP("save_record_read", "モラル")), save::kFixedRating);
  t.skill = r.money(field(where, GM_TR_NOOP("save_record_read", "スキル")), save::kFixedRating);
  t.kyuyo = r.i32(save::kSalary, field(where, GM_TR_NOOP("save_record_read", "給与")));
  t.kyouiku = r.i32(save::kPerHeadSpending, field(where, GM_TR_NOOP("save_record_read", "教育費")));
  t.fukuri =
      r.i32(save::kPerHeadSpending, field(where, GM_TR_NOOP("save_record_read", "福利厚生費")));
  t.modelMakers = r.bits(r.u16(), save::kKnownMakers,
                         field(where, GM_TR_NOOP("save_record_read", "モデル店のメーカー")));
  t.kousaku = static_cast<uint8_t>(r.bits(r.u8(), save::kKnownManipulations,
                                          field(where, GM_TR_NOOP("save_record_read", "工作"))));
  t.irekaeDone = r.flag();
  t.bestWww = r.flag();
  t.bestCm = r.flag();
  t.manzoku = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "満足度")));
  t.eigyouJikan =
      r.i32(save::kBusinessHours, field(where, GM_TR_NOOP("save_record_read", "営業時間")));
  t.eigyouNissuu =
      r.i32(save::kBusinessDays, field(where, GM_TR_NOOP("save_record_read", "営業日数")));
  for (Money& m : t.hoshuResults)
    m = r.money(field(where, GM_TR_NOOP("save_record_read", "保守費")));
  t.eigyouResults.running = r.money(field(where, GM_TR_NOOP("save_record_read", "営業費")));
  t.eigyouResults.promotion =
      r.i32(save::kPromotionCost, field(where, GM_TR_NOOP("save_record_read", "販促費")));
  t.eigyouResults.total = r.money(field(where, GM_TR_NOOP("save_record_read", "営業費")));
  for (int32_t& v : t.jinkenResults)
    v = r.i32(save::kPersonnelCost, field(where, GM_TR_NOOP("save_record_read", "人件費")));
  for (Money& m : t.uriage) m = r.money(field(where, GM_TR_NOOP("save_record_read", "売上")));
  for (Money& m : t.arari) m = r.money(field(where, GM_TR_NOOP("save_record_read", "粗利益")));
  for (int32_t& v : t.kyaku)
    v = r.i32(save::kStoreCustomers, field(where, GM_TR_NOOP("save_record_read", "客数")));
  for (int32_t& v : t.kadou)
    v = r.i32(save::kPercent, field(where, GM_TR_NOOP("save_record_read", "稼動")));
  for (Money& m : t.shinDaiRitu)
    m = r.money(field(where, GM_TR_NOOP("save_record_read", "新台の利益率")), save::kProfitRate);
  for (uint8_t& v : t.shinDaiKeitai)
    v = r.u8(save::kBusinessForm, field(where, GM_TR_NOOP("save_record_read", "新台の営業形態")));
  t.shinDaiMorning8 =
      r.i32(save::kMorning, field(where, GM_TR_NOOP("save_record_read", "新台のモーニング台数")));
  t.shinDaiMorning9 =
      r.i32(save::kMorning, field(where, GM_TR_NOOP("save_record_read", "新台のモーニング台数")));
}

template <typename Where>
void readPromotions(Reader& r, Thansoku& p, const Where& where) {
  // Each choice picks a line of its price list.
  auto choice = [&](Promotion which, const char* what) {
    const auto last = static_cast<int64_t>(promotionChoices(which).size()) - 1;
    return r.u8({0, last}, field(where, what));
  };
  p.event = choice(Promotion::Event, GM_TR_NOOP("save_record_read", "イベントの期間"));
  p.tissue = choice(Promotion::Tissue, GM_TR_NOOP("save_record_read", "ティッシュの配布量"));
  p.mail = choice(Promotion::Mail, GM_TR_NOOP("save_record_read", "ＤＭの発送量"));
  p.tvAgency = choice(Promotion::TvAgency, GM_TR_NOOP("save_record_read", "ＴＶ広告の代理店"));
  p.tvSpot = choice(Promotion::TvSpot, GM_TR_NOOP("save_record_read", "ＴＶ広告の長さ"));
  p.www = choice(Promotion::Www, GM_TR_NOOP("save_record_read", "ＷＷＷサーバー"));
  p.newspaperSize =
      choice(Promotion::NewspaperSize, GM_TR_NOOP("save_record_read", "新聞広告の大きさ"));
  p.newspaperTerm =
      choice(Promotion::NewspaperTerm, GM_TR_NOOP("save_record_read", "新聞広告の期間"));
}

void readStore(Reader& r, Ttempo& t, int slot, int32_t month) {
  auto where = [slot] { return formatText(translate("save_record_read", "店舗 %1 "), {n(slot)}); };
  readStoreForm(r, t, month, where);
  for (int f = 0; f < kFloors; ++f)
    for (int p = 0; p < kIslandsPerFloor; ++p) {
      auto island = [&where, f, p] {
        return formatText(translate("save_record_read", "%1の %2 階 %3 番の島"),
                          {where(), n(f + 1), n(p + 1)});
      };
      readMachine(r, t.dai[f][p], month, island);
    }
  readPromotions(r, t.hansoku, where);
  readHistory(r, t.backup, where);
}

void readCompanyRecord(Reader& r, tkaichou& k) {
  k.ownername = r.name();
  k.kaishaname = r.name();
  k.sihon = r.u8(save::kCapitalClass, field(GM_TR_NOOP("save_record_read", "資本金")));
  k.sikin = r.money(field(GM_TR_NOOP("save_record_read", "資金")));
  k.karisuma = r.i32(save::kQuality, field(GM_TR_NOOP("save_record_read", "社長のカリスマ")));
  k.chisei = r.i32(save::kQuality, field(GM_TR_NOOP("save_record_read", "社長の知性")));
  k.tousotu = r.i32(save::kQuality, field(GM_TR_NOOP("save_record_read", "社長の統率力")));
  k.kantei = r.i32(save::kQuality, field(GM_TR_NOOP("save_record_read", "社長の鑑定力")));
  k.jinjizumi = r.flag();
  // The month's hiring mark is not in the file: a loaded game may hire in its month again.
  k.koyouzumi = false;
  k.datuzei = r.flag();
  k.datuzeiruikei = r.money(field(GM_TR_NOOP("save_record_read", "脱税の累計額")));
  k.souko = r.u8(save::kWarehouseLevel, field(GM_TR_NOOP("save_record_read", "倉庫の規模")));
  k.eigyoujikan =
      r.i32(save::kBusinessHours, field(GM_TR_NOOP("save_record_read", "前月の営業時間")));
  k.eigyounissuu =
      r.i32(save::kBusinessDays, field(GM_TR_NOOP("save_record_read", "前月の営業日数")));
  k.zeibikirieki = r.money(field(GM_TR_NOOP("save_record_read", "税引後利益")));
  k.shotokuzei = r.money(field(GM_TR_NOOP("save_record_read", "所得税")));
  k.pachinkozei = r.money(field(GM_TR_NOOP("save_record_read", "パチンコ税")));
  k.datuzeigaku = r.money(field(GM_TR_NOOP("save_record_read", "脱税額")));
  for (BlockMarks* marks : {&k.baishuuzumi, &k.baikyakuzumi, &k.koujizumi})
    for (auto& row : *marks)
      for (uint8_t& mark : row)
        mark = r.u8(save::kBlockMark, field(GM_TR_NOOP("save_record_read", "区画の取引の印")));
}

void readRivalStore(Reader& r, TEntempo& t, int k, int32_t month, const Tenkaichou& e) {
  auto where = [k] { return formatText(translate("save_record_read", "他店舗 %1 "), {n(k)}); };
  t.owner = r.u8({0, kRivalCount - 1}, field(where, GM_TR_NOOP("save_record_read", "経営会社")));
  t.used = r.flag();
  t.joutai =
      r.u8({kRivalNone, kRivalSuspended}, field(where, GM_TR_NOOP("save_record_read", "状態")));
  // A record in use is a store that opened, is being built or is suspended, of a rival that is
  // in the city: a rival that leaves gives up every store it had.
  if (t.used) {
    r.require(t.joutai != kRivalNone, field(where, GM_TR_NOOP("save_record_read", "状態")));
    r.require(e.sanka[t.owner], field(where, GM_TR_NOOP("save_record_read", "経営会社")));
  }
  t.shuttenMonth =
      r.i32(save::pastMonths(month), field(where, GM_TR_NOOP("save_record_read", "出店年月")));
  t.kanseiMonth = r.i32(save::monthsAhead(month, save::kLongestConstruction),
                        field(where, GM_TR_NOOP("save_record_read", "工事完了の年月")));
  t.teishiMonth = r.i32(save::monthsAhead(month, save::kLongestSuspension),
                        field(where, GM_TR_NOOP("save_record_read", "営業停止の期限")));
  t.blockRow = r.i32({0, kMapSize - 1}, field(where, GM_TR_NOOP("save_record_read", "区画の行")));
  t.blockColumn =
      r.i32({0, kMapSize - 1}, field(where, GM_TR_NOOP("save_record_read", "区画の列")));
  t.senren = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "洗練度")));
  t.chimei = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "知名度")));
  t.manzoku = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "満足度")));
  t.kibo = r.u8({0, kFloors - 1}, field(where, GM_TR_NOOP("save_record_read", "規模")));
  t.pkankin =
      r.u8(save::kPachinkoRate, field(where, GM_TR_NOOP("save_record_read", "パチンコの交換率")));
  t.skankin =
      r.u8(save::kSlotRate, field(where, GM_TR_NOOP("save_record_read", "スロットの交換率")));
  t.zengetsu = r.money(field(where, GM_TR_NOOP("save_record_read", "前月の収支")));
  t.ruikei = r.money(field(where, GM_TR_NOOP("save_record_read", "収支の累計")));
  t.kyaku = r.i32(save::kStoreCustomers, field(where, GM_TR_NOOP("save_record_read", "客数")));
  t.moral = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "モラル")));
  t.skill = r.i32(save::kRating, field(where, GM_TR_NOOP("save_record_read", "スキル")));
  t.akaji = r.money(field(where, GM_TR_NOOP("save_record_read", "累積赤字")));
}

void readRivals(Reader& r, Tenkaichou& e, int32_t month) {
  e.genzai = r.u8({0, kRivalCount - 1}, field(GM_TR_NOOP("save_record_read", "手番の他社")));
  for (bool& in : e.sanka) in = r.flag();
  for (Money& m : e.shikin) m = r.money(field(GM_TR_NOOP("save_record_read", "他社の資金")));
  e.rivalNashi = r.flag();
  for (int32_t& m : e.sankaMonth)
    m = r.i32(save::pastMonths(month), field(GM_TR_NOOP("save_record_read", "他社の参入年月")));
  for (int k = 1; k <= kRivalStoreSlots && !r.failed(); ++k)
    readRivalStore(r, e.Tenpo(k), k, month, e);
}

}  // namespace

SaveResult DecodeSaveRecord(std::string_view bytes, tworld& world) {
  SaveResult result;
  if (bytes.size() < kSaveRecordSize) {
    result.error =
        formatText(translate("save_record_read",
                             "営業報告書が短すぎます（%1 バイト。営業報告書は %2 バイトです）。"),
                   {formatGrouped(static_cast<int64_t>(bytes.size())),
                    formatGrouped(static_cast<int64_t>(kSaveRecordSize))});
    return result;
  }
  Reader r(bytes.substr(0, kSaveRecordSize));
  auto decode = [&] {
    readWorldRecord(r, world);
    const int32_t month = world.month;
    for (int i = 0; i < kMapSize && !r.failed(); ++i)
      for (int j = 0; j < kMapSize; ++j) readBlock(r, world.blocks[i][j], i, j, world.laws);
    for (int m = 0; m < kMakerCount && !r.failed(); ++m) readMaker(r, world.makers[m], m, month);
    if (r.failed()) return;
    readNameMarks(r, world.nameSelect);

    tkaichou& k = world.kaichou;
    readCompanyRecord(r, k);
    for (int s = 1; s <= kStoreSlots && !r.failed(); ++s) readStore(r, k.slot(s), s, month);
    if (r.failed()) return;
    for (int d = 1; d <= kWarehouseRecords && !r.failed(); ++d)
      readMachine(r, k.record(d), month, [d] {
        return formatText(translate("save_record_read", "倉庫の台 %1 "), {n(d)});
      });
    readHistory(r, k.backup, [] { return translate("save_record_read", "会社"); });
    if (r.failed()) return;

    readRivals(r, world.rivals, month);
  };
  decode();

  if (!r.inBounds()) {
    result.error = translate("save_record_read", "営業報告書を読み込めません。");
    return result;
  }
  if (!r.error().empty()) {
    result.error = r.error();
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace gm
