// Founding the player's company at a new game: the names, the president's four qualities and
// the capital class that the founding screen settled on.
#pragma once

#include <string>

#include "base/random.h"
#include "base/translation.h"

namespace gm {

class tkaichou;

// The president's name that the founding screen offers (and uses when the field is left empty)
// and the company name used when the player leaves that field empty, as written; the player
// reads them in his language through the accessors below.
inline constexpr const char* kDefaultPresidentName = GM_TR_NOOP("founding", "大河内会長");
inline constexpr const char* kDefaultCompanyName = GM_TR_NOOP("founding", "銀玉興業株式会社");
std::string defaultPresidentName();
std::string defaultCompanyName();

struct FoundingChoice {
  std::string presidentName;  // empty: the default president
  std::string companyName;    // empty: the default company name
  int tousotu = 1;            // leadership
  int chisei = 1;             // intelligence
  int karisuma = 1;           // charisma
  int kantei = 1;             // eye for machines
  int sihon = 0;              // capital class 0..7
};

// One roll of the founding screen: the four qualities in the order the screen shows them
// (leadership, intelligence, charisma, eye), each 1..100, then the capital class.
void RollFoundingQualities(Random& rng, FoundingChoice& choice);

// Fills in the company from the choice and opens its first month.
void FoundCompany(tkaichou& company, const FoundingChoice& choice);

}  // namespace gm
