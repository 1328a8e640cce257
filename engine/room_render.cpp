// Drawing a live room: blocks, objects and their drop shadows, soft wall
// shadows, fog, light beams and emitter sparks.
#include "engine/engine.h"
#include "platform/graphics.h"

namespace {

constexpr int kFogTile = 20;
constexpr int kLitGlyphOffset = 10;   // lit overlay of glyph block id
constexpr int kCellShape = 1;

// Pictures may be missing (tests, tools without art): draw nothing then.
void drawFrame(const TImagePtr& image, float x, float y, int frame) {
  if (image && frame >= 0 && frame < image->FrameCount()) DrawImage(image, x, y, frame);
}

}  // namespace

void TEngine::drawBlock(TBlock& b, int frameIndex) {
  if (b.frame == 0 && frameIndex < 0) return;
  const TImagePtr& blocks = pictures.blockImg;
  const float before = GetAlpha();
  if (b.fog != 0) {
    drawFrame(blocks, b.x, b.y, kFogTile);
    SetAlpha(before - b.fog);
  }
  drawFrame(blocks, b.x, b.y, frameIndex == -1 ? b.frame : frameIndex);
  if (b.a != 0) {
    SetAlpha(b.a);
    drawFrame(blocks, b.x, b.y, b.frame + kLitGlyphOffset);
  }
  SetAlpha(before);
}

void TEngine::drawObject(TObject& o, int frameOffset, float fogLevel, int shadowPass) {
  if (o.frame == 0) return;
  float& alpha = o.alpha;
  const float x = o.x, y = o.y;
  const int frame = o.frame;
  const float before = GetAlpha();
  if (fogLevel != 0) {
    SetAlpha(before - fogLevel);
  } else if (alpha < 1) {
    // Fading out: drawn twice a frame (shadow and object pass), so it loses
    // 0.015 a frame and is gone in about 66 frames.
    SetAlpha(alpha);
    alpha -= 0.0075f;
  }
  if (shadowPass == 0)
    drawFrame(pictures.objectImg, x, y, frame + frameOffset);
  else if (o.shadowImage != 0)
    drawFrame(pictures.objectShadowImg, x, y, frame + frameOffset);
  if (alpha > 0 && o.glow != 0) {
    // A decayed wall lit by its colour glows: its own picture, added in
    // the decay colour.
    SetBlend(kBlendLight);
    SetAlpha(o.glow);
    SetColor(o.dr, o.dg, o.db);
    drawFrame(pictures.objectImg, x, y, frame);
    SetColor(255, 255, 255);
    SetBlend(kBlendAlpha);
  } else if (alpha <= 0) {
    o.clear();
  }
  SetAlpha(before);
}

void TSpark::draw(float delta, const TRoomPictures& pictures) {
  SetScale(scale, scale);
  SetRotation(angle1);
  drawFrame(pictures.sparkBigImg, static_cast<float>(x), static_cast<float>(y), 0);
  angle1 += rotInc1 * delta;
  SetScale(scale, scale);
  SetRotation(angle2);
  drawFrame(pictures.sparkMedImg, static_cast<float>(x), static_cast<float>(y), 0);
  angle2 -= rotInc2 * delta;
  SetRotation(0);
  SetScale(1, 1);
}

void TEngine::drawRoom() {
  drawBlocks(1, 1);
  host->updateFloorCrumbles();
  drawObjects(0);
  // The walls' soft shadows go down before the objects' drop shadows: both
  // only darken the floor, and so the floor, what lies on it and the wall
  // shadows stay put together while objects slide over them.
  drawShadowMap();
  EndStillLayer(kStillGround);
  drawObjectShadows();
  drawBlocks(0, 1);
  // Everything so far stays put while the room rests; beams pulse and
  // sparks turn above it.
  EndStillLayer(kStillWhole);
  drawLight();
  drawObjects(1);
  drawArrows();
}

void TEngine::drawGrid() {
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) drawFrame(pictures.blockImg, centreX(c), centreY(r), kBlockCursor);
}

