// Reading the saved-game record field by field and checking, as it goes, every value that the
// game uses to index its tables, count, or choose a kind, a state, a type, a slot or a size. The
// first value out of range names the refusal; the values that are only amounts (money, prices,
// populations, months of events) are taken as they stand.
#include <cstdint>
#include <string>

#include "base/text.h"
#include "persist/byte_io.h"
#include "persist/save_file.h"
#include "store/model_name_pools.h"
#include "world/world.h"

namespace gm {
namespace {

inline constexpr int32_t kLastMonth = 12 * 9999;  // December of year 9999
inline constexpr int64_t kFullRating = 100 * Money::kScale;

bool isAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}

  uint8_t u8() { return in_.u8(); }
  bool flag() { return in_.u8() != 0; }
  uint16_t u16() { return in_.u16(); }
  int32_t i32() { return in_.i32(); }
  int64_t i64() { return in_.i64(); }
  Money money() { return Money::fromRaw(in_.i64()); }
  void ratings(Ratings& r) {
    for (uint8_t& v : r) v = in_.u8();
  }
  Name name() {
    const std::string sjis = in_.shortString(kNameBytes);
    // Most names of a game are empty or plain ASCII, which Shift-JIS leaves as it is.
    if (isAscii(sjis)) return Name(sjis);
    return makeName(fromShiftJis(sjis));
  }

  // `v` must lie in lo..hi; `what` names the field for the refusal ("店舗 3 の状態").
  template <typename T, typename Describe>
  T within(T v, int64_t lo, int64_t hi, Describe&& what) {
    const int64_t x = static_cast<int64_t>(v);
    if ((x < lo || x > hi) && error_.empty())
      error_ = "営業報告書の" + what() + "が範囲外です（" + std::to_string(x) + "）。";
    return v;
  }
  void require(bool holds, const std::string& what) {
    if (!holds && error_.empty()) error_ = "営業報告書の" + what + "が正しくありません。";
  }

  bool inBounds() const { return in_.ok(); }
  const std::string& error() const { return error_; }

 private:
  ByteReader in_;
  std::string error_;
};

std::string n(int64_t v) { return std::to_string(v); }

void readWorldRecord(Reader& r, tworld& w) {
  w.cityName = r.name();
  w.mapHeight = r.within(r.u8(), 1, kMapSize, [] { return std::string("都市の縦の区画数"); });
  w.mapWidth = r.within(r.u8(), 1, kMapSize, [] { return std::string("都市の横の区画数"); });
  w.month = r.within(r.i32(), 1, kLastMonth, [] { return std::string("経過月数"); });
  w.housingPolicy = r.within(r.i32(), 0, 100, [] { return std::string("宅地開発の方針"); });
  w.commercePolicy = r.within(r.i32(), 0, 100, [] { return std::string("商業奨励の方針"); });
  w.businessPolicy = r.within(r.i32(), 0, 100, [] { return std::string("事業誘致の方針"); });
  w.taxRate = r.i32();
  w.unionHourCut = r.within(r.i32(), 0, 6, [] { return std::string("組合の営業時間の短縮"); });
  w.unionDayCut = r.within(r.i32(), 0, 8, [] { return std::string("組合の休業日数"); });
  w.disposalAccepted = r.flag();
  w.laws = r.u16();
  w.maxPachinkoRate = r.within(r.u8(), 0, 6, [] { return std::string("パチンコの交換率の上限"); });
  w.maxSlotRate = r.within(r.u8(), 0, 3, [] { return std::string("スロットの交換率の上限"); });
  w.cityType = r.u8();
  w.endingShown = r.flag();
  w.lastBusinessDays = r.i32();
  w.maxLandPrice = r.i32();
}

void readBlock(Reader& r, Tchip& b, int row, int column) {
  auto at = [row, column](const char* field) {
    return "区画（" + n(row + 1) + " 行 " + n(column + 1) + " 列）の" + field;
  };
  b.row = r.within(r.i32(), 0, kMapSize - 1, [&] { return at("行番号"); });
  b.column = r.within(r.i32(), 0, kMapSize - 1, [&] { return at("列番号"); });
  b.kind = r.within(r.u8(), 0, kKindCount - 1, [&] { return at("種類"); });
  b.population = r.i32();
  b.security = r.within(r.i32(), 0, 100, [&] { return at("治安"); });
  b.fanRate = r.within(r.i32(), 0, 100, [&] { return at("ファン率"); });
  b.landPrice = r.i32();
  b.unrest = r.within(r.i32(), 0, 100, [&] { return at("不満度"); });
  b.owner = r.u8();
  b.growthInfluence = r.i32();
  b.securityInfluence = r.i32();
  b.priceInfluence = r.i32();
  b.unrestInfluence = r.i32();
}

