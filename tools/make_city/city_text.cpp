// Reading and writing the text form of a city.
#include "city_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <numeric>
#include <sstream>

#include "base/text.h"
#include "persist/city_file.h"

namespace gm::citytext {

namespace {

// One character per kind, 0..28.
constexpr std::string_view kKindChars = ".,ab-|r7jL+T]^[S$=:MRhsHcopkK";
static_assert(kKindChars.size() == kKindCount);

enum Dir { kNorth, kEast, kSouth, kWest };
constexpr std::array<int, 4> kDr = {-1, 0, 1, 0};
constexpr std::array<int, 4> kDc = {0, 1, 0, -1};
constexpr Dir opposite(int d) { return static_cast<Dir>((d + 2) % 4); }
constexpr bool isVertical(int d) { return d == kNorth || d == kSouth; }

// The arms that each road picture draws, indexed by kind 4..14: N, E, S, W bits.
constexpr std::array<uint8_t, 11> kRoadArms = {
    0b1010,  // 4 west-east
    0b0101,  // 5 north-south
    0b0110,  // 6 east-south
    0b1100,  // 7 south-west
    0b1001,  // 8 west-north
    0b0011,  // 9 north-east
    0b1111,  // 10 crossroads
    0b1110,  // 11 no north arm
    0b1101,  // 12 no east arm
    0b1011,  // 13 no south arm
    0b0111,  // 14 no west arm
};

bool isRoadKind(int k) { return k >= 4 && k <= 14; }
bool isStationKind(int k) { return k == 15 || k == 16; }
bool isRailKind(int k) { return k == 17 || k == 18; }
bool lineIsVertical(int k) { return k == 16 || k == 18; }
bool roadHasArm(int k, int d) { return isRoadKind(k) && ((kRoadArms[k - 4] >> d) & 1) != 0; }

std::string trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return std::string(s.substr(b, e - b));
}

std::string at(int line) { return "line " + std::to_string(line) + ": "; }
std::string cell(int r, int c) {
  return "row " + std::to_string(r + 1) + ", column " + std::to_string(c + 1);
}

// What a map character says before the kinds are settled.
enum class Shape { kFixed, kRoad, kRail, kStation };

struct Grid {
  int height = 0;
  int width = 0;
  std::array<std::array<int, kMapSize>, kMapSize> kind{};
  std::array<std::array<Shape, kMapSize>, kMapSize> shape{};
  bool inside(int r, int c) const { return r >= 0 && c >= 0 && r < height && c < width; }
};

// Railways and stations take the direction of the line they are on.
void settleLine(Grid& g, std::vector<std::string>& warnings) {
  auto onLine = [&](int r, int c) {
    return g.inside(r, c) && (g.shape[r][c] == Shape::kRail || g.shape[r][c] == Shape::kStation);
  };
  for (int r = 0; r < g.height; ++r)
    for (int c = 0; c < g.width; ++c) {
      Shape s = g.shape[r][c];
      if (s != Shape::kRail && s != Shape::kStation) continue;
      int vertical = onLine(r - 1, c) + onLine(r + 1, c);
      int horizontal = onLine(r, c - 1) + onLine(r, c + 1);
      if (vertical == 0 && horizontal == 0)
        warnings.push_back(cell(r, c) + ": railway block without a line next to it");
      else if (vertical > 0 && horizontal > 0)
        warnings.push_back(cell(r, c) +
                           ": the line bends or meets another; there are no curved rails");
      bool v = vertical > horizontal;
      g.kind[r][c] = s == Shape::kRail ? (v ? 18 : 17) : (v ? 16 : 15);
    }
}

// A road reaches across the line at a station, and under it where a road goes on beyond.
bool roadLinksTo(const Grid& g, int r, int c, int d, const std::function<bool(int, int)>& isRoad) {
  int nr = r + kDr[d], nc = c + kDc[d];
  if (!g.inside(nr, nc)) return false;
  if (isRoad(nr, nc)) return true;
  int k = g.kind[nr][nc];
  bool across = lineIsVertical(k) != isVertical(d);
  if (isStationKind(k)) return across;
  if (isRailKind(k)) return across && isRoad(nr + kDr[d], nc + kDc[d]);
  return false;
}

void settleRoads(Grid& g) {
  auto isRoad = [&](int r, int c) { return g.inside(r, c) && g.shape[r][c] == Shape::kRoad; };
  for (int r = 0; r < g.height; ++r)
    for (int c = 0; c < g.width; ++c) {
      if (g.shape[r][c] != Shape::kRoad) continue;
      std::array<bool, 4> arm{};
      for (int d = 0; d < 4; ++d) arm[d] = roadLinksTo(g, r, c, d, isRoad);
      g.kind[r][c] = roadKindForArms(arm[kNorth], arm[kEast], arm[kSouth], arm[kWest]);
    }
}

bool parseInt(const std::string& v, int& out) {
  auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
  return ec == std::errc() && p == v.data() + v.size();
}

struct HeaderKey {
  std::string_view key;
  int low;
  int high;
  int CityDefinition::*field;
};

constexpr std::array<HeaderKey, 9> kNumberKeys = {{
    {"housing", 0, 100, &CityDefinition::housingPolicy},
    {"commerce", 0, 100, &CityDefinition::commercePolicy},
    {"business", 0, 100, &CityDefinition::businessPolicy},
    {"tax", 5, 50, &CityDefinition::taxRate},
    {"union_hours", 0, 6, &CityDefinition::unionHourCut},
    {"union_days", 0, 8, &CityDefinition::unionDayCut},
    {"city_type", 0, 4, &CityDefinition::cityType},
    {"max_pachinko_rate", 0, 6, &CityDefinition::maxPachinkoRate},
    {"max_slot_rate", 0, 3, &CityDefinition::maxSlotRate},
}};

}  // namespace

