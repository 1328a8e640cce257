// Location sources: a header naming the location, then one section per room
// with its name, its description, ten rows of cells (with the objects drawn
// beside them) and any further objects listed by name.
#include "location_source.h"

#include <array>
#include <cctype>
#include <sstream>

#include "data/text_number.h"
#include "engine/catalogue.h"
#include "source_text.h"

namespace {

constexpr std::array<char, kBlockIds> kBlockChars = {'-', '.', ',', ':', 'O', 'x', 'X', '#', '%', '&',
                                                     '*', 'W', 'R', 'G', 'B', '[', '|', ']', '?'};
constexpr std::array<char, kObjectIds> kObjectChars = {' ', 'd', 'r', 'e', 's', 'S', 'W',  'R', 'G', 'B',
                                                       'c', 'o', 'k', 'v', 'b', 'a', '\\', '~', 'm', 'C'};

// "White Decayed Wall" is listed as white-decayed-wall.
std::string listName(const std::string& catalogueName) {
  std::string n;
  for (char ch : catalogueName) n += ch == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return n;
}

int objectIdByName(const std::string& word) {
  static const TObjectCatalogue catalogue = makeObjectCatalogue();
  for (int id = 1; id < kObjectIds; ++id)
    if (listName(catalogue[id]->name) == word) return id;
  return 0;
}

int blockIdOf(char ch) {
  for (int id = 0; id < kBlockIds; ++id)
    if (kBlockChars[id] == ch) return id;
  return -1;
}

int objectIdOf(char ch) {
  for (int id = 1; id < kObjectIds; ++id)
    if (kObjectChars[id] == ch) return id;
  return ch == ' ' ? 0 : -1;
}

// Reads "|<12 characters>|" from line at pos; the 12 characters go to cells.
bool gridPart(const std::string& line, size_t& pos, std::string& cells) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  if (pos >= line.size() || line[pos] != '|') return false;
  const size_t close = pos + 1 + kRoomColumns;
  if (close >= line.size() || line[close] != '|') return false;
  cells = line.substr(pos + 1, kRoomColumns);
  pos = close + 1;
  return true;
}

class TSourceReader {
 public:
  TSourceReader(TLocation& location, std::string& error) : location_(location), error_(error) {}

  bool read(const std::string& text) {
    location_ = TLocation();
    location_.reset();
    std::istringstream in(text);
    std::string raw;
    while (std::getline(in, raw)) {
      ++lineNo_;
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      const std::string line = trimWhitespace(raw);
      if (line.empty() || line.rfind("//", 0) == 0) continue;
      if (!readLine(line)) return false;
    }
    if (location_.name.empty()) return fail("the source names no location (a line \"location NAME\")");
    if (location_.roomCount == 0) return fail("the location has no rooms");
    return finishRoom();
  }

 private:
  bool fail(const std::string& message) {
    error_ = lineNo_ > 0 ? "line " + std::to_string(lineNo_) + ": " + message : message;
    return false;
  }

  TRoom* room() { return location_.roomCount > 0 ? location_.room[location_.roomCount].get() : nullptr; }

  bool readLine(const std::string& line) {
    std::string keyword, rest;
    {
      const size_t space = line.find(' ');
      keyword = line.substr(0, space);
      rest = space == std::string::npos ? "" : trimWhitespace(line.substr(space));
    }
    if (line[0] == '|') return gridLine(line);
    if (keyword == "location") {
      if (!location_.name.empty()) return fail("a second \"location\" line");
      if (rest.empty()) return fail("\"location\" needs a name");
      location_.name = rest;
      return true;
    }
    if (keyword == "room") {
      if (location_.name.empty()) return fail("\"room\" before the \"location\" line");
      if (location_.roomCount > 0 && !finishRoom()) return false;
      if (location_.roomCount >= kLocationMaxRooms) return fail("more than 12 rooms");
      if (rest.empty()) return fail("\"room\" needs a name");
      location_.addRoom();
      room()->name = rest;
      gridRows_ = 0;
      return true;
    }
    if (!room()) return fail("\"" + keyword + "\" outside a room");
    if (keyword == "about") {
      if (!room()->description.empty()) return fail("a second \"about\" line in this room");
      room()->description = rest;
      return true;
    }
    return objectLine(keyword, rest);
  }