void readModel(Reader& r, tdai& d, const std::string& where) {
  d.name = r.name();
  d.kishu = r.within(r.u8(), 0, kMachineTypeCount - 1, [&] { return where + "の機種"; });
  d.price = r.i32();
  d.maker = r.within(r.u8(), 0, kMakerCount - 1, [&] { return where + "のメーカー"; });
  r.ratings(d.nominal);
  r.ratings(d.actual);
  d.releaseMonth = r.i32();
  d.saleEndMonth = r.i32();
  d.shukka = r.i32();
  d.zaiko = r.i32();
  d.onSale = r.flag();
  d.unappraised = r.flag();
  d.modelMachine = r.flag();
}

void readMaker(Reader& r, Tmaker& m, int index) {
  const std::string where = "メーカー「" + std::string(makerInfo(index).name) + "」";
  m.makerNo = r.within(r.u8(), 0, kMakerCount - 1, [&] { return where + "の番号"; });
  m.yuukou = r.within(r.i32(), 0, 100, [&] { return where + "の友好度"; });
  m.shijou = r.flag();
  m.yuukouGiven = r.flag();
  m.torihiki = r.flag();
  m.chuushiMonth = r.i32();
  for (std::size_t i = 0; i < m.models.size(); ++i)
    readModel(r, m.models[i], where + "の新台 " + n(static_cast<int64_t>(i) + 1) + " ");
}

void readNameMarks(Reader& r, tdainameselect& names) {
  for (int m = 0; m < kMakerCount; ++m)
    for (int t = 0; t < kMachineTypeCount; ++t) {
      const int count = modelNamePool(m, t).count;
      for (int e = 0; e < kNamePoolCapacity; ++e) {
        uint8_t mark = r.u8();
        // An entry past the pool's names must stay marked, or a draw could land on no name.
        r.require(e < count || mark != 0, "機種名の使用済みの印");
        names.used[m][t][e] = mark;
      }
    }
}

void readMachine(Reader& r, Tddai& d, const std::string& where) {
  d.used = r.flag();
  d.name = r.name();
  d.kishu = r.within(r.u8(), 0, kMachineTypeCount - 1, [&] { return where + "の機種"; });
  d.tanka = r.i32();
  d.maker = r.within(r.u8(), 0, kMakerCount - 1, [&] { return where + "のメーカー"; });
  r.ratings(d.nominal);
  r.ratings(d.actual);
  d.kounyuuMonth = r.i32();
  d.yuukouMonth = r.i32();
  d.shukka = r.i32();
  d.virgin = r.flag();
  d.ihou = r.flag();
  d.keitai = r.within(r.u8(), 0, 3, [&] { return where + "の営業形態"; });
  d.morning = r.within(r.u8(), 0, 10, [&] { return where + "のモーニング台数"; });
  d.riritu = r.money();
  d.jikan = r.i32();
  d.nissuu = r.i32();
  d.kadou = r.i32();
  d.kyakutan = r.money();
  d.ririJisseki = r.money();
  d.kyakuZyosei = r.i32();
  d.kyakuDansei = r.i32();
  d.modelMachine = r.flag();
}

void readHistory(Reader& r, Tbackup& b) {
  for (auto& series : b.values)
    for (Money& m : series) m = r.money();
}

