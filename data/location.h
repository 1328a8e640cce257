#pragma once
// A location: a named set of up to 12 rooms, read from "locations/NAME.loc"
// or, failing that, from the campaign pack, and written back as a loose file.
#include <array>
#include <memory>
#include <string>

#include "platform/stream.h"

constexpr int kLocationMaxRooms = 12;
constexpr int kRoomMaxObjects = 50;
constexpr int kRoomColumns = 12;  // playable columns 1..12
constexpr int kRoomRows = 10;     // playable rows 1..10
constexpr int kGridColumns = 14;  // with the blank border ring
constexpr int kGridRows = 12;

// One stored room: block ids per cell and (column, row, object id) per object.
class TRoom {
 public:
  std::string name;
  std::string description;
  std::array<std::array<int, kGridRows>, kGridColumns> blk{};  // [column][row]
  int roomObjects = 0;
  std::array<std::array<int, 3>, kRoomMaxObjects + 1> obj{};    // [object][0 column, 1 row, 2 id]

  void setInfo(const std::string& newName, const std::string& newDescription);
  std::shared_ptr<TRoom> copy() const { return std::make_shared<TRoom>(*this); }
};

using TRoomPtr = std::shared_ptr<TRoom>;

class TLocation {
 public:
  std::string name;         // also the file name, without folder and extension
  std::string description;
  int icon = 0, x = 0, y = 0;
  int roomCount = 0;
  std::array<TRoomPtr, kLocationMaxRooms + 1> room;  // slots 1..roomCount
  int curRoom = 0;
  // What was wrong with the last file read (values clamped, file cut short,
  // or why it could not be read at all); empty when it was sound. The game plays such files as far as they go.
  std::string loadProblem;

  void reset();
  void setInfo(const std::string& newName, int newIcon, int newX, int newY, const std::string& newDescription);
  int addRoom();
  void deleteRoom(int index);
  void cloneRoom();
  void copyRoom(const TRoomPtr& source);
  void moveRoom(int delta);
  // 1 when the loose file or the pack entry was read; 0 leaves this unchanged.
  int load(const std::string& locationName);
  // Reads a location from an open stream; the name is not touched.
  int read(TStream& stream);
  // Writes "locations/NAME.loc"; always 0 (see write for the outcome).
  int save();
  // The file's bytes, and writing them to a path; false when not written.
  void write(TStream& stream) const;
  bool write(const std::string& path) const;

  static std::string filePath(const std::string& locationName);
};

// Reads a location the player chose to play or edit, whole. Returns the empty
// string when it was read without fault, otherwise a message naming the file
// (it cannot be opened, or it is cut short or holds counts out of range);
// into is then left as it was.
std::string loadWholeLocation(const std::string& locationName, TLocation& into);

// The campaign pack's entry NAME.loc as a stream, or null.
TStreamPtr openPackedLocation(const std::string& locationName);
// Reads a location file named by its path (the tools' arguments), named after
// the file. False with error saying why when it is no ordinary file, too
// large, or damaged.
bool readLocationFile(const std::string& path, TLocation& location, std::string& error);
// The written solutions of a location, from where its rooms come: the loose
// file locations/NAME.solution when the location is a loose file, else the
// campaign pack's entry. Null when there are none.
TStreamPtr openLocationSolutions(const std::string& locationName);
