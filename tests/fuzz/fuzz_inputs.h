// The fuzz targets' entry points: one input through the save-file reader, one loaded and played
// for two months, one through the city-file reader. The libFuzzer targets call them, and the
// ordinary test run replays every committed corpus file through them, so the checks below hold in
// every build.
#pragma once

#include <string>
#include <string_view>

namespace gm::fuzz {

// Each returns an empty string when the reader behaved, else what went wrong.
//
// A saved game is either refused with a message, leaving the world it was loaded into as it was,
// or accepted; an accepted one saves again to a record that loads and saves to the same bytes.
std::string SaveFileInput(std::string_view bytes);
// A saved game that loads plays two months on the silent port (the sanitizers and the fuzzer's
// time limit watch them) and still saves to a whole record.
std::string PlayedSaveInput(std::string_view bytes);
// A city file is either refused with a message or gives a city whose values are in range and
// whose record reads back as the same city.
std::string CityFileInput(std::string_view bytes);

}  // namespace gm::fuzz
