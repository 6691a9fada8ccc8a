// Writing the saved-game record field by field, in the file's order (which differs from the
// declaration order for the maker header, the machine record, the rival companies and the rival
// stores).
#include <cassert>

#include "base/text.h"
#include "persist/byte_io.h"
#include "persist/save_file.h"
#include "world/world.h"

namespace gm {
namespace {

// The Shift-JIS bytes of a name, at most 48 of them.
std::string nameBytes(std::string_view utf8) {
  if (utf8.empty()) return {};
  const std::string cut = cutToShiftJisBytes(utf8, kNameBytes);
  if (auto sjis = toShiftJis(cut)) return *sjis;
  std::string out;
  for (std::size_t pos = 0; pos < cut.size();) {
    std::string one;
    appendUtf8(one, nextCodePoint(cut, pos));
    auto sjis = toShiftJis(one);
    out += sjis ? *sjis : std::string("?");
  }
  return out;
}

class Writer {
 public:
  // Writes into `buffer`'s storage, whatever it held.
  explicit Writer(std::string buffer) : out_(std::move(buffer)) { out_.reserve(kSaveRecordSize); }

  void u8(uint8_t v) { out_.u8(v); }
  void flag(bool v) { out_.u8(v ? 1 : 0); }
  void u16(uint16_t v) { out_.u16(v); }
  void i32(int32_t v) { out_.i32(v); }
  void i64(int64_t v) { out_.i64(v); }
  void money(Money m) { out_.i64(m.raw()); }
  void ratings(const Ratings& r) {
    for (uint8_t v : r) out_.u8(v);
  }
  void name(const Name& n) {
    // Identical names stand in hundreds of islands; one conversion serves them all.
    if (n.view() != lastName_) {
      lastName_.assign(n.view());
      lastBytes_ = nameBytes(lastName_);
    }
    out_.shortString(lastBytes_, kNameBytes);
  }
  std::size_t size() const { return out_.size(); }
  std::string take() { return out_.take(); }

 private:
  ByteWriter out_;
  std::string lastName_;
  std::string lastBytes_;
};

// Every record checks its own length, so that a slip in one shows where it is.
class RecordLength {
 public:
  RecordLength(const Writer& w, std::size_t expected)
      : w_(w), start_(w.size()), expected_(expected) {}
  ~RecordLength() { assert(w_.size() - start_ == expected_); }

