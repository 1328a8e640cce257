#include "campaign_script.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

#include "engine/still_host.h"
#include "engine/room_play.h"
#include "engine/solver.h"
#include "tools/roomgen/room_measure.h"

namespace {

// Screen codes and the places of the buttons the run clicks.
constexpr int kMainMenu = 1, kOptions = 2, kHighScores = 4, kMap = 10, kGame = 11, kRoomDone = 21,
              kLocationDone = 22, kGameDone = 23;

int cellX(int c) { return 50 * c - 19; }
int cellY(int r) { return 50 * r + 70; }

std::string line(const std::string& a, int x, int y) { return a + " " + std::to_string(x) + " " + std::to_string(y) + "\n"; }
std::string waitScreen(int code, int limit) {
  return "waitscreen " + std::to_string(code) + " " + std::to_string(limit) + "\n";
}

// A host that remembers which tips the player has dismissed, as the
// profile does, and steps frames as long as the run's.
class TTipHost : public TStillHost {
 public:
  TTipHost(std::set<int>& seen, float step) : TStillHost(step), seen_(seen) {}
  bool helpSeen(int id) override { return seen_.count(id) != 0; }

 private:
  std::set<int>& seen_;
};

// Clicks OK on every tip the room shows, first to last: each OK marks its
// tip seen and the room asks again for the rest. The OK button sits at
// (174, 210) in the tip box and answers from the box's tenth frame on.
std::string dismissTips(TEngine& engine, std::set<int>& seen, std::vector<int>& shown) {
  std::string s;
  for (;;) {
    engine.setHelpTips();
    if (engine.helpRequests.empty()) return s;
    // The tutorial puts a tip's box 50 pixels right of and below its place.
    const THelpRequest& tip = engine.helpRequests.front();
    s += "# tip " + std::to_string(tip.helpID) + "\nwait 12\n" + line("move", tip.x + 50 + 174, tip.y + 50 + 210) +
         "click\nwait 6\n";
    seen.insert(tip.helpID);
    shown.push_back(tip.helpID);
  }
}

// Frames to wait after a move: the slide (12.5 units a cell), a floor's
// crumble and a wall's glow at most, at the run's delta, plus a margin.
int settleFrames(int cells, double delta) { return static_cast<int>(std::ceil((12.5 * cells + 40) / delta)) + 2; }

}  // namespace

