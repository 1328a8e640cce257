#include "app/script.h"

#include <fnmatch.h>

#include <cctype>
#include <map>
#include <sstream>

#include "app/frame_pacing.h"
#include "app/globals.h"
#include "app/main_loop.h"
#include "app/monkey_input.h"
#include "platform/file_system.h"
#include "platform/game_pad.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/stream.h"

namespace {

// Frames the game gets to quit after the script has ended.
constexpr int kQuitFrames = 500;

struct TCommandShape {
  int minArgs, maxArgs;
};

const std::map<std::string, TCommandShape>& commandShapes() {
  static const std::map<std::string, TCommandShape> shapes = {
      {"move", {2, 2}},  {"press", {0, 1}},   {"release", {0, 1}},    {"click", {0, 1}}, {"doubleclick", {0, 1}}, {"fade", {1, 2}},
      {"key", {1, 1}},   {"keydown", {1, 1}}, {"keyup", {1, 1}},      {"type", {1, 1000}}, {"pad", {1, 1}},
      {"wait", {1, 1}},  {"waitscreen", {2, 2}}, {"waitdrawn", {2, 1000}}, {"screenshot", {1, 1}}, {"mark", {0, 0}},
      {"assert", {1, 1000}}, {"close", {0, 0}}, {"monkey", {1, 2}}, {"pace", {1, 1}},
      {"checkdrawing", {1, 1}},
  };
  return shapes;
}

bool toInt(const std::string& s, int& out) {
  if (s.empty()) return false;
  size_t used = 0;
  try {
    out = std::stoi(s, &used);
  } catch (...) {
    return false;
  }
  return used == s.size();
}

int buttonNumber(const std::vector<std::string>& args) {
  if (args.empty() || args[0] == "left" || args[0] == "1") return 1;
  if (args[0] == "right" || args[0] == "2") return 2;
  if (args[0] == "middle" || args[0] == "3") return 3;
  return 0;
}

bool isMouseCommand(const std::string& op) {
  return op == "press" || op == "release" || op == "click" || op == "doubleclick";
}

// Frames into a cross-fade at which its waiting mouse command is made.
constexpr int kFadeInputFrame = 10;

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Key code a typed character comes with, 0 for characters without their own key.
int keyOfChar(char c) {
  if (std::isalpha(static_cast<unsigned char>(c))) return std::toupper(static_cast<unsigned char>(c));
  if (std::isdigit(static_cast<unsigned char>(c)) || c == ' ') return c;
  return 0;
}

void typeChar(char c) {
  int key = keyOfChar(c);
  if (key) PostEvent(kEventKeyDown, key);
  PostEvent(kEventKeyChar, static_cast<unsigned char>(c));
  if (key) PostEvent(kEventKeyUp, key);
}

// The pattern may name a folder of the game folder: "profiles/P*.cam".
bool anyFileMatches(const std::string& pattern) {
  const size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? CurrentDir() : pattern.substr(0, slash);
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  for (const std::string& name : ReadDir(folder)) {
    if (fnmatch(namePattern.c_str(), name.c_str(), 0) == 0) return true;
  }
  return false;
}

// The words after "assert contains PATH", joined by spaces, "\\t" a TAB.
std::string expectedText(const std::vector<std::string>& args) {
  std::string text;
  for (size_t i = 2; i < args.size(); ++i) text += (i > 2 ? " " : "") + args[i];
  for (size_t p = text.find("\\t"); p != std::string::npos; p = text.find("\\t", p)) text.replace(p, 2, "\t");
  return text;
}

bool fileContains(const std::string& path, const std::string& needle) {
  TStreamPtr in = ReadStream(path);
  if (!in) return false;
  std::vector<uint8_t> bytes = in->ReadAll();
  in->Close();
  return std::string(bytes.begin(), bytes.end()).find(needle) != std::string::npos;
}

}  // namespace

int scriptKeyCode(const std::string& name) {
  static const std::map<std::string, int> named = {
      {"escape", kKeyEscape}, {"enter", kKeyEnter},   {"space", kKeySpace},     {"tab", kKeyTab},
      {"backspace", kKeyBackspace}, {"delete", kKeyDelete}, {"left", kKeyLeft}, {"up", kKeyUp},
      {"right", kKeyRight},   {"down", kKeyDown},     {"home", kKeyHome},       {"end", kKeyEnd},
      {"lshift", kKeyLShift}, {"rshift", kKeyRShift}, {"lcontrol", kKeyLControl}, {"rcontrol", kKeyRControl},
      {"lalt", kKeyLAlt},     {"ralt", kKeyRAlt},
  };
  if (name.size() == 1 && keyOfChar(name[0]) && name[0] != ' ') return keyOfChar(name[0]);
  std::string l = lower(name);
  auto it = named.find(l);
  if (it != named.end()) return it->second;
  int n = 0;
  if (l.size() >= 2 && l[0] == 'f' && toInt(l.substr(1), n) && n >= 1 && n <= 12) return kKeyF1 + n - 1;
  if (toInt(name, n) && n > 0 && n < 256) return n;
  return 0;
}

