// FNV-1a over every saved field of the world, its blocks, makers, name generator, company,
// stores, machine records, histories and rivals, plus the generator's seed.
#include "persist/state_digest.h"

#include "world/world.h"

namespace gm {
namespace {

class Hasher {
 public:
  static constexpr uint64_t kPrime = 1099511628211ull;
  void bytes(const void* data, std::size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < n; ++i) {
      h_ ^= p[i];
      h_ *= kPrime;
    }
  }
  // The eight bytes, low first, in one fixed run that the compiler unrolls: the digest of a world
  // hashes some 200,000 numbers.
  void i64(int64_t v) {
    const auto u = static_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) {
      h_ ^= (u >> (8 * i)) & 0xFF;
      h_ *= kPrime;
    }
  }
  void money(Money m) { i64(m.raw()); }
  void text(std::string_view s) {
    i64(static_cast<int64_t>(s.size()));
    bytes(s.data(), s.size());
  }
  uint64_t value() const { return h_; }

 private:
  uint64_t h_ = 1469598103934665603ull;
};

void hashRecord(Hasher& h, const Tddai& d) {
  h.i64(d.used);
  h.text(d.name.view());
  h.i64(d.kishu);
  h.i64(d.tanka);
  h.i64(d.maker);
  for (auto v : d.nominal) h.i64(v);
  for (auto v : d.actual) h.i64(v);
  h.i64(d.kounyuuMonth);
  h.i64(d.yuukouMonth);
  h.i64(d.shukka);
  h.i64(d.virgin);
  h.i64(d.ihou);
  h.i64(d.keitai);
  h.i64(d.morning);
  h.money(d.riritu);
  h.i64(d.jikan);
  h.i64(d.nissuu);
  h.i64(d.kadou);
  h.money(d.kyakutan);
  h.money(d.ririJisseki);
  h.i64(d.kyakuDansei);
  h.i64(d.kyakuZyosei);
  h.i64(d.modelMachine);
}

void hashHistory(Hasher& h, const Tbackup& b) {
  for (const auto& series : b.values)
    for (Money m : series) h.money(m);
}

void hashStore(Hasher& h, const Ttempo& t) {
  h.text(t.name.view());
  for (int64_t v :
       {int64_t{t.used}, int64_t{t.joutai}, int64_t{t.kanseiMonth}, int64_t{t.teishiMonth},
        int64_t{t.shuttenMonth}, int64_t{t.blockX}, int64_t{t.blockY}, int64_t{t.senren},
        int64_t{t.chimei}, int64_t{t.kibo}, int64_t{t.pkankin}, int64_t{t.skankin},
        int64_t{t.setubi}, int64_t{t.dansei}, int64_t{t.zyosei}})
    h.i64(v);
  h.money(t.moral);
  h.money(t.skill);
  for (int64_t v :
       {int64_t{t.kyuyo}, int64_t{t.kyouiku}, int64_t{t.fukuri}, int64_t{t.modelMakers},
        int64_t{t.kousaku}, int64_t{t.irekaeDone}, int64_t{t.bestWww}, int64_t{t.bestCm}})
    h.i64(v);
  for (Money m : t.shinDaiRitu) h.money(m);
  for (auto v : t.shinDaiKeitai) h.i64(v);
  h.i64(t.shinDaiMorning8);
  h.i64(t.shinDaiMorning9);
  h.i64(t.manzoku);
  h.i64(t.eigyouJikan);
  h.i64(t.eigyouNissuu);
  for (Money m : t.hoshuResults) h.money(m);
  h.money(t.eigyouResults.running);
  h.i64(t.eigyouResults.promotion);
  h.money(t.eigyouResults.total);
  for (auto v : t.jinkenResults) h.i64(v);
  for (Money m : t.uriage) h.money(m);
  for (Money m : t.arari) h.money(m);
  for (auto v : t.kyaku) h.i64(v);
  for (auto v : t.kadou) h.i64(v);
  for (const auto& floor : t.dai)
    for (const auto& d : floor) hashRecord(h, d);
  const Thansoku& p = t.hansoku;
  for (auto v :
       {p.event, p.tissue, p.mail, p.tvAgency, p.tvSpot, p.www, p.newspaperSize, p.newspaperTerm})
    h.i64(v);
  hashHistory(h, t.backup);
}

}  // namespace

