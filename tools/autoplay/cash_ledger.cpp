// The headless player's books of the company's cash.
#include "cash_ledger.h"

#include <algorithm>
#include <iterator>

namespace gm {

namespace {

// The question's text names the change as the screens print it ("#,##0", whole thousands).
bool namesAmount(std::string_view text, Money delta) {
  if (delta.raw() % Money::kScale != 0) return false;
  const int64_t whole = delta.trunc() < 0 ? -delta.trunc() : delta.trunc();
  return text.find(formatGrouped(whole)) != std::string_view::npos;
}

std::string amountText(Money m) { return formatGrouped(m); }

}  // namespace

void CashLedger::start(Money cash) {
  last_ = cash;
  order_.reset();
  agreed_.reset();
  declined_.reset();
  donation_.reset();
  changes_.clear();
}

void CashLedger::violation(std::string text) { violations_.push_back(std::move(text)); }

void CashLedger::beginOrder(std::string_view what, int64_t expected) {
  order_ = OpenOrder{std::string(what), Money::fromInt(expected), false};
}

void CashLedger::setExpected(int64_t expected) {
  if (order_) order_->expected = Money::fromInt(expected);
}

void CashLedger::endOrder(bool done) {
  if (!order_) return;
  const OpenOrder o = *order_;
  order_.reset();
  if (done && o.expected != Money() && !o.charged)
    violation(o.what + ": carried out, but its price " + amountText(o.expected) +
              " was not what the cash changed by");
  if (!done && o.charged)
    violation(o.what + ": charged " + amountText(o.expected) + " but not carried out");
  leftOver(o.what);
}

bool CashLedger::explainedByQuestion(Money delta) {
  if (agreed_ && namesAmount(*agreed_, delta)) {
    agreed_.reset();
    return true;
  }
  return false;
}

void CashLedger::cashChanged(Money cash) {
  const Money delta = cash - last_;
  last_ = cash;
  if (delta == Money()) return;
  if (order_ && !order_->charged && order_->expected != Money() && delta == order_->expected) {
    order_->charged = true;
    return;
  }
  if (donation_ && delta == -*donation_) {
    donation_.reset();
    return;
  }
  if (explainedByQuestion(delta)) return;
  if (declined_ && namesAmount(*declined_, delta)) {
    violation("charged " + amountText(delta) + " after the player said no to: " + *declined_);
    declined_.reset();
    return;
  }
  changes_.push_back({delta, false});
}

void CashLedger::messageShown() {
  for (Change& c : changes_) c.told = true;
  agreed_.reset();
  declined_.reset();
}

void CashLedger::questionAnswered(std::string_view text, bool yes) {
  if (yes)
    agreed_ = std::string(text);
  else
    declined_ = std::string(text);
}

void CashLedger::donationGiven(int64_t amount) {
  if (amount > 0) donation_ = Money::fromInt(amount);
}

void CashLedger::leftOver(std::string_view where) {
  Money untold;
  int count = 0;
  for (const Change& c : changes_)
    if (!c.told) {
      untold += c.delta;
      ++count;
    }
  if (count > 0)
    violation(std::string(where) + ": cash changed by " + amountText(untold) + " in " +
              std::to_string(count) + " step(s) that nobody told the player about");
  changes_.clear();
}

void CashLedger::endStepA(Money closing) {
  // The closing is one change of its own, whatever messages the rivals' closing showed after it.
  if (closing != Money()) {
    auto it = std::find_if(changes_.rbegin(), changes_.rend(),
                           [&](const Change& c) { return c.delta == closing; });
    if (it == changes_.rend())
      violation("month step A: the closing left " + amountText(closing) +
                " but the cash never changed by that");
    else
      changes_.erase(std::next(it).base());
  }
  leftOver("month step A");
  donation_.reset();
}

void CashLedger::endStepB() {
  leftOver("month step B");
  donation_.reset();
}

void CashLedger::endOrders() {
  if (order_) endOrder(false);
  leftOver("the month's orders");
}

}  // namespace gm
