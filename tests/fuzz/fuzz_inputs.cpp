// The checks that every fuzz input must pass.
#include "fuzz_inputs.h"

#include <cstring>
#include <memory>
#include <vector>

#include "company/advisor.h"
#include "company/company_figures.h"
#include "persist/city_file.h"
#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm::fuzz {

namespace {

// A world is a large object, and building one costs far more than checking a refused record: the
// worlds stay from one input to the next. The check reads nothing but the bytes, so the staging
// world may hold anything; the world a file is loaded into holds the last accepted game (or a new
// world), and `image` holds its bytes as they were before the load.
struct Worlds {
  std::unique_ptr<tworld> staging = std::make_unique<tworld>();
  std::unique_ptr<tworld> target = std::make_unique<tworld>();
  std::unique_ptr<tworld> again = std::make_unique<tworld>();
  std::vector<unsigned char> image;
  // The records of an accepted game's saves, their storage kept from input to input.
  std::string saved;
  std::string savedAgain;

  Worlds() { keepImage(); }
  // The world's bytes as they stand, its port's table pointer and all: a refused load may not
  // write a single one of them.
  const unsigned char* targetBytes() const {
    return reinterpret_cast<const unsigned char*>(static_cast<const void*>(target.get()));
  }
  void keepImage() { image.assign(targetBytes(), targetBytes() + sizeof(tworld)); }
  bool targetUntouched() const {
    return std::memcmp(targetBytes(), image.data(), sizeof(tworld)) == 0;
  }
};

Worlds& worlds() {
  static Worlds w;
  return w;
}

}  // namespace

std::string SaveFileInput(std::string_view bytes) {
  Worlds& w = worlds();
  tworld& world = *w.target;
  SaveResult r = LoadSaveRecord(bytes, world, *w.staging);
  if (!r.ok) {
    if (r.error.empty()) return "refused without a message";
    // Not one byte of the running game may change, not even the generator's seed.
    if (!w.targetUntouched()) return "a refused file changed the world";
    return {};
  }
  // What the screens read of a loaded game before a month is played, so that the sanitizers see
  // the loaded values in use: the city's figures, the company manager's budget, tables and staff,
  // and every store's figures.
  (void)world.CountKinds();
  (void)world.TotalPopulation();
  (void)world.TotalFans();
  (void)world.AverageLandPrice();
  const tkaichou& company = world.kaichou;
  (void)company.TempoKazu();
  (void)company.StoreSums();
  (void)company.StaffShuukei(world.MonthlyHours(), world.month);
  (void)company.ImageHeikin();
  (void)company.SoushisanKeisan(world.month);
  (void)companyBudget(company, forecastTerms(world));
  (void)companyMachineTable(company);
  (void)warehouseMachineTable(company);
  for (const Ttempo& t : company.tempo) {
    (void)t.machineCounts();
    (void)t.profitRates();
    (void)t.netProfit();
    (void)t.salesPerMachinePerDay();
    (void)t.grossProfitPerMachinePerDay();
    for (int series = 0; series < kHistorySeries; ++series) (void)t.historySummary(series);
  }
  w.keepImage();

  EncodeSaveRecord(world, w.saved);
  const std::string& saved = w.saved;
  if (saved.size() != kSaveRecordSize) return "a second save has the wrong size";
  // A record that saves back to its own bytes has been loaded already: loading it again would
  // decode the same bytes into the same game. Only a record that saves to other bytes (a flag
  // other than 0 and 1, bytes after a name, a name without a Shift-JIS form) needs the round.
  if (std::string_view(saved) == bytes.substr(0, kSaveRecordSize)) return {};
  // The check decodes the whole record into the world it is given when it accepts it.
  tworld& again = *w.again;
  SaveResult reloaded = CheckSaveRecord(saved, again);
  if (!reloaded.ok) return "a saved game does not load: " + reloaded.error;
  EncodeSaveRecord(again, w.savedAgain);
  if (w.savedAgain != saved) return "a loaded game saves to other bytes";
  again.rng().setSeed(world.rng().seed());
  if (StateDigest(again) != StateDigest(world)) return "a loaded game differs from the saved";
  return {};
}

std::string PlayedSaveInput(std::string_view bytes) {
  // A new world for every game, so that nothing the file does not hold (the results
  // calculator's working data, the marks of changed blocks) comes from the input before.
  auto world = std::make_unique<tworld>();
  SaveResult r = LoadSaveRecord(bytes, *world, *worlds().staging);
  if (!r.ok) return r.error.empty() ? "refused without a message" : std::string();
  world->rng().setSeed(1997);
  // The advisor reads every store of the loaded game and of each month played, as its page and
  // the store list do.
  const auto advise = [](const tworld& w) {
    (void)DiagnoseCompany(w);
    for (int slot = 1; slot <= kStoreSlots; ++slot) (void)DiagnoseStore(w, slot);
  };
  advise(*world);
  for (int month = 0; month < 2; ++month) {
    if (!PlayMonth(*world).goesOn) break;
    advise(*world);
  }
  if (EncodeSaveRecord(*world).size() != kSaveRecordSize) return "a played game saves wrongly";
  return {};
}

std::string CityFileInput(std::string_view bytes) {
  CityReadResult r = DecodeCityRecord(bytes);
  if (!r.ok) return r.error.empty() ? "refused without a message" : std::string();
  const CityDefinition& c = r.city;
  if (c.height < 1 || c.height > kMapSize || c.width < 1 || c.width > kMapSize)
    return "an accepted city has impossible extents";
  for (const auto& row : c.kinds)
    for (uint8_t k : row)
      if (k >= kKindCount) return "an accepted city has an unknown kind";
  const std::string encoded = EncodeCityRecord(c);
  if (encoded.empty()) return {};  // a name without a Shift-JIS form is not written back
  CityReadResult again = DecodeCityRecord(encoded);
  if (!again.ok) return "a city written back does not read: " + again.error;
  if (EncodeCityRecord(again.city) != encoded) return "a city written back reads differently";
  return {};
}

}  // namespace gm::fuzz
