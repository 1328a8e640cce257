#include "screens/solution_replay.h"

#include "engine/room_play.h"

std::unique_ptr<TSolutionReplay> TSolutionReplay::create(const std::string& locationName, int room,
                                                         TEngineHostPtr host, const TRoomPictures& pictures) {
  const TSolutions solutions = locationSolutions(locationName);
  const auto found = solutions.find(room);
  if (found == solutions.end() || found->second.empty()) return nullptr;
  TLocation location;
  if (!location.load(locationName) || room < 1 || room > location.roomCount) return nullptr;
  auto replay = std::make_unique<TSolutionReplay>();
  replay->engine_ = startRoom(location, room, std::move(host), pictures);
  replay->engine_->pointerBlocked = 1;  // watched, not played: clicks pick nothing
  replay->moves_ = found->second;
  return replay;
}

void TSolutionReplay::update() {
  TEngine& e = *engine_;
  e.drawRoom();
  e.updateObjects();
  if (next_ >= moves_.size() || !roomAtRest(e)) return;
  wait_ -= e.host ? e.host->delta() : 1.0f;
  if (wait_ > 0) return;
  wait_ = kPauseFrames;
  // A move the room refuses (a solution written for another version of the
  // room) ends the replay where it stands.
  if (!startMove(e, moves_[next_])) {
    next_ = moves_.size();
    return;
  }
  ++next_;
}

bool TSolutionReplay::finished() const { return next_ >= moves_.size() && roomAtRest(*engine_); }