void readStoreForm(Reader& r, Ttempo& t, const std::string& where) {
  auto of = [&where](const char* field) {
    return [&where, field] { return where + "の" + field; };
  };
  t.name = r.name();
  t.used = r.flag();
  t.joutai = r.within(r.u8(), 0, 3, of("状態"));
  t.kanseiMonth = r.i32();
  t.teishiMonth = r.i32();
  t.shuttenMonth = r.i32();
  t.blockX = r.within(r.i32(), 0, kMapSize - 1, of("区画の列"));
  t.blockY = r.within(r.i32(), 0, kMapSize - 1, of("区画の行"));
  t.senren = r.within(r.i32(), 0, 100, of("洗練度"));
  t.chimei = r.within(r.i32(), 0, 100, of("知名度"));
  t.kibo = r.within(r.u8(), 0, kFloors - 1, of("規模"));
  t.pkankin = r.within(r.u8(), 0, 6, of("パチンコの交換率"));
  t.skankin = r.within(r.u8(), 0, 3, of("スロットの交換率"));
  t.setubi = r.u16();
  t.dansei = r.within(r.i32(), 0, INT32_MAX, of("男性スタッフ数"));
  t.zyosei = r.within(r.i32(), 0, INT32_MAX, of("女性スタッフ数"));
  t.moral = Money::fromRaw(r.within(r.i64(), 0, kFullRating, of("モラル")));
  t.skill = Money::fromRaw(r.within(r.i64(), 0, kFullRating, of("スキル")));
  t.kyuyo = r.i32();
  t.kyouiku = r.i32();
  t.fukuri = r.i32();
  t.modelMakers = r.u16();
  t.kousaku = r.u8();
  t.irekaeDone = r.flag();
  t.bestWww = r.flag();
  t.bestCm = r.flag();
  t.manzoku = r.within(r.i32(), 0, 100, of("満足度"));
  t.eigyouJikan = r.i32();
  t.eigyouNissuu = r.i32();
  for (Money& m : t.hoshuResults) m = r.money();
  t.eigyouResults.running = r.money();
  t.eigyouResults.promotion = r.i32();
  t.eigyouResults.total = r.money();
  for (int32_t& v : t.jinkenResults) v = r.i32();
  for (Money& m : t.uriage) m = r.money();
  for (Money& m : t.arari) m = r.money();
  for (int32_t& v : t.kyaku) v = r.i32();
  for (int32_t& v : t.kadou) v = r.i32();
  for (Money& m : t.shinDaiRitu) m = r.money();
  for (uint8_t& v : t.shinDaiKeitai) v = r.within(r.u8(), 0, 3, of("新台の営業形態"));
  t.shinDaiMorning8 = r.within(r.i32(), 0, 10, of("新台のモーニング台数"));
  t.shinDaiMorning9 = r.within(r.i32(), 0, 10, of("新台のモーニング台数"));
}

void readPromotions(Reader& r, Thansoku& p, const std::string& where) {
  // Each choice picks a line of its price list.
  auto choice = [&](const char* field, int last) {
    return r.within(r.u8(), 0, last, [&] { return where + "の" + field; });
  };
  p.event = choice("イベントの期間", 4);
  p.tissue = choice("ティッシュの配布量", 10);
  p.mail = choice("ＤＭの発送量", 25);
  p.tvAgency = choice("ＴＶ広告の代理店", 5);
  p.tvSpot = choice("ＴＶ広告の長さ", 1);
  p.www = choice("ＷＷＷサーバー", 5);
  p.newspaperSize = choice("新聞広告の大きさ", 5);
  p.newspaperTerm = r.u8();
}

void readStore(Reader& r, Ttempo& t, int slot) {
  const std::string where = "店舗 " + n(slot) + " ";
  readStoreForm(r, t, where);
  for (int f = 0; f < kFloors; ++f)
    for (int p = 0; p < kIslandsPerFloor; ++p)
      readMachine(r, t.dai[f][p], where + "の " + n(f + 1) + " 階 " + n(p + 1) + " 番の島");
  readPromotions(r, t.hansoku, where);
  readHistory(r, t.backup);
}

