// Object construction, clearing and the object record on disk.
#include <cmath>

#include "data/room_pieces.h"
#include "platform/random.h"

TObject::TObject() : sparkleTime(static_cast<float>(Rand(100, 1000))) {}

void TObject::clear() {
  static_cast<TTile&>(*this) = TTile();
  movable = solid = shadowImage = 0;
  pr = pg = pb = rr = rg = rb = dr = dg = db = 0;
  sx = sy = score = itemID = dx = dy = tx = ty = c = r = angle = glowActive = 0;
  alpha = scale = targetScale = sparkleTime = glow = crumbleDelay = 0;
}

namespace {
// Movement steps are stored as bytes; -1 goes to disk as 255 and comes back
// as -1, so a room saved in the middle of a move resumes in the same direction.
int signedStep(int byte) { return byte >= 128 ? byte - 256 : byte; }
}  // namespace

void TObject::save(TStream& s) const {
  s.WriteLine(name);
  s.WriteFloat(x);
  s.WriteFloat(y);
  for (int v : {frame, shadows, movable, solid, shadowImage, floorTile, pr, pg, pb, rr, rg, rb, dr, dg, db})
    s.WriteByte(v);
  s.WriteByte(sx + 25);
  s.WriteByte(sy + 25);
  s.WriteInt(score);
  for (int v : {itemID, helpID, dx, dy}) s.WriteByte(v);
  s.WriteInt(tx);
  s.WriteInt(ty);
  s.WriteByte(c);
  s.WriteByte(r);
  s.WriteInt(angle);
  for (float v : {alpha, scale, targetScale, sparkleTime, crumbleDelay}) s.WriteFloat(v);
  s.WriteFloat(glowActive ? 1.0f : 0.0f);
  s.WriteFloat(glow);
}

void TObject::load(TStream& s) {
  name = s.ReadLine();
  x = s.ReadFloat();
  y = s.ReadFloat();
  for (int* v : {&frame, &shadows, &movable, &solid, &shadowImage, &floorTile, &pr, &pg, &pb, &rr, &rg, &rb, &dr,
                 &dg, &db})
    *v = s.ReadByte();
  sx = s.ReadByte() - 25;
  sy = s.ReadByte() - 25;
  score = s.ReadInt();
  itemID = s.ReadByte();
  helpID = s.ReadByte();
  dx = signedStep(s.ReadByte());
  dy = signedStep(s.ReadByte());
  tx = s.ReadInt();
  ty = s.ReadInt();
  c = s.ReadByte();
  r = s.ReadByte();
  angle = s.ReadInt();
  for (float* v : {&alpha, &scale, &targetScale, &sparkleTime, &crumbleDelay}) *v = s.ReadFloat();
  // Stored as 1.0 or 0.0; any other value (a damaged file) still reads as a flag.
  glowActive = std::fabs(s.ReadFloat()) >= 1.0f ? 1 : 0;
  glow = s.ReadFloat();
}
