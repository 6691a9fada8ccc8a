// Finding the city files of a folder.
#include "persist/city_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "persist/city_file.h"

namespace gm {

namespace {

namespace fs = std::filesystem;

// Case-insensitive, so that "TOWN.PMP" copied from another system is still found.
bool hasCityExtension(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char ch) {
    return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
  });
  return ext == ".pmp";
}

// A read-only, hidden or system city file was never offered; on this system a hidden file is a
// dot file and a file without any read permission counts as one the player has locked away.
bool isOffered(const fs::directory_entry& e) {
  std::error_code ec;
  if (!e.is_regular_file(ec) || ec) return false;
  const std::string name = e.path().filename().string();
  if (name.empty() || name.front() == '.') return false;
  const fs::perms p = e.status(ec).permissions();
  if (ec) return false;
  return (p & (fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read)) !=
         fs::perms::none;
}

}  // namespace

CityList ListCityFiles(const std::string& folder) {
  CityList list;
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), fs::directory_options::skip_permission_denied, ec);
  if (ec) return list;
  for (const fs::directory_entry& e : it) {
    if (!hasCityExtension(e.path()) || !isOffered(e)) continue;
    const std::u8string u8name = e.path().filename().u8string();
    std::string fileName(u8name.begin(), u8name.end());
    CityReadResult r = ReadCityFile(e.path().string());
    if (!r.ok) {
      list.refused.emplace_back(fileName, r.error);
      continue;
    }
    CityListEntry entry;
    entry.fileName = std::move(fileName);
    entry.path = e.path().string();
    entry.cells = r.city.cells();
    entry.city = std::move(r.city);
    list.cities.push_back(std::move(entry));
  }
  // The folder's own order differs from one file system to the next; names first make equal
  // sizes come out the same everywhere.
  std::sort(list.cities.begin(), list.cities.end(),
            [](const CityListEntry& a, const CityListEntry& b) { return a.fileName < b.fileName; });
  std::stable_sort(
      list.cities.begin(), list.cities.end(),
      [](const CityListEntry& a, const CityListEntry& b) { return a.cells < b.cells; });
  std::sort(list.refused.begin(), list.refused.end());
  return list;
}

}  // namespace gm
