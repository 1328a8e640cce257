#include "effects/effects.h"

#include <cmath>
#include <numbers>

#include "platform/graphics.h"
#include "platform/random.h"

namespace {

constexpr float kDegToRad = std::numbers::pi_v<float> / 180.0f;

// Walks a list, dropping the instances whose update says they are done.
template <typename T, typename Keep>
void walk(std::list<T>& list, Keep keep) {
  for (auto it = list.begin(); it != list.end();) it = keep(*it) ? std::next(it) : list.erase(it);
}

void resetDrawing() {
  SetScale(1, 1);
  SetAlpha(1);
  SetRotation(0);
}

}  // namespace

// ---- Floating texts ------------------------------------------------------------

std::list<TTextFloat>& TTextFloat::all() {
  static std::list<TTextFloat> list;
  return list;
}

void TTextFloat::create(const std::string& text, float x, float y) {
  TTextFloat t;
  t.txt = text;
  t.x = x;
  t.y = y;
  all().push_back(t);
}

namespace {
bool textFloatsUpdated = false;
}  // namespace

bool TTextFloat::takeUpdated() {
  const bool was = textFloatsUpdated;
  textFloatsUpdated = false;
  return was;
}

void TTextFloat::updateAll(const TEffectsKit& kit) {
  textFloatsUpdated = true;
  const float dt = kit.frameDelta();
  walk(all(), [&kit, dt](TTextFloat& t) { return t.update(kit, dt); });
}

bool TTextFloat::update(const TEffectsKit& kit, float dt) {
  const float px = static_cast<float>(static_cast<int>(x)), py = static_cast<float>(static_cast<int>(y));
  if (kit.drawText)
    kit.drawText(txt, px, py, alpha);
  else
    DrawText(txt, px - static_cast<float>(TextWidth(txt) / 2), py);
  y -= moveInc * dt;
  if (alphaDelay > 0) {
    alphaDelay -= dt;
    return true;
  }
  alpha -= alphaInc * dt;
  return alpha > 0;
}

void TTextFloat::destroyAll() { all().clear(); }

// ---- Sparkles --------------------------------------------------------------------

std::list<TSparkle>& TSparkle::all() {
  static std::list<TSparkle> list;
  return list;
}

void TSparkle::create(int x, int y) {
  TSparkle s;
  s.x = x;
  s.y = y;
  s.rotInc = Rand(4, 5);
  all().push_back(s);
}

void TSparkle::updateAll(const TEffectsKit& kit) {
  const float dt = kit.frameDelta();
  walk(all(), [&kit, dt](TSparkle& s) { return s.update(kit, dt); });
}

bool TSparkle::update(const TEffectsKit& kit, float dt) {
  bool keep = true;
  if (scale >= 0.9f) {
    // The peak: from here it shrinks and fades.
    scale = 0.9f;
    alpha = 0.81f;
    scaleInc = -scaleInc;
    alphaInc = -alphaInc;
  } else if (alpha <= 0) {
    keep = false;  // drawn this last time at an alpha that shows nothing
  }
  alpha += alphaInc * dt;
  scale += scaleInc * dt;
  rotation += static_cast<float>(rotInc) * dt;
  SetScale(scale, scale);
  SetAlpha(alpha);
  SetRotation(rotation);
  if (const TImagePtr picture = TEffectsKit::picture(kit.sparkle))
    DrawImage(picture, static_cast<float>(x), static_cast<float>(y), 0);
  return keep;
}

void TSparkle::destroyAll() { all().clear(); }

// ---- Wall and floor fragments ------------------------------------------------------

std::list<TBrick>& TBrick::all() {
  static std::list<TBrick> list;
  return list;
}

void TBrick::create(float x, float y, int r, int g, int b, int frame, float life, float dirX, float dirY, int speed,
                    int changeScale, int brickImage) {
  TBrick k;
  k.x = x, k.y = y;
  k.r = r, k.g = g, k.b = b;
  k.frame = frame;
  k.life = life;
  k.changeScale = changeScale;
  k.brickImage = brickImage;
  k.rotInc = changeScale ? Rand(-5, 5) : Rand(-10, 10);
  k.dir = (dirX == 0 && dirY == 0) ? 0.0f : std::atan2(dirX, dirY) / kDegToRad;
  k.dx = static_cast<float>(Rand(1, speed)) / 10.0f;
  k.dy = static_cast<float>(Rand(1, speed)) / 10.0f;
  all().push_back(k);
}

int TBrick::count() { return static_cast<int>(all().size()); }

void TBrick::updateAll(int group, const TEffectsKit& kit) {
  const float dt = kit.frameDelta();
  walk(all(), [&kit, dt, group](TBrick& k) { return (k.brickImage != 0) != (group != 0) || k.update(kit, dt); });
}

