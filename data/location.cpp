// Location files: byte layout, reading with limits, writing, room list edits.
#include "data/location.h"

#include <algorithm>

#include "data/file_names.h"
#include "data/name_line.h"
#include "platform/file_system.h"

void TRoom::setInfo(const std::string& newName, const std::string& newDescription) {
  name = newName;
  description = newDescription;
}

void TLocation::reset() {
  curRoom = 1;
  for (int i = 0; i <= roomCount && i <= kLocationMaxRooms; ++i) room[i] = nullptr;
  roomCount = 0;
}

void TLocation::setInfo(const std::string& newName, int newIcon, int newX, int newY,
                        const std::string& newDescription) {
  name = newName;
  icon = newIcon;
  x = newX;
  y = newY;
  description = newDescription;
}

int TLocation::addRoom() {
  // Callers add rooms only while there is space; a full location stays full.
  if (roomCount >= kLocationMaxRooms) return roomCount;
  ++roomCount;
  auto r = std::make_shared<TRoom>();
  r->setInfo("Room " + std::to_string(roomCount), "");
  room[roomCount] = r;
  return roomCount;
}

void TLocation::deleteRoom(int index) {
  if (index < 1 || index > roomCount) return;
  for (int i = index; i < roomCount; ++i) room[i] = room[i + 1];
  room[roomCount] = nullptr;
  --roomCount;
}

void TLocation::cloneRoom() {
  if (roomCount + 1 > kLocationMaxRooms) return;
  if (curRoom < 1 || curRoom > roomCount || !room[curRoom]) return;
  copyRoom(room[curRoom]);
}

void TLocation::copyRoom(const TRoomPtr& source) {
  if (roomCount + 1 > kLocationMaxRooms || !source) return;
  ++roomCount;
  room[roomCount] = source->copy();
  curRoom = roomCount;
}

void TLocation::moveRoom(int delta) {
  const int target = curRoom + delta;
  if (target < 1 || target > roomCount || curRoom < 1 || curRoom > roomCount) return;
  TRoomPtr moving = room[curRoom] ? room[curRoom]->copy() : nullptr;
  room[curRoom] = room[target] ? room[target]->copy() : nullptr;
  room[target] = moving;
  curRoom = target;
}

std::string TLocation::filePath(const std::string& locationName) {
  return "locations/" + locationName + ".loc";
}

int TLocation::load(const std::string& locationName) {
  // A loose file is read whole, and only when it is an ordinary file of a
  // sensible size; the pack is asked only when there is no loose file.
  std::vector<uint8_t> bytes;
  std::string reason;
  TStreamPtr s;
  switch (ReadFileContents(filePath(locationName), bytes, &reason, file_limits::kPlayerFile)) {
    case TFileRead::read: s = MemoryStream(std::move(bytes)); break;
    case TFileRead::missing: s = openPackedLocation(locationName); break;
    case TFileRead::unreadable: loadProblem = reason; return 0;
  }
  if (!s) return 0;
  const int ok = read(*s);
  CloseStream(s);
  if (ok) name = locationName;
  return ok;
}

std::string loadWholeLocation(const std::string& locationName, TLocation& into) {
  const std::string path = TLocation::filePath(locationName);
  // The name goes into the saved game and the high-score file as one line:
  // one that could not come back from them as it is is not played.
  if (!isListableName(locationName))
    return "The location file " + path + " has a name the game cannot keep (" + fileNameProblem(locationName) + ")";
  TLocation read;
  if (!read.load(locationName))
    return "The location file " + path + " cannot be opened" +
           (read.loadProblem.empty() ? std::string(".") : ": " + read.loadProblem + ".");
  if (!read.loadProblem.empty()) return "The location file " + path + " is damaged (" + read.loadProblem + ").";
  into = read;
  return {};
}

bool readLocationFile(const std::string& path, TLocation& location, std::string& error) {
  std::vector<uint8_t> bytes;
  if (std::string why = ReadFileOrWhy(path, bytes, file_limits::kPlayerFile); !why.empty()) {
    error = "cannot open " + why;
    return false;
  }
  TMemoryStream stream(std::move(bytes));
  location.read(stream);
  location.name = StripExt(StripDir(path));
  if (!location.loadProblem.empty()) {
    error = path + " is damaged: " + location.loadProblem;
    return false;
  }
  return true;
}

