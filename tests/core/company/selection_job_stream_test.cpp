// The job stream of the stores selected in the company's store list: every dialog opens for all
// of them; the manipulations only for those waiting or open, and not at all without one; the
// morning service only with slot machines among them; an empty selection opens nothing.
#include <gtest/gtest.h>

#include <vector>

#include "company/company.h"
#include "company/job_stream.h"
#include "world/world.h"

namespace gm {
namespace {

using enum JobStep;

std::vector<JobStep> steps(const SelectionJobStream& s) {
  return {s.stream.steps.begin(), s.stream.steps.begin() + s.stream.count};
}

TEST(SelectionJobStream, OpensEveryDialogForTheSelectionWithItsSkipRules) {
  tworld w;
  tkaichou& k = w.kaichou;
  for (int n : {2, 5, 9}) k.slot(n).used = true;
  k.slot(2).joutai = kUnderConstruction;
  k.slot(5).joutai = kOpen;
  k.slot(9).joutai = kSuspended;
  k.slot(9).dai[0][0].used = true;
  k.slot(9).dai[0][0].kishu = 9;

  StoreSelection chosen = selectSlot(2) | selectSlot(5) | selectSlot(9) | selectSlot(12);
  SelectionJobStream s = jobStreamFor(k, chosen);
  EXPECT_EQ(steps(s),
            (std::vector<JobStep>{ExchangeRates, Manipulations, ProfitRates, BusinessForms, Morning,
                                  NewDefaults, PersonnelCosts, Promotions}))
      << "the staff and the islands of one store do not decide for the others";
  EXPECT_EQ(s.stores, selectSlot(2) | selectSlot(5) | selectSlot(9)) << "slot 12 is free";
  EXPECT_EQ(s.manipulationStores, selectSlot(5)) << "only the open store";

  // Without a waiting or open store, and without slot machines.
  s = jobStreamFor(k, selectSlot(2));
  EXPECT_EQ(steps(s), (std::vector<JobStep>{ExchangeRates, ProfitRates, BusinessForms, NewDefaults,
                                            PersonnelCosts, Promotions}));
  k.slot(2).joutai = kWaiting;
  EXPECT_TRUE(jobStreamFor(k, selectSlot(2)).stream.has(Manipulations));

  EXPECT_EQ(jobStreamFor(k, StoreSelection()).stream.count, 0) << "nothing selected";
  EXPECT_EQ(jobStreamFor(k, selectSlot(12)).stream.count, 0) << "nothing in use selected";
}

}  // namespace
}  // namespace gm