bool TBrick::update(const TEffectsKit& kit, float dt) {
  x += std::sin(dir * kDegToRad) * dx * dt;
  y += std::cos(dir * kDegToRad) * dy * dt;
  if (changeScale) scale -= 0.005f * dt;
  rotation += rotInc;
  if (life > 0) {
    life -= dt;
    SetAlpha(1);
  } else {
    alpha -= alphaInc * dt;
    SetAlpha(alpha);
  }
  if (alpha <= 0) return false;
  SetScale(scale, scale);
  SetRotation(static_cast<float>(rotation));
  SetColor(r, g, b);
  const TImagePtr strip = TEffectsKit::picture(brickImage ? kit.wallBricks : kit.floorBricks);
  if (strip) DrawImage(strip, x, y, frame);
  return true;
}

void TBrick::destroyAll() { all().clear(); }

// ---- Fireworks ------------------------------------------------------------------------

std::list<TFireworks>& TFireworks::particles() {
  static std::list<TFireworks> list;
  return list;
}

TImagePtr& TFireworks::image() {
  static TImagePtr particle;
  return particle;
}

std::unique_ptr<TFireworks> TFireworks::create(const std::string& imagePath) {
  image() = LoadImage(imagePath, -1);
  if (image()) MidHandleImage(image());
  return std::make_unique<TFireworks>();
}

void TFireworks::add(float bx, float by, int count, float speed) {
  const float cr = static_cast<float>(Rand(1, 255)), cg = static_cast<float>(Rand(1, 255)),
              cb = static_cast<float>(Rand(1, 255));
  for (int i = 0; i < count; ++i) {
    const float a1 = static_cast<float>(Rnd(0, 360)) * kDegToRad, a2 = static_cast<float>(Rnd(0, 360)) * kDegToRad;
    TFireworks p;
    p.x = bx, p.y = by, p.z = 200;
    p.xd = std::cos(a1) * std::cos(a2) * speed;
    p.yd = std::cos(a1) * std::sin(a2) * speed;
    p.zd = std::sin(a1) * speed;
    p.r = cr, p.g = cg, p.b = cb;
    particles().push_back(p);
  }
}

int TFireworks::update(float dt) {
  const float oldAlpha = GetAlpha();
  SetBlend(kBlendLight);
  int drawn = 0;
  walk(particles(), [&](TFireworks& p) {
    if (p.alpha <= 0) return false;
    p.x += 10 * p.xd * dt;
    p.y += 10 * p.yd * dt;
    p.z += 10 * p.zd * dt;
    p.y += p.vy * dt;
    p.vy += 0.02f * dt;
    p.alpha -= 0.01f * dt;
    // Particles that reach the viewer's plane are not drawn (no division by 0).
    if (p.z > 0.5f) {
      const float sx = 400 + 500 * p.x / p.z, sy = 300 + 500 * p.y / p.z;
      SetColor(static_cast<int>(p.r), static_cast<int>(p.g), static_cast<int>(p.b));
      SetAlpha(p.alpha);
      SetScale(20 / p.z, 20 / p.z);
      if (image()) DrawImage(image(), sx, sy, 0);
      ++drawn;
    }
    return true;
  });
  SetAlpha(oldAlpha);
  SetBlend(kBlendAlpha);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  return drawn;
}

void TFireworks::destroy() { particles().clear(); }

// ---- The front -------------------------------------------------------------------------

namespace {

// Lays out the 10 x 10 fragments of one 50 x 50 cell centred on (x, y).
// The burst sound plays on one channel, so its hundred calls are heard as
// one sound.
template <typename Make>
void burst(const TEffectsKit& kit, float x, float y, Make make) {
  for (int j = 0; j < 10; ++j)
    for (int k = 0; k < 10; ++k) {
      const float px = x - 25 + 5.0f * k, py = y - 25 + 5.0f * j;
      make(px, py, 10 * j + k);
      if (kit.playBurst) kit.playBurst();
    }
}

}  // namespace

void TEffects::explodeWall(float x, float y, int r, int g, int b, bool implode) {
  if (r == 0) r = 192;
  if (g == 0) g = 192;
  if (b == 0) b = 192;
  burst(kit, x, y, [&](float px, float py, int n) {
    if (implode)
      TBrick::create(px, py, r, g, b, n, 50, x - px, y - py, 2, 1, 1);
    else
      TBrick::create(px, py, r, g, b, n, 150, px - x, py - y, 5, 0, 1);
  });
}

void TEffects::crumbleFloor(float x, float y) {
  burst(kit, x, y, [&](float px, float py, int n) { TBrick::create(px, py, 255, 255, 255, n, 50, x - px, y - py, 2, 1, 0); });
}

void TEffects::updateFloorCrumbles() {
  SetBlend(kBlendAlpha);
  TBrick::updateAll(0, kit);
  resetDrawing();
}

void TEffects::updateAll() {
  TTextFloat::updateAll(kit);
  SetBlend(kBlendLight);
  TSparkle::updateAll(kit);
  SetBlend(kBlendAlpha);
  TBrick::updateAll(1, kit);
  resetDrawing();
  SetColor(255, 255, 255);
}

void TEffects::destroyAll() {
  TTextFloat::destroyAll();
  TSparkle::destroyAll();
  TBrick::destroyAll();
}

bool TEffects::anyRunning() const {
  return !TTextFloat::all().empty() || !TSparkle::all().empty() || !TBrick::all().empty() ||
         !TFireworks::particles().empty();
}