int kindOfChar(char ch) {
  if (ch == '~' || ch == '*') return 0;  // sea and hills: outside the city like '.'
  std::size_t i = kKindChars.find(ch);
  return i == std::string_view::npos ? -1 : static_cast<int>(i);
}

char charOfKind(int kind) {
  return kind >= 0 && kind < kKindCount ? kKindChars[static_cast<std::size_t>(kind)] : '?';
}

int roadKindForArms(bool north, bool east, bool south, bool west) {
  uint8_t arms =
      static_cast<uint8_t>((north ? 1 : 0) | (east ? 2 : 0) | (south ? 4 : 0) | (west ? 8 : 0));
  for (int k = 4; k <= 14; ++k)
    if (kRoadArms[k - 4] == arms) return k;
  // A dead end or a lone block: the straight piece along its one arm.
  return (north || south) ? 5 : 4;
}

ParseResult parse(std::string_view text, bool autoKinds) {
  ParseResult result;
  std::vector<std::string> lines;
  {
    std::string all(text);
    std::istringstream in(all);
    std::string l;
    while (std::getline(in, l)) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
      lines.push_back(l);
    }
  }
  std::map<std::string, int> seen;  // key -> line
  std::string lastKey;
  std::size_t i = 0;
  bool mapFound = false;
  CityDefinition& city = result.city;
  for (; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    const int lineNo = static_cast<int>(i) + 1;
    std::string t = trim(l);
    if (t.empty() || t.front() == '#') {
      lastKey.clear();
      continue;
    }
    if ((l.front() == ' ' || l.front() == '\t')) {
      if (lastKey == "description") {
        city.description += t;
        continue;
      }
      result.errors.push_back(at(lineNo) + "only the description goes on over several lines");
      continue;
    }
    std::size_t colon = l.find(':');
    if (colon == std::string::npos) {
      result.errors.push_back(at(lineNo) + "expected \"key: value\"");
      continue;
    }
    std::string key = trim(std::string_view(l).substr(0, colon));
    std::string value = trim(std::string_view(l).substr(colon + 1));
    if (key == "map") {
      mapFound = true;
      ++i;
      break;
    }
    if (seen.count(key)) {
      result.errors.push_back(at(lineNo) + "\"" + key + "\" is given twice");
      continue;
    }
    seen[key] = lineNo;
    lastKey = key;
    if (key == "name") {
      city.name = value;
    } else if (key == "description") {
      city.description = value;
    } else if (key == "auto_roads") {
      if (value == "yes")
        autoKinds = true;
      else if (value != "no")
        result.errors.push_back(at(lineNo) + "auto_roads is yes or no");
    } else {
      auto it = std::find_if(kNumberKeys.begin(), kNumberKeys.end(),
                             [&](const HeaderKey& k) { return k.key == key; });
      if (it == kNumberKeys.end()) {
        result.errors.push_back(at(lineNo) + "unknown key \"" + key + "\"");
        continue;
      }
      int v = 0;
      if ((key == "max_pachinko_rate" || key == "max_slot_rate") && value == "none") {
        v = it->high;
      } else if (!parseInt(value, v) || v < it->low || v > it->high) {
        result.errors.push_back(at(lineNo) + key + " must be a whole number from " +
                                std::to_string(it->low) + " to " + std::to_string(it->high));
        continue;
      }
      city.*(it->field) = v;
    }
  }
  for (std::string_view k : {"name", "description"})
    if (!seen.count(std::string(k)))
      result.errors.push_back("missing key \"" + std::string(k) + "\"");
  for (const HeaderKey& k : kNumberKeys)
    if (!seen.count(std::string(k.key)))
      result.errors.push_back("missing key \"" + std::string(k.key) + "\"");

  if (city.name.empty() && seen.count("name"))
    result.errors.push_back(at(seen["name"]) + "the name is empty");
  if (!isShiftJisEncodable(city.name))
    result.errors.push_back(at(seen["name"]) + "the name has characters without a Shift-JIS form");
  else if (shiftJisLength(city.name) > 32)
    result.errors.push_back(at(seen["name"]) + "the name takes " +
                            std::to_string(shiftJisLength(city.name)) +
                            " Shift-JIS bytes; at most 32 fit");
  if (!isShiftJisEncodable(city.description))
    result.errors.push_back(at(seen["description"]) +
                            "the description has characters without a Shift-JIS form");
  else if (shiftJisLength(city.description) > 255)
    result.errors.push_back(at(seen["description"]) + "the description takes " +
                            std::to_string(shiftJisLength(city.description)) +
                            " Shift-JIS bytes; at most 255 fit");

  // The map.
  Grid g;
  if (!mapFound) {
    result.errors.push_back("missing \"map:\" line");
  } else {
    std::size_t first = i;
    std::size_t last = lines.size();
    while (last > first && trim(lines[last - 1]).empty()) --last;
    g.height = static_cast<int>(last - first);
    g.width = g.height > 0 ? static_cast<int>(lines[first].size()) : 0;
    if (g.height < 1 || g.height > kMapSize || g.width < 1 || g.width > kMapSize)
      result.errors.push_back("the map is " + std::to_string(g.height) + " rows of " +
                              std::to_string(g.width) + " blocks; each must be 1..50");
    for (int r = 0; r < g.height && r < kMapSize; ++r) {
      const std::string& l = lines[first + static_cast<std::size_t>(r)];
      const int lineNo = static_cast<int>(first) + r + 1;
      if (static_cast<int>(l.size()) != g.width) {
        result.errors.push_back(at(lineNo) + "the row has " + std::to_string(l.size()) +
                                " blocks, the first row " + std::to_string(g.width));
        continue;
      }
      for (int c = 0; c < g.width && c < kMapSize; ++c) {
        char ch = l[static_cast<std::size_t>(c)];
        int k = kindOfChar(ch);
        Shape s = Shape::kFixed;
        if (ch == '#') {
          if (!autoKinds) {
            result.errors.push_back(at(lineNo) + "'#' needs \"auto_roads: yes\" or --auto");
            continue;
          }
          s = Shape::kRoad;
        } else if (k < 0) {
          result.errors.push_back(at(lineNo) + "'" + std::string(1, ch) + "' at column " +
                                  std::to_string(c + 1) + " is not in the legend");
          continue;
        } else if (autoKinds && isRoadKind(k)) {
          s = Shape::kRoad;
        } else if (autoKinds && isRailKind(k)) {
          s = Shape::kRail;
        } else if (autoKinds && isStationKind(k)) {
          s = Shape::kStation;
        }
        g.kind[r][c] = k < 0 ? 0 : k;
        g.shape[r][c] = s;
        if (IsCompanyOnlyKind(k)) {
          result.errors.push_back(at(lineNo) + "'" + std::string(1, ch) + "' at column " +
                                  std::to_string(c + 1) +
                                  " is a company's block; a new city has no companies yet");
          continue;
        }
      }
    }
  }
  if (!result.errors.empty()) return result;

  settleLine(g, result.warnings);
  settleRoads(g);
  city.height = g.height;
  city.width = g.width;
  for (int r = 0; r < g.height; ++r)
    for (int c = 0; c < g.width; ++c) city.kinds[r][c] = static_cast<uint8_t>(g.kind[r][c]);
  std::vector<int> nets = roadNetworks(city);
  if (nets.size() > 1) {
    std::string sizes;
    for (int n : nets) sizes += (sizes.empty() ? "" : ", ") + std::to_string(n);
    result.warnings.push_back("the roads form " + std::to_string(nets.size()) +
                              " separate networks (" + sizes + " blocks)");
  }
  result.ok = true;
  return result;
}

