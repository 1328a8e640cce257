#pragma once
// Makes the controller of a screen code on entry. Screens still being written
// are placeholders that show the background; each real screen takes its place
// here.
#include "screens/screen_controller.h"

TScreenControllerPtr createScreenController(int code);
