#pragma once
// The requester for location files in the folder "locations", used by the
// custom game menu (load) and the editor (load and save).
#include <memory>
#include <string>

#include "screens/screen_kit.h"
#include "widgets/request_file.h"

// A non-empty fileName makes a save requester with the name filled in.
// x < 0 centres the box on the view.
std::unique_ptr<TRequestFile> createLocationRequester(const TScreenKit& kit, const std::string& title, const std::string& fileName, int x,
                                                      int y, int fixed);
