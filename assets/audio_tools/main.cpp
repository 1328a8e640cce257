// tesmoria-audio: the build's sound workshop.
//   effect NAME OUT                 synthesise a sound effect and save it
//   master IN OUT [options]         finish a FluidSynth render and save it
//       --level whole|loudest|peak DB   loudness target (default whole -20)
//       --peak DB                       ceiling for the peak (default -1)
//       --loop FRAMES                   fold the render's tail into a loop of FRAMES
//       --trim                          cut trailing silence and fade the end
//       --quality Q                     Vorbis quality, -0.1 .. 1 (default 0.4)
//   measure FILE...                 print length, peak, loudness and loop seam
// OUT ending in ".ogg" is encoded as Ogg Vorbis, anything else as 16-bit WAV.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "effects.h"
#include "mastering.h"
#include "sound_files.h"

namespace {

constexpr double kDefaultPeakDb = -1.0;

int fail(const std::string& message) {
  std::fprintf(stderr, "tesmoria-audio: %s\n", message.c_str());
  return 1;
}

bool parseLevelBy(const std::string& word, LevelBy& by) {
  if (word == "whole") by = LevelBy::WholeRms;
  else if (word == "loudest") by = LevelBy::LoudestRms;
  else if (word == "peak") by = LevelBy::Peak;
  else return false;
  return true;
}

int makeEffect(const std::vector<std::string>& args) {
  if (args.size() != 2) return fail("usage: effect NAME OUT");
  const EffectRecipe* recipe = FindEffect(args[0]);
  if (!recipe) return fail("no effect named " + args[0]);
  AudioBuffer sound = recipe->make();
  bool loops = args[0].find("_loop") != std::string::npos;
  if (!loops) TrimAndFadeOut(sound, -70.0, 0.05, 0.01);
  Normalise(sound, recipe->level.by, recipe->level.targetDb, kDefaultPeakDb);
  std::string error;
  return SaveSound(args[1], sound, error) ? 0 : fail(error);
}

int master(const std::vector<std::string>& args) {
  if (args.size() < 2) return fail("usage: master IN OUT [options]");
  LevelBy by = LevelBy::WholeRms;
  double targetDb = -20.0, peakDb = kDefaultPeakDb;
  long loopFrames = 0;
  bool trim = false;
  float quality = kVorbisQuality;
  for (size_t i = 2; i < args.size(); ++i) {
    const std::string& opt = args[i];
    bool hasValue = i + 1 < args.size();
    if (opt == "--level" && i + 2 < args.size()) {
      if (!parseLevelBy(args[i + 1], by)) return fail("unknown level kind " + args[i + 1]);
      targetDb = std::atof(args[i + 2].c_str());
      i += 2;
    } else if (opt == "--peak" && hasValue) {
      peakDb = std::atof(args[++i].c_str());
    } else if (opt == "--loop" && hasValue) {
      loopFrames = std::atol(args[++i].c_str());
      if (loopFrames <= 0) return fail("loop length must be positive");
    } else if (opt == "--quality" && hasValue) {
      quality = float(std::atof(args[++i].c_str()));
    } else if (opt == "--trim") {
      trim = true;
    } else {
      return fail("unknown option " + opt);
    }
  }
  AudioBuffer sound;
  std::string error;
  if (!LoadSound(args[0], sound, error)) return fail(error);
  if (loopFrames > 0) FoldTailIntoLoop(sound, size_t(loopFrames));
  if (trim) TrimAndFadeOut(sound, -50.0, 0.1, 0.4);
  Normalise(sound, by, targetDb, peakDb);
  return SaveSound(args[1], sound, error, quality) ? 0 : fail(error);
}

int measure(const std::vector<std::string>& args) {
  int status = 0;
  std::printf("%-16s %7s %3s %8s %8s %8s %10s %10s %10s\n", "sound", "seconds", "ch", "peak dB", "rms dB", "loud dB",
              "seam jump", "typ. step", "near step");
  for (const std::string& path : args) {
    AudioBuffer sound;
    std::string error;
    if (!LoadSound(path, sound, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      status = 1;
      continue;
    }
    Levels levels = MeasureLevels(sound);
    Seam seam = MeasureSeam(sound);
    std::string name = path.substr(path.find_last_of('/') + 1);
    std::printf("%-16s %7.2f %3d %8.2f %8.2f %8.2f %10.5f %10.5f %10.5f\n", name.c_str(), sound.seconds(),
                sound.channels, ToDb(levels.peak), ToDb(levels.rms), ToDb(levels.loudestRms), seam.jump, seam.typical,
                seam.nearby);
  }
  return status;
}

}  // namespace

const char* const kUsage =
    "Usage: tesmoria-audio effect NAME OUT\n"
    "  or:  tesmoria-audio master IN OUT [options]\n"
    "  or:  tesmoria-audio measure FILE...\n"
    "Makes and checks the game's sounds at build time: effect synthesises the\n"
    "sound effect NAME, master levels, loops and encodes a rendered piece, and\n"
    "measure prints length, peak, loudness and loop seam of each FILE.\n";

int main(int argc, char** argv) {
  if (argc < 2) return fail("needs a command: effect, master or measure (see tesmoria-audio --help)");
  std::string command = argv[1];
  if (command == "--help" || command == "-h") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "effect") return makeEffect(args);
  if (command == "master") return master(args);
  if (command == "measure") return measure(args);
  return fail("unknown command " + command + " (see tesmoria-audio --help)");
}
