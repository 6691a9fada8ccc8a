// The advisor's findings in words: what is wrong, in its figures; why, as the rule that causes
// it works; and what to do, naming the order and its window. The report is the company's staff
// writing to the president, in the player's language.
#pragma once

#include <string>
#include <string_view>

#include "company/advisor.h"

namespace gm {

struct AdviceText {
  std::string headline;  // what is wrong, with its figures
  std::string reason;    // why: the rule, as a player sees it work
  std::string order;     // what to do about it; empty when nothing can be done
};

AdviceText adviceText(const tworld& world, const Advice& advice);

// The severity as the screens mark it: "至急", "重要", "注意", "参考".
std::string severityLabel(AdviceSeverity severity);
// A short English key of a topic ("salary-below-demand"), for the headless player's log.
std::string_view adviceTopicKey(AdviceTopic topic);
// One line for the results report: the store's most important finding's headline, or a word
// that all is well.
std::string adviceSummary(const tworld& world, const AdviceList& advice);

}  // namespace gm
