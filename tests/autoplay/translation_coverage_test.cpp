// Every text the game core shows the player goes through the translation catalogue: with a
// catalogue installed that answers every text, years of play (random orders, legal and not, and
// a careful player) show no Japanese outside the names of the game's people, places and models.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "base/translation.h"
#include "company/rivals.h"
#include "played_game.h"
#include "store/maker.h"
#include "store/model_name_pools.h"

namespace gm {
namespace {

// Answers every text with an ASCII stand-in of its own that keeps the text's places, so whatever
// the places receive still shows in the result, and knows each stand-in's source again.
class StandInCatalogue : public Catalogue {
 public:
  std::string lookup(const char*, const char* source, const char*) const override {
    auto [at, added] = ids_.try_emplace(source, static_cast<int>(ids_.size()));
    std::string out = "<t" + std::to_string(at->second);
    for (const char* c = source; *c != '\0'; ++c)
      if (c[0] == '%' && c[1] >= '1' && c[1] <= '9') out += std::string(" %") + c[1];
    out += ">";
    if (added) sources_[out] = source;
    return out;
  }
  std::string sourceOf(std::string_view shown) const {
    auto it = sources_.find(std::string(shown));
    return it == sources_.end() ? std::string(shown) : it->second;
  }

 private:
  mutable std::map<std::string, int> ids_;
  mutable std::map<std::string, std::string> sources_;
};

bool isJapanese(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool holdsJapanese(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();)
    if (isJapanese(nextCodePoint(text, pos))) return true;
  return false;
}

// The names the game may put into a sentence: they stay as they are in every language.
std::vector<std::string> namesOf(tworld& w) {
  std::vector<std::string> names = {w.cityName.str(), w.kaichou.kaishaname.str(),
                                    w.kaichou.ownername.str()};
  for (const Ttempo& s : w.kaichou.tempo) names.push_back(s.name.str());
  for (const Tddai& d : w.kaichou.dai) names.push_back(d.name.str());
  for (int r = 0; r < kRivalCount; ++r) names.emplace_back(rivalName(r));
  for (int m = 0; m < kMakerCount; ++m) {
    names.emplace_back(makerInfo(m).name);
    for (int type = 0; type < kMachineTypeCount; ++type) {
      const ModelNamePool& pool = modelNamePool(m, type);
      for (int i = 0; i < pool.count; ++i) names.emplace_back(pool.names[i]);
    }
  }
  std::erase_if(names, [](const std::string& n) { return n.empty(); });
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return names;
}

std::string withoutNames(std::string text, const std::vector<std::string>& names) {
  for (const std::string& name : names)
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at))
      text.erase(at, name.size());
  return text;
}

TEST(TranslationCoverage, PlayedYearsShowNoJapaneseOutsideNames) {
  StandInCatalogue catalogue;
  installCatalogue(&catalogue);
  std::set<std::string> untranslated;
  int texts = 0;
  for (const auto& [city, strategy, months] :
       {std::tuple<const char*, const char*, int>{"akebono", "random", 120},
        {"kumoizawa", "random", 120},
        {"tenkyo", "steady", 72},
        {"kirinodai", "advised", 60}}) {
    test::PlayedGame g = test::newPlayedGame(city, strategy, 7);
    tworld& w = g.world();
    std::vector<std::string> typed;
    g.game->port().readTitlesWith(
        [&](std::string_view shown) { return catalogue.sourceOf(shown); });
    g.game->port().observeTexts([&](std::string_view text, bool isTyped) {
      if (isTyped) {
        typed.emplace_back(text);
        return;
      }
      ++texts;
      std::vector<std::string> names = namesOf(w);
      names.insert(names.begin(), typed.begin(), typed.end());
      const std::string rest = withoutNames(std::string(text), names);
      if (holdsJapanese(rest)) untranslated.insert(std::string(text));
    });
    for (int month = 1; month <= months; ++month)
      if (!g.game->playMonth(false).goesOn) break;
  }
  installCatalogue(nullptr);
  EXPECT_GT(texts, 500) << "the games must show the player a good many texts";
  std::string list;
  for (const std::string& t : untranslated) list += "  " + t + "\n";
  EXPECT_TRUE(untranslated.empty())
      << untranslated.size() << " texts reach the player untranslated:\n"
      << list;
}

}  // namespace
}  // namespace gm
