// The city files a new game can be started from: the "*.pmp" files lying directly in the data
// folder, each with its record read, smallest city first.
#pragma once

#include <string>
#include <vector>

#include "world/city_definition.h"

namespace gm {

struct CityListEntry {
  std::string fileName;  // as the selection list shows it (UTF-8)
  std::string path;      // full path
  int cells = 0;         // first extent x second extent
  CityDefinition city;
};

struct CityList {
  std::vector<CityListEntry> cities;
  // Files that look like cities but whose record cannot be used, with the reason; the list
  // leaves them out so that choosing one can never fail later.
  std::vector<std::pair<std::string, std::string>> refused;
};

// Lists the city files of a folder (not its subfolders): regular "*.pmp" files that can be read
// and are not hidden. Sorted by cell count, ascending; cities of equal size by file name.
CityList ListCityFiles(const std::string& folder);

}  // namespace gm
