// Command line, game set-up and the month loop of the headless player.
#include "autoplay.h"

#include <array>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <memory>

#include "company/advice_text.h"
#include "company/advisor.h"
#include "company/new_game.h"
#include "persist/city_file.h"
#include "persist/save_file.h"
#include "persist/state_digest.h"
#include "player_game.h"
#include "strategy.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

bool parseInt(const std::string& text, long long lo, long long hi, long long& value) {
  try {
    std::size_t used = 0;
    value = std::stoll(text, &used);
    return used == text.size() && value >= lo && value <= hi;
  } catch (...) {
    return false;
  }
}

}  // namespace

std::string AutoplayUsage() {
  return "usage: gindamaya97-autoplay --city FILE.pmp [options]\n"
         "       gindamaya97-autoplay --load FILE.PLR [options]\n"
         "  --seed N            generator seed (default 1); it also drives a random strategy\n"
         "  --strategy NAME     who plays: steady (default), random, watch (gives no orders),\n"
         "                      novice (one hall with the game's defaults, then only ends months)\n"
         "                      or advised (the novice who also does what the advisor says)\n"
         "  --months N          months to play (default 12)\n"
         "  --president NAME    president's name (default: the founding screen's default)\n"
         "  --company NAME      company name (default: the fixed default)\n"
         "  --leadership N --intelligence N --charisma N --appraisal N   qualities 1..100 (50)\n"
         "  --capital N         capital class 0..7 (3億円..10億円, default 0)\n"
         "  --no-rivals         play as \"新米店長\": no rival enters the city\n"
         "  --keep-running      go on after the game has ended (to watch a city grow)\n"
         "  --restart           after a game ends, found a new company on the same city\n"
         "  --check             check the player's books and the game's invariants every month;\n"
         "                      each broken rule is written to standard error, exit code 3\n"
         "  --advice            after every month, write the advisor's findings, one a line\n"
         "  --csv FILE          write the block grid after the last month\n"
         "  --load FILE.PLR     continue a saved game (seeded with --seed) instead of a new game\n"
         "  --save FILE.PLR     save the game after the last month and print the generator's "
         "seed,\n"
         "                      which --seed takes to continue it exactly\n"
         "Each month line gives the date, the cash, the player's open stores, the month's sales\n"
         "and net profit, the population and a digest of the game state, and ends with the\n"
         "rivals in the city and, for each rival i among them, ri=OPEN_STORES:CASH.\n";
}

std::optional<AutoplaySettings> ParseAutoplayArguments(const std::vector<std::string>& args,
                                                       std::string& error) {
  AutoplaySettings s;
  s.founding.tousotu = s.founding.chisei = s.founding.karisuma = s.founding.kantei = 50;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    auto number = [&](long long lo, long long hi, long long& out) {
      std::string text;
      if (!value(text)) return false;
      if (!parseInt(text, lo, hi, out)) {
        error = a + " needs a number from " + std::to_string(lo) + " to " + std::to_string(hi);
        return false;
      }
      return true;
    };
    long long n = 0;
    if (a == "--city") {
      if (!value(s.cityFile)) return std::nullopt;
    } else if (a == "--seed") {
      if (!number(0, 4294967295LL, n)) return std::nullopt;
      s.seed = static_cast<uint32_t>(n);
    } else if (a == "--months") {
      if (!number(0, 100000, n)) return std::nullopt;
      s.months = static_cast<int>(n);
    } else if (a == "--president") {
      if (!value(s.founding.presidentName)) return std::nullopt;
    } else if (a == "--company") {
      if (!value(s.founding.companyName)) return std::nullopt;
    } else if (a == "--leadership" || a == "--intelligence" || a == "--charisma" ||
               a == "--appraisal") {
      if (!number(1, 100, n)) return std::nullopt;
      int& q = a == "--leadership"     ? s.founding.tousotu
               : a == "--intelligence" ? s.founding.chisei
               : a == "--charisma"     ? s.founding.karisuma
                                       : s.founding.kantei;
      q = static_cast<int>(n);
    } else if (a == "--capital") {
      if (!number(0, 7, n)) return std::nullopt;
      s.founding.sihon = static_cast<int>(n);
    } else if (a == "--no-rivals") {
      s.rivals = false;
    } else if (a == "--keep-running") {
      s.keepRunning = true;
    } else if (a == "--csv") {
      if (!value(s.csvFile)) return std::nullopt;
    } else if (a == "--load") {
      if (!value(s.loadFile)) return std::nullopt;
    } else if (a == "--save") {
      if (!value(s.saveFile)) return std::nullopt;
    } else if (a == "--strategy") {
      if (!value(s.strategy)) return std::nullopt;
      if (!MakeStrategy(s.strategy, 0)) {
        error = "unknown strategy: " + s.strategy + " (" + std::string(StrategyNames()) + ")";
        return std::nullopt;
      }
    } else if (a == "--check") {
      s.check = true;
    } else if (a == "--restart") {
      s.restart = true;
    } else if (a == "--advice") {
      s.advice = true;
    } else {
      error = "unknown argument: " + a;
      return std::nullopt;
    }
  }
  if (s.cityFile.empty() == s.loadFile.empty()) {
    error = "give either --city or --load";
    return std::nullopt;
  }
  if (s.restart && s.cityFile.empty()) {
    error = "--restart needs --city";
    return std::nullopt;
  }
  return s;
}

