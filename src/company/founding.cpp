// Founding the company: names, qualities through their setters, capital and the first month's
// clean-up.
#include "company/founding.h"

#include <algorithm>

#include "base/text.h"
#include "company/company.h"

namespace gm {

std::string defaultPresidentName() { return translate("founding", kDefaultPresidentName); }

std::string defaultCompanyName() { return translate("founding", kDefaultCompanyName); }

void RollFoundingQualities(Random& rng, FoundingChoice& choice) {
  choice.tousotu = rng.randInt(100) + 1;
  choice.chisei = rng.randInt(100) + 1;
  choice.karisuma = rng.randInt(100) + 1;
  choice.kantei = rng.randInt(100) + 1;
  choice.sihon = rng.randInt(kCapitalClasses);
}

void FoundCompany(tkaichou& company, const FoundingChoice& choice) {
  company.ownername =
      makeName(choice.presidentName.empty() ? defaultPresidentName() : choice.presidentName);
  company.kaishaname =
      makeName(choice.companyName.empty() ? defaultCompanyName() : choice.companyName);
  company.SetTousotu(choice.tousotu);
  company.SetKarisuma(choice.karisuma);
  company.SetKantei(choice.kantei);
  company.SetChisei(choice.chisei);
  int sihon = std::clamp(choice.sihon, 0, kCapitalClasses - 1);
  company.sihon = static_cast<uint8_t>(sihon);
  company.SetSikin(Money::fromInt(capitalCash(sihon)));
  company.GetsumatsuGo();
}

}  // namespace gm
