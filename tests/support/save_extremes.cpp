// The edges of the saved game's numbers, worked out from the game's rules (see save_extremes.h).
#include "support/save_extremes.h"

#include "world/world.h"

namespace gm::test {

namespace {

// Offsets of the records the cases touch, from the file's tables.
constexpr std::size_t kBlock00 = 94;
constexpr std::size_t kMaker0 = 115094;
constexpr std::size_t kModel1 = kMaker0 + 12;
constexpr std::size_t kCompany = 123036;
constexpr std::size_t kStore1 = kCompany + 7674;
constexpr std::size_t kIsland = kStore1 + 464;  // floor 1, island 1
constexpr std::size_t kWarehouse1 = kCompany + 410974;
constexpr std::size_t kCompanyHistory = kCompany + 535974;
constexpr std::size_t kRivals = 660354;
constexpr std::size_t kRivalStore1 = kRivals + 67;

// 100 trillion yen in the stored form (thousands of yen x 10,000).
constexpr int64_t kMoney = 1'000'000'000'000'000;
// The longest month: 31 days of 24 hours; ten machines an island, one customer each an hour.
constexpr int64_t kHours = 744;
constexpr int64_t kIslandCustomers = 7440;
constexpr int64_t kStoreCustomers = 372000;

int64_t readNumber(const std::string& r, std::size_t at, int width) {
  uint64_t v = 0;
  for (int i = 0; i < width; ++i)
    v |= static_cast<uint64_t>(static_cast<unsigned char>(r[at + i])) << (8 * i);
  if (width < 8 && (v >> (8 * width - 1)) != 0) v |= ~uint64_t{0} << (8 * width);
  return static_cast<int64_t>(v);
}

class Table {
 public:
  std::vector<SaveExtreme> cases;

