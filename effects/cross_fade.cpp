#include "effects/cross_fade.h"

#include "platform/clock.h"
#include "platform/graphics.h"

TCrossFade::TCrossFade(std::function<void()> present) : present_(std::move(present)) {
  if (!present_) {
    present_ = [] {
      Delay(2);
      Flip(-1);
    };
  }
  for (auto& img : screenImg) {
    img = CreateImage(GraphicsWidth(), GraphicsHeight(), 1, kImageDynamic);
    if (img) SetImageHandle(img, 0, 0);
  }
}

void TCrossFade::grabScreen(int index) {
  if (index < 0 || index > 1 || !screenImg[index]) return;
  GrabImage(screenImg[index], 0, 0, 0);
}

void TCrossFade::fadeIn() {
  grabScreen(newScreen);
  // Whatever the last screen left in the drawing state, the blend is a plain
  // alpha blend of the two untransformed snapshots.
  const TDrawState saved = DrawState();
  SetBlend(kBlendAlpha);
  SetColor(255, 255, 255);
  SetTransform(0, 1, 1);
  SetOrigin(0, 0);
  SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
  // Single-precision steps of 0.02 give 51 frames, the last just under 1.
  for (float a = 0; a <= 1; a += fadeInc) {
    SetAlpha(1);
    DrawImage(screenImg[oldScreen], 0, 0);
    SetAlpha(a);
    DrawImage(screenImg[newScreen], 0, 0);
    present_();
  }
  // The alpha stays as the loop left it; the rest goes back as it was.
  SetBlend(saved.blend);
  SetColor(saved.color[0], saved.color[1], saved.color[2]);
  SetTransform(saved.rotation, saved.scaleX, saved.scaleY);
  SetOrigin(saved.originX, saved.originY);
  SetViewport(saved.viewX, saved.viewY, saved.viewW, saved.viewH);
}
