// tesmoria-room: looks into location files. Shows rooms as text, plays each
// room's stored layout untouched to see which glyphs light up, and draws a
// room exactly as the game does.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "screens/gfx_set.h"
#include "screens/room_engine.h"
#include "app/globals.h"
#include "data/location.h"
#include "engine/engine.h"
#include "engine/room_play.h"
#include "engine/still_host.h"
#include "platform/file_system.h"
#include "platform/game_folders.h"
#include "platform/graphics.h"
#include "room_text.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  tesmoria-room show LOC\n"
    "      Prints each room as text: one character per cell and per object, with a legend.\n"
    "  tesmoria-room lit [--game DIR] LOC\n"
    "      Plays 200 frames of each room's stored layout with nobody touching it and\n"
    "      prints one line per room: \"room N: L of G glyphs lit\".\n"
    "  tesmoria-room render [--game DIR] [--frames K] LOC N OUT.png\n"
    "      Draws room N as the game does after K frames (default 200) and writes\n"
    "      the 600 x 500 room picture to OUT.png.\n"
    "  tesmoria-room --help\n"
    "LOC is a .loc file, or the name of a location looked up as the game does:\n"
    "\"locations/NAME.loc\", then the entry NAME.loc of \"data2.dat\" (first in the\n"
    "current folder, then in the game folder). DIR is the game folder holding gfx/\n"
    "(default: the folder of this program, or PREFIX/share/tesmoria when installed).\n";

constexpr int kLitFrames = 200;
constexpr int kRoomX = TEngine::kPlayX, kRoomY = TEngine::kPlayY, kRoomW = 600, kRoomH = 500;

int fail(const std::string& message) {
  std::cerr << "tesmoria-room: " << message << "\n";
  return 1;
}

// Bad use gets one line naming the mistake; --help has the rest.
int usageError(const std::string& message) { return fail(message + " (see tesmoria-room --help)"); }

struct TArgs {
  std::string gameDir;
  int frames = kLitFrames;
  std::vector<std::string> words;
};

bool parseArgs(const std::vector<std::string>& args, TArgs& parsed, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& w = args[i];
    if (w == "--game" || w == "--frames") {
      if (i + 1 >= args.size()) {
        error = w + " needs a value";
        return false;
      }
      const std::string& value = args[++i];
      if (w == "--game") {
        parsed.gameDir = value;
      } else {
        try {
          parsed.frames = std::stoi(value);
        } catch (...) {
          parsed.frames = -1;
        }
        if (parsed.frames < 1 || parsed.frames > 100000) {
          error = "--frames needs a number from 1 to 100000";
          return false;
        }
      }
    } else if (w.size() > 2 && w.rfind("--", 0) == 0) {
      error = "unknown option " + w;
      return false;
    } else {
      parsed.words.push_back(w);
    }
  }
  if (parsed.gameDir.empty()) parsed.gameDir = GameDataFolder();
  return true;
}

// Reads LOC as a file when it names one, else as a location name the way the
// game looks it up. Damaged files are refused with what is wrong with them.
bool loadLocation(const std::string& arg, TLocation& location, std::string& error) {
  const bool isFile = ExtractExt(arg) == "loc" || arg.find('/') != std::string::npos;
  if (isFile) {
    if (!readLocationFile(arg, location, error)) return false;
  } else {
    bool found = location.load(arg) != 0;
    const std::string here = CurrentDir();
    if (!found && ChangeDir(GameDataFolder())) {
      found = location.load(arg) != 0;
      ChangeDir(here);
    }
    if (!found) {
      error = "no location named " + arg + " (no locations/" + arg + ".loc, no entry in data2.dat)";
      return false;
    }
  }
  if (!location.loadProblem.empty()) {
    error = arg + " is damaged: " + location.loadProblem;
    return false;
  }
  const auto problems = locationProblems(location);
  if (!problems.empty()) {
    error = arg + " is damaged: " + problems.front();
    if (problems.size() > 1) error += " (and " + std::to_string(problems.size() - 1) + " more)";
    return false;
  }
  return true;
}