bool parseScript(const std::string& text, std::vector<TScriptCommand>& commands, std::string& error) {
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  commands.clear();
  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    TScriptCommand c;
    c.line = lineNo;
    std::istringstream words(raw);
    if (!(words >> c.op) || c.op[0] == '#') continue;
    // "type" keeps its text as written, "#" included.
    if (c.op == "type") {
      size_t start = raw.find("type") + 4;
      if (start < raw.size() && (raw[start] == ' ' || raw[start] == '\t')) ++start;
      c.rest = raw.substr(start);
      c.args = {c.rest};
    } else {
      std::string w;
      while (words >> w && w[0] != '#') c.args.push_back(w);
    }
    auto shape = commandShapes().find(c.op);
    auto bad = [&](const std::string& why) {
      error = "line " + std::to_string(lineNo) + ": " + why + ": " + raw;
      return false;
    };
    if (shape == commandShapes().end()) return bad("unknown command");
    int n = static_cast<int>(c.args.size());
    if (n < shape->second.minArgs || n > shape->second.maxArgs) return bad("wrong number of arguments");
    int value = 0;
    if (c.op == "move" && !(toInt(c.args[0], value) && toInt(c.args[1], value))) return bad("not a position");
    if ((c.op == "press" || c.op == "release" || c.op == "click" || c.op == "doubleclick") &&
        buttonNumber(c.args) == 0)
      return bad("unknown mouse button");
    if (c.op == "fade" && (!isMouseCommand(c.args[0]) || buttonNumber({c.args.begin() + 1, c.args.end()}) == 0))
      return bad("expected a mouse command");
    if ((c.op == "key" || c.op == "keydown" || c.op == "keyup") && scriptKeyCode(c.args[0]) == 0)
      return bad("unknown key");
    if (c.op == "pad" && !IsPadButtonName(c.args[0])) return bad("unknown pad button");
    if (c.op == "wait" && !(toInt(c.args[0], value) && value >= 0)) return bad("not a frame count");
    if (c.op == "pace" && !(toInt(c.args[0], value) && value >= 1 && value <= 1000))
      return bad("not a frame length of 1..1000 ms");
    if (c.op == "monkey" && !(toInt(c.args[0], value) && value >= 0 && (c.args.size() == 1 || toInt(c.args[1], value))))
      return bad("expected a frame count and a seed");
    if (c.op == "waitscreen" && !(toInt(c.args[0], value) && toInt(c.args[1], value) && value >= 0))
      return bad("expected a screen code and a frame limit");
    if (c.op == "waitdrawn" && !(toInt(c.args[0], value) && value >= 0)) return bad("expected a frame limit");
    if (c.op == "checkdrawing" && c.args[0] != "on" && c.args[0] != "off") return bad("expected on or off");
    if (c.op == "assert") {
      const std::string& what = c.args[0];
      const bool two = c.args.size() == 2;
      bool ok = (what == "screen" || what == "presented") ? two && toInt(c.args[1], value)
                : what == "showfps"                       ? two && (c.args[1] == "on" || c.args[1] == "off")
                : what == "file"                          ? two
                : what == "drawn" || what == "notdrawn"   ? c.args.size() >= 2
                : what == "event"                         ? c.args.size() >= 2
                : what == "textfits" || what == "drawing" ? c.args.size() == 1
                                                          : (what == "contains" || what == "lacks") && c.args.size() >= 3;
      if (!ok) return bad("unknown assertion");
    }
    commands.push_back(std::move(c));
  }
  return true;
}

TScriptRunner::TScriptRunner(std::string name, std::vector<TScriptCommand> commands)
    : name_(std::move(name)), commands_(std::move(commands)) {}

TScriptRunner::~TScriptRunner() = default;

bool TScriptRunner::fail(const TScriptCommand& c, const std::string& what) {
  error_ = "script " + name_ + ":" + std::to_string(c.line) + ": " + what;
  return false;
}

