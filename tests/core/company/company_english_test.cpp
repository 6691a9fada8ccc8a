// The company's texts in English: the shipped catalogue is complete and keeps every text's
// places, and with it installed the advisor and the orders speak English, their sentences set
// apart as English sets them, with nothing Japanese left but the game's names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/text.h"
#include "base/translation.h"
#include "company/advice_text.h"
#include "company/construction_end.h"
#include "company/construction_order.h"
#include "company/rivals.h"
#include "order_city.h"
#include "store/store.h"

namespace gm {
namespace {

struct Entry {
  std::string file, context, source, translation;
  bool unfinished = false;
};

std::string unescaped(std::string s) {
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                 {"&gt;", ">"},
                                 {"&quot;", "\""},
                                 {"&apos;", "'"},
                                 {"&amp;", "&"}})
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
      s.replace(at, from.size(), to);
  return s;
}

// The text between `open` (a tag's start) and `close` after `from`; `from` moves past it.
std::optional<std::string> element(const std::string& xml, std::size_t& from,
                                   const std::string& open, const std::string& close,
                                   std::size_t limit) {
  const std::size_t tag = xml.find(open, from);
  if (tag == std::string::npos || tag > limit) return std::nullopt;
  const std::size_t body = xml.find('>', tag) + 1;
  if (xml[body - 2] == '/') {  // an empty element written as <translation .../>
    from = body;
    return xml.substr(tag, body - tag);
  }
  const std::size_t end = xml.find(close, body);
  from = end + close.size();
  return xml.substr(tag, body - tag) + unescaped(xml.substr(body, end - body));
}

// Every message of the English catalogues, as the translation tools write them.
std::vector<Entry> englishEntries() {
  std::vector<Entry> entries;
  const std::filesystem::path dir = std::filesystem::path(GM_ASSETS_DIR) / "../translations/en";
  for (const auto& f : std::filesystem::directory_iterator(dir)) {
    if (f.path().extension() != ".ts") continue;
    std::ifstream in(f.path());
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    for (std::size_t c = xml.find("<context>"); c != std::string::npos;
         c = xml.find("<context>", c + 1)) {
      const std::size_t end = xml.find("</context>", c);
      std::size_t at = c;
      const std::string name = element(xml, at, "<name", "</name>", end).value_or("");
      while (true) {
        const std::size_t message = xml.find("<message", at);
        if (message == std::string::npos || message > end) break;
        at = message;
        Entry e;
        e.file = f.path().filename().string();
        e.context = name.substr(name.find('>') + 1);
        const std::string source = element(xml, at, "<source", "</source>", end).value_or(">");
        const std::string translation =
            element(xml, at, "<translation", "</translation>", end).value_or(">");
        e.source = source.substr(source.find('>') + 1);
        const std::string tag = translation.substr(0, translation.find('>') + 1);
        e.unfinished = tag.find("unfinished") != std::string::npos || tag.ends_with("/>");
        e.translation = e.unfinished ? "" : translation.substr(tag.size());
        entries.push_back(e);
      }
    }
  }
  return entries;
}

class EnglishCatalogue : public Catalogue {
 public:
  EnglishCatalogue() {
    for (const Entry& e : englishEntries()) texts_[{e.context, e.source}] = e.translation;
  }
  std::string lookup(const char* context, const char* source, const char*) const override {
    auto it = texts_.find({context, source});
    return it == texts_.end() ? std::string() : it->second;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> texts_;
};

bool holdsJapanese(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = nextCodePoint(text, pos);
    if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
        (c >= 0xFF00 && c <= 0xFFEF))
      return true;
  }
  return false;
}

std::set<std::string> placesOf(const std::string& text) {
  std::set<std::string> places;
  for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1))
    if (at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9')
      places.insert(text.substr(at, 2));
  return places;
}

TEST(EnglishCatalogues, EveryEntryIsTranslatedWithItsPlacesAndMnemonic) {
  const std::vector<Entry> entries = englishEntries();
  std::set<std::string> companyContexts;
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.file + " " + e.context + ": " + e.source);
    EXPECT_FALSE(e.unfinished);
    EXPECT_FALSE(e.translation.empty());
    EXPECT_FALSE(holdsJapanese(e.translation));
    EXPECT_EQ(placesOf(e.translation), placesOf(e.source));
    // A caption's mnemonic stays a mnemonic, on one letter. The files hold it as "&amp;"; other
    // entities ("&#x3000;") are characters of the text.
    const auto ampersands = [](const std::string& xml) {
      int n = 0;
      for (std::size_t at = xml.find("&amp;"); at != std::string::npos;
           at = xml.find("&amp;", at + 1))
        ++n;
      return n;
    };
    EXPECT_EQ(ampersands(e.translation), ampersands(e.source) > 0 ? 1 : 0);
    companyContexts.insert(e.context);
  }
  for (const char* context : {"advice_text", "construction_order", "negotiation", "rival_turn"})
    EXPECT_TRUE(companyContexts.contains(context)) << context;
}