// The game's pictures, from DIR/gfx; those the engine draws must be there.
bool loadPictures(const std::string& gameDir, TGfx& pictures, bool everything, std::string& error) {
  const std::string here = CurrentDir();
  if (!ChangeDir(gameDir)) {
    error = "cannot enter the game folder " + gameDir;
    return false;
  }
  pictures.load();
  ChangeDir(here);
  struct TNeeded {
    const TImagePtr& image;
    const char* file;
  };
  const TNeeded needed[] = {{pictures.objectImg, "objects.png"},       {pictures.blockImg, "blocks.png"},
                            {pictures.objectShadowImg, "objects_shadows.png"}, {pictures.shadowImg, "shadows.png"},
                            {pictures.arrowImg, "arrows.png"},         {pictures.sparkBigImg, "spark_big.png"},
                            {pictures.sparkMedImg, "spark_med.png"}};
  for (const TNeeded& n : needed) {
    if (!n.image) {
      error = "cannot read " + gameDir + "/gfx/" + n.file + " (the object shapes and room pictures)";
      return false;
    }
    if (!everything) break;  // tracing light needs only the object shapes
  }
  return true;
}

std::shared_ptr<TEngine> playRoom(const TLocation& location, int index) {
  return startRoom(location, index, std::make_shared<TStillHost>(), roomPicturesFromGfx(gfx));
}

void runFrame(TEngine& engine) {
  engine.drawRoom();
  engine.updateObjects();
}

int litCommand(const TArgs& a) {
  if (a.words.size() != 1) return usageError("lit needs one location");
  TLocation location;
  std::string error;
  if (!loadLocation(a.words[0], location, error)) return fail(error);
  TGfx pictures;
  if (!loadPictures(a.gameDir, pictures, false, error)) return fail(error);
  gfx = &pictures;
  for (int i = 1; i <= location.roomCount; ++i) {
    auto engine = playRoom(location, i);
    for (int f = 0; f < kLitFrames; ++f) runFrame(*engine);
    std::cout << "room " << i << ": " << engine->activeGlyphs << " of " << engine->glyphCount << " glyphs lit\n";
  }
  gfx = nullptr;
  return 0;
}

int renderCommand(const TArgs& a) {
  if (a.words.size() != 3) return usageError("render needs a location, a room number and a file");
  TLocation location;
  std::string error;
  if (!loadLocation(a.words[0], location, error)) return fail(error);
  int index = 0;
  try {
    index = std::stoi(a.words[1]);
  } catch (...) {
  }
  if (index < 1 || index > location.roomCount)
    return fail("room " + a.words[1] + " is not in " + a.words[0] + " (it has " + std::to_string(location.roomCount) +
                " rooms)");
  const std::string out = std::filesystem::absolute(a.words[2]).string();
  TGfx pictures;
  if (!loadPictures(a.gameDir, pictures, true, error)) return fail(error);
  if (!Graphics(kViewWidth, kViewHeight)) return fail("cannot open the drawing surface");
  gfx = &pictures;
  SetBlend(kBlendAlpha);
  auto engine = playRoom(location, index);
  for (int f = 0; f < a.frames; ++f) {
    Cls();
    runFrame(*engine);
  }
  // The last frame as the player would see it: drawn after the update.
  Cls();
  engine->drawRoom();
  const TPixmapPtr picture = GrabPixmap(kRoomX, kRoomY, kRoomW, kRoomH);
  gfx = nullptr;
  EndGraphics();
  if (!picture || !SavePixmapPNG(*picture, out)) return fail("cannot write " + out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usageError("nothing to do");
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return 0;
  }
  const std::string command = args[0];
  TArgs parsed;
  std::string error;
  if (!parseArgs({args.begin() + 1, args.end()}, parsed, error)) return usageError(error);
  if (command == "show") {
    if (parsed.words.size() != 1) return usageError("show needs one location");
    TLocation location;
    if (!loadLocation(parsed.words[0], location, error)) return fail(error);
    printLocation(location, std::cout);
    return 0;
  }
  if (command == "lit") return litCommand(parsed);
  if (command == "render") return renderCommand(parsed);
  return usageError("unknown command " + command);
}
