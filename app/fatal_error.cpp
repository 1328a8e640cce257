#include "app/fatal_error.h"

#include <cstdlib>

#include "platform/audio.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "platform/input.h"

void fatalError(const std::string& message) {
  Notify(message, false);
  // The sound output runs on its own thread; it stops before the exit.
  CloseAudio();
  if (GraphicsOpen()) EndGraphics();
  std::exit(1);
}

void fatalMissingFile(const std::string& path) { fatalError("Error: Could not load " + NormalizePath(path) + "."); }
