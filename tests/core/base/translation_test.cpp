// The catalogue hook: without a catalogue every text is its own source, and the places of a
// sentence are filled wherever the translation puts them.
#include "base/translation.h"

#include <gtest/gtest.h>

#include <cstring>

namespace gm {
namespace {

class TwoEntries : public Catalogue {
 public:
  std::string lookup(const char* context, const char* source, const char*) const override {
    if (std::strcmp(context, "hiring") == 0 && std::strcmp(source, "雇用") == 0) return "Hiring";
    if (std::strcmp(source, "合わせて%1人を%2に採用します。") == 0) return "Hire %1 in all for %2?";
    return {};
  }
};

TEST(Translation, WithoutACatalogueEveryTextIsItsSource) {
  installCatalogue(nullptr);
  EXPECT_EQ(translate("hiring", "雇用"), "雇用");
  EXPECT_EQ(formatText(translate("hiring", "合わせて%1人を%2に採用します。"), {"12", "本店"}),
            "合わせて12人を本店に採用します。");
}

TEST(Translation, AnInstalledCatalogueAnswersAndFallsBackToTheSource) {
  TwoEntries english;
  installCatalogue(&english);
  EXPECT_EQ(translate("hiring", "雇用"), "Hiring");
  EXPECT_EQ(translate("other", "雇用"), "雇用") << "the context is part of the key";
  EXPECT_EQ(translate("hiring", "採用"), "採用");
  EXPECT_EQ(formatText(translate("hiring", "合わせて%1人を%2に採用します。"), {"12", "本店"}),
            "Hire 12 in all for 本店?");
  installCatalogue(nullptr);
}

TEST(Translation, PlacesFillInAnyOrderAndOthersStayAsWritten) {
  EXPECT_EQ(formatText("%2 before %1, %1 again", {"a", "b"}), "b before a, a again");
  EXPECT_EQ(formatText("50% off %3 %", {"a"}), "50% off %3 %") << "no third argument";
  EXPECT_EQ(formatText("%1%", {"100"}), "100%");
  EXPECT_EQ(formatText("%1", {"%2"}), "%2") << "an argument is not filled again";
}

}  // namespace
}  // namespace gm
