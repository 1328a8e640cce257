// Setters and getters of the drawing state.
#include <algorithm>

#include "platform/graphics.h"
#include "platform/graphics_backend.h"

namespace {
TDrawState& State() { return CurrentDrawState(); }
TImageFontPtr currentFont;
}  // namespace

const TDrawState& DrawState() { return State(); }

// Colours keep the values given (the getter returns them); drawing clamps.
void SetColor(int r, int g, int b) {
  State().color[0] = r;
  State().color[1] = g;
  State().color[2] = b;
}
void GetColor(int& r, int& g, int& b) {
  r = State().color[0];
  g = State().color[1];
  b = State().color[2];
}
void SetAlpha(float alpha) { State().alpha = std::clamp(alpha, 0.0f, 1.0f); }
float GetAlpha() { return State().alpha; }
void SetClsColor(int r, int g, int b) {
  State().clsColor[0] = r;
  State().clsColor[1] = g;
  State().clsColor[2] = b;
}
void SetBlend(int mode) {
  if (State().blend == mode) return;  // setting the current mode again does nothing
  State().blend = mode;
}
int GetBlend() { return State().blend; }
void SetLineWidth(float width) { State().lineWidth = width; }
float GetLineWidth() { return State().lineWidth; }
TKeptLineStyle::TKeptLineStyle()
    : color_{State().color[0], State().color[1], State().color[2]},
      alpha_(State().alpha),
      lineWidth_(State().lineWidth),
      blend_(State().blend) {}
TKeptLineStyle::~TKeptLineStyle() {
  SetColor(color_[0], color_[1], color_[2]);
  SetAlpha(alpha_);
  SetLineWidth(lineWidth_);
  SetBlend(blend_);
}
void SetRotation(float degrees) {
  State().rotation = degrees;
  State().UpdateTransform();
}
float GetRotation() { return State().rotation; }
void SetScale(float sx, float sy) {
  State().scaleX = sx;
  State().scaleY = sy;
  State().UpdateTransform();
}
void GetScale(float& sx, float& sy) {
  sx = State().scaleX;
  sy = State().scaleY;
}
void SetTransform(float degrees, float sx, float sy) {
  State().rotation = degrees;
  State().scaleX = sx;
  State().scaleY = sy;
  State().UpdateTransform();
}
void SetViewport(int x, int y, int w, int h) {
  State().viewX = x;
  State().viewY = y;
  State().viewW = w;
  State().viewH = h;
  backend::ApplyClip();
}
void GetViewport(int& x, int& y, int& w, int& h) {
  x = State().viewX;
  y = State().viewY;
  w = State().viewW;
  h = State().viewH;
}
void SetOrigin(float x, float y) {
  State().originX = x;
  State().originY = y;
}
void GetOrigin(float& x, float& y) {
  x = State().originX;
  y = State().originY;
}
void SetHandle(float x, float y) {
  State().handleX = x;
  State().handleY = y;
}
void GetHandle(float& x, float& y) {
  x = State().handleX;
  y = State().handleY;
}
void SetImageFont(const TImageFontPtr& font) { currentFont = font; }
TImageFontPtr GetImageFont() {
  if (!currentFont) {
    static const TImageFontPtr builtIn = TImageFont::CreateDefault();
    return builtIn;
  }
  return currentFont;
}
void SetMaskColor(int r, int g, int b) {
  State().maskColor[0] = r;
  State().maskColor[1] = g;
  State().maskColor[2] = b;
}
void AutoMidHandle(bool on) { State().autoMidHandle = on; }
void AutoImageFlags(int flags) { State().autoImageFlags = flags; }
int GetAutoImageFlags() { return State().autoImageFlags; }

void ResetDrawState() {
  TDrawState fresh;
  if (GraphicsOpen()) {
    fresh.viewW = GraphicsWidth();
    fresh.viewH = GraphicsHeight();
  }
  State() = fresh;
  currentFont = nullptr;
  backend::ApplyClip();
}

namespace backend {
TPaint CurrentPaint() {
  const TDrawState& s = State();
  TPaint p;
  auto clamp = [](int v) { return static_cast<Uint8>(std::clamp(v, 0, 255)); };
  p.color = SDL_Color{clamp(s.color[0]), clamp(s.color[1]), clamp(s.color[2]),
                      static_cast<Uint8>(static_cast<int>(s.alpha * 255))};
  switch (s.blend) {
    case kBlendMask:
      // No blending; the alpha test keeps what reaches half opacity.
      p.maskTest = true;
      p.alphaKey = p.color.a;
      p.visible = p.alphaKey * 2 >= 255;
      p.color.a = 255;
      p.mode = SDL_BLENDMODE_BLEND;
      break;
    case kBlendAlpha:
      p.mode = SDL_BLENDMODE_BLEND;
      break;
    case kBlendLight:
      p.mode = SDL_BLENDMODE_ADD;
      break;
    case kBlendShade:
      p.mode = SDL_BLENDMODE_MOD;
      break;
    default:  // solid, and anything unknown
      p.mode = SDL_BLENDMODE_NONE;
      break;
  }
  return p;
}
}  // namespace backend
