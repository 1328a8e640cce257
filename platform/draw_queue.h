#pragma once
// The drawing commands of a frame are not handed to SDL at once: they are
// recorded, and run when the frame is shown or the back buffer is read. A
// frame that starts by clearing the whole view and records exactly the same
// commands as the frame shown before it would paint the very same picture,
// so it is neither drawn nor presented again: an idle menu costs almost
// nothing. Only the platform's own files include this.
#include <SDL.h>

#include <cstdint>
#include <vector>

namespace backend {

// Fills the whole back buffer, ignoring the clip, which is set again after.
void QueueClear(SDL_Color color);
// The clip rectangle for the commands that follow; null switches it off.
void QueueClip(const SDL_Rect* clip);
void QueueFillRect(const SDL_FRect& rect, SDL_Color color, SDL_BlendMode mode);
void QueuePoint(float x, float y, SDL_Color color, SDL_BlendMode mode);
void QueueLine(float x1, float y1, float x2, float y2, SDL_Color color, SDL_BlendMode mode);
// A texture copied into dst, tinted by color (its alpha is the alpha mod).
void QueueCopy(SDL_Texture* texture, const SDL_FRect& dst, SDL_Color color, SDL_BlendMode mode);
// Triangles; texture may be null (flat colour from the vertices).
void QueueGeometry(SDL_Texture* texture, const SDL_Vertex* vertices, int vertexCount, const int* indices,
                   int indexCount, SDL_BlendMode mode);

// Runs what has been recorded. Called before the back buffer is read and
// before any texture changes or goes, since recorded commands refer to them.
void RunQueue();
// Called when a texture is made (changed null), or before the pixels of the
// texture changed are replaced or it is destroyed: then the recorded
// commands run first if one uses it, and a kept still layer drawn with it is
// dropped. Either way the next frame cannot be taken for the last one shown.
void NoteTextureChange(SDL_Texture* changed = nullptr);
// Ends the frame: false when it repeats the frame shown last exactly, in
// which case its commands are dropped and the back buffer already holds it;
// otherwise the commands run and the result is true.
bool FinishFrame();
// Ends a still layer: the commands since the last clear. A layer recorded
// the same two frames in a row is kept as a picture; from then on the same
// commands, while none of them has run yet, are replaced by one copy of it.
// Layers nest: level 0 ends first and lies under level 1.
constexpr int kStillLayerCount = 2;
void QueueStillLayerEnd(int level);
void SetKeepStillLayers(bool on);
int64_t StillLayersReused();
// Drawing only what changed: a frame that starts clean is compared, command
// by command, with the frame in the back buffer and drawn only in the
// rectangles that differ (see changed_rects.h). Off draws whole frames.
void SetDrawChanged(bool on);
// Each frame drawn in parts is drawn whole as well and compared (slow; for
// tests and checking runs).
void SetCheckChanged(bool on);
// The rectangles the last frame was drawn in, or null when it was drawn
// whole (or not at all).
const std::vector<SDL_Rect>* LastChangedRects();
int64_t FramesDrawnInParts();
// Frames drawn in parts that did not match the same frame drawn whole.
int64_t PartsMismatched();
// Forgets everything recorded (the context closes).
void ResetQueue();

// Frames finished so far and how many of them repeated the last one shown.
int64_t FramesFinished();
int64_t FramesRepeated();

}  // namespace backend
