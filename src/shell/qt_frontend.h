// The program's side of the port between the game and the player: messages go to the message
// dialog, cues to the sound player, the block pass to the wait window, redraw notices to the map
// and the data windows, and order questions to their dialogs.
#pragma once

#include <functional>

#include "base/frontend.h"
#include "shell/negotiation_screen.h"

namespace gm {

class TMain;

class QtFrontend : public Frontend {
 public:
  explicit QtFrontend(TMain& main) : main_(main) {}

  const Options& options() const override;
  bool message(std::string_view title, std::string_view text, bool showCash, bool confirm,
               int face) override;
  void playCue(int cue) override;
  void stopMusic() override;
  void setMainCueAllowed(bool allowed) override;
  void waitBegin(std::string_view cityName, int month) override;
  void waitStep() override;
  void waitEnd() override;
  void processEvents() override;
  void blockChanged(int row, int column) override;
  void cashChanged() override;
  void cityChanged() override;
  void pointBlockWindowAt(int row, int column) override;
  std::optional<std::string> askStoreName(std::string_view proposed) override;
  std::optional<int64_t> askSalePrice(int landPrice) override;
  void showNewModel(const NewModelNotice& notice) override;
  void showResultsReport(int month) override;
  void showResearch() override;
  void showEnding(std::string_view text) override;
  void gameShutDown() override;
  void offerGraduates(const GraduateOffer& offer) override;
  std::optional<int64_t> askDonation(Money cash) override;
  int askSeminarCourse(const SeminarOffer& offer) override;

  // Land negotiation, forwarded to the installed screen; without one the talk breaks off.
  void negotiationBegin(int row, int column, int64_t askingPrice) override;
  std::optional<int64_t> askPurchaseOffer(std::string_view title, int64_t landPrice,
                                          Money cash) override;
  void ownerSays(int face, std::string_view text) override;
  void presidentSays(int face, std::string_view text) override;
  void negotiationPause(int milliseconds) override;
  void negotiationEnd(bool bought) override;
  // Company orders.
  void companyChanged() override;

  // The sale-price window lives with the management windows; the program installs it here.
  void setSalePriceAsker(std::function<std::optional<int64_t>(int)> ask) {
    salePriceAsker_ = std::move(ask);
  }
  // The negotiation screen lives with the management windows; the program installs it here.
  void setNegotiationScreen(NegotiationScreen* screen) { negotiationScreen_ = screen; }

  // So do the windows of the seasonal events.
  void setDonationAsker(std::function<int64_t(Money)> ask) { donationAsker_ = std::move(ask); }
  void setSeminarAsker(std::function<int(const SeminarOffer&)> ask) {
    seminarAsker_ = std::move(ask);
  }

 private:
  TMain& main_;
  std::function<std::optional<int64_t>(int)> salePriceAsker_;
  NegotiationScreen* negotiationScreen_ = nullptr;
  std::function<int64_t(Money)> donationAsker_;
  std::function<int(const SeminarOffer&)> seminarAsker_;
};

}  // namespace gm