namespace {

// The rivals in the city, then for each of them (by number) its open stores and its cash:
// " rivals=2 r0=3:700,000 r3=1:812,000".
void writeRivals(const Tenkaichou& rivals, std::ostream& out) {
  std::array<int, kRivalCount> open{};
  for (const TEntempo& t : rivals.tenpo)
    if (t.isOpen() && t.owner < kRivalCount) ++open[t.owner];
  out << " rivals=" << rivals.CountInCity();
  for (int i = 0; i < kRivalCount; ++i)
    if (rivals.sanka[i])
      out << " r" << i << '=' << open[i] << ':' << formatGrouped(rivals.shikin[i]);
}

bool writeCsv(const tworld& world, std::ofstream& csv) {
  csv << "row,column,kind,population,security,fanRate,landPrice,unrest,owner\n";
  for (int r = 0; r < world.mapHeight; ++r)
    for (int c = 0; c < world.mapWidth; ++c) {
      const Tchip& b = world.block(r, c);
      csv << r << ',' << c << ',' << int{b.kind} << ',' << b.population << ',' << b.security << ','
          << b.fanRate << ',' << b.landPrice << ',' << b.unrest << ',' << int{b.owner} << '\n';
    }
  csv.close();
  return !csv.fail();
}

}  // namespace

namespace {

// A new game on the city, as the new-game order sets it up, seeded with `seed`.
std::unique_ptr<tworld> newGame(const AutoplaySettings& s, const CityDefinition& city,
                                uint32_t seed) {
  auto world = std::make_unique<tworld>();
  // The generator is seeded immediately before the world is built from the city file.
  Random generator(seed);
  SetUpNewGame(*world, generator, city, s.founding,
               s.rivals ? Difficulty::kRivals : Difficulty::kNovice);
  return world;
}

// The advisor's findings for the month to come: "advice slot=1 serious hall-losing cost=812
// months=-1 v=3,-812,4120,4932,0", the company's with slot 0.
void writeAdvice(const tworld& world, std::ostream& out) {
  auto write = [&](const AdviceList& list) {
    for (const Advice& a : list) {
      out << "advice slot=" << a.slot << ' ' << static_cast<int>(a.severity) << ' '
          << adviceTopicKey(a.topic) << " remedy=" << static_cast<int>(a.remedy)
          << " cost=" << a.monthlyCost << " months=" << a.monthsLeft << " v=";
      for (std::size_t i = 0; i < a.v.size(); ++i) out << (i ? "," : "") << a.v[i];
      out << '\n';
    }
  };
  write(DiagnoseCompany(world));
  for (int slot = 1; slot <= kStoreSlots; ++slot) write(DiagnoseStore(world, slot));
}

// The player's part of the month line: his open stores and the month's sales and net profit.
void writeCompany(const tworld& world, std::ostream& out) {
  const CompanySums sums = world.kaichou.StoreSums();
  out << " open=" << world.kaichou.TempoKazu().open
      << " sales=" << formatGrouped(sums.uriage[kTotal])
      << " profit=" << formatGrouped(sums.netProfit);
}

}  // namespace

