#pragma once
// The pictures a live room is drawn with. Light is traced against the object
// pictures too (a ray stops where it meets an object's shape), so an engine
// needs at least objectImg to play; the rest only matter for drawing. Whoever
// makes an engine hands them over: the screens from the game's loaded
// pictures, tools and tests from files of their own.
#include "platform/image.h"

struct TRoomPictures {
  TImagePtr blockImg;         // floors, walls, glyphs; frame 1 is the cell shape
  TImagePtr objectImg;        // objects; frames 23 and 24 are the mirror's shapes
  TImagePtr objectShadowImg;  // drop shadows under objects
  TImagePtr shadowImg;        // soft wall shadows
  TImagePtr arrowImg;         // movement arrows
  TImagePtr sparkBigImg, sparkMedImg;  // the rotating light on emitters
};
