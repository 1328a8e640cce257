#pragma once
// The settings of the current profile: display, sound and tips. Each profile
// keeps them in its own small text file "profiles\<name>.cfg" of lines
// "key:<TAB>value", read at start-up and on a profile switch, written on every
// screen change, on profile switches and at exit.
#include <string>

#include "platform/stream.h"

// One "key:<TAB>value" line split into its two parts.
class TFileOption {
 public:
  std::string identifier;
  std::string value;

  // A line starting with ";" or without a colon gives two empty strings. The
  // character right after the colon (normally the TAB) is always skipped; a
  // ";" in the value starts a comment; the value is trimmed.
  void getFileOption(const std::string& line);
};

class TOptions {
 public:
  std::string fileName;  // empty: load and save do nothing
  int ogl = 0;           // drawing back end (we have one; kept for the file)
  // 0 windowed, else full screen at this colour depth. A first start opens
  // the window; maximising it (or the options) goes full screen.
  int screenD = 0;
  int bestDepth = 32;    // the desktop's full screen always works with our scaling
  int vsync = 1;
  int music = 1;
  int sounds = 1;
  int clicks = 1;
  float musicVol = 0;
  float soundVol = 0;
  float clickVol = 0;
  int showTips = 1;
  int played = 0;
  // The settings file exists but could not be read: it is not saved over
  // until another profile's settings are loaded.
  bool savingOff = false;

  TOptions();
  static TOptions* create(const std::string& name);

  void setFileName(const std::string& name);
  // Reads the file; a missing file leaves every field as it was, one that
  // cannot be read too, and it switches saving off (the player is told).
  void load();
  // Writes the file (after taking the name when one is given). The file is
  // replaced in one step, so a crash never leaves it half written; a failed
  // write is told to the player once a session.
  bool save(const std::string& name);
  // Reads the lines of a settings file into the fields.
  void readSettings(TStream& in);
  void setVolumeLevels();

  // The ten lines of the file, CR LF each.
  std::string fileText() const;
};

// "profiles\<name>.cfg", or "" for an empty name or one that is not safe as
// a file name (folder separators, "..").
std::string settingsFileName(const std::string& name);
