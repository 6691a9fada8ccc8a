// The headless player's port: it shows nothing, hands every question the game asks to the
// strategy that plays, and tells the cash ledger of every message, answer and change of cash.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/frontend.h"
#include "cash_ledger.h"

namespace gm {

class PlayerOrders;
class Strategy;
class tworld;

class PlayerPort : public Frontend {
 public:
  PlayerPort(tworld& world, Strategy& strategy);

  Options& mutableOptions() { return options_; }
  CashLedger& ledger() { return ledger_; }
  // The orders the strategy gives from inside a dialog (the graduates' entry screen).
  void setOrders(PlayerOrders* orders) { orders_ = orders; }
  // Messages shown and questions asked so far.
  int messages() const { return messages_; }
  int questions() const { return questions_; }
  // Every text the game shows or says to the player, as it reaches him (titles, messages, the
  // negotiation's lines, the seminar's courses, the ending), and the names the player gives
  // (typed: true).
  void observeTexts(std::function<void(std::string_view text, bool typed)> observer) {
    observer_ = std::move(observer);
  }
  // The strategies know the game's questions by their Japanese titles; under a catalogue of
  // another language this gives them back the title as the game wrote it.
  void readTitlesWith(std::function<std::string(std::string_view shown)> source) {
    titleSource_ = std::move(source);
  }

  const Options& options() const override { return options_; }
  bool message(std::string_view title, std::string_view text, bool showCash, bool confirm,
               int face) override;
  void playCue(int) override {}
  void stopMusic() override {}
  void setMainCueAllowed(bool) override {}
  void waitBegin(std::string_view, int) override {}
  void waitStep() override {}
  void waitEnd() override {}
  void processEvents() override {}
  void blockChanged(int, int) override {}
  void cashChanged() override;
  void cityChanged() override {}
  void pointBlockWindowAt(int, int) override {}
  std::optional<std::string> askStoreName(std::string_view proposed) override;
  std::optional<int64_t> askSalePrice(int landPrice) override;
  void showNewModel(const NewModelNotice&) override {}
  void showResultsReport(int) override {}
  void showResearch() override {}
  void showEnding(std::string_view text) override { observe(text); }

  void offerGraduates(const GraduateOffer& offer) override;
  void negotiationBegin(int row, int column, int64_t askingPrice) override;
  std::optional<int64_t> askPurchaseOffer(std::string_view title, int64_t landPrice,
                                          Money cash) override;
  void ownerSays(int, std::string_view text) override { observe(text); }
  void presidentSays(int, std::string_view text) override { observe(text); }
  std::optional<int64_t> askDonation(Money cash) override;
  int askSeminarCourse(const SeminarOffer& offer) override;

 private:
  void observe(std::string_view text, bool typed = false) {
    if (observer_) observer_(text, typed);
  }

  tworld& world_;
  Strategy& strategy_;
  PlayerOrders* orders_ = nullptr;
  Options options_;
  CashLedger ledger_;
  int64_t askingPrice_ = 0;
  int round_ = 0;
  int messages_ = 0;
  int questions_ = 0;
  std::function<void(std::string_view, bool)> observer_;
  std::function<std::string(std::string_view)> titleSource_;
};

}  // namespace gm
