// Moves and solution files as text.
#include "engine/room_move.h"

#include <cstdio>
#include <sstream>

#include "data/location.h"
#include "data/text_number.h"
#include "platform/file_system.h"

namespace {

struct TDirection {
  const char* word;
  int dx, dy;
};
constexpr TDirection kDirections[] = {{"up", 0, -1}, {"down", 0, 1}, {"right", 1, 0}, {"left", -1, 0}};

bool readCell(std::istringstream& in, TRoomMove& move) {
  return static_cast<bool>(in >> move.c >> move.r) && move.c >= 1 && move.c <= 12 && move.r >= 1 && move.r <= 10;
}

}  // namespace

std::string describeMove(const TRoomMove& m) {
  const std::string cell = std::to_string(m.c) + " " + std::to_string(m.r);
  if (m.turn) return "turn " + cell;
  for (const TDirection& d : kDirections)
    if (d.dx == m.dx && d.dy == m.dy) return "click " + cell + ", move " + d.word;
  return "click " + cell;
}

std::string describeMoves(const TMoveList& moves) {
  std::string text;
  for (const TRoomMove& m : moves) text += (text.empty() ? "" : "; ") + describeMove(m);
  return text;
}

bool parseMove(const std::string& text, TRoomMove& move, std::string& error) {
  move = TRoomMove();
  std::string spaced = text;
  for (char& ch : spaced)
    if (ch == ',') ch = ' ';
  std::istringstream in(spaced);
  std::string verb, word, extra;
  in >> verb;
  const bool ok = [&] {
    if (verb == "turn") {
      move.turn = true;
      return readCell(in, move) && !(in >> extra);
    }
    if (verb != "click" || !readCell(in, move) || !(in >> word) || word != "move" || !(in >> word) || (in >> extra))
      return false;
    for (const TDirection& d : kDirections)
      if (word == d.word) {
        move.dx = d.dx;
        move.dy = d.dy;
        return true;
      }
    return false;
  }();
  if (!ok) error = "\"" + trimWhitespace(text) + "\" is not a move (\"click C R, move up|down|left|right\" or \"turn C R\")";
  return ok;
}

bool parseSolutions(const std::string& text, TSolutions& solutions, std::string& error) {
  solutions.clear();
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  auto fail = [&](const std::string& message) {
    error = "line " + std::to_string(lineNo) + ": " + message;
    return false;
  };
  while (std::getline(in, line)) {
    ++lineNo;
    line = trimWhitespace(line);
    if (line.empty() || line.rfind("//", 0) == 0) continue;
    const size_t colon = line.find(':');
    std::istringstream head(line.substr(0, colon));
    std::string word, extra;
    int room = 0;
    if (colon == std::string::npos || !(head >> word >> room) || word != "room" || (head >> extra) || room < 1 ||
        room > 12)
      return fail("a solution line is \"room N: MOVE; MOVE; ...\"");
    if (solutions.count(room) != 0) return fail("room " + std::to_string(room) + " is solved twice");
    TMoveList& moves = solutions[room];
    std::istringstream steps(line.substr(colon + 1));
    std::string step;
    while (std::getline(steps, step, ';')) {
      if (trimWhitespace(step).empty()) continue;
      TRoomMove move;
      std::string moveError;
      if (!parseMove(step, move, moveError)) return fail(moveError);
      moves.push_back(move);
    }
  }
  return true;
}

bool readSolutions(const std::string& path, TSolutions& solutions, std::string& error) {
  std::vector<uint8_t> bytes;
  if (std::string why = ReadFileOrWhy(path, bytes); !why.empty()) {
    error = "cannot read " + why;
    return false;
  }
  const std::string text(bytes.begin(), bytes.end());
  if (parseSolutions(text, solutions, error)) return true;
  error = path + ": " + error;
  return false;
}

TSolutions locationSolutions(const std::string& locationName) {
  TStreamPtr s = openLocationSolutions(locationName);
  if (!s) return {};
  const std::vector<uint8_t> bytes = s->ReadAll();
  CloseStream(s);
  TSolutions solutions;
  std::string error;
  if (!parseSolutions(std::string(bytes.begin(), bytes.end()), solutions, error)) {
    std::fprintf(stderr, "The solutions of %s are damaged: %s\n", locationName.c_str(), error.c_str());
    return {};
  }
  return solutions;
}