std::string render(const CityDefinition& city) {
  std::ostringstream out;
  out << "name: " << city.name << "\n";
  out << "description: " << city.description << "\n";
  out << "housing: " << city.housingPolicy << "\n";
  out << "commerce: " << city.commercePolicy << "\n";
  out << "business: " << city.businessPolicy << "\n";
  out << "tax: " << city.taxRate << "\n";
  out << "union_hours: " << city.unionHourCut << "\n";
  out << "union_days: " << city.unionDayCut << "\n";
  out << "city_type: " << city.cityType << "\n";
  out << "max_pachinko_rate: " << city.maxPachinkoRate << "\n";
  out << "max_slot_rate: " << city.maxSlotRate << "\n";
  out << "map:\n";
  for (int r = 0; r < city.height; ++r) {
    for (int c = 0; c < city.width; ++c) out << charOfKind(city.kinds[r][c]);
    out << "\n";
  }
  return out.str();
}

std::vector<int> roadNetworks(const CityDefinition& city) {
  const int h = city.height, w = city.width;
  std::vector<int> parent(static_cast<std::size_t>(h * w));
  std::iota(parent.begin(), parent.end(), 0);
  std::function<int(int)> root = [&](int x) {
    while (parent[static_cast<std::size_t>(x)] != x) x = parent[static_cast<std::size_t>(x)];
    return x;
  };
  auto join = [&](int a, int b) { parent[static_cast<std::size_t>(root(a))] = root(b); };
  auto kindAt = [&](int r, int c) {
    return r >= 0 && c >= 0 && r < h && c < w ? static_cast<int>(city.kinds[r][c]) : 0;
  };
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c) {
      int k = kindAt(r, c);
      if (!isRoadKind(k)) continue;
      for (int d : {kEast, kSouth}) {
        int nr = r + kDr[d], nc = c + kDc[d];
        if (!roadHasArm(k, d)) continue;
        int n = kindAt(nr, nc);
        if (roadHasArm(n, opposite(d))) {
          join(r * w + c, nr * w + nc);
          continue;
        }
        // Across the line, at a station or under the railway.
        bool across = (isStationKind(n) || isRailKind(n)) && lineIsVertical(n) != isVertical(d);
        int br = nr + kDr[d], bc = nc + kDc[d];
        if (across && roadHasArm(kindAt(br, bc), opposite(d))) join(r * w + c, br * w + bc);
      }
    }
  std::map<int, int> sizes;
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c)
      if (isRoadKind(kindAt(r, c))) ++sizes[root(r * w + c)];
  std::vector<int> result;
  for (const auto& [rootIndex, n] : sizes) result.push_back(n);
  std::stable_sort(result.begin(), result.end(), std::greater<int>());
  return result;
}

}  // namespace gm::citytext