namespace {

// Notes the first problem met while reading.
void note(std::string& problem, const std::string& text) {
  if (problem.empty()) problem = text;
}

}  // namespace

int TLocation::read(TStream& s) {
  std::string problem;
  bool shortFile = false;
  // Reads past the end come back as zeros; remember that it happened.
  auto byte = [&] {
    if (s.Eof()) shortFile = true;
    return s.ReadByte();
  };
  auto line = [&] {
    if (s.Eof()) shortFile = true;
    return s.ReadLine();
  };
  TLocation in;
  try {
    in.description = line();
    in.icon = byte();
    in.x = byte();
    in.y = byte();
    const int rows = byte();
    const int columns = byte();
    int rooms = byte();
    // The game writes 10 rows of 12 cells; a larger grid is read in step but
    // only its playable part is kept, and rooms beyond 12 are left unread.
    if (rows > kRoomRows || columns > kRoomColumns)
      note(problem, "room size " + std::to_string(columns) + " x " + std::to_string(rows) + " cut to 12 x 10");
    if (rooms > kLocationMaxRooms) {
      note(problem, "room count " + std::to_string(rooms) + " cut to 12");
      rooms = kLocationMaxRooms;
    }
    in.roomCount = rooms;
    for (int i = 1; i <= rooms; ++i) {
      auto r = std::make_shared<TRoom>();
      r->name = line();
      if (r->name.size() > kLongestName) r->name.resize(kLongestName);
      r->description = line();
      for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= columns; ++col) {
          const int id = byte();
          if (row <= kRoomRows && col <= kRoomColumns) r->blk[col][row] = id;
        }
      const int count = byte();
      if (count > kRoomMaxObjects)
        note(problem, "room " + std::to_string(i) + " has " + std::to_string(count) + " objects, cut to 50");
      r->roomObjects = std::min(count, kRoomMaxObjects);
      for (int j = 1; j <= count; ++j) {
        const int c = byte(), rr = byte(), id = byte();
        if (j <= kRoomMaxObjects) r->obj[j] = {c, rr, id};
      }
      in.room[i] = r;
    }
  } catch (const TStreamError& e) {
    note(problem, std::string("read error: ") + e.what());
  }
  if (shortFile) note(problem, "file ends early");
  // Loading keeps curRoom and the slots above the new room count.
  description = in.description;
  icon = in.icon;
  x = in.x;
  y = in.y;
  roomCount = in.roomCount;
  for (int i = 1; i <= roomCount; ++i) room[i] = in.room[i];
  loadProblem = problem;
  return 1;
}

void TLocation::write(TStream& s) const {
  s.WriteLine("");
  s.WriteByte(icon);
  s.WriteByte(x);
  s.WriteByte(y);
  s.WriteByte(kRoomRows);
  s.WriteByte(kRoomColumns);
  const int rooms = std::clamp(roomCount, 0, kLocationMaxRooms);
  s.WriteByte(rooms);
  for (int i = 1; i <= rooms; ++i) {
    static const TRoom kBlankRoom;
    const TRoom& r = room[i] ? *room[i] : kBlankRoom;
    s.WriteLine(r.name);
    s.WriteLine(r.description);
    for (int row = 1; row <= kRoomRows; ++row)
      for (int col = 1; col <= kRoomColumns; ++col) s.WriteByte(r.blk[col][row]);
    const int count = std::clamp(r.roomObjects, 0, kRoomMaxObjects);
    s.WriteByte(count);
    for (int j = 1; j <= count; ++j)
      for (int f = 0; f < 3; ++f) s.WriteByte(r.obj[j][f]);
  }
}

bool TLocation::write(const std::string& path) const {
  TMemoryStream bytes;
  write(bytes);
  // Written whole to a temporary file and renamed, so a failure never leaves
  // a half-written location behind.
  return ReplaceFileAtomically(path, bytes.Bytes());
}

int TLocation::save() {
  write(filePath(name));
  return 0;
}