bool TScriptRunner::beforeFrame(const TMainLoop& loop) {
  presentsThisFrame_ = 0;
  while (error_.empty() && next_ < commands_.size()) {
    if (!step(commands_[next_], loop, false)) return error_.empty();
    ++next_;
    waited_ = 0;
  }
  if (!error_.empty()) return false;
  // The script is over: close the game the way its window would.
  if (waited_++ > kQuitFrames) {
    error_ = "script " + name_ + ": the game did not quit after the script ended";
    return false;
  }
  PostEvent(kEventAppTerminate);
  return true;
}

bool TScriptRunner::afterEnd(const TMainLoop& loop) {
  while (error_.empty() && next_ < commands_.size()) {
    step(commands_[next_], loop, true);
    ++next_;
  }
  return error_.empty();
}

void TScriptRunner::mouseInput(const std::string& op, const std::vector<std::string>& args) {
  const int button = buttonNumber(args);
  if (op == "release") {
    PostEvent(kEventMouseUp, button, pointerX_, pointerY_);
    return;
  }
  const int clicks = op == "doubleclick" ? 2 : 1;
  for (int i = 0; i < clicks; ++i) {
    // The second press of a double click comes counted as such, as the
    // window system counts it.
    PostEvent(kEventMouseDown, button, pointerX_, pointerY_, i + 1);
    if (op != "press") PostEvent(kEventMouseUp, button, pointerX_, pointerY_);
  }
}

void TScriptRunner::beforePresent() {
  // A loop frame presents once; the frames after the first are a cross-fade's.
  if (++presentsThisFrame_ == kFadeInputFrame && !fadeInput_.empty()) {
    mouseInput(fadeInput_[0], {fadeInput_.begin() + 1, fadeInput_.end()});
    fadeInput_.clear();
  }
  // Cross-fade frames draw no text: the last frame with texts is kept.
  if (!DrawnTexts().empty()) {
    lastTexts_ = DrawnTexts();
    ClearDrawnTexts();
  }
  if (pendingShot_.empty()) return;
  if (!SaveBackBufferPNG(pendingShot_) && error_.empty())
    error_ = "script " + name_ + ": could not write the screenshot " + pendingShot_;
  pendingShot_.clear();
}

bool TScriptRunner::step(const TScriptCommand& c, const TMainLoop& loop, bool ended) {
  const auto& a = c.args;
  int n = 0, limit = 0;
  if (c.op == "wait") {
    toInt(a[0], n);
    if (ended || waited_ >= n) return true;
    ++waited_;
    return false;
  }
  if (c.op == "waitscreen") {
    toInt(a[0], n);
    toInt(a[1], limit);
    if (loop.runningCode() == n) return true;
    if (ended || waited_ >= limit) {
      return fail(c, "screen " + a[0] + " not reached within " + a[1] + " frames (the screen is " +
                         std::to_string(loop.runningCode()) + ")");
    }
    ++waited_;
    return false;
  }
  if (c.op == "waitdrawn") {
    toInt(a[0], limit);
    const std::string wanted = wordsFrom(c, 1);
    if (drawnHolds(wanted)) return true;
    if (ended || waited_ >= limit)
      return fail(c, "no text holding \"" + wanted + "\" was drawn within " + a[0] + " frames");
    ++waited_;
    return false;
  }
  if (c.op == "assert") return check(c, loop);
  if (c.op == "mark") {
    markedFrames_ = presentedFrameCount();
    return true;
  }
  if (c.op == "checkdrawing") {
    // Every frame drawn only where it changed is drawn whole as well and
    // compared ("assert drawing" tells the outcome).
    CheckChangedDrawing(a[0] == "on");
    if (a[0] == "on") partsMarked_ = FramesDrawnInParts(), mismatchesMarked_ = ChangedDrawingMismatches();
    return true;
  }
  if (c.op == "pace") {
    toInt(a[0], n);
    setScriptedFrameMs(static_cast<uint32_t>(n));
    return true;
  }
  if (ended) return true;  // no input or pictures once the game is over
  if (c.op == "move") {
    toInt(a[0], pointerX_);
    toInt(a[1], pointerY_);
    PostEvent(kEventMouseMove, 0, pointerX_, pointerY_);
  } else if (isMouseCommand(c.op)) {
    mouseInput(c.op, a);
  } else if (c.op == "fade") {
    fadeInput_ = a;
  } else if (c.op == "key" || c.op == "keydown" || c.op == "keyup") {
    int key = scriptKeyCode(a[0]);
    if (c.op != "keyup") PostEvent(kEventKeyDown, key);
    if (c.op == "key" && a[0].size() == 1) PostEvent(kEventKeyChar, static_cast<unsigned char>(a[0][0]));
    if (c.op != "keydown") PostEvent(kEventKeyUp, key);
  } else if (c.op == "pad") {
    PostPadButton(a[0]);
  } else if (c.op == "type") {
    // One character a frame, as a player types: text boxes take one
    // character per frame.
    if (waited_ < static_cast<int>(c.rest.size())) {
      typeChar(c.rest[static_cast<size_t>(waited_++)]);
      return false;
    }
  } else if (c.op == "screenshot") {
    // Taken as this frame is presented; the commands after it wait for the
    // next frame, so the picture holds none of their input.
    if (waited_++ == 0) {
      pendingShot_ = a[0];
      return false;
    }
  } else if (c.op == "close") {
    PostEvent(kEventAppTerminate);
  } else if (c.op == "monkey") {
    toInt(a[0], n);
    int seed = 1;
    if (a.size() > 1) toInt(a[1], seed);
    if (!monkey_) monkey_ = std::make_unique<TMonkeyInput>(static_cast<uint64_t>(seed));
    if (waited_ < n) {
      monkey_->frame(loop.runningCode());
      ++waited_;
      return false;
    }
  }
  return true;
}