void readCompanyRecord(Reader& r, tkaichou& k) {
  k.ownername = r.name();
  k.kaishaname = r.name();
  k.sihon = r.within(r.u8(), 0, kCapitalClasses - 1, [] { return std::string("資本金"); });
  k.sikin = r.money();
  k.karisuma = r.within(r.i32(), 1, 100, [] { return std::string("社長のカリスマ"); });
  k.chisei = r.within(r.i32(), 1, 100, [] { return std::string("社長の知性"); });
  k.tousotu = r.within(r.i32(), 1, 100, [] { return std::string("社長の統率力"); });
  k.kantei = r.within(r.i32(), 1, 100, [] { return std::string("社長の鑑定力"); });
  k.jinjizumi = r.flag();
  // The month's hiring mark is not in the file: a loaded game may hire in its month again.
  k.koyouzumi = false;
  k.datuzei = r.flag();
  k.datuzeiruikei = r.money();
  k.souko = r.within(r.u8(), 0, kWarehouseLevels - 1, [] { return std::string("倉庫の規模"); });
  k.eigyoujikan = r.i32();
  k.eigyounissuu = r.i32();
  k.zeibikirieki = r.money();
  k.shotokuzei = r.money();
  k.pachinkozei = r.money();
  k.datuzeigaku = r.money();
  for (BlockMarks* marks : {&k.baishuuzumi, &k.baikyakuzumi, &k.koujizumi})
    for (auto& row : *marks)
      for (uint8_t& mark : row) mark = r.u8();
}

void readRivals(Reader& r, Tenkaichou& e) {
  e.genzai = r.within(r.u8(), 0, kRivalCount - 1, [] { return std::string("手番の他社"); });
  for (bool& in : e.sanka) in = r.flag();
  for (Money& m : e.shikin) m = r.money();
  e.rivalNashi = r.flag();
  for (int32_t& m : e.sankaMonth) m = r.i32();
  for (int k = 0; k < kRivalStoreSlots; ++k) {
    TEntempo& t = e.tenpo[k];
    const std::string where = "他店舗 " + n(k + 1) + " ";
    auto of = [&where](const char* field) {
      return [&where, field] { return where + "の" + field; };
    };
    t.owner = r.within(r.u8(), 0, kRivalCount - 1, of("経営会社"));
    t.used = r.flag();
    t.joutai = r.within(r.u8(), 0, 3, of("状態"));
    t.shuttenMonth = r.i32();
    t.kanseiMonth = r.i32();
    t.teishiMonth = r.i32();
    t.blockRow = r.within(r.i32(), 0, kMapSize - 1, of("区画の行"));
    t.blockColumn = r.within(r.i32(), 0, kMapSize - 1, of("区画の列"));
    t.senren = r.within(r.i32(), 0, 100, of("洗練度"));
    t.chimei = r.within(r.i32(), 0, 100, of("知名度"));
    t.manzoku = r.within(r.i32(), 0, 100, of("満足度"));
    t.kibo = r.within(r.u8(), 0, kFloors - 1, of("規模"));
    t.pkankin = r.within(r.u8(), 0, 6, of("パチンコの交換率"));
    t.skankin = r.within(r.u8(), 0, 3, of("スロットの交換率"));
    t.zengetsu = r.money();
    t.ruikei = r.money();
    t.kyaku = r.i32();
    t.moral = r.within(r.i32(), 0, 100, of("モラル"));
    t.skill = r.within(r.i32(), 0, 100, of("スキル"));
    t.akaji = r.money();
  }
}

}  // namespace

SaveResult DecodeSaveRecord(std::string_view bytes, tworld& world) {
  SaveResult result;
  if (bytes.size() < kSaveRecordSize) {
    result.error = "営業報告書が短すぎます（" + formatGrouped(static_cast<int64_t>(bytes.size())) +
                   " バイト。営業報告書は " + formatGrouped(static_cast<int64_t>(kSaveRecordSize)) +
                   " バイトです）。";
    return result;
  }
  Reader r(bytes.substr(0, kSaveRecordSize));
  readWorldRecord(r, world);
  for (int i = 0; i < kMapSize; ++i)
    for (int j = 0; j < kMapSize; ++j) readBlock(r, world.blocks[i][j], i, j);
  for (int m = 0; m < kMakerCount; ++m) readMaker(r, world.makers[m], m);
  readNameMarks(r, world.nameSelect);

  tkaichou& k = world.kaichou;
  readCompanyRecord(r, k);
  for (int s = 1; s <= kStoreSlots; ++s) readStore(r, k.slot(s), s);
  for (int d = 1; d <= kWarehouseRecords; ++d)
    readMachine(r, k.record(d), "倉庫の台 " + n(d) + " ");
  readHistory(r, k.backup);

  readRivals(r, world.rivals);

  if (!r.inBounds()) {
    result.error = "営業報告書を読み込めません。";
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