bool writeCampaignScript(const std::vector<TScriptLocation>& locations, TScriptSettings& settings,
                         std::string& script, std::string& error) {
  const double delta = settings.frameMs / 25.0;
  std::vector<int>& tipsShown = settings.tipsShown;
  std::string s =
      std::string(settings.wholeCampaign
                      ? "# A new player plays the whole campaign in map order with the written\n"
                        "# solutions (assets/locations/*.solution), finds the four map fragments,\n"
                        "# plays the Lost Temple and ends on the high-score table.\n"
                      : "# A new player plays the first locations with the written solutions\n"
                        "# (assets/locations/*.solution), dismissing each help tip, and comes back\n"
                        "# to the map.\n") +
      "# Written by tesmoria-roomgen script; do not edit by hand.\n" +
      std::string(settings.wholeCampaign ? "#! timeout 1750\n" : "#! timeout 600\n") +
      "wait 260\ntype " +
      settings.player + "\nkey Enter\nwait 20\n";
  std::set<int> seen;
  int maps = 0;  // fragments the written solutions have taken so far
  s += "pace " + std::to_string(settings.frameMs) + "\n";
  s += "# PLAY CAMPAIGN\n" + line("move", 598, 290) + "click\n" + waitScreen(kMap, 200) + "wait 10\n";

  for (size_t li = 0; li < locations.size(); ++li) {
    const TScriptLocation& L = locations[li];
    const bool lastLocation = settings.wholeCampaign && li + 1 == locations.size();
    s += "# " + L.location.name + "\n" + line("move", L.mapX, L.mapY) + "click\n" + waitScreen(kGame, 800) +
         "wait 10\n";
    bool revealHere = false;  // this location's end finds the fourth fragment
    std::string shotName = L.location.name;
    std::replace(shotName.begin(), shotName.end(), ' ', '_');
    for (int i = 1; i <= L.location.roomCount; ++i) {
      const auto found = L.solutions.find(i);
      if (found == L.solutions.end()) {
        error = L.location.name + " room " + std::to_string(i) + " has no written solution";
        return false;
      }
      s += "# room " + std::to_string(i) + ": " + L.location.room[i]->name + "\n";
      TEnginePtr engine = startRoom(L.location, i, std::make_shared<TTipHost>(seen, static_cast<float>(delta)), roomShapes());
      s += dismissTips(*engine, seen, tipsShown);
      if (i == 1) s += "screenshot campaign_" + shotName + "_room1.png\nwait 2\n";
      settleRoom(*engine);
      for (const TRoomMove& m : found->second) {
        std::vector<std::pair<int, int>> before;
        for (int k = 1; k <= engine->roomObjects; ++k) before.emplace_back(engine->obj[k]->c, engine->obj[k]->r);
        int framesToRest = 0;
        if (!startMove(*engine, m) || !settleRoom(*engine, [&framesToRest] { ++framesToRest; })) {
          error = L.location.name + " room " + std::to_string(i) + ": the move " + describeMove(m) + " cannot be made";
          return false;
        }
        // A turn may light a decayed wall, which burns for a while before
        // the next piece may pass: wait as long as the engine took to rest.
        const int restWait = framesToRest + 2;
        if (m.turn) {
          s += line("move", cellX(m.c), cellY(m.r)) + "click right\nwait " + std::to_string(std::max(3, restWait)) + "\n";
          continue;
        }
        int cells = 0;
        for (int k = 1; k <= engine->roomObjects; ++k)
          cells = std::max(cells, std::abs(engine->obj[k]->c - before[k - 1].first) +
                                      std::abs(engine->obj[k]->r - before[k - 1].second));
        s += line("move", cellX(m.c), cellY(m.r)) + "click\nwait 2\n" +
             line("move", cellX(m.c + m.dx), cellY(m.r + m.dy)) + "click\nwait " +
             std::to_string(std::max(settleFrames(cells, delta), restWait)) + "\n";
      }
      const int mapsBefore = maps;
      maps += engine->takings.maps;
      if (mapsBefore < 4 && maps >= 4) revealHere = true;
      if (!glyphsAllLit(*engine)) {
        error = L.location.name + " room " + std::to_string(i) + ": the written solution leaves a glyph dark";
        return false;
      }
      if (i < L.location.roomCount) {
        s += waitScreen(kRoomDone, 400) + "wait 5\n" + line("move", 598, 525) + "click\n" + waitScreen(kGame, 400) +
             "wait 5\n";
      }
    }
    if (!lastLocation) {
      s += waitScreen(kLocationDone, 400) + "wait 10\nscreenshot campaign_" + shotName + "_done.png\nwait 2\n";
      if (revealHere) s += "assert drawn All maps found - secret location revealed!\n";
      s += line("move", 598, 525) + "click\n" + waitScreen(kMap, 400) + "wait 10\n";
    }
  }
  if (!settings.wholeCampaign) {
    script = s + "assert screen " + std::to_string(kMap) + "\n";
    return true;
  }
  s += "# GAME COMPLETE, then the high-score table.\n" + waitScreen(kGameDone, 400) +
       "wait 10\nscreenshot campaign_game_complete.png\nwait 2\n" + line("move", 398, 525) + "click\n" +
       waitScreen(kHighScores, 400) + "wait 10\nscreenshot campaign_high_scores.png\nwait 2\n";
  s += "assert contains data3.dat " + settings.player + "\n";
  s += "assert file campaign_Lost_Temple_room1.png\n";
  script = s;
  return true;
}