std::string TScriptRunner::wordsFrom(const TScriptCommand& c, size_t first) {
  std::string words;
  for (size_t i = first; i < c.args.size(); ++i) words += (i > first ? " " : "") + c.args[i];
  return words;
}

bool TScriptRunner::drawnHolds(const std::string& wanted) const {
  for (const TDrawnText& t : lastTexts_)
    if (t.text.find(wanted) != std::string::npos) return true;
  return false;
}

bool TScriptRunner::checkTexts(const TScriptCommand& c) {
  const std::string& what = c.args[0];
  if (what == "textfits") {
    std::vector<std::string> faults = TextsOutsideTheirBox(lastTexts_);
    if (faults.empty()) return true;
    std::string all;
    for (const std::string& f : faults) all += "\n  " + f;
    return fail(c, std::to_string(faults.size()) + " texts do not fit:" + all);
  }
  // The wanted text is the rest of the line after the word drawn/notdrawn.
  const std::string wanted = wordsFrom(c, 1);
  const bool seen = drawnHolds(wanted);
  if (what == "drawn" && !seen) return fail(c, "no text holding \"" + wanted + "\" was drawn");
  if (what == "notdrawn" && seen) return fail(c, "a text holding \"" + wanted + "\" was drawn");
  return true;
}

bool TScriptRunner::check(const TScriptCommand& c, const TMainLoop& loop) {
  const std::string& what = c.args[0];
  if (what == "event") {
    const std::string wanted = wordsFrom(c, 1);
    for (const std::string& e : NotedEvents())
      if (e.find(wanted) != std::string::npos) return true;
    return fail(c, "no event holding \"" + wanted + "\" was noted");
  }
  if (what == "drawn" || what == "notdrawn" || what == "textfits") return checkTexts(c);
  if (what == "drawing") {
    const int64_t unlike = ChangedDrawingMismatches() - mismatchesMarked_;
    const int64_t inParts = FramesDrawnInParts() - partsMarked_;
    if (unlike != 0)
      return fail(c, std::to_string(unlike) + " of " + std::to_string(inParts) +
                         " frames drawn where they changed differ from the same frames drawn whole");
    if (inParts == 0) return fail(c, "no frame was drawn only where it changed");
    return true;
  }
  const std::string& want = c.args[1];
  int n = 0;
  toInt(want, n);
  if (what == "screen" && loop.runningCode() != n)
    return fail(c, "expected screen " + want + ", the screen is " + std::to_string(loop.runningCode()));
  if (what == "showfps" && (showFPS > 0) != (want == "on"))
    return fail(c, "expected the frame rate display " + want + ", showFPS is " + std::to_string(showFPS));
  if (what == "presented" && presentedFrameCount() - markedFrames_ != n)
    return fail(c, "expected " + want + " presented frames since the mark, counted " +
                       std::to_string(presentedFrameCount() - markedFrames_));
  if (what == "file" && !anyFileMatches(want)) return fail(c, "no file matching " + want + " in the game folder");
  if (what == "contains") {
    const std::string needle = expectedText(c.args);
    if (!fileContains(want, needle)) return fail(c, want + " does not contain \"" + c.args[2] + "...\"");
  }
  if (what == "lacks" && fileContains(want, expectedText(c.args)))
    return fail(c, want + " contains \"" + c.args[2] + "...\"");
  return true;
}