void TEngine::drawBlocks(int lightKey, int trackMouse) {
  activeGlyphs = 0;
  if (trackMouse != 0) mouseC = mouseR = 0;
  int glyphNumber = 0;
  for (int r = 1; r <= 10; ++r)
    for (int c = 1; c <= 12; ++c) {
      TBlock* b = cell(c, r);
      if (!b) continue;
      const bool glyph = isGlyph(*b);
      if (glyph) ++glyphNumber;
      if (b->light == lightKey) {
        drawBlock(*b, -1);
        if (glyph) updateGlyph(*b, glyphNumber);
      }
      if (trackMouse != 0 &&
          host->pointerOver(pictures.blockImg, static_cast<int>(b->x), static_cast<int>(b->y), kCellShape)) {
        mouseC = c;
        mouseR = r;
      }
    }
}

void TEngine::drawObjects(int solidKey) {
  for (int i = 1; i <= roomObjects; ++i) {
    TObject* o = object(i);
    if (!o || o->solid != solidKey) continue;
    const bool sunk = o->scale < 1;
    if (sunk) {
      // A fallen object looks smaller and darker.
      SetScale(o->scale, o->scale);
      const int grey = static_cast<int>(255 * o->scale);
      SetColor(grey, grey, grey);
    }
    drawObject(*o, o->angle != 0 ? kTurnedOffset : 0, cellFog(o->c, o->r), 0);
    if (sunk) {
      SetColor(255, 255, 255);
      SetScale(1, 1);
    }
  }
}

void TEngine::drawObjectShadows() {
  for (int i = 1; i <= roomObjects; ++i)
    if (TObject* o = object(i)) drawObject(*o, o->angle != 0 ? kTurnedOffset : 0, cellFog(o->c, o->r), 1);
}

void TEngine::drawShadowMap() {
  SetAlpha(0.75f);
  const TImagePtr& shadows = pictures.shadowImg;
  for (const TShadow& s : shadowList) drawFrame(shadows, static_cast<float>(s.x), static_cast<float>(s.y), s.frame);
  SetAlpha(1);
}

void TEngine::drawLight() {
  segmentCounter_ = 0;
  createRays();
  for (const TLightRay& s : lightList) {
    SetColor(s.lr, s.lg, s.lb);
    SetAlpha(lightAlpha);
    const float x1 = static_cast<float>(s.x1), y1 = static_cast<float>(s.y1);
    const float x2 = static_cast<float>(s.x2), y2 = static_cast<float>(s.y2);
    // A 4-pixel core with two fading pixels on each side.
    if (s.x1 == s.x2) {
      float h = y2 - y1 + (s.dy > 0 ? 1 : 0);
      float top = y1;
      if (h < 0) top += h, h = -h;
      DrawRect(x1 - 2, top, 4, h);
      for (int j = 1; j <= 2; ++j) {
        SetAlpha(lightAlpha - 0.3f * j);
        DrawLine(x1 - 2 - j, y1, x2 - 2 - j, y2);
        DrawLine(x1 + 1 + j, y1, x2 + 1 + j, y2);
      }
    } else {
      float w = x2 - x1 + (s.dx > 0 ? 1 : 0);
      float left = x1;
      if (w < 0) left += w, w = -w;
      DrawRect(left, y1 - 2, w, 4);
      for (int j = 1; j <= 2; ++j) {
        SetAlpha(lightAlpha - 0.3f * j);
        DrawLine(x1, y1 - 2 - j, x2, y2 - 2 - j);
        DrawLine(x1, y1 + 1 + j, x2, y2 + 1 + j);
      }
    }
  }
  // The beams pulse slowly, one step a frame.
  if (lightAlpha >= 0.86f)
    lightAlphaInc = -lightInc;
  else if (lightAlpha <= 0.74f)
    lightAlphaInc = lightInc;
  lightAlpha += lightAlphaInc;

  SetColor(255, 255, 255);
  SetAlpha(0.9f);
  const float delta = host->delta();
  for (TSpark& spark : sparkList) spark.draw(delta, pictures);
  SetAlpha(1);
}
