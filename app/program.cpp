#include "app/program.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "app/frame_pacing.h"
#include "app/globals.h"
#include "app/main_loop.h"
#include "app/script.h"
#include "app/startup.h"
#include "data/player_notice.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/folder_lock.h"
#include "platform/game_folders.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/stop_signals.h"
#include "platform/stream.h"
#include "platform/text_log.h"

namespace {

constexpr int kExitScriptFailed = 2;
constexpr int kExitFolderBusy = 3;

std::unique_ptr<TScriptRunner> readScript(const std::string& path, std::string& error) {
  std::vector<uint8_t> bytes;
  if (std::string why = ReadFileOrWhy(path, bytes); !why.empty()) {
    error = "cannot read the script " + why;
    return nullptr;
  }
  std::vector<TScriptCommand> commands;
  if (!parseScript(std::string(bytes.begin(), bytes.end()), commands, error)) {
    error = "script " + path + ": " + error;
    return nullptr;
  }
  return std::make_unique<TScriptRunner>(StripDir(path), std::move(commands));
}

// The player's folder becomes the current one, so every file the game
// writes lands there; reads fall back on the installed data.
void enterPlayerFolder() {
  const TGameFolders folders = FindGameFolders(ProgramDir(), PlayerDataHome());
  if (!folders.shared()) {
    SetInstalledDataFolder(folders.data);
    CreateDir(folders.player + "/locations");
    if (!CreateDir(folders.player + "/profiles")) {
      std::fprintf(stderr, "tesmoria: cannot create %s; nothing will be saved\n", folders.player.c_str());
      // The notices about saving name this folder, not the one run from.
      setUnusablePlayerFolder(folders.player, "it cannot be created or written to");
    }
  }
  if (!ChangeDir(folders.player)) ChangeDir(folders.data);
}

int scriptFailed(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitScriptFailed;
}

}  // namespace

int runProgram(int argc, char** argv) {
  TRunSettings run = parseCommandLine(argc, argv);
  switch (run.action) {
    case TRunAction::help:
      std::fputs(usageText().c_str(), stdout);
      return 0;
    case TRunAction::version:
      std::printf("%s\n", versionLine().c_str());
      return 0;
    case TRunAction::badUsage:
      std::fprintf(stderr, "tesmoria: %s\n%s", run.error.c_str(), usageText().c_str());
      return kExitBadUsage;
    case TRunAction::play:
      break;
  }
  // The script is read before the program moves into its own folder, so
  // its path is taken as given.
  std::unique_ptr<TScriptRunner> script;
  if (!run.scriptPath.empty()) {
    std::string error;
    script = readScript(run.scriptPath, error);
    if (!script) return scriptFailed(error);
  }
  // The stamp file is named from where the program was started.
  if (!run.firstFrameStamp.empty()) {
    const std::string& stamp = run.firstFrameStamp;
    stampFirstFrame(stamp.front() == '/' ? stamp : CurrentDir() + "/" + stamp);
  }
  enterPlayerFolder();
  if (run.headless) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  if (run.words.size() >= 3) {
    runUnpackMode(run.words);
    return 0;
  }
  // Two games on one player's folder would save over each other.
  if (LockFolder(".") == TFolderLock::busy) {
    Notify("Tesmoria is already running with the player files in " + CurrentDir() +
               ".\nThis second game ends without touching them.",
           true);
    return kExitFolderBusy;
  }
  CatchStopSignals();
  if (script) {
    useScriptedFrames();
    SetSystemInput(false);
    RecordDrawnTexts(true);
    setBeforePresent([&script] { script->beforePresent(); });
  }

  SeedRnd(static_cast<int32_t>(MilliSecs()));
  createGlobals();
  // Opening the display may have put the video system's own handlers in.
  CatchStopSignals();
  loadResources();
  applyVolumes();

  TMainLoop loop([] { presentFrame(-1); });
  // The pause waits for the player in a loop of its own; the script drives
  // it there too.
  if (script) setModalFrameHook([&script, &loop] { return script->beforeFrame(loop); });
  introStart = static_cast<int>(MilliSecs());
  bool ok = true;
  while (true) {
    if (script && !script->beforeFrame(loop)) {
      ok = false;
      break;
    }
    if (!loop.frame()) break;
  }
  if (ok) {
    loop.quitSequence();
    if (script) ok = script->afterEnd(loop);
  } else {
    EndGraphics();
  }
  setBeforePresent(nullptr);
  setModalFrameHook(nullptr);
  destroyGlobals();
  if (!ok) return scriptFailed(script->error());
  return 0;
}
