#pragma once
// The 2D drawing surface. The game draws everything each frame into an
// 800 x 600 back buffer with immediate-mode calls that share one drawing
// state; Flip presents it, scaled with its aspect ratio kept, into the window
// (or the desktop's full screen). Without a display, SDL's dummy video driver
// and the software renderer give the same pictures, readable with GrabPixmap.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/draw_state.h"
#include "platform/image.h"
#include "platform/image_font.h"

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

// ---- The context -----------------------------------------------------------
// Graphics flag: draw a window through the graphics card (OpenGL) rather
// than in software. Full screen always uses the card when there is one.
constexpr int kGraphicsAccelerated = 1;

// depth 0 opens a window whose client area is width x height (the picture is
// scaled when the window is resized); any other depth opens full screen on
// the desktop's own mode with the same scaling. hertz paces Flip(-1).
bool Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
void EndGraphics();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
int GraphicsGeneration();  // increases with every open; textures are remade when it changes
bool GraphicsModeExists(int width, int height, int depth, int hertz);
// The back end's name ("opengl", "software", ...), empty while closed.
std::string GraphicsDriverName();
// Resizes the window (not the view, which is scaled into it).
void SetWindowSize(int width, int height);
bool IsFullScreen();
// Switches between the window and the desktop's full screen without
// reopening (textures stay valid); false when the system refuses.
bool SetFullScreen(bool on);
void SetWindowTitle(const std::string& title);
void SetWindowIcon(const TPixmapPtr& icon);
bool WindowMaximized();   // true once per maximise of the window
bool WindowMinimized();

void Cls();
// 1 waits for the vertical blank, 0 does not, -1 paces to the open's hertz.
// A frame that starts with Cls and draws exactly what the frame on screen
// drew is not drawn or presented again (the window still gets its picture
// back when it is uncovered or resized).
void Flip(int sync);
// Frames flipped that were drawn, and frames that repeated the one shown.
int64_t FramesShown();
int64_t FramesRepeated();

// Marks what the frame has drawn since its Cls as a still layer. A layer
// drawn exactly alike two frames in a row is kept as a picture and copied in
// place of the drawing from then on, until it is drawn otherwise or a
// picture it used changes. The pixels are the same either way. The ground
// (a room's floor and what lies on it) is marked first and stays kept while
// objects slide above it; the whole layer (with walls and shadows) is kept
// while the room rests under its beams.
enum TStillLayer { kStillGround = 0, kStillWhole = 1 };
void EndStillLayer(TStillLayer layer = kStillWhole);
// Keeping still layers is on by default; off draws every layer in full.
void KeepStillLayers(bool on);
// How many times a kept layer was copied in place of its drawing.
int64_t StillLayersReused();

// A big picture (a background) not drawn for some seconds of frames gives
// its textures back and has them made again, alike, when drawn next; how
// many frames' textures were given back so far.
int64_t PicturesGivenBack();

// Drawing in software, a frame is compared with the one shown and drawn and
// shown only in the rectangles where they differ (the sparks, a beam, the
// pointer); the pixels are the same as drawn whole. The graphics card draws
// and shows whole frames. On by default.
void DrawChangedOnly(bool on);
// Draws every frame drawn in parts whole as well and compares the two
// (slow; for tests and checking runs); counts the frames unlike.
void CheckChangedDrawing(bool on);
int64_t FramesDrawnInParts();
int64_t ChangedDrawingMismatches();
// The window's picture as last shown (software only; null otherwise).
TPixmapPtr GrabShownPixmap();

// ---- Drawing state -----------------------------------------------------------
const TDrawState& DrawState();
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetClsColor(int r, int g, int b);
void SetBlend(int mode);
int GetBlend();
void SetLineWidth(float width);
float GetLineWidth();
// Keeps the colour, alpha, blend mode and line width while a mark is drawn
// in its own style, and puts them back when it goes.
class TKeptLineStyle {
 public:
  TKeptLineStyle();
  ~TKeptLineStyle();
  TKeptLineStyle(const TKeptLineStyle&) = delete;
  TKeptLineStyle& operator=(const TKeptLineStyle&) = delete;

 private:
  int color_[3];
  float alpha_, lineWidth_;
  int blend_;
};
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetTransform(float degrees, float sx, float sy);
void SetViewport(int x, int y, int w, int h);
void GetViewport(int& x, int& y, int& w, int& h);
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
void SetHandle(float x, float y);
void GetHandle(float& x, float& y);
void SetImageFont(const TImageFontPtr& font);  // null = the built-in font
TImageFontPtr GetImageFont();
void SetMaskColor(int r, int g, int b);
void AutoMidHandle(bool on);
void AutoImageFlags(int flags);
int GetAutoImageFlags();
// Back to the defaults of a fresh context (tests use it).
void ResetDrawState();

// ---- Primitives ------------------------------------------------------------
void Plot(float x, float y);
void DrawLine(float x1, float y1, float x2, float y2);
void DrawRect(float x, float y, float w, float h);
void DrawOval(float x, float y, float w, float h);
void DrawPoly(const std::vector<float>& xy);
void DrawText(const std::string& text, float x, float y);  // Latin-1 characters
int TextWidth(const std::string& text);
int TextHeight();
void DrawImage(const TImagePtr& image, float x, float y, int frame = 0);
void DrawImageRect(const TImagePtr& image, float x, float y, float w, float h, int frame = 0);
void TileImage(const TImagePtr& image, float x = 0, float y = 0, int frame = 0);
void DrawPixmap(const TPixmap& pixmap, int x, int y);
// An image that is drawn turned all the time (the emitters' sparks) is
// turned in steps of stepDegrees: each step is drawn once and then copied,
// and a square picture that looks the same after a quarter turn needs only
// the steps of a quarter turn. 0 turns it freely again.
void TurnInSteps(const TImagePtr& image, float stepDegrees);

// ---- Reading the back buffer -------------------------------------------------
void GrabImage(const TImagePtr& image, int x, int y, int frame = 0);
TPixmapPtr GrabPixmap(int x, int y, int w, int h);
// The whole back buffer as PNG / JPEG (screenshots, scripted runs).
bool SaveBackBufferPNG(const std::string& path);
bool SaveBackBufferJPEG(const std::string& path, int quality);