int RunAutoplay(const AutoplaySettings& s, std::ostream& out, std::ostream& err) {
  std::unique_ptr<tworld> world;
  CityReadResult city;
  if (!s.loadFile.empty()) {
    world = std::make_unique<tworld>();
    SaveResult loaded = LoadSaveFile(s.loadFile, *world);
    if (!loaded.ok) {
      err << s.loadFile << ": " << loaded.error << '\n';
      return 2;
    }
    world->rng().setSeed(s.seed);
  }
  if (!s.cityFile.empty()) {
    city = ReadCityFile(s.cityFile);
    if (!city.ok) {
      err << s.cityFile << ": " << city.error << '\n';
      return 2;
    }
    if (!world) world = newGame(s, city.city, s.seed);
  }

  // Opened before the first month, so that a run of many years cannot end on a path that was
  // never writable.
  std::ofstream csv;
  if (!s.csvFile.empty()) {
    csv.open(s.csvFile);
    if (!csv) {
      err << s.csvFile << ": cannot open the block grid file\n";
      return 1;
    }
  }

  std::unique_ptr<Strategy> strategy = MakeStrategy(s.strategy, s.seed);
  auto game = std::make_unique<PlayerGame>(std::move(world), *strategy);
  std::size_t reported = 0;  // violations of this game written so far
  std::size_t earlier = 0;   // violations of the games before it
  bool over = false;
  for (int i = 0; i < s.months; ++i) {
    tworld& w = game->world();
    const YearMonth date = MonthToDate(w.month);
    // Once the game is over the menus are off: the player gives no more orders.
    const GameEndResult result = game->playMonth(s.check, !over);
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016" PRIx64, StateDigest(w));
    out << "year=" << date.year << " month=" << date.month
        << " cash=" << formatGrouped(w.kaichou.sikin);
    writeCompany(w, out);
    out << " population=" << w.TotalPopulation() << " digest=" << digest;
    writeRivals(w.rivals, out);
    out << '\n';
    if (s.advice) writeAdvice(w, out);
    for (; reported < game->violations().size(); ++reported)
      err << "violation: " << game->violations()[reported] << '\n';
    if (!out) break;
    if (!result.goesOn) over = true;
    if (over && s.restart) {
      out << "game over\n";
      // The next company's game goes on from the generator where this one left it.
      const uint32_t seed = w.rng().seed();
      earlier += game->violations().size();
      game.reset();
      game = std::make_unique<PlayerGame>(newGame(s, city.city, seed), *strategy);
      out << "new game seed=" << seed << '\n';
      over = false;
      reported = 0;
      continue;
    }
    if (over && !s.keepRunning) {
      out << "game over\n";
      break;
    }
  }
  const std::size_t violations = earlier + game->violations().size();
  if (!s.saveFile.empty()) {
    SaveResult saved = SaveGameFile(s.saveFile, game->world());
    if (!saved.ok) {
      err << s.saveFile << ": " << saved.error << '\n';
      return 1;
    }
    out << "saved " << s.saveFile << " seed=" << game->world().rng().seed() << '\n';
  }
  // A full disk shows only when the buffered lines are flushed.
  out.flush();
  if (!out) {
    err << "cannot write the month lines\n";
    return 1;
  }
  if (csv.is_open() && !writeCsv(game->world(), csv)) {
    err << s.csvFile << ": cannot write the block grid\n";
    return 1;
  }
  if (violations > 0) {
    err << violations << " broken rule(s)\n";
    return 3;
  }
  return 0;
}

}  // namespace gm
