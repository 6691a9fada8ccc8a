// The monthly results calculator (`Tjissekicalc`): shares the city's customers among the
// player's and the rivals' stores and their machines, then runs the closings.
#pragma once

namespace gm {

class tworld;

class Tjissekicalc {
 public:
  explicit Tjissekicalc(tworld& world) : world_(&world) {}
  Tjissekicalc(const Tjissekicalc&) = delete;
  Tjissekicalc& operator=(const Tjissekicalc&) = delete;

 private:
  tworld* world_;
};

}  // namespace gm
