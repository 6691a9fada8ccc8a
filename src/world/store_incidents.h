// The incidents that strike one open store, tried in this order for every open store of the
// company once a month: awards, the successful event, exposed shills, the staff's moods, the
// riot, television, robbery and burglary, the drunk, the quarrel, cheats, the gang's attack,
// the staff's breach of trust and the shooting. Each returns whether it struck.
#pragma once

#include "base/money.h"

namespace gm {

class tworld;
class Ttempo;
struct IncidentPass;

// The neighbourhood and store figures every store incident reads, taken once when the store's
// turn begins.
struct StoreFigures {
  int s1 = 0, s3 = 0, s5 = 0;  // average security within radius 1, 3, 5
  int u1 = 0, u3 = 0, u5 = 0;  // average unrest within radius 1, 3, 5
  int f3 = 0;                  // average fan rate within 3
  int o3 = 0;                  // average occupancy within 3
  int d1 = 0;                  // shopping districts next to the store
  bool own1 = false;           // another of the company's stores next to it
  bool park1 = false;          // the company's parking lot next to it
  int women = 0;               // women's share of the staff, whole per cent
  int machines = 0;            // ten a machine record in use
  Money rate;                  // last month's profit rate over its machines, per cent
  int age = 0;                 // months since the store was built
};

StoreFigures TakeStoreFigures(const tworld& world, const Ttempo& store);

bool CmAward(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool WwwAward(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool SuccessfulEvent(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool ShillsExposed(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Hostility(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Unease(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Carelessness(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Riot(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Television(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Robbery(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Burglary(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Drunk(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Quarrel(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Cheats(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool GangAttack(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool StaffBreach(IncidentPass& p, Ttempo& t, const StoreFigures& f);
bool Shooting(IncidentPass& p, Ttempo& t, const StoreFigures& f);

}  // namespace gm
