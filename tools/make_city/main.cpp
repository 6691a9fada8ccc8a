// make_city: builds a city file (*.pmp) from a text city, and prints a city file for its author.
//   make_city [--auto] SOURCE.txt OUTPUT.pmp
//   make_city --check FILE.pmp|SOURCE.txt
//   make_city --texts OUTPUT.cpp CITY.pmp...
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/text.h"
#include "city_catalogue.h"
#include "city_text.h"
#include "persist/city_file.h"
#include "world/block.h"
#include "world/world.h"

namespace {

using gm::CityDefinition;

int usage() {
  std::cerr << "usage: make_city [--auto] SOURCE.txt OUTPUT.pmp\n"
               "       make_city --check FILE.pmp|SOURCE.txt\n"
               "       make_city --texts OUTPUT.cpp CITY.pmp...\n";
  return 2;
}

bool readAll(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

bool endsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string rateText(int index, int noLimit, std::string_view name) {
  return index == noLimit ? "なし" : std::string(name);
}

void printCity(const CityDefinition& c) {
  std::cout << "name:        " << c.name << " (" << gm::shiftJisLength(c.name) << " of 32 bytes)\n";
  std::cout << "size:        " << c.height << " x " << c.width << " = " << c.cells() << " cells, "
            << gm::CitySizeClass(c.cells()) << "\n";
  std::cout << "policies:    宅地開発 " << c.housingPolicy << ", 商業奨励 " << c.commercePolicy
            << ", 事業誘致 " << c.businessPolicy << "\n";
  std::cout << "tax:         " << c.taxRate << " ％\n";
  std::cout << "union:       " << (13 - c.unionHourCut) << "時間 a day (cut " << c.unionHourCut
            << "), " << (30 - c.unionDayCut) << "日 a month (cut " << c.unionDayCut << ")\n";
  std::cout << "city type:   " << c.cityType << "\n";
  std::cout << "rate limits: ﾊﾟﾁﾝｺ "
            << rateText(c.maxPachinkoRate, 6, gm::pachinkoRateName(c.maxPachinkoRate)) << ", ｽﾛｯﾄ "
            << rateText(c.maxSlotRate, 3, gm::slotRateName(c.maxSlotRate)) << "\n";
  std::cout << "description: (" << gm::shiftJisLength(c.description) << " of 255 bytes)\n  "
            << c.description << "\n";

  std::array<int, gm::kKindCount> counts{};
  for (int r = 0; r < c.height; ++r)
    for (int col = 0; col < c.width; ++col) ++counts[c.kinds[r][col]];
  std::cout << "blocks:\n";
  for (int k = 0; k < gm::kKindCount; ++k)
    if (counts[k] > 0)
      std::cout << "  " << gm::citytext::charOfKind(k) << "  kind " << k << "  "
                << (k == 0 ? "(outside)" : gm::kindInfo(k).name) << "  " << counts[k] << "\n";
  std::cout << "road networks:";
  for (int n : gm::citytext::roadNetworks(c)) std::cout << " " << n;
  std::cout << "\n\n" << gm::citytext::render(c);
}

int check(const std::string& path) {
  std::string bytes;
  if (!readAll(path, bytes)) {
    std::cerr << path << ": cannot read\n";
    return 1;
  }
  if (endsWith(path, ".txt")) {
    gm::citytext::ParseResult r = gm::citytext::parse(bytes);
    for (const auto& e : r.errors) std::cerr << path << ": " << e << "\n";
    for (const auto& w : r.warnings) std::cerr << path << ": warning: " << w << "\n";
    if (!r.ok) return 1;
    printCity(r.city);
    return 0;
  }
  gm::CityReadResult r = gm::DecodeCityRecord(bytes);
  if (!r.ok) {
    std::cerr << path << ": " << r.error << "\n";
    return 1;
  }
  if (bytes.size() != gm::kCityRecordSize)
    std::cerr << path << ": warning: " << bytes.size() << " bytes; the record is "
              << gm::kCityRecordSize << "\n";
  printCity(r.city);
  return 0;
}

int build(const std::string& source, const std::string& output, bool autoKinds) {
  std::string text;
  if (!readAll(source, text)) {
    std::cerr << source << ": cannot read\n";
    return 1;
  }
  gm::citytext::ParseResult r = gm::citytext::parse(text, autoKinds);
  for (const auto& e : r.errors) std::cerr << source << ": " << e << "\n";
  for (const auto& w : r.warnings) std::cerr << source << ": warning: " << w << "\n";
  if (!r.ok) return 1;
  std::string bytes = gm::EncodeCityRecord(r.city);
  if (bytes.size() != gm::kCityRecordSize) {
    std::cerr << source << ": the city cannot be encoded\n";
    return 1;
  }
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    std::cerr << output << ": cannot write\n";
    return 1;
  }
  return 0;
}

// The descriptions are read from the built city files, not from their sources, so that they
// are exactly what the game decodes and looks up in the catalogue.
int texts(const std::string& output, const std::vector<std::string>& cityFiles) {
  std::vector<gm::citytext::ShippedCity> cities;
  for (const std::string& path : cityFiles) {
    gm::CityReadResult r = gm::ReadCityFile(path);
    if (!r.ok) {
      std::cerr << path << ": " << r.error << "\n";
      return 1;
    }
    cities.push_back({std::filesystem::path(path).filename().string(), r.city.description});
  }
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << gm::citytext::catalogueSource(cities);
  if (!out.flush()) {
    std::cerr << output << ": cannot write\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--check") return check(args[1]);
  if (args.size() >= 3 && args[0] == "--texts")
    return texts(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
  bool autoKinds = false;
  if (!args.empty() && args[0] == "--auto") {
    autoKinds = true;
    args.erase(args.begin());
  }
  if (args.size() != 2) return usage();
  return build(args[0], args[1], autoKinds);
}
