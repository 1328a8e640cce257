// tesmoria-roomgen: the room designer's measuring tools. Grades rooms from
// the search, writes their shortest solutions, proposes candidate rooms and
// draws the campaign's difficulty curve.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "campaign_script.h"
#include "data/campaign.h"
#include "difficulty_plot.h"
#include "platform/file_system.h"
#include "platform/random.h"
#include "room_measure.h"
#include "room_generator.h"
#include "room_grade.h"
#include "tools/locmake/location_source.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "tools/roomgen/room_measure.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  tesmoria-roomgen grade [--game DIR] [--positions N] [--tsv FILE] [--solutions] LOC.rooms...\n"
    "      searches every room's whole space and prints its par (shortest solution),\n"
    "      grade and the figures behind it; --tsv appends them to FILE as one line\n"
    "      per room; --solutions writes each location's shortest solutions to\n"
    "      LOC.solution beside its source.\n"
    "  tesmoria-roomgen propose [--game DIR] [--positions N] [--count N] [--tries N] [--seed N]\n"
    "                           [--template] [--climb [--by-par]] [--min L] [--ways W] [--threads N]\n"
    "                           LOC.rooms ROOM OUT.rooms\n"
    "      varies room ROOM of LOC (or, with --template, lays its pieces out on a\n"
    "      fresh template layout), searches each candidate and writes the --count\n"
    "      best (by grade) that need at least --min moves and have at most --ways\n"
    "      shortest solutions to OUT.rooms, each with its figures in a comment.\n"
    "      --climb varies the best room found so far instead of the original, so\n"
    "      the candidates grow harder step by step; with --by-par a longer shortest\n"
    "      solution counts before a higher grade. --threads N: search on N cores.\n"
    "  tesmoria-roomgen script [--game DIR] [--pace MS] [--partial] OUT.txt LOC.rooms...\n"
    "      writes the end-to-end run of the campaign: the locations in the order\n"
    "      given, each played with the solutions in LOC.solution beside it, to\n"
    "      GAME COMPLETE and the high-score table (--partial: back to the map).\n"
    "  tesmoria-roomgen plot [--title TEXT] GRADES.tsv OUT.png\n"
    "      draws the grades in the order of the file (--title: a heading other\n"
    "      than the campaign's, for a custom pack).\n"
    "  tesmoria-roomgen table GRADES.tsv\n"
    "      prints the rooms as a Markdown table.\n"
    "DIR holds gfx/objects.png (default: the folder of this program).\n";

int fail(const std::string& message) {
  std::cerr << "tesmoria-roomgen: " << message << "\n";
  return 2;
}

std::string joined(const std::vector<std::string>& words, const char* glue) {
  std::string s;
  for (const std::string& w : words) s += (s.empty() ? "" : glue) + w;
  return s;
}

std::string figures(const TRoomMeasure& a, const TRoomFacts& f, double grade) {
  char text[256];
  std::snprintf(text, sizeof text,
                "par %d, grade %.1f, %ld positions%s, %.0f%% dead ends, branching %.2f, %ld shortest, %d movable, "
                "%.1f s",
                a.shortest, grade, a.positions, a.complete ? "" : " (search cut short)", 100 * a.deadShare(),
                a.branching, a.solutionsAtShortest, f.movables, a.seconds);
  return std::string(text) + "; " + joined(f.mechanics, " ");
}

struct TGenOptions {
  std::string gameDir = ProgramDir();
  TMeasureBudget budget;
  std::string tsv;
  bool solutions = false;
  int count = 5, tries = 200, seed = 1, minShortest = 2;
  long ways = 4;
  bool fromTemplate = false;
  bool climb = false;
  bool byPar = false;  // climbing: a longer par beats a higher grade
  int pace = 100;
  bool partial = false;
  std::string title;  // plot: the picture's heading, when not the campaign's
  std::vector<std::string> words;
};

bool parseOptions(int argc, char** argv, TGenOptions& o, std::string& error) {
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--game") o.gameDir = value();
    else if (a == "--positions") o.budget.maxPositions = std::atol(value().c_str());
    else if (a == "--threads") o.budget.threads = std::atoi(value().c_str());
    else if (a == "--by-par") o.byPar = true;
    else if (a == "--tsv") o.tsv = value();
    else if (a == "--solutions") o.solutions = true;
    else if (a == "--count") o.count = std::atoi(value().c_str());
    else if (a == "--tries") o.tries = std::atoi(value().c_str());
    else if (a == "--seed") o.seed = std::atoi(value().c_str());
    else if (a == "--min") o.minShortest = std::atoi(value().c_str());
    else if (a == "--ways") o.ways = std::atol(value().c_str());
    else if (a == "--template") o.fromTemplate = true;
    else if (a == "--climb") o.climb = true;
    else if (a == "--pace") o.pace = std::atoi(value().c_str());
    else if (a == "--partial") o.partial = true;
    else if (a == "--title") o.title = value();
    else if (a.rfind("--", 0) == 0) {
      error = "unknown option " + a;
      return false;
    } else o.words.push_back(a);
  }
  if (o.budget.maxPositions < 1 || o.count < 1 || o.tries < 1) {
    error = "--positions, --count and --tries need positive numbers";
    return false;
  }
  return true;
}

