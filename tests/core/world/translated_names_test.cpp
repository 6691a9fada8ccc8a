// The names of kinds, states, types and laws that the windows show come through the catalogue
// under the context of the table that holds them, so that a translation file finds them; a
// position outside a table gives an empty name without asking the catalogue.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/translation.h"
#include "store/machine.h"
#include "store/maker.h"
#include "store/promotions.h"
#include "store/store.h"
#include "world/block.h"
#include "world/new_laws.h"
#include "world/seminar.h"
#include "world/world.h"

namespace gm {
namespace {

// Answers every text with its context in brackets before it.
class Tagging : public Catalogue {
 public:
  std::string lookup(const char* context, const char* source, const char*) const override {
    return "[" + std::string(context) + "]" + source;
  }
};

// The name read once without a catalogue and once with the tagging one.
void expectTagged(const std::string& context, const std::function<std::string()>& name) {
  installCatalogue(nullptr);
  const std::string plain = name();
  Tagging tagging;
  installCatalogue(&tagging);
  const std::string tagged = name();
  installCatalogue(nullptr);
  EXPECT_FALSE(plain.empty());
  EXPECT_EQ(tagged, "[" + context + "]" + plain);
}

void expectEmpty(const std::function<std::string()>& name) {
  Tagging tagging;
  installCatalogue(&tagging);
  EXPECT_EQ(name(), "");
  installCatalogue(nullptr);
}

TEST(TranslatedNames, StoreTablesAskTheCatalogue) {
  for (int i = 0; i < kFloors; ++i) expectTagged("store", [i] { return storeSizeName(i); });
  for (int i = 0; i < 4; ++i) expectTagged("store", [i] { return storeStateName(i); });
  for (int i = 0; i < kEquipmentCount; ++i) expectTagged("store", [i] { return equipmentName(i); });
  expectEmpty([] { return storeSizeName(kFloors); });
  expectEmpty([] { return storeStateName(-1); });
}

TEST(TranslatedNames, MachineAndPromotionTablesAskTheCatalogue) {
  for (int t = 0; t < kMachineTypeCount; ++t)
    expectTagged("machine", [t] { return machineTypeName(t); });
  for (int f = 0; f < 4; ++f) expectTagged("machine", [f] { return businessFormName(f); });
  expectTagged("machine", [] { return illegalityText(true); });
  expectTagged("machine", [] { return illegalityText(false); });
  for (int p = 0; p < kPromotionCount; ++p) {
    const auto promotion = static_cast<Promotion>(p);
    const int choices = static_cast<int>(promotionChoices(promotion).size());
    for (int c = 0; c < choices; ++c)
      expectTagged("promotions", [promotion, c] { return promotionChoiceName(promotion, c); });
  }
  Tmaker maker;
  maker.torihiki = false;
  expectTagged("maker", [&maker] { return friendshipText(maker); });
}

TEST(TranslatedNames, WorldTablesAskTheCatalogue) {
  for (int kind = 1; kind < kKindCount; ++kind)
    expectTagged("block", [kind] { return blockKindName(kind); });
  Tchip citizens;
  citizens.kind = 1;
  expectTagged("block", [&citizens] { return citizens.OwnerLabel("港市", "山田"); });
  for (int bit = 0; bit < kLawCount; ++bit) {
    expectTagged("world", [bit] { return lawName(bit); });
    expectTagged("new_laws", [bit] { return lawExplanation(bit); });
  }
  for (int i = 0; i < 7; ++i) expectTagged("world", [i] { return pachinkoRateName(i); });
  for (int i = 0; i < 4; ++i) expectTagged("world", [i] { return slotRateName(i); });
  for (int set = 0; set < 4; ++set)
    for (int p = 0; p < 4; ++p)
      expectTagged("seminar", [set, p] { return seminarCourseName(set, p); });
  expectEmpty([] { return lawName(kLawCount); });
  expectEmpty([] { return lawExplanation(-1); });
  expectEmpty([] { return pachinkoRateName(7); });
  expectEmpty([] { return slotRateName(4); });
  expectEmpty([] { return seminarCourseName(4, 0); });
}

}  // namespace
}  // namespace gm
