// The readable text form of a city: `key: value` header lines, then a map of one character per
// block. Parsing turns it into the city definition that the city file stores; rendering turns a
// city back into text with one fixed character per kind.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "world/city_definition.h"

namespace gm::citytext {

struct ParseResult {
  bool ok = false;
  CityDefinition city;
  std::vector<std::string> errors;    // "line N: ..." when ok is false
  std::vector<std::string> warnings;  // things worth a look that do not stop the build
};

// Parses a text city. `autoKinds` has the same effect as the header line "auto_roads: yes".
ParseResult parse(std::string_view text, bool autoKinds = false);

// The kind a map character stands for when written explicitly; -1 for characters that are not
// in the legend (and for '#', which only has a meaning with automatic kinds).
int kindOfChar(char ch);
// The character that renders a kind (every kind 0..28 has one).
char charOfKind(int kind);

// The road kind (4..14) for a block whose road arms are the given ones.
int roadKindForArms(bool north, bool east, bool south, bool west);

// The city as a text that parse() reads back to the same city (explicit characters only).
std::string render(const CityDefinition& city);

// Road networks: the sizes of the groups of road blocks that are joined to each other (directly
// or across the railway at a station or an underpass), largest first.
std::vector<int> roadNetworks(const CityDefinition& city);

}  // namespace gm::citytext
