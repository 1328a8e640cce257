#include "app/screen.h"

#include "app/fatal_error.h"
#include "app/frame_pacing.h"
#include "app/globals.h"
#include "app/shell_services.h"
#include "data/options.h"
#include "data/window_place_file.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/pixmap.h"
#include "platform/window_place.h"

namespace {

// The window icon; a missing icon file simply leaves the system's default.
void setWindowIcon() {
  TPixmapPtr icon = LoadPixmap("gfx/icon.png");
  if (icon)
    SetWindowIcon(icon);
  else
    LogLine("picture gfx/icon.png could not be loaded; the window keeps the system's icon");
}

// The window opens where the player left it in the last run.
void restoreWindowPlace() {
  TWindowPlace place;
  if (loadWindowPlace(kWindowPlaceFile, place)) SetWindowPlace(place);
}

}  // namespace

void TScreen::rememberWindowPlace() {
  TWindowPlace place;
  if (GetWindowPlace(place)) saveWindowPlace(kWindowPlaceFile, place);
}

void TScreen::close() {
  rememberWindowPlace();
  EndGraphics();
}

std::string windowTitle() { return "Tesmoria - " + versionText; }

void TScreen::setRes() {
  if (GraphicsOpen()) close();
  int depth = options ? options->screenD : 0;
  // The settings' OpenGL choice draws the window through the graphics card;
  // otherwise it is drawn in software.
  const int flags = options && options->ogl != 0 ? kGraphicsAccelerated : 0;
  SetWindowTitle(windowTitle());
  bool open = Graphics(kViewWidth, kViewHeight, depth, hertz, flags);
  if (!open && depth != 0) {
    // A full screen the desktop refuses still leaves the game playable in
    // a window, and the settings remember that.
    if (options) options->screenD = 0;
    depth = 0;
    open = Graphics(kViewWidth, kViewHeight, 0, hertz, flags);
  }
  if (!open) fatalError("Error: Could not open the display.");
  if (depth == 0) {
    SetWindowTitle(windowTitle());
    setWindowIcon();
    restoreWindowPlace();
  }
  SetBlend(kBlendAlpha);
  SetColor(255, 255, 255);
}

void TScreen::update() {
  if (KeyHit(kKeyF12) > 0) {
    const std::string shot = save();
    shellShowNotice(shot.empty() ? "The screenshot could not be saved" : "Screenshot saved: " + shot);
  }
  presentFrame(options ? options->vsync : 1);
}

std::string TScreen::save() {
  std::string name = "grab" + std::to_string(MilliSecs()) + ".jpg";
  return SaveBackBufferJPEG(name, jpegQuality) ? name : std::string();
}