  bool gridLine(const std::string& line) {
    if (gridRows_ >= kRoomRows) return fail("more than 10 rows of cells");
    const int r = ++gridRows_;
    size_t pos = 0;
    std::string cells, objects;
    if (!gridPart(line, pos, cells)) return fail("a row of cells is 12 characters between two bars: |............|");
    for (int c = 1; c <= kRoomColumns; ++c) {
      const int id = blockIdOf(cells[c - 1]);
      if (id < 0) return fail(std::string("'") + cells[c - 1] + "' is not a cell character");
      room()->blk[c][r] = id;
    }
    if (trimWhitespace(line.substr(pos)).empty()) return true;
    if (!gridPart(line, pos, objects) || !trimWhitespace(line.substr(pos)).empty())
      return fail("the objects beside a row are 12 characters between two bars");
    for (int c = 1; c <= kRoomColumns; ++c) {
      const int id = objectIdOf(objects[c - 1]);
      if (id < 0) return fail(std::string("'") + objects[c - 1] + "' is not an object character");
      if (id > 0 && !addObject(c, r, id)) return false;
    }
    return true;
  }

  bool objectLine(const std::string& word, const std::string& rest) {
    const int id = objectIdByName(word);
    if (id == 0) return fail("\"" + word + "\" is neither a keyword nor an object name");
    std::istringstream cell(rest);
    int c = 0, r = 0;
    std::string extra;
    if (!(cell >> c >> r) || (cell >> extra)) return fail("an object line is NAME COLUMN ROW");
    if (c < 1 || c > kRoomColumns || r < 1 || r > kRoomRows)
      return fail("cell " + std::to_string(c) + " " + std::to_string(r) + " is outside the room (1..12, 1..10)");
    return addObject(c, r, id);
  }

  bool addObject(int c, int r, int id) {
    TRoom& rm = *room();
    if (rm.roomObjects >= kRoomMaxObjects) return fail("more than 50 objects in this room");
    rm.obj[++rm.roomObjects] = {c, r, id};
    return true;
  }

  // Objects may stand only where the cell lets them.
  bool finishRoom() {
    TRoom& rm = *room();
    const std::string where = "room " + std::to_string(location_.roomCount) + " (" + rm.name + "): ";
    if (gridRows_ != kRoomRows) return fail(where + "has " + std::to_string(gridRows_) + " rows of cells, not 10");
    static const TBlockCatalogue blocks = makeBlockCatalogue();
    for (int j = 1; j <= rm.roomObjects; ++j) {
      const auto& o = rm.obj[j];
      if (blocks[rm.blk[o[0]][o[1]]]->obj == 0)
        return fail(where + "object " + std::string(1, kObjectChars[o[2]]) + " at " + std::to_string(o[0]) + " " +
                    std::to_string(o[1]) + " stands on a cell that holds no objects");
    }
    return true;
  }

  TLocation& location_;
  std::string& error_;
  int lineNo_ = 0;
  int gridRows_ = 0;
};

}  // namespace

char sourceBlockChar(int id) { return isBlockId(id) ? kBlockChars[id] : '!'; }
char sourceObjectChar(int id) { return isObjectId(id) ? kObjectChars[id] : '!'; }

std::string formatRoomSource(const TRoom& room) {
  static const TObjectCatalogue catalogue = makeObjectCatalogue();
  std::string text = "room " + room.name + "\n";
  if (!room.description.empty()) text += "about " + room.description + "\n";
  std::array<std::array<int, kGridRows>, kGridColumns> drawn{};  // object id drawn in the grid
  std::string listed;
  for (int j = 1; j <= room.roomObjects; ++j) {
    const auto& o = room.obj[j];
    // The grid shows objects first, row by row: an object can be drawn only
    // when no object drawn later in reading order precedes it.
    bool later = false;
    for (int k = j + 1; k <= room.roomObjects && !later; ++k)
      later = room.obj[k][1] < o[1] || (room.obj[k][1] == o[1] && room.obj[k][0] < o[0]);
    if (drawn[o[0]][o[1]] == 0 && !later && listed.empty())
      drawn[o[0]][o[1]] = o[2];
    else
      listed += listName(catalogue[o[2]]->name) + " " + std::to_string(o[0]) + " " + std::to_string(o[1]) + "\n";
  }
  for (int r = 1; r <= kRoomRows; ++r) {
    std::string cells = "|", objects = "|";
    for (int c = 1; c <= kRoomColumns; ++c) {
      cells += sourceBlockChar(room.blk[c][r]);
      objects += drawn[c][r] ? sourceObjectChar(drawn[c][r]) : ' ';
    }
    text += cells + "|  " + objects + "|\n";
  }
  return text + listed;
}

bool parseLocationSource(const std::string& text, TLocation& location, std::string& error) {
  TSourceReader reader(location, error);
  return reader.read(text);
}

bool readLocationSource(const std::string& path, TLocation& location, std::string& error) {
  std::string text;
  if (!readTextFile(path, text, error)) return false;
  if (parseLocationSource(text, location, error)) return true;
  error = path + ": " + error;
  return false;
}