 private:
  // Read only by the assertion, which a release build leaves out.
  [[maybe_unused]] const Writer& w_;
  std::size_t start_;
  [[maybe_unused]] std::size_t expected_;
};

void writeWorldRecord(Writer& w, const tworld& world) {
  RecordLength length(w, save::kWorldRecord);
  w.name(world.cityName);
  w.u8(world.mapHeight);
  w.u8(world.mapWidth);
  w.i32(world.month);
  w.i32(world.housingPolicy);
  w.i32(world.commercePolicy);
  w.i32(world.businessPolicy);
  w.i32(world.taxRate);
  w.i32(world.unionHourCut);
  w.i32(world.unionDayCut);
  w.flag(world.disposalAccepted);
  w.u16(world.laws);
  w.u8(world.maxPachinkoRate);
  w.u8(world.maxSlotRate);
  w.u8(world.cityType);
  w.flag(world.endingShown);
  w.i32(world.lastBusinessDays);
  w.i32(world.maxLandPrice);
}

void writeBlock(Writer& w, const Tchip& b) {
  RecordLength length(w, save::kBlockRecord);
  w.i32(b.row);
  w.i32(b.column);
  w.u8(b.kind);
  w.i32(b.population);
  w.i32(b.security);
  w.i32(b.fanRate);
  w.i32(b.landPrice);
  w.i32(b.unrest);
  w.u8(b.owner);
  w.i32(b.growthInfluence);
  w.i32(b.securityInfluence);
  w.i32(b.priceInfluence);
  w.i32(b.unrestInfluence);
}

void writeModel(Writer& w, const tdai& d) {
  RecordLength length(w, save::kModelRecord);
  w.name(d.name);
  w.u8(d.kishu);
  w.i32(d.price);
  w.u8(d.maker);
  w.ratings(d.nominal);
  w.ratings(d.actual);
  w.i32(d.releaseMonth);
  w.i32(d.saleEndMonth);
  w.i32(d.shukka);
  w.i32(d.zaiko);
  w.flag(d.onSale);
  w.flag(d.unappraised);
  w.flag(d.modelMachine);
}

void writeMaker(Writer& w, const Tmaker& m) {
  RecordLength length(w, save::kMakerRecord);
  w.u8(m.makerNo);
  w.i32(m.yuukou);
  w.flag(m.shijou);
  w.flag(m.yuukouGiven);
  w.flag(m.torihiki);
  w.i32(m.chuushiMonth);
  for (const tdai& d : m.models) writeModel(w, d);
}

void writeNameMarks(Writer& w, const tdainameselect& names) {
  RecordLength length(w, save::kNameMarksRecord);
  for (const auto& maker : names.used)
    for (const auto& pool : maker)
      for (uint8_t mark : pool) w.u8(mark);
}

void writeMachine(Writer& w, const Tddai& d) {
  RecordLength length(w, save::kMachineRecord);
  w.flag(d.used);
  w.name(d.name);
  w.u8(d.kishu);
  w.i32(d.tanka);
  w.u8(d.maker);
  w.ratings(d.nominal);
  w.ratings(d.actual);
  w.i32(d.kounyuuMonth);
  w.i32(d.yuukouMonth);
  w.i32(d.shukka);
  w.flag(d.virgin);
  w.flag(d.ihou);
  w.u8(d.keitai);
  w.u8(d.morning);
  w.money(d.riritu);
  w.i32(d.jikan);
  w.i32(d.nissuu);
  w.i32(d.kadou);
  w.money(d.kyakutan);
  w.money(d.ririJisseki);
  w.i32(d.kyakuZyosei);
  w.i32(d.kyakuDansei);
  w.flag(d.modelMachine);
}

void writeHistory(Writer& w, const Tbackup& b) {
  RecordLength length(w, save::kHistoryRecord);
  for (const auto& series : b.values)
    for (Money m : series) w.money(m);
}

void writeStoreForm(Writer& w, const Ttempo& t) {
  RecordLength length(w, save::kStoreForm);
  w.name(t.name);
  w.flag(t.used);
  w.u8(t.joutai);
  for (int32_t v :
       {t.kanseiMonth, t.teishiMonth, t.shuttenMonth, t.blockX, t.blockY, t.senren, t.chimei})
    w.i32(v);
  w.u8(t.kibo);
  w.u8(t.pkankin);
  w.u8(t.skankin);
  w.u16(t.setubi);
  w.i32(t.dansei);
  w.i32(t.zyosei);
  w.money(t.moral);
  w.money(t.skill);
  w.i32(t.kyuyo);
  w.i32(t.kyouiku);
  w.i32(t.fukuri);
  w.u16(t.modelMakers);
  w.u8(t.kousaku);
  w.flag(t.irekaeDone);
  w.flag(t.bestWww);
  w.flag(t.bestCm);
  w.i32(t.manzoku);
  w.i32(t.eigyouJikan);
  w.i32(t.eigyouNissuu);
  for (Money m : t.hoshuResults) w.money(m);
  w.money(t.eigyouResults.running);
  w.i32(t.eigyouResults.promotion);
  w.money(t.eigyouResults.total);
  for (int32_t v : t.jinkenResults) w.i32(v);
  for (Money m : t.uriage) w.money(m);
  for (Money m : t.arari) w.money(m);
  for (int32_t v : t.kyaku) w.i32(v);
  for (int32_t v : t.kadou) w.i32(v);
  for (Money m : t.shinDaiRitu) w.money(m);
  for (uint8_t v : t.shinDaiKeitai) w.u8(v);
  w.i32(t.shinDaiMorning8);
  w.i32(t.shinDaiMorning9);
}

void writePromotions(Writer& w, const Thansoku& p) {
  RecordLength length(w, save::kPromotionRecord);
  for (uint8_t v :
       {p.event, p.tissue, p.mail, p.tvAgency, p.tvSpot, p.www, p.newspaperSize, p.newspaperTerm})
    w.u8(v);
}

void writeStore(Writer& w, const Ttempo& t) {
  RecordLength length(w, save::kStoreRecord);
  writeStoreForm(w, t);
  for (const auto& floor : t.dai)
    for (const Tddai& d : floor) writeMachine(w, d);
  writePromotions(w, t.hansoku);
  writeHistory(w, t.backup);
}

void writeCompanyRecord(Writer& w, const tkaichou& k) {
  RecordLength length(w, save::kCompanyRecord);
  w.name(k.ownername);
  w.name(k.kaishaname);
  w.u8(k.sihon);
  w.money(k.sikin);
  w.i32(k.karisuma);
  w.i32(k.chisei);
  w.i32(k.tousotu);
  w.i32(k.kantei);
  w.flag(k.jinjizumi);
  w.flag(k.datuzei);
  w.money(k.datuzeiruikei);
  w.u8(k.souko);
  w.i32(k.eigyoujikan);
  w.i32(k.eigyounissuu);
  w.money(k.zeibikirieki);
  w.money(k.shotokuzei);
  w.money(k.pachinkozei);
  w.money(k.datuzeigaku);
  for (const BlockMarks* marks : {&k.baishuuzumi, &k.baikyakuzumi, &k.koujizumi})
    for (const auto& row : *marks)
      for (uint8_t mark : row) w.u8(mark);
}

void writeRivals(Writer& w, const Tenkaichou& r) {
  {
    RecordLength length(w, save::kRivalsRecord);
    w.u8(r.genzai);
    for (bool in : r.sanka) w.flag(in);
    for (Money m : r.shikin) w.money(m);
    w.flag(r.rivalNashi);
    for (int32_t m : r.sankaMonth) w.i32(m);
  }
  for (const TEntempo& t : r.tenpo) {
    RecordLength length(w, save::kRivalStoreRecord);
    w.u8(t.owner);
    w.flag(t.used);
    w.u8(t.joutai);
    for (int32_t v : {t.shuttenMonth, t.kanseiMonth, t.teishiMonth, t.blockRow, t.blockColumn,
                      t.senren, t.chimei, t.manzoku})
      w.i32(v);
    w.u8(t.kibo);
    w.u8(t.pkankin);
    w.u8(t.skankin);
    w.money(t.zengetsu);
    w.money(t.ruikei);
    w.i32(t.kyaku);
    w.i32(t.moral);
    w.i32(t.skill);
    w.money(t.akaji);
  }
}

}  // namespace

std::string EncodeSaveRecord(const tworld& world) {
  std::string record;
  EncodeSaveRecord(world, record);
  return record;
}

void EncodeSaveRecord(const tworld& world, std::string& record) {
  Writer w(std::move(record));
  {
    RecordLength part(w, save::kWorldPart);
    writeWorldRecord(w, world);
    for (const auto& row : world.blocks)
      for (const Tchip& b : row) writeBlock(w, b);
    for (const Tmaker& m : world.makers) writeMaker(w, m);
    writeNameMarks(w, world.nameSelect);
  }
  {
    RecordLength part(w, save::kCompanyPart);
    const tkaichou& k = world.kaichou;
    writeCompanyRecord(w, k);
    for (const Ttempo& t : k.tempo) writeStore(w, t);
    for (const Tddai& d : k.dai) writeMachine(w, d);
    writeHistory(w, k.backup);
  }
  {
    RecordLength part(w, save::kRivalsPart);
    writeRivals(w, world.rivals);
  }
  record = w.take();
}

}  // namespace gm
