// Text views of stored rooms.
#include "room_text.h"

#include <array>

#include "engine/catalogue.h"

namespace {

// One character per block id and per object id.
constexpr std::array<char, kBlockIds> kBlockChars = {' ', '.', ',', ':', 'O', 'x', 'X', '#', '%', '&',
                                                     '*', 'W', 'R', 'G', 'B', '[', '|', ']', '?'};
constexpr std::array<char, kObjectIds> kObjectChars = {' ', 'd', 'r', 'e', 's', 'S', 'W', 'R', 'G', 'B',
                                                       'c', 'o', 'k', 'v', 'b', 'a', '\\', '~', 'm', 'C'};
constexpr char kUnknown = '!';

char blockChar(int id) { return isBlockId(id) ? kBlockChars[id] : kUnknown; }
char objectChar(int id) { return isObjectId(id) ? kObjectChars[id] : kUnknown; }

}  // namespace

std::vector<std::string> locationProblems(const TLocation& l) {
  std::vector<std::string> problems;
  for (int i = 1; i <= l.roomCount; ++i) {
    if (!l.room[i]) continue;
    const TRoom& room = *l.room[i];
    const std::string where = "room " + std::to_string(i) + ": ";
    for (int r = 1; r <= kRoomRows; ++r)
      for (int c = 1; c <= kRoomColumns; ++c)
        if (!isBlockId(room.blk[c][r]))
          problems.push_back(where + "block id " + std::to_string(room.blk[c][r]) + " at column " +
                             std::to_string(c) + ", row " + std::to_string(r) + " is not a block");
    for (int j = 1; j <= room.roomObjects; ++j) {
      const auto& o = room.obj[j];
      if (o[2] < 1 || !isObjectId(o[2]))
        problems.push_back(where + "object " + std::to_string(j) + " has id " + std::to_string(o[2]) +
                           ", which is not an object");
      if (o[0] < 1 || o[0] > kRoomColumns || o[1] < 1 || o[1] > kRoomRows)
        problems.push_back(where + "object " + std::to_string(j) + " stands outside the room, at column " +
                           std::to_string(o[0]) + ", row " + std::to_string(o[1]));
    }
  }
  return problems;
}

void printLocation(const TLocation& l, std::ostream& out) {
  out << "location " << l.name << ": " << l.roomCount << (l.roomCount == 1 ? " room" : " rooms") << "\n";
  for (int i = 1; i <= l.roomCount; ++i) {
    static const TRoom kBlank;
    const TRoom& room = l.room[i] ? *l.room[i] : kBlank;
    out << "\nroom " << i << ": " << room.name << "\n";
    if (!room.description.empty()) out << "  " << room.description << "\n";
    // Objects drawn later stand over earlier ones in the same cell, so the
    // last object stored in a cell is the one shown.
    std::array<std::array<char, kGridRows>, kGridColumns> objects{};
    for (auto& column : objects) column.fill(' ');
    for (int j = 1; j <= room.roomObjects; ++j) {
      const auto& o = room.obj[j];
      if (o[0] >= 1 && o[0] <= kRoomColumns && o[1] >= 1 && o[1] <= kRoomRows) objects[o[0]][o[1]] = objectChar(o[2]);
    }
    out << "  +------------+  +------------+\n";
    for (int r = 1; r <= kRoomRows; ++r) {
      out << "  |";
      for (int c = 1; c <= kRoomColumns; ++c) out << blockChar(room.blk[c][r]);
      out << "|  |";
      for (int c = 1; c <= kRoomColumns; ++c) out << objects[c][r];
      out << "|\n";
    }
    out << "  +------------+  +------------+\n";
    out << "  " << room.roomObjects << (room.roomObjects == 1 ? " object" : " objects") << "\n";
  }
  const TBlockCatalogue blocks = makeBlockCatalogue();
  const TObjectCatalogue objects = makeObjectCatalogue();
  out << "\nlegend, cells (left grid):\n";
  for (int id = 0; id < kBlockIds; ++id)
    out << "  '" << kBlockChars[id] << "' " << id << " " << (id == 0 ? "blank" : blocks[id]->name) << "\n";
  out << "legend, objects (right grid):\n";
  for (int id = 1; id < kObjectIds; ++id)
    out << "  '" << kObjectChars[id] << "' " << id << " " << objects[id]->name << "\n";
  out << "  '" << kUnknown << "' an id outside the catalogue\n";
}
