// City files (*.pmp): one packed record of 2,812 bytes, little-endian, Shift-JIS strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "world/city_definition.h"

namespace gm {

inline constexpr std::size_t kCityRecordSize = 2812;

struct CityReadResult {
  bool ok = false;
  std::string error;  // UTF-8, for the player when ok is false
  CityDefinition city;
};

// The company's and the rivals' land, stores and car parks (kinds 2, 3, 19, 20, 27, 28): only a
// company's records can back them, so a city file never carries them.
bool IsCompanyOnlyKind(int kind);

// Decodes a city record from the first 2,812 bytes of `bytes`. Never throws; any byte content
// gives either a city whose values are all in range or an error. Company-only kinds are read as
// the citizens' vacant land (1) and every block beyond the extents as outside the city (0).
CityReadResult DecodeCityRecord(std::string_view bytes);
// Reads a city file from disk (exactly one record from the start of the file); anything but a
// regular file is refused before it is opened.
CityReadResult ReadCityFile(const std::string& path);
// Encodes a city; the name is cut to 32 and the description to 255 Shift-JIS bytes. Returns an
// empty string when a text has no Shift-JIS form.
std::string EncodeCityRecord(const CityDefinition& city);

// The size class shown for a number of cells: "村", "町", "市", "都市", "大都市".
std::string CitySizeClass(int cells);

}  // namespace gm
