// The one port through which the game core reaches the player. The program implements it with
// windows and sound; the tests implement it with a scripted port that records every call and
// answers questions from a queue. The core never sees a window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/money.h"
#include "base/options.h"

namespace gm {

// Faces of the message dialog.
enum Face : int {
  kFaceNormal = 0,  // questions and neutral notices
  kFaceLaugh = 1,   // good news, completed orders
  kFaceSmile = 2,   // notes and minor events
  kFaceCry = 3,     // refusals and bad news
  kFacePanic = 4,   // incidents and alarms
  kFaceAngry = 5,   // adverse developments
};

// Music cues.
enum Cue : int {
  kCueTitle = 0,
  kCueMain = 1,
  kCueMaker = 2,
  kCueYes = 3,
  kCueUp = 4,
  kCueDown = 5,
  kCueGameOver = 6,
};

// What the new-model window shows of a maker's announcement.
struct NewModelNotice {
  std::string modelName;
  std::string makerName;
  int type = 0;
  int production = 0;
};

// Staff: the year's new graduates as the entry screen offers them, with the morale and skill
// (whole points) they all share.
struct GraduateOffer {
  int men = 0;
  int women = 0;
  int moral = 0;
  int skill = 0;
};

// Seasonal events: what the management seminar's window offers (the four drawn courses in list
// order, with the president's qualities it shows beside them).
struct SeminarOffer {
  std::array<std::string, 4> courses;
  int karisuma = 0;
  int chisei = 0;
  int tousotu = 0;
  int kantei = 0;
};

class Frontend {
 public:
  virtual ~Frontend() = default;

  virtual const Options& options() const = 0;

  // The message dialog: returns true exactly when it was closed with OK; without `confirm` it
  // has one button and always returns true.
  virtual bool message(std::string_view title, std::string_view text, bool showCash, bool confirm,
                       int face) = 0;

  // Sound.
  virtual void playCue(int cue) = 0;
  virtual void stopMusic() = 0;
  virtual void setMainCueAllowed(bool allowed) = 0;

  // The wait window of the month's block pass.
  virtual void waitBegin(std::string_view cityName, int month) = 0;
  virtual void waitStep() = 0;
  virtual void waitEnd() = 0;
  // Lets pending window messages run (painting) while a long step goes on.
  virtual void processEvents() = 0;

  // Redraw notices.
  virtual void blockChanged(int row, int column) = 0;  // the block's picture may have changed
  virtual void cashChanged() = 0;                      // the caption shows the cash
  virtual void cityChanged() = 0;  // land changed hands: redraw map, company and district views
  virtual void pointBlockWindowAt(int row, int column) = 0;

  // Order dialogs and month-end windows.
  virtual std::optional<std::string> askStoreName(std::string_view proposed) = 0;
  virtual std::optional<int64_t> askSalePrice(int landPrice) = 0;
  virtual void showNewModel(const NewModelNotice& notice) = 0;
  virtual void showResultsReport(int month) = 0;
  virtual void showResearch() = 0;
  virtual void showEnding(std::string_view text) = 0;

  // The game is over: hide the data windows, disable the map and switch the game menus off.
  // (Later additions to the port have defaults so that every port keeps compiling.)
  virtual void gameShutDown() {}

  // Staff. The entry screen (入社) for the new graduates: the player takes some of them, and
  // those taken go on into the personnel screen's surplus pool. The default takes nobody.
  virtual void offerGraduates(const GraduateOffer&) {}

  // Land negotiation ("買収交渉"). The screen opens on the block with the owner's asking price;
  // the owner and the president then speak in turn, each line with the face it is said with
  // (the owner's reaction 0..3, the president's message-dialog face); the amount dialog asks for
  // each offer; the screen holds still where the talk pauses and, at the end, until the player
  // closes it. Without a screen no offer is made, which breaks the talk off.
  virtual void negotiationBegin(int /*row*/, int /*column*/, int64_t /*askingPrice*/) {}
  // The offer in whole thousands of yen, or nothing when the player breaks off.
  virtual std::optional<int64_t> askPurchaseOffer(std::string_view /*title*/, int64_t /*landPrice*/,
                                                  Money /*cash*/) {
    return std::nullopt;
  }
  virtual void ownerSays(int /*face*/, std::string_view /*text*/) {}
  virtual void presidentSays(int /*face*/, std::string_view /*text*/) {}
  virtual void negotiationPause(int /*milliseconds*/) {}
  virtual void negotiationEnd(bool /*bought*/) {}

  // Company orders: the company manager shows the company's figures again.
  virtual void companyChanged() {}

  // Seasonal events. The donation window: the amount in whole thousands of yen (nothing: no
  // window, so no donation). The seminar window: the list entry chosen (the first is
  // preselected).
  virtual std::optional<int64_t> askDonation(Money /*cash*/) { return std::nullopt; }
  virtual int askSeminarCourse(const SeminarOffer&) { return 0; }
};

// A port that shows nothing and answers every question with its safe default (no, or the
// smallest choice). The world uses it until the program or a test installs its own.
class SilentFrontend : public Frontend {
 public:
  const Options& options() const override { return options_; }
  Options& mutableOptions() { return options_; }
  bool message(std::string_view, std::string_view, bool, bool confirm, int) override {
    return !confirm;
  }
  void playCue(int) override {}
  void stopMusic() override {}
  void setMainCueAllowed(bool) override {}
  void waitBegin(std::string_view, int) override {}
  void waitStep() override {}
  void waitEnd() override {}
  void processEvents() override {}
  void blockChanged(int, int) override {}
  void cashChanged() override {}
  void cityChanged() override {}
  void pointBlockWindowAt(int, int) override {}
  std::optional<std::string> askStoreName(std::string_view) override { return std::nullopt; }
  std::optional<int64_t> askSalePrice(int) override { return std::nullopt; }
  void showNewModel(const NewModelNotice&) override {}
  void showResultsReport(int) override {}
  void showResearch() override {}
  void showEnding(std::string_view) override {}

 private:
  Options options_;
};

}  // namespace gm