int grade(const TGenOptions& o) {
  if (o.words.empty()) return fail(std::string("grade needs location sources\n") + kUsage);
  std::ofstream tsv;
  if (!o.tsv.empty()) {
    tsv.open(o.tsv, std::ios::app);
    if (!tsv) return fail("cannot write " + o.tsv);
  }
  bool allSolved = true;
  for (const std::string& path : o.words) {
    TLocation location;
    std::string error;
    if (!readLocationSource(path, location, error)) return fail(error);
    std::string solutionText = "// The shortest solution of each room of " + location.name +
                               " (its length is the room's par), written by\n// tesmoria-roomgen grade --solutions; "
                               "format: assets/locations/README.md.\n";
    for (int i = 1; i <= location.roomCount; ++i) {
      const TRoomMeasure a = measureRoom(location, i, o.budget);
      const TRoomFacts f = roomFacts(location, i, a.moves);
      const double g = difficultyGrade(a, f);
      std::cout << location.name << " " << i << " (" << location.room[i]->name << "): "
                << (a.solved ? figures(a, f, g) : std::string(a.complete ? "NO SOLUTION" : "no solution found"))
                << std::endl;
      allSolved = allSolved && a.solved;
      if (a.solved) solutionText += "room " + std::to_string(i) + ": " + describeMoves(a.moves) + "\n";
      if (tsv)
        tsv << location.name << "\t" << i << "\t" << location.room[i]->name << "\t" << a.shortest << "\t" << g << "\t"
            << a.positions << "\t" << a.deadShare() << "\t" << a.branching << "\t" << a.solutionsAtShortest << "\t"
            << f.movables << "\t" << joined(f.mechanics, ", ") << "\n";
    }
    if (o.solutions) {
      const std::string out = path.substr(0, path.size() - ExtractExt(path).size()) + "solution";
      std::ofstream file(out);
      if (!(file << solutionText)) return fail("cannot write " + out);
    }
  }
  return allSolved ? 0 : 1;
}

int propose(const TGenOptions& o) {
  if (o.words.size() != 3) return fail(std::string("propose needs LOC.rooms ROOM OUT.rooms\n") + kUsage);
  TLocation location;
  std::string error;
  if (!readLocationSource(o.words[0], location, error)) return fail(error);
  const int index = std::atoi(o.words[1].c_str());
  if (index < 1 || index > location.roomCount) return fail("no room " + o.words[1] + " in " + o.words[0]);
  const TRoom& seed = *location.room[index];
  const TCandidate original = judgeRoom(seed, o.budget);
  std::cout << "seed: " << figures(original.analysis, original.facts, original.grade) << std::endl;
  SeedRnd(o.seed);
  TCandidateRules rules;
  // A climb passes through easier rooms on its way up; only the ones that
  // are long enough are written.
  rules.minShortest = o.climb ? 2 : o.minShortest;
  rules.maxWaysAtShortest = o.ways;
  std::vector<TCandidate> kept;
  TCandidate current = original;  // climbing: the best room so far is the next seed
  if (!keepCandidate(original, rules, original.facts)) current.grade = -1;
  for (int t = 0; t < o.tries; ++t) {
    const TRoom& from = o.climb ? current.room : seed;
    TRoom room = o.fromTemplate ? templateRoom(from) : mutateRoom(from);
    TCandidate c = judgeRoom(room, o.budget);
    if (!keepCandidate(c, rules, original.facts)) continue;
    if (o.climb) {
      const bool worse = o.byPar && c.analysis.shortest != current.analysis.shortest
                             ? c.analysis.shortest < current.analysis.shortest
                             : c.grade < current.grade;
      if (worse) continue;
      current = c;
    }
    bool same = false;
    for (const TCandidate& k : kept) same = same || (k.room.blk == c.room.blk && k.room.obj == c.room.obj);
    if (same) continue;
    std::cout << "try " << t << ": " << figures(c.analysis, c.facts, c.grade) << std::endl;
    kept.push_back(std::move(c));
  }
  kept.erase(std::remove_if(kept.begin(), kept.end(),
                            [&](const TCandidate& c) { return c.analysis.shortest < o.minShortest; }),
             kept.end());
  std::sort(kept.begin(), kept.end(), [](const TCandidate& a, const TCandidate& b) { return a.grade > b.grade; });
  if (static_cast<int>(kept.size()) > o.count) kept.resize(o.count);
  std::string text = "location " + location.name + "\n";
  for (size_t k = 0; k < kept.size(); ++k) {
    TRoom room = kept[k].room;
    room.name = "Candidate " + std::to_string(k + 1);
    text += "\n// " + figures(kept[k].analysis, kept[k].facts, kept[k].grade) + "\n// " +
            describeMoves(kept[k].analysis.moves) + "\n" + formatRoomSource(room);
  }
  std::ofstream out(o.words[2]);
  if (!(out << text)) return fail("cannot write " + o.words[2]);
  std::cout << kept.size() << " candidates written to " << o.words[2] << "\n";
  return kept.empty() ? 1 : 0;
}

