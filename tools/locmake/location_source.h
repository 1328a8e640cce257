#pragma once
// Location sources: the readable text from which the campaign's location
// files are made (assets/locations/README.md describes the format).
#include <string>

#include "data/location.h"

// The character of each block id and object id in a source's grids; the
// same characters as tesmoria-room's text view, with '-' for a blank cell.
char sourceBlockChar(int id);
char sourceObjectChar(int id);

// Reads a whole source into location (name, rooms, cells, objects). False
// with a message naming the line when the text is not a valid source.
bool parseLocationSource(const std::string& text, TLocation& location, std::string& error);

// Reads the source file at path; false with a message when it cannot be read
// or is not valid.
bool readLocationSource(const std::string& path, TLocation& location, std::string& error);

// One room as source text: "room NAME", its "about" line, the ten rows of
// cells with the first object of each cell beside them, and the rest of the
// objects as NAME COLUMN ROW lines. Reading it back gives the same room.
std::string formatRoomSource(const TRoom& room);
