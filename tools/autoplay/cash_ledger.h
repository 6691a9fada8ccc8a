// The headless player's books. Every change of the company's cash must be accounted for, as a
// player reading the caption would expect:
//  - the price of the order being given, charged once and only when the order reports it done;
//  - a payment the player agreed to in the question just answered, which names the amount;
//  - the donation the player typed into the donation window, as the window limits it;
//  - a change the game tells the player about in the message that follows it;
//  - the month's closing, which leaves the company's result after taxes.
// Anything else is a violation: money that moved without the player being told or asked.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/money.h"

namespace gm {

class CashLedger {
 public:
  // Starts the books from the cash as it stands (a new game, a loaded game).
  void start(Money cash);

  // An order of the player's: the change of cash its price stands for when it is carried out
  // (negative for a payment, positive for a sale; 0 for an order that costs nothing).
  void beginOrder(std::string_view what, int64_t expected);
  // The price becomes known while the order runs (the negotiation's offer, the asking price).
  void setExpected(int64_t expected);
  // Whether the order reported itself carried out.
  void endOrder(bool done);

  // The port's notices.
  void cashChanged(Money cash);
  void messageShown();
  void questionAnswered(std::string_view text, bool yes);
  // The donation window's amount after its limits (whole thousands).
  void donationGiven(int64_t amount);

  // The month's end: after step A, what the closing left (`zeibikirieki`, 0 before any closing)
  // must be all that nobody was told about; after step B nothing may be left over.
  void endStepA(Money closing);
  void endStepB();
  // The orders of the month are over: nothing may be left unexplained.
  void endOrders();

  const std::vector<std::string>& violations() const { return violations_; }
  void clearViolations() { violations_.clear(); }

 private:
  struct OpenOrder {
    std::string what;
    Money expected;
    bool charged = false;
  };
  void violation(std::string text);
  bool explainedByQuestion(Money delta);
  void leftOver(std::string_view where);

  Money last_;
  std::optional<OpenOrder> order_;
  std::optional<std::string> agreed_;    // text of the question just answered yes
  std::optional<std::string> declined_;  // text of the question just answered no
  std::optional<Money> donation_;
  // The changes of the month's end so far, and whether a message has told of each; the orders
  // keep only those not yet told of.
  struct Change {
    Money delta;
    bool told = false;
  };
  std::vector<Change> changes_;
  std::vector<std::string> violations_;
};

}  // namespace gm