  // A field that may hold `inside` and not `past`.
  void edge(const char* tag, const std::string& field, std::size_t at, int width, int64_t inside,
            int64_t past) {
    cases.push_back({tag, field, {{at, width, inside}}, {{at, width, past}}});
  }
  void money(const char* tag, const std::string& field, std::size_t at, int sign = 1) {
    edge(tag, field, at, 8, sign * kMoney, sign * (kMoney + 1));
  }
  // Records that contradict each other (or a set of bits with one that means nothing).
  void contradiction(const char* tag, const std::string& field, std::vector<RecordWrite> inside,
                     std::vector<RecordWrite> past) {
    cases.push_back({tag, field, std::move(inside), std::move(past), true});
  }
};

void worldCases(Table& t, int64_t month) {
  t.edge("world_month", "経過月数", 51, 4, 12 * 9999, 12 * 9999 + 1);
  t.edge("world_month_zero", "経過月数", 51, 4, month, 0);
  t.edge("housing_policy", "宅地開発の方針", 55, 4, 100, 101);
  t.edge("commerce_policy", "商業奨励の方針", 59, 4, 0, -1);
  t.edge("business_policy", "事業誘致の方針", 63, 4, 100, 101);
  t.edge("tax_rate_high", "税率", 67, 4, 50, 51);
  t.edge("tax_rate_low", "税率", 67, 4, 5, 4);
  t.edge("union_hour_cut", "組合の営業時間の短縮", 71, 4, 6, 7);
  t.edge("union_day_cut", "組合の休業日数", 75, 4, 8, 9);
  // Every law but one of each opposite pair, and a bit past the ten laws.
  t.contradiction("laws", "法律", {{80, 2, 0x3DB}}, {{80, 2, 0x400}});
  t.contradiction("laws_pair", "法律", {{80, 2, 0x002}}, {{80, 2, 0x006}});
  t.edge("pachinko_rate_limit", "パチンコの交換率の上限", 82, 1, 6, 7);
  t.edge("slot_rate_limit", "スロットの交換率の上限", 83, 1, 3, 4);
  t.edge("city_type", "都市の型", 84, 1, 4, 5);
  t.edge("last_business_days", "前月の営業日数", 86, 4, 31, 32);
  t.edge("highest_land_price", "最高地価", 90, 4, 3000000, 3000001);
  t.edge("highest_land_price_negative", "最高地価", 90, 4, 0, -1);
}

void blockCases(Table& t) {
  const std::string b = "区画（1 行 1 列）の";
  const std::size_t at = kBlock00;
  t.edge("block_row", b + "行番号", at, 4, 0, 1);
  t.edge("block_column", b + "列番号", at + 4, 4, 0, 1);
  t.cases.push_back(
      {"block_kind", b + "種類", {{at + 8, 1, 28}, {at + 9, 4, 0}}, {{at + 8, 1, 29}}});
  // An office district holds at most 400 people.
  t.cases.push_back({"block_population",
                     b + "人口",
                     {{at + 8, 1, 25}, {at + 9, 4, 400}},
                     {{at + 8, 1, 25}, {at + 9, 4, 401}}});
  t.edge("block_security", b + "治安", at + 13, 4, 100, 101);
  // Half the people may play, or 70 % once the long-hours law has passed.
  t.edge("block_fan_rate", b + "ファン率", at + 17, 4, 50, 51);
  t.cases.push_back({"block_fan_rate_long_hours",
                     b + "ファン率",
                     {{80, 2, 0x001}, {at + 17, 4, 70}},
                     {{80, 2, 0x001}, {at + 17, 4, 71}}});
  t.edge("block_land_price", b + "地価", at + 21, 4, 3000000, 3000001);
  t.edge("block_land_price_negative", b + "地価", at + 21, 4, 0, -1);
  t.edge("block_unrest", b + "不満度", at + 25, 4, 100, 101);
  t.edge("block_owner", b + "所有会社", at + 29, 1, 4, 5);
}

void makerCases(Table& t, int64_t month) {
  const std::string m = "メーカー「平輪」の";
  t.edge("maker_number", m + "番号", kMaker0, 1, 0, 1);
  t.edge("maker_friendship", m + "友好度", kMaker0 + 1, 4, 100, 101);
  t.edge("maker_suspension_month", m + "取引中止の年月", kMaker0 + 8, 4, month, month + 1);
  const std::string d = m + "新台 1 の";
  const std::size_t at = kModel1;
  t.edge("model_type", d + "機種", at + 49, 1, 9, 10);
  t.edge("model_price", d + "価格", at + 50, 4, 1000, 1001);
  t.edge("model_maker", d + "メーカー", at + 54, 1, 10, 11);
  t.edge("model_nominal_rating", d + "公称の評価", at + 55, 1, 100, 101);
  t.edge("model_actual_rating", d + "実際の評価", at + 59, 1, 100, 101);
  t.edge("model_release_month", d + "発表年月", at + 63, 4, month, month + 1);
  // A sales period is at most 5 + 6 months ("一発台").
  t.edge("model_sale_end_month", d + "販売終了年月", at + 67, 4, month + 11, month + 12);
  t.edge("model_production", d + "生産台数", at + 71, 4, 100000, 100001);
  t.cases.push_back({"model_stock",
                     d + "在庫",
                     {{at + 71, 4, 5000}, {at + 75, 4, 5000}},
                     {{at + 71, 4, 5000}, {at + 75, 4, 5001}}});
}

void companyCases(Table& t) {
  const std::size_t k = kCompany;
  t.edge("capital_class", "資本金", k + 98, 1, 7, 8);
  t.money("cash", "資金", k + 99);
  t.money("cash_negative", "資金", k + 99, -1);
  t.edge("charisma", "社長のカリスマ", k + 107, 4, 1, 0);
  t.edge("intelligence", "社長の知性", k + 111, 4, 100, 101);
  t.edge("leadership", "社長の統率力", k + 115, 4, 100, 101);
  t.edge("appraisal", "社長の鑑定力", k + 119, 4, 1, 0);
  t.money("evaded_total", "脱税の累計額", k + 125);
  t.edge("warehouse_level", "倉庫の規模", k + 133, 1, 3, 4);
  t.edge("company_hours", "前月の営業時間", k + 134, 4, kHours, kHours + 1);
  t.edge("company_days", "前月の営業日数", k + 138, 4, 31, 32);
  t.money("result_after_tax", "税引後利益", k + 142, -1);
  t.money("income_tax", "所得税", k + 150);
  t.money("pachinko_tax", "パチンコ税", k + 158);
  t.money("evaded_tax", "脱税額", k + 166);
  t.edge("block_mark", "区画の取引の印", k + 174, 1, 1, 2);
  t.money("company_history", "会社の履歴", kCompanyHistory + (7 * 12) * 8, -1);
}

void storeCases(Table& t, int64_t month) {
  const std::string s = "店舗 1 の";
  const std::size_t at = kStore1;
  t.edge("store_state", s + "状態", at + 50, 1, 3, 4);
  // A tower takes six months to build; a raid suspends for at most seven.
  t.edge("store_completion_month", s + "工事完了の年月", at + 51, 4, month + 6, month + 7);
  t.edge("store_suspension_end", s + "営業停止の期限", at + 55, 4, month + 7, month + 8);
  t.edge("store_opening_month", s + "出店年月", at + 59, 4, month, month + 1);
  t.edge("store_column", s + "区画の列", at + 63, 4, 49, 50);
  t.edge("store_row", s + "区画の行", at + 67, 4, 49, 50);
  t.edge("store_refinement", s + "洗練度", at + 71, 4, 100, 101);
  t.edge("store_fame", s + "知名度", at + 75, 4, 0, -1);
  t.edge("store_size", s + "規模", at + 79, 1, 4, 5);
  t.edge("store_pachinko_rate", s + "パチンコの交換率", at + 80, 1, 6, 7);
  t.edge("store_slot_rate", s + "スロットの交換率", at + 81, 1, 3, 4);
  t.contradiction("store_equipment", s + "設備", {{at + 82, 2, 0x0FFF}}, {{at + 82, 2, 0x1000}});
  // Hiring again after every load, a store's men and women may each reach the int32 top.
  t.cases.push_back({"store_staff",
                     s + "女性スタッフ数",
                     {{at + 84, 4, INT32_MAX}, {at + 88, 4, INT32_MAX}},
                     {{at + 84, 4, INT32_MAX}, {at + 88, 4, -1}}});
  t.edge("store_men", s + "男性スタッフ数", at + 84, 4, 0, -1);
  t.edge("store_morale", s + "モラル", at + 92, 8, 1000000, 1000001);
  t.edge("store_skill", s + "スキル", at + 100, 8, 0, -1);
  t.edge("store_salary", s + "給与", at + 108, 4, 120, 119);
  t.edge("store_education", s + "教育費", at + 112, 4, 1000, 1001);
  t.edge("store_welfare", s + "福利厚生費", at + 116, 4, 0, -1);
  t.contradiction("store_model_makers", s + "モデル店のメーカー", {{at + 120, 2, 0x7FF}},
                  {{at + 120, 2, 0x800}});
  t.contradiction("store_manipulations", s + "工作", {{at + 122, 1, 7}}, {{at + 122, 1, 8}});
  t.edge("store_satisfaction", s + "満足度", at + 126, 4, 100, 101);
  t.edge("store_hours", s + "営業時間", at + 130, 4, kHours, kHours + 1);
  t.edge("store_days", s + "営業日数", at + 134, 4, 31, 32);
  t.money("store_maintenance", s + "保守費", at + 138 + 14 * 8);
  t.money("store_running_cost", s + "営業費", at + 258);
  t.edge("store_promotion_cost", s + "販促費", at + 266, 4, 100000, 100001);
  t.edge("store_personnel_cost", s + "人件費", at + 278 + 3 * 4, 4, INT32_MAX, -1);
  t.money("store_takings", s + "売上", at + 294 + 2 * 8);
  t.money("store_gross_profit", s + "粗利益", at + 318 + 2 * 8, -1);
  t.edge("store_customers", s + "客数", at + 342 + 2 * 4, 4, kStoreCustomers, kStoreCustomers + 1);
  t.edge("store_attendance", s + "稼動", at + 354 + 2 * 4, 4, 100, 101);
  t.edge("store_new_rate", s + "新台の利益率", at + 366 + 9 * 8, 8, -1000000, -1000001);
  t.edge("store_new_form", s + "新台の営業形態", at + 446 + 9, 1, 3, 4);
  t.edge("store_new_morning", s + "新台のモーニング台数", at + 456, 4, 10, 11);
  // The last line of each promotion's price list.
  const std::size_t p = at + 6714;
  t.edge("promotion_event", s + "イベントの期間", p + 0, 1, 4, 5);
  t.edge("promotion_tissue", s + "ティッシュの配布量", p + 1, 1, 10, 11);
  t.edge("promotion_mail", s + "ＤＭの発送量", p + 2, 1, 25, 26);
  t.edge("promotion_tv_agency", s + "ＴＶ広告の代理店", p + 3, 1, 5, 6);
  t.edge("promotion_tv_spot", s + "ＴＶ広告の長さ", p + 4, 1, 1, 2);
  t.edge("promotion_www", s + "ＷＷＷサーバー", p + 5, 1, 5, 6);
  t.edge("promotion_paper_size", s + "新聞広告の大きさ", p + 6, 1, 5, 6);
  t.edge("promotion_paper_term", s + "新聞広告の期間", p + 7, 1, 2, 3);
  t.money("store_history", s + "履歴", at + 6722);
}

void machineCases(Table& t, int64_t month) {
  const std::string d = "店舗 1 の 1 階 1 番の島の";
  const std::size_t at = kIsland;
  t.edge("island_type", d + "機種", at + 50, 1, 9, 10);
  t.edge("island_unit_price", d + "購入単価", at + 51, 4, 1000000, 1000001);
  t.edge("island_maker", d + "メーカー", at + 55, 1, 10, 11);
  t.edge("island_nominal_rating", d + "公称の評価", at + 56, 1, 100, 101);
  t.edge("island_actual_rating", d + "実際の評価", at + 60, 1, 100, 101);
  t.edge("island_purchase_month", d + "購入年月", at + 64, 4, month, month + 1);
  t.edge("island_purchase_month_zero", d + "購入年月", at + 64, 4, 1, 0);
  // An island may be installed until 36 months after a slot model's announcement.
  t.edge("island_validity", d + "有効期限", at + 68, 4, month + 36, month + 37);
  t.edge("island_production", d + "生産台数", at + 72, 4, 100000, 100001);
  t.edge("island_form", d + "営業形態", at + 78, 1, 3, 4);
  t.edge("island_morning", d + "モーニング台数", at + 79, 1, 10, 11);
  t.edge("island_rate", d + "利益率", at + 80, 8, 1000000, 1000001);
  t.edge("island_hours", d + "営業時間", at + 88, 4, kHours, kHours + 1);
  t.edge("island_days", d + "営業日数", at + 92, 4, 31, 32);
  t.edge("island_customers", d + "稼動", at + 96, 4, kIslandCustomers, kIslandCustomers + 1);
  t.edge("island_spend", d + "客単価", at + 100, 8, 500000, 500001);
  // A set rate of -100 % strays by less than 27.6 points.
  t.edge("island_realised_rate", d + "実績利益率", at + 108, 8, -1280000, -1280001);
  t.edge("island_women", d + "女性客の割合", at + 116, 4, 100, 101);
  t.edge("island_men", d + "男性客の割合", at + 120, 4, 0, -1);
  t.edge("warehouse_validity", "倉庫の台 1 の有効期限", kWarehouse1 + 68, 4, month + 36,
         month + 37);
}

void rivalCases(Table& t, const std::string& base, int64_t month) {
  t.edge("rival_turn", "手番の他社", kRivals, 1, 4, 5);
  t.money("rival_cash", "他社の資金", kRivals + 6);
  t.edge("rival_entry_month", "他社の参入年月", kRivals + 47, 4, month, month + 1);
  const std::string r = "他店舗 1 の";
  const std::size_t at = kRivalStore1;
  const int64_t owner = readNumber(base, at, 1);
  t.edge("rival_store_owner", r + "経営会社", at, 1, owner, 5);
  // A store in use belongs to a rival in the city, and is open, being built or suspended.
  t.contradiction("rival_store_owner_gone", r + "経営会社", {{kRivals + 1 + owner, 1, 1}},
                  {{kRivals + 1 + owner, 1, 0}});
  t.contradiction("rival_store_state_none", r + "状態", {{at + 2, 1, 3}}, {{at + 2, 1, 0}});
  t.edge("rival_store_state", r + "状態", at + 2, 1, 3, 4);
  t.edge("rival_store_opening", r + "出店年月", at + 3, 4, month, month + 1);
  t.edge("rival_store_completion", r + "工事完了の年月", at + 7, 4, month + 6, month + 7);
  t.edge("rival_store_suspension_end", r + "営業停止の期限", at + 11, 4, month + 7, month + 8);
  t.edge("rival_store_row", r + "区画の行", at + 15, 4, 49, 50);
  t.edge("rival_store_column", r + "区画の列", at + 19, 4, 0, -1);
  t.edge("rival_store_refinement", r + "洗練度", at + 23, 4, 100, 101);
  t.edge("rival_store_fame", r + "知名度", at + 27, 4, 0, -1);
  t.edge("rival_store_satisfaction", r + "満足度", at + 31, 4, 100, 101);
  t.edge("rival_store_size", r + "規模", at + 35, 1, 4, 5);
  t.edge("rival_store_pachinko_rate", r + "パチンコの交換率", at + 36, 1, 6, 7);
  t.edge("rival_store_slot_rate", r + "スロットの交換率", at + 37, 1, 3, 4);
  t.money("rival_store_result", r + "前月の収支", at + 38, -1);
  t.money("rival_store_total", r + "収支の累計", at + 46);
  t.edge("rival_store_customers", r + "客数", at + 54, 4, kStoreCustomers, kStoreCustomers + 1);
  t.edge("rival_store_morale", r + "モラル", at + 58, 4, 100, 101);
  t.edge("rival_store_skill", r + "スキル", at + 62, 4, 0, -1);
  t.money("rival_store_losses", r + "累積赤字", at + 66);
}

}  // namespace

std::string SaveExtreme::refusal() const {
  if (contradiction) return "営業報告書の" + field + "が正しくありません。";
  return "営業報告書の" + field + "が範囲外です（" + std::to_string(past.back().value) + "）。";
}

std::vector<SaveExtreme> SaveExtremes(const std::string& base) {
  const int64_t month = readNumber(base, 51, 4);
  Table t;
  worldCases(t, month);
  blockCases(t);
  makerCases(t, month);
  companyCases(t);
  storeCases(t, month);
  machineCases(t, month);
  rivalCases(t, base, month);
  return t.cases;
}

namespace {

const Money kTop = Money::fromRaw(kMoney);

void allMoney(tworld& w, Money m) {
  tkaichou& k = w.kaichou;
  for (Money* field :
       {&k.sikin, &k.datuzeiruikei, &k.zeibikirieki, &k.shotokuzei, &k.pachinkozei, &k.datuzeigaku})
    *field = m;
  auto history = [m](Tbackup& b) {
    for (auto& series : b.values) series.fill(m);
  };
  history(k.backup);
  for (Ttempo& t : k.tempo) {
    t.hoshuResults.fill(m);
    t.eigyouResults.running = t.eigyouResults.total = m;
    t.uriage.fill(m);
    t.arari.fill(m);
    history(t.backup);
  }
  w.rivals.shikin.fill(m);
  for (TEntempo& e : w.rivals.tenpo) e.zengetsu = e.ruikei = e.akaji = m;
}

// Fifty open towers, every island full and played to the most a month allows, the warehouse
// full, every head count at the int32 top, every block of the city full of fans under the
// long-hours law, and the five rivals with fifty towers of their own.
void fullCity(tworld& w) {
  w.laws |= kLawLongHours;  // the longest month and the most fans
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c) {
      Tchip& b = w.block(r, c);
      b.kind = 25;
      b.population = 400;
      b.fanRate = 70;
      b.landPrice = 3000000;
    }
  tkaichou& k = w.kaichou;
  const Tddai island = k.slot(1).dai[0][0];
  for (int n = 1; n <= kStoreSlots; ++n) {
    Ttempo& t = k.slot(n);
    t.used = true;
    t.joutai = kOpen;
    t.kibo = kFloors - 1;
    t.blockY = (n - 1) / 10;
    t.blockX = (n - 1) % 10;
    w.block(t.blockY, t.blockX).kind = 19;
    w.block(t.blockY, t.blockX).population = 0;
    t.shuttenMonth = 1;
    t.dansei = t.zyosei = INT32_MAX;
    t.moral = t.skill = Money::fromInt(100);
    t.kyuyo = t.kyouiku = t.fukuri = 1000;
    t.setubi = 0x0FFF;
    t.kousaku = 7;
    t.modelMakers = 0x7FF;
    t.pkankin = 6;
    t.skankin = 3;
    t.eigyouJikan = 744;
    t.eigyouNissuu = 31;
    t.kyaku.fill(372000);
    t.kadou.fill(100);
    t.hansoku = Thansoku{4, 10, 25, 5, 1, 5, 5, 2};
    for (auto& floor : t.dai)
      for (Tddai& d : floor) {
        d = island;
        d.used = true;
        d.kounyuuMonth = 1;
        d.kadou = 7440;
        d.jikan = 744;
        d.nissuu = 31;
        d.kyakutan = Money::fromRaw(500000);
        d.riritu = Money::fromInt(100);
        d.ririJisseki = Money::fromRaw(1280000);
        d.morning = 10;
      }
  }
  k.souko = 3;
  for (Tddai& d : k.dai) {
    d = island;
    d.used = true;
  }
  Tenkaichou& e = w.rivals;
  e.sanka.fill(true);
  for (int n = 1; n <= kRivalStoreSlots; ++n) {
    TEntempo& t = e.Tenpo(n);
    t.used = true;
    t.owner = static_cast<uint8_t>((n - 1) % kRivalCount);
    t.joutai = kRivalOpen;
    t.kibo = kFloors - 1;
    t.blockRow = 10 + (n - 1) / 10;
    t.blockColumn = (n - 1) % 10;
    w.block(t.blockRow, t.blockColumn).kind = 20;
    w.block(t.blockRow, t.blockColumn).owner = t.owner;
    w.block(t.blockRow, t.blockColumn).population = 0;
    t.kyaku = 372000;
    t.shuttenMonth = 1;
    t.senren = t.chimei = t.manzoku = t.moral = t.skill = 100;
  }
}

}  // namespace

std::vector<CombinedExtreme> CombinedExtremes() {
  return {
      {"all_money_high", [](tworld& w) { allMoney(w, kTop); }},
      {"all_money_low", [](tworld& w) { allMoney(w, -kTop); }},
      {"full_city", fullCity},
      {"full_city_rich",
       [](tworld& w) {
         fullCity(w);
         allMoney(w, kTop);
       }},
      // The same staff underpaid, listless and untrained: most of them leave, or walk out.
      {"full_city_underpaid",
       [](tworld& w) {
         fullCity(w);
         for (Ttempo& t : w.kaichou.tempo) {
           t.kyuyo = 120;
           t.kyouiku = t.fukuri = 0;
           t.moral = t.skill = Money();
         }
       }},
      {"full_city_last_month",
       [](tworld& w) {
         w.month = 12 * 9999;
         fullCity(w);
       }},
  };
}

std::string withWrites(std::string record, const std::vector<RecordWrite>& writes) {
  for (const RecordWrite& w : writes)
    for (int i = 0; i < w.width; ++i)
      record[w.offset + i] = static_cast<char>((static_cast<uint64_t>(w.value) >> (8 * i)) & 0xFF);
  return record;
}

}  // namespace gm::test
