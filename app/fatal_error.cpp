#include "app/fatal_error.h"

#include <cstdlib>

#include "platform/graphics.h"
#include "platform/input.h"

void fatalError(const std::string& message) {
  Notify(message, false);
  if (GraphicsOpen()) EndGraphics();
  std::exit(1);
}