uint64_t StateDigest(const tworld& w) {
  Hasher h;
  h.text(w.cityName.view());
  for (int64_t v :
       {int64_t{w.mapHeight}, int64_t{w.mapWidth}, int64_t{w.month}, int64_t{w.housingPolicy},
        int64_t{w.commercePolicy}, int64_t{w.businessPolicy}, int64_t{w.taxRate},
        int64_t{w.unionHourCut}, int64_t{w.unionDayCut}, int64_t{w.disposalAccepted},
        int64_t{w.laws}, int64_t{w.maxPachinkoRate}, int64_t{w.maxSlotRate}, int64_t{w.cityType},
        int64_t{w.endingShown}, int64_t{w.lastBusinessDays}, int64_t{w.maxLandPrice}})
    h.i64(v);
  for (const auto& row : w.blocks)
    for (const Tchip& b : row)
      for (int64_t v :
           {int64_t{b.row}, int64_t{b.column}, int64_t{b.kind}, int64_t{b.population},
            int64_t{b.security}, int64_t{b.fanRate}, int64_t{b.landPrice}, int64_t{b.unrest},
            int64_t{b.owner}, int64_t{b.growthInfluence}, int64_t{b.securityInfluence},
            int64_t{b.priceInfluence}, int64_t{b.unrestInfluence}})
        h.i64(v);
  for (const Tmaker& m : w.makers) {
    for (int64_t v : {int64_t{m.makerNo}, int64_t{m.yuukou}, int64_t{m.shijou},
                      int64_t{m.yuukouGiven}, int64_t{m.torihiki}, int64_t{m.chuushiMonth}})
      h.i64(v);
    for (const tdai& d : m.models) {
      h.text(d.name.view());
      for (int64_t v : {int64_t{d.kishu}, int64_t{d.price}, int64_t{d.maker}}) h.i64(v);
      for (auto v : d.nominal) h.i64(v);
      for (auto v : d.actual) h.i64(v);
      for (int64_t v :
           {int64_t{d.releaseMonth}, int64_t{d.saleEndMonth}, int64_t{d.shukka}, int64_t{d.zaiko},
            int64_t{d.onSale}, int64_t{d.unappraised}, int64_t{d.modelMachine}})
        h.i64(v);
    }
  }
  for (const auto& maker : w.nameSelect.used)
    for (const auto& pool : maker) h.bytes(pool.data(), pool.size());

  const tkaichou& k = w.kaichou;
  h.text(k.ownername.view());
  h.text(k.kaishaname.view());
  h.i64(k.sihon);
  h.money(k.sikin);
  for (int64_t v : {int64_t{k.karisuma}, int64_t{k.chisei}, int64_t{k.tousotu}, int64_t{k.kantei},
                    int64_t{k.jinjizumi}, int64_t{k.datuzei}})
    h.i64(v);
  h.money(k.datuzeiruikei);
  h.i64(k.souko);
  h.i64(k.eigyoujikan);
  h.i64(k.eigyounissuu);
  for (Money m : {k.zeibikirieki, k.shotokuzei, k.pachinkozei, k.datuzeigaku}) h.money(m);
  for (const auto* marks : {&k.baishuuzumi, &k.baikyakuzumi, &k.koujizumi})
    for (const auto& row : *marks) h.bytes(row.data(), row.size());
  for (const Ttempo& t : k.tempo) hashStore(h, t);
  for (const Tddai& d : k.dai) hashRecord(h, d);
  hashHistory(h, k.backup);

  const Tenkaichou& r = w.rivals;
  h.i64(r.genzai);
  for (int i = 0; i < kRivalCount; ++i) {
    h.i64(r.sanka[i]);
    h.i64(r.sankaMonth[i]);
    h.money(r.shikin[i]);
  }
  h.i64(r.rivalNashi);
  for (const TEntempo& e : r.tenpo) {
    for (int64_t v : {int64_t{e.owner}, int64_t{e.used}, int64_t{e.joutai}, int64_t{e.shuttenMonth},
                      int64_t{e.kanseiMonth}, int64_t{e.teishiMonth}, int64_t{e.blockRow},
                      int64_t{e.blockColumn}, int64_t{e.senren}, int64_t{e.chimei},
                      int64_t{e.manzoku}, int64_t{e.kibo}, int64_t{e.pkankin}, int64_t{e.skankin},
                      int64_t{e.kyaku}, int64_t{e.moral}, int64_t{e.skill}})
      h.i64(v);
    for (Money m : {e.zengetsu, e.akaji, e.ruikei}) h.money(m);
  }
  // The generator is part of the game: two games that will diverge must not share a digest.
  h.i64(w.rng().seed());
  return h.value();
}

}  // namespace gm