struct CompanyInEnglish : test::OrderCity {
  EnglishCatalogue catalogue;
  void SetUp() override {
    OrderCity::SetUp();
    installCatalogue(&catalogue);
    setCatalogueJapanese(false);
  }
  void TearDown() override {
    installCatalogue(nullptr);
    setCatalogueJapanese(true);
    OrderCity::TearDown();
  }
  // The text without the names it may hold and the other folders' item names (the rate
  // classes, the equipment, the store sizes), which their own catalogues translate.
  std::string withoutNames(std::string text) const {
    std::vector<std::string> names = {w->cityName.str(), w->kaichou.kaishaname.str(), "銀玉会館"};
    for (int r = 0; r < kRivalCount; ++r) names.emplace_back(rivalName(r));
    for (int i = 0; i < 7; ++i) names.emplace_back(pachinkoRateName(i));
    for (int i = 0; i < 4; ++i) names.emplace_back(slotRateName(i));
    for (int i = 0; i < kEquipmentCount; ++i) names.emplace_back(equipmentInfo(i).name);
    for (int i = 0; i < kFloors; ++i) names.emplace_back(storeSizeName(i));
    // The longest first: "3円" must not cut "3円 30銭" in two.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& name : names)
      for (std::size_t at = text.find(name); !name.empty() && at != std::string::npos;
           at = text.find(name, at))
        text.erase(at, name.size());
    return text;
  }
  // Japanese runs sentences together; English sets a space after every full stop inside a text.
  static bool sentencesRunTogether(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
      if ((text[i] == '.' || text[i] == '!' || text[i] == '?') && std::isupper(text[i + 1]))
        return true;
    return false;
  }
};

TEST_F(CompanyInEnglish, TheAdvisorSpeaksEnglishOnEveryTopicAndBranch) {
  addStore(1, 2, 2, 0, kOpen);
  w->rivals.Tenpo(1).used = true;
  int texts = 0;
  for (int topic = 0; topic < kAdviceTopics; ++topic)
    for (int remedy = 0; remedy <= static_cast<int>(AdviceRemedy::CompanyManoeuvre); ++remedy)
      for (const auto& [severity, monthsLeft, figure] : {std::tuple{AdviceSeverity::Note, -1, 0},
                                                         {AdviceSeverity::Urgent, 3, 1},
                                                         {AdviceSeverity::Serious, 0, 2},
                                                         {AdviceSeverity::Caution, 5, 4}}) {
        Advice a;
        a.topic = static_cast<AdviceTopic>(topic);
        a.severity = severity;
        a.remedy = static_cast<AdviceRemedy>(remedy);
        a.slot = 1;
        a.monthsLeft = monthsLeft;
        // Figures that take every branch somewhere: a small one for the bits and classes (1,
        // 2 and 4 are the manipulations), and the record 1 for the rival.
        a.v = {figure == 0 ? 1 : figure, 1000 * figure, figure, 2 * figure, figure, 3, figure};
        if (a.topic == AdviceTopic::SatisfactionFalling) a.v[4] = figure;
        a.suggestion = {figure, 2, 3};
        AdviceList list;
        list.add(a);
        const AdviceText t = adviceText(*w, a);
        for (const std::string& text : {t.headline, t.reason, t.order, adviceSummary(*w, list)}) {
          SCOPED_TRACE(text);
          ++texts;
          EXPECT_FALSE(holdsJapanese(withoutNames(text)));
          EXPECT_FALSE(sentencesRunTogether(text));
        }
      }
  EXPECT_GT(texts, 1000);
}

TEST_F(CompanyInEnglish, OrdersAndReportsPutTheirPiecesInEnglishOrder) {
  // The city would lose the company's last hall: English names the company first.
  Ttempo& last = addStore(1, 2, 2, 0, kWaiting);
  const Check withdrawal = CheckConstruction(*w, 2, 2, kWorkClear);
  ASSERT_TRUE(withdrawal);
  EXPECT_EQ(withdrawal->title, "Withdrawal");
  EXPECT_EQ(withdrawal->text, "銀玉商事 would have no hall left in 銀玉市. Please reconsider.");

  // A suspension ends on a hall with neither machines nor staff: two sentences, one report.
  last.joutai = kSuspended;
  port.answers = {true};
  EndConstructionAndSuspension(*w);
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[1].title, "Not Ready");
  EXPECT_EQ(port.messages[1].text, "There are not enough machines. There are not enough staff.");
}

}  // namespace
}  // namespace gm