int script(const TGenOptions& o) {
  if (o.words.size() < 2) return fail(std::string("script needs OUT.txt and locations\n") + kUsage);
  if (o.pace < 1 || o.pace > 1000) return fail("--pace needs 1..1000 ms");
  const TMapLocations campaign = campaignLocations();
  std::vector<TScriptLocation> locations;
  for (size_t k = 1; k < o.words.size(); ++k) {
    TScriptLocation L;
    std::string error;
    const std::string& path = o.words[k];
    if (!readLocationSource(path, L.location, error)) return fail(error);
    const std::string solutionPath = path.substr(0, path.size() - ExtractExt(path).size()) + "solution";
    if (!readSolutions(solutionPath, L.solutions, error)) return fail(error);
    bool onMap = false;
    for (const TMapLocation& slot : campaign)
      if (slot.name == L.location.name && !slot.name.empty()) {
        L.mapX = slot.x;
        L.mapY = slot.y;
        onMap = true;
      }
    if (!onMap) return fail(L.location.name + " is not on the campaign map");
    locations.push_back(std::move(L));
  }
  TScriptSettings settings;
  settings.frameMs = o.pace;
  settings.wholeCampaign = !o.partial;
  std::string text, error;
  if (!writeCampaignScript(locations, settings, text, error)) return fail(error);
  std::ofstream out(o.words[0]);
  if (!(out << text)) return fail("cannot write " + o.words[0]);
  std::cout << "help tips shown on the way:";
  for (int id : settings.tipsShown) std::cout << " " << id;
  std::cout << " (" << settings.tipsShown.size() << " of 20)\n";
  return 0;
}

std::vector<std::vector<std::string>> readTsv(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  std::vector<uint8_t> bytes;
  if (std::string why = ReadFileOrWhy(path, bytes); !why.empty()) {
    std::cerr << "tesmoria-roomgen: cannot read " << why << "\n";
    return rows;
  }
  std::istringstream in(std::string(bytes.begin(), bytes.end()));
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream s(line);
    std::string f;
    while (std::getline(s, f, '\t')) fields.push_back(f);
    if (fields.size() >= 11) rows.push_back(fields);
  }
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  const std::string command = argv[1];
  TGenOptions o;
  std::string error;
  if (!parseOptions(argc, argv, o, error)) return fail(error);
  if (command == "plot" || command == "table") {
    if (o.words.empty()) return fail(command + " needs GRADES.tsv");
    const auto rows = readTsv(o.words[0]);
    if (rows.empty()) return fail("no rooms in " + o.words[0]);
    if (command == "table") {
      std::cout << "| location | room | name | par | grade | mechanics |\n|---|---|---|---|---|---|\n";
      for (const auto& r : rows)
        std::cout << "| " << r[0] << " | " << r[1] << " | " << r[2] << " | " << r[3] << " | "
                  << static_cast<int>(std::atof(r[4].c_str()) + 0.5) << " | " << r[10] << " |\n";
      return 0;
    }
    if (o.words.size() != 2) return fail("plot needs GRADES.tsv OUT.png");
    std::vector<TPlotRoom> plotted;
    for (const auto& r : rows) plotted.push_back(TPlotRoom{r[0], std::atoi(r[1].c_str()), std::atof(r[4].c_str())});
    return writeDifficultyPlot(plotted, o.words[1], o.title) ? 0 : fail("cannot write " + o.words[1]);
  }
  if (command != "grade" && command != "propose" && command != "script") return fail("unknown command " + command + "\n" + kUsage);
  if (!loadObjectShapes(o.gameDir, roomShapes(), error)) return fail(error);
  const int status = command == "grade" ? grade(o) : command == "script" ? script(o) : propose(o);
  return status;
}
