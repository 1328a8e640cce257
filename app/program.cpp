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
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/stream.h"
#include "platform/text_log.h"

namespace {

constexpr int kExitScriptFailed = 2;

std::unique_ptr<TScriptRunner> readScript(const std::string& path, std::string& error) {
  TStreamPtr in = ReadStream(path);
  if (!in) {
    error = "cannot read the script " + path;
    return nullptr;
  }
  std::vector<uint8_t> bytes = in->ReadAll();
  in->Close();
  std::vector<TScriptCommand> commands;
  if (!parseScript(std::string(bytes.begin(), bytes.end()), commands, error)) {
    error = "script " + path + ": " + error;
    return nullptr;
  }
  return std::make_unique<TScriptRunner>(StripDir(path), std::move(commands));
}

int scriptFailed(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kExitScriptFailed;
}

}  // namespace

int runProgram(int argc, char** argv) {
  TRunSettings run = parseCommandLine(argc, argv);
  if (!run.error.empty()) return scriptFailed("tesmoria: " + run.error);
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
  ChangeDir(ProgramDir());
  if (run.headless) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  if (run.words.size() >= 3) {
    runUnpackMode(run.words);
    return 0;
  }
  if (script) {
    useScriptedFrames();
    SetSystemInput(false);
    RecordDrawnTexts(true);
    setBeforePresent([&script] { script->beforePresent(); });
  }

  SeedRnd(static_cast<int32_t>(MilliSecs()));
  createGlobals();
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
