#pragma once
// What the drawing code, the texture cache and the input service share about
// the open SDL context. Only the platform's own files include this.
#include <SDL.h>

#include "platform/image.h"

namespace backend {

SDL_Renderer* Renderer();  // null while no display is open
// True when nothing can be shown: SDL's dummy or offscreen video driver, or
// no display server to talk to.
bool NoDisplay();
SDL_Window* Window();
SDL_Texture* BackBuffer();  // the view-sized render target
// Re-applies the viewport as the scissor rectangle of the back buffer.
void ApplyClip();
// True while the viewport clips (it is not the whole view).
bool ClipActive();
// Pointer positions: window pixels <-> view pixels (letterboxing undone).
void WindowToView(int wx, int wy, int& vx, int& vy);
void ViewToWindow(int vx, int vy, int& wx, int& wy);
// Called by the input service for window events it sees.
void NoteWindowEvent(const SDL_WindowEvent& event);

// How the current blend mode and colour reach the back end.
struct TPaint {
  SDL_Color color{255, 255, 255, 255};
  SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
  bool maskTest = false;  // blend 1: draw only where alpha >= 0.5
  int alphaKey = 255;     // the alpha byte the mask test is made for
  bool visible = true;    // false when nothing can pass the mask test
};
TPaint CurrentPaint();

// The texture of an image frame made for the current context; with maskTest
// a variant whose alpha is already cut at the mask threshold. Null when no
// display is open or the frame does not exist.
SDL_Texture* FrameTexture(TImage& image, int frame, const TPaint& paint);
// The same frame with its alpha already multiplied by alphaKey / 255, so it
// can be drawn at full strength with the same result. Made only for an alpha
// asked for twice in a row (a fading picture changes its alpha every frame);
// null otherwise.
SDL_Texture* FadedFrameTexture(TImage& image, int frame, int alphaKey);
// True for a texture without an alpha channel (every pixel opaque).
bool TextureOpaque(SDL_Texture* texture);
// Draws a frame of an image turned in steps (TurnInSteps) with the current
// rotation, scale and paint; false when it must be drawn the ordinary way.
bool DrawTurnedFrame(const TImagePtr& image, int frame, float x, float y);
// Drops every turned step (the context closes).
void ForgetTurnedFrames();
// Gives back the textures of big pictures not drawn for a while (see
// texture_cache.cpp); looks only once in a while unless now is true.
void DropUnusedTextures(bool now = false);
// A texture made from pixels (premultiplying nothing), for one-off drawing.
SDL_Texture* MakeTexture(const TPixmap& pixmap, bool filtered, bool bleedEdges);

}  // namespace backend
