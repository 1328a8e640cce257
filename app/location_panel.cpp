#include "app/location_panel.h"

#include <memory>

#include "app/globals.h"
#include "data/location.h"
#include "data/profile.h"
#include "data/room_records.h"
#include "engine/room_play.h"
#include "engine/still_host.h"
#include "platform/graphics.h"
#include "screens/room_engine.h"
#include "widgets/text.h"

namespace {

// Where the game draws a room: 12 x 10 cells of 50 pixels.
constexpr int kRoomW = 600, kRoomH = 500;
constexpr int kLinesY = TLocationPanel::kY + TLocationPanel::kH + 12;
constexpr int kLineGap = 28;

std::string plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Rooms of the location the player has solved in a custom game.
int solvedRooms(const std::string& location, int roomCount) {
  if (!profile) return 0;
  TRoomRecords records;
  records.load(profile->recordsPath());
  int solved = 0;
  for (int room = 1; room <= roomCount; ++room)
    if (records.find({TRecordGame::custom, location, room}).moves >= 0) ++solved;
  return solved;
}

}  // namespace

TLocationPanel::TLocationPanel(const std::string& locationName) : name_(locationName) {
  if (name_.empty()) return;
  TLocation location;
  if (!loadWholeLocation(name_, location).empty() || location.roomCount < 1) {
    roomsLine_ = "This location cannot be read";
    return;
  }
  readable_ = true;
  roomsLine_ = plural(location.roomCount, "room", "rooms");
  const int solved = solvedRooms(name_, location.roomCount);
  progressLine_ = "Solved " + std::to_string(solved) + " of " + std::to_string(location.roomCount);
  if (profile && profile->curLoc != 0 && profile->curRoom >= 1)
    progressLine_ += ", next: room " + std::to_string(profile->curRoom);
}

void TLocationPanel::prepare() {
  if (thumbnailTried_) return;
  thumbnailTried_ = true;
  TLocation location;
  if (!readable_ || !loadWholeLocation(name_, location).empty()) return;
  const TEnginePtr room = startRoom(location, 1, std::make_shared<TStillHost>(), roomPicturesFromGfx(gfx));
  // Drawn once where the game draws rooms, taken from the back buffer, and
  // wiped before the frame proper is drawn.
  Cls();
  room->drawRoom();
  thumbnail_ = CreateImage(kRoomW, kRoomH, 1);
  if (thumbnail_) GrabImage(thumbnail_, TEngine::kPlayX, TEngine::kPlayY);
  Cls();
}

void TLocationPanel::draw() {
  if (name_.empty()) {
    if (text && text->setFont(6))
      text->draw("Choose LOAD LOCATION to play a location", kCentreX, kY + kH / 2, true, true);
    return;
  }
  if (thumbnail_) {
    SetColor(0, 0, 0);
    DrawRect(kX - 3, kY - 3, kW + 6, kH + 6);
    SetColor(255, 255, 255);
    DrawImageRect(thumbnail_, kX, kY, kW, kH);
  }
  if (!text) return;
  text->setFont(1);
  text->draw(text->clipToWidth(name_, kW), kCentreX, kLinesY, true, true);
  if (!text->setFont(6)) return;
  text->draw(roomsLine_, kCentreX, kLinesY + kLineGap, true, true);
  if (!progressLine_.empty()) text->draw(progressLine_, kCentreX, kLinesY + 2 * kLineGap, true, true);
}
