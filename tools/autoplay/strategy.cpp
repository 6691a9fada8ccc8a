// The strategies by name, and `watch`: a player who founds his company and only looks on.
#include "strategy.h"

#include "novice_strategy.h"
#include "random_strategy.h"
#include "steady_strategy.h"

namespace gm {

namespace {

class WatchStrategy : public Strategy {
 public:
  void giveOrders(tworld&, PlayerOrders&) override {}
  bool confirm(const tworld&, std::string_view, std::string_view) override { return false; }
  std::optional<std::string> storeName(const tworld&, std::string_view) override {
    return std::nullopt;
  }
  std::optional<int64_t> salePrice(const tworld&, int) override { return std::nullopt; }
  std::optional<int64_t> purchaseOffer(const tworld&, int, int64_t, Money) override {
    return std::nullopt;
  }
  std::optional<int64_t> donation(const tworld&, Money) override { return std::nullopt; }
  int seminarCourse(const tworld&, const SeminarOffer&) override { return 0; }
  void graduates(tworld&, PlayerOrders&, const GraduateOffer&) override {}
};

}  // namespace

std::unique_ptr<Strategy> MakeStrategy(std::string_view name, uint32_t seed) {
  if (name == "steady") return std::make_unique<SteadyStrategy>();
  if (name == "random") return std::make_unique<RandomStrategy>(seed);
  if (name == "watch") return std::make_unique<WatchStrategy>();
  if (name == "novice") return std::make_unique<NoviceStrategy>();
  if (name == "advised") return std::make_unique<AdvisedStrategy>();
  return nullptr;
}

std::string_view StrategyNames() { return "steady, random, watch, novice, advised"; }

}  // namespace gm
