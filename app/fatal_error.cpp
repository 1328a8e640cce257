#include "app/fatal_error.h"

#include <cstdlib>

#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/input.h"

void fatalError(const std::string& message) {
  Notify(message, false);
  // The sound output runs on its own thread; it stops before the exit.
  CloseAudio();
  if (GraphicsOpen()) EndGraphics();
  std::exit(1);
}
