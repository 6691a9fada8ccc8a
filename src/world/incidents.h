// The month's random incidents: the chain of good and bad things that strikes the city, the
// company and its stores right after the block pass. The pass runs its steps in a fixed order;
// each step is a function of its own so that a test can force one incident on a small city.
//
// Unlike the block simulation, a condition of several terms here makes every one of its draws
// in the order written, whether or not an earlier term has already decided it: the number of
// draws a month makes depends only on which steps and stores it reaches, never on the dice.
#pragma once

#include <cstdint>

#include "store/machine.h"

namespace gm {

class tworld;

// What one month's pass carries from step to step; nothing of it outlives the pass.
struct IncidentPass {
  IncidentPass(tworld& world, int hours);

  tworld& world;
  int hours = 0;          // the month's opening hours, taken before anything changed
  int calendarMonth = 1;  // 1..12 of the month being closed

  // City figures, taken once before the first step: later steps see the city as the block
  // pass left it, not as the earlier incidents changed it.
  int density = 0;
  int64_t totalPopulation = 0;
  int averageSecurity = 0;
  int averageUnrest = 0;

  // Set by the early steps, read by the later ones.
  bool dryAir = false;
  bool gangInTown = false;
  bool gangWar = false;
  bool cmAwardGiven = false;   // one CM award a month in the whole company
  bool wwwAwardGiven = false;  // one WWW award a month
  bool illegalFound = false;
  Tddai illegalModel;  // the island whose model the gang showed to be illegal
};

// The whole pass, in its order.
void RunIncidents(tworld& world, int hours);

// The city's and the company's steps.
void DryAir(IncidentPass& p);
void GangArrival(IncidentPass& p);
void GangWar(IncidentPass& p);
void UnionComplaint(IncidentPass& p);
void RomRaids(IncidentPass& p);
void JackpotRaids(IncidentPass& p);
void StoreIncidents(IncidentPass& p);  // every open store: store_incidents.h
void Fires(IncidentPass& p);
void TaxEvasionDiscovery(IncidentPass& p);
void Demonstration(IncidentPass& p);
void Earthquake(IncidentPass& p);

}  // namespace gm
