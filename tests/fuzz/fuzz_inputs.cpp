// The checks that every fuzz input must pass.
#include "fuzz_inputs.h"

#include <memory>

#include "persist/city_file.h"
#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "world/world.h"

namespace gm::fuzz {

std::string SaveFileInput(std::string_view bytes) {
  auto world = std::make_unique<tworld>();
  const uint64_t untouched = StateDigest(*world);
  SaveResult r = LoadSaveRecord(bytes, *world);
  if (!r.ok) {
    if (r.error.empty()) return "refused without a message";
    if (StateDigest(*world) != untouched) return "a refused file changed the world";
    return {};
  }
  // What the game reads of a loaded world, so that the sanitizers see the values in use.
  (void)world->CountKinds();
  (void)world->TotalPopulation();
  (void)world->kaichou.TempoKazu();
  (void)world->kaichou.StoreSums();
  for (const Ttempo& t : world->kaichou.tempo) (void)t.machineCounts();

  const std::string saved = EncodeSaveRecord(*world);
  if (saved.size() != kSaveRecordSize) return "a second save has the wrong size";
  auto again = std::make_unique<tworld>();
  SaveResult reloaded = LoadSaveRecord(saved, *again);
  if (!reloaded.ok) return "a saved game does not load: " + reloaded.error;
  if (EncodeSaveRecord(*again) != saved) return "a loaded game saves to other bytes";
  again->rng().setSeed(world->rng().seed());
  if (StateDigest(*again) != StateDigest(*world)) return "a loaded game differs from the saved";
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
