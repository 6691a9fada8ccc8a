// A port for tests: records every call in order and answers questions from queues that the
// test fills. An empty queue answers with the safe default (no, or nothing).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/frontend.h"

namespace gm::test {

struct RecordedMessage {
  std::string title;
  std::string text;
  bool showCash = false;
  bool confirm = false;
  int face = 0;
};

// A line said in the land negotiation.
struct SpokenLine {
  bool owner = false;  // the owner, or else the president
  int face = 0;
  std::string text;
};

class ScriptedFrontend : public Frontend {
 public:
  Options opts;
  std::vector<RecordedMessage> messages;
  std::vector<int> cues;
  std::vector<std::string> events;  // every call, as a short line, in order
  std::deque<bool> answers;         // answers to confirm questions
  std::deque<std::optional<std::string>> storeNames;
  std::deque<std::optional<int64_t>> salePrices;
  std::vector<GraduateOffer> graduateOffers;

  std::deque<std::optional<int64_t>> offers;  // answers of the negotiation's amount dialog
  std::vector<SpokenLine> lines;
  int cashNotices = 0;
  int waitSteps = 0;

  const Options& options() const override { return opts; }

  bool message(std::string_view title, std::string_view text, bool showCash, bool confirm,
               int face) override {
    messages.push_back({std::string(title), std::string(text), showCash, confirm, face});
    events.push_back("message:" + std::string(title));
    if (!confirm) return true;
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void playCue(int cue) override {
    cues.push_back(cue);
    events.push_back("cue:" + std::to_string(cue));
  }
  void stopMusic() override { events.push_back("stop-music"); }
  void setMainCueAllowed(bool allowed) override {
    events.push_back(allowed ? "main-cue:on" : "main-cue:off");
  }
  void waitBegin(std::string_view city, int month) override {
    events.push_back("wait-begin:" + std::string(city) + ":" + std::to_string(month));
  }
  void waitStep() override { ++waitSteps; }
  void waitEnd() override { events.push_back("wait-end"); }
  void processEvents() override {}
  void blockChanged(int row, int column) override {
    events.push_back("block:" + std::to_string(row) + "," + std::to_string(column));
  }
  void cashChanged() override { ++cashNotices; }
  void cityChanged() override { events.push_back("city-changed"); }
  void pointBlockWindowAt(int row, int column) override {
    events.push_back("point:" + std::to_string(row) + "," + std::to_string(column));
  }
  std::optional<std::string> askStoreName(std::string_view) override {
    if (storeNames.empty()) return std::nullopt;
    auto n = storeNames.front();
    storeNames.pop_front();
    return n;
  }
  std::optional<int64_t> askSalePrice(int) override {
    if (salePrices.empty()) return std::nullopt;
    auto p = salePrices.front();
    salePrices.pop_front();
    return p;
  }
  void showNewModel(const NewModelNotice& n) override {
    events.push_back("new-model:" + n.modelName);
  }
  void showResultsReport(int month) override {
    events.push_back("results-report:" + std::to_string(month));
  }
  void showResearch() override { events.push_back("research"); }
  void showEnding(std::string_view text) override {
    events.push_back("ending:" + std::string(text));
  }

  void offerGraduates(const GraduateOffer& offer) override {
    graduateOffers.push_back(offer);
    events.push_back("graduates:" + std::to_string(offer.men) + "," + std::to_string(offer.women));
  }

  // Land negotiation.
  void negotiationBegin(int row, int column, int64_t askingPrice) override {
    events.push_back("negotiation:" + std::to_string(row) + "," + std::to_string(column) + ":" +
                     std::to_string(askingPrice));
  }
  std::optional<int64_t> askPurchaseOffer(std::string_view title, int64_t landPrice,
                                          Money cash) override {
    events.push_back("offer:" + std::string(title) + ":" + std::to_string(landPrice) + ":" +
                     std::to_string(cash.raw()));
    if (offers.empty()) return std::nullopt;
    auto o = offers.front();
    offers.pop_front();
    return o;
  }
  void ownerSays(int face, std::string_view text) override {
    lines.push_back({true, face, std::string(text)});
    events.push_back("owner:" + std::to_string(face));
  }
  void presidentSays(int face, std::string_view text) override {
    lines.push_back({false, face, std::string(text)});
    events.push_back("president:" + std::to_string(face));
  }
  void negotiationPause(int milliseconds) override {
    events.push_back("pause:" + std::to_string(milliseconds));
  }
  void negotiationEnd(bool bought) override {
    events.push_back(bought ? "negotiation-end:bought" : "negotiation-end:not-bought");
  }
  // Company orders.
  void companyChanged() override { events.push_back("company-changed"); }

  // Titles of the messages shown so far, in order.
  std::vector<std::string> titles() const {
    std::vector<std::string> t;
    for (const auto& m : messages) t.push_back(m.title);
    return t;
  }

  // Seasonal events: the donation amounts and seminar choices to give, and what was offered.
  std::deque<std::optional<int64_t>> donations;
  std::deque<int> seminarCourses;
  std::vector<SeminarOffer> seminarOffers;

  std::optional<int64_t> askDonation(Money) override {
    events.push_back("donation-window");
    if (donations.empty()) return std::nullopt;
    auto d = donations.front();
    donations.pop_front();
    return d;
  }
  int askSeminarCourse(const SeminarOffer& offer) override {
    seminarOffers.push_back(offer);
    events.push_back("seminar-window");
    if (seminarCourses.empty()) return 0;
    int c = seminarCourses.front();
    seminarCourses.pop_front();
    return c;
  }
};

}  // namespace gm::test
