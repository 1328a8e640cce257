// Window-system events pushed into SDL's own queue, read back through the
// game's input service: key codes, typed characters, buttons, pointer
// mapping and focus.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/graphics_backend.h"
#include "platform/input.h"

namespace {

class SystemInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60));
    PollSystem();  // whatever the window itself announced on opening
    ResetInput();
    windowId = SDL_GetWindowID(backend::Window());
  }
  void TearDown() override {
    ResetInput();
    EndGraphics();
  }
  void Key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.windowID = windowId;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.sym = sym;
    e.key.keysym.scancode = scancode;
    SDL_PushEvent(&e);
  }
  void Text(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = windowId;
    SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
    SDL_PushEvent(&e);
  }
  // A button press or release, or (button 0) a motion with the left button held.
  void Mouse(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
      e.motion.windowID = windowId;
      e.motion.x = x;
      e.motion.y = y;
      e.motion.state = SDL_BUTTON_LMASK;
    } else {
      e.button.windowID = windowId;
      e.button.button = button;
      e.button.x = x;
      e.button.y = y;
    }
    SDL_PushEvent(&e);
  }
  void Window(Uint8 event) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = windowId;
    e.window.event = event;
    SDL_PushEvent(&e);
  }
  Uint32 windowId = 0;
};

TEST_F(SystemInput, KeysBecomeTheGamesCodes) {
  Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q);
  Key(SDL_KEYDOWN, SDLK_7, SDL_SCANCODE_7);
  Key(SDL_KEYDOWN, SDLK_F12, SDL_SCANCODE_F12);
  Key(SDL_KEYDOWN, SDLK_RSHIFT, SDL_SCANCODE_RSHIFT);
  Key(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT);
  Key(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT);
  Key(SDL_KEYDOWN, SDLK_DELETE, SDL_SCANCODE_DELETE);
  EXPECT_EQ(KeyHit('Q'), 1);
  EXPECT_EQ(KeyHit('7'), 1);
  EXPECT_EQ(KeyHit(kKeyF12), 1);
  EXPECT_TRUE(KeyDown(kKeyRShift));
  EXPECT_FALSE(KeyDown(kKeyLShift));
  EXPECT_TRUE(KeyDown(kKeyLAlt));
  EXPECT_TRUE(KeyDown(kKeyLeft));
  EXPECT_TRUE(KeyDown(kKeyDelete));
  // Auto-repeat is queued as 516 and adds no hit.
  Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, true);
  EXPECT_EQ(KeyHit('Q'), 0);
  Key(SDL_KEYUP, SDLK_q, SDL_SCANCODE_Q);
  EXPECT_FALSE(KeyDown('Q'));
  int repeats = 0;
  while (int code = PollEvent()) repeats += code == kEventKeyRepeat;
  EXPECT_EQ(repeats, 1);
}

TEST_F(SystemInput, TypedTextIsLatin1AndEditingKeysTypeControlCharacters) {
  Text("a\xC3\xA9\xE2\x82\xAC" "b");  // a, e-acute, euro sign (not Latin-1), b
  Key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE);
  Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN);
  EXPECT_EQ(GetChar(), 'a');
  EXPECT_EQ(GetChar(), 0xE9);
  EXPECT_EQ(GetChar(), 'b');
  EXPECT_EQ(GetChar(), kKeyBackspace);
  EXPECT_EQ(GetChar(), kKeyEnter);
  EXPECT_EQ(GetChar(), 0);
}

TEST_F(SystemInput, ButtonsAndFocus) {
  Mouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 10, 20);
  Mouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 10, 20);
  EXPECT_EQ(MouseHit(2), 1);
  EXPECT_EQ(MouseHit(3), 1);
  EXPECT_EQ(MouseHit(1), 0);
  Window(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_TRUE(AppSuspended());
  EXPECT_FALSE(MouseDown(2));
  Window(SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_FALSE(AppSuspended());
  Window(SDL_WINDOWEVENT_CLOSE);
  EXPECT_TRUE(AppTerminate());
  EXPECT_TRUE(GraphicsOpen()) << "a close request only raises the flag";
  Window(SDL_WINDOWEVENT_MAXIMIZED);
  PollSystem();
  EXPECT_TRUE(WindowMaximized());
  EXPECT_FALSE(WindowMaximized());
}

TEST_F(SystemInput, FirstMotionEntersThenMoves) {
  auto motion = [&](int x, int y) { Mouse(SDL_MOUSEMOTION, 0, x, y); };
  motion(123, 45);
  EXPECT_EQ(MouseX(), 123);
  EXPECT_EQ(MouseY(), 45);
  EXPECT_EQ(PollEvent(), kEventMouseEnter) << "the first motion inside counts as entering";
  EXPECT_EQ(PollEvent(), kEventMouseMove);
  EXPECT_EQ(CurrentEvent().data, 1);
  MoveMouse(200, 100);
  EXPECT_EQ(MouseX(), 200);
}

TEST_F(SystemInput, ScriptedRunsIgnoreTheRealDevices) {
  SetSystemInput(false);
  Key(SDL_KEYDOWN, SDLK_x, SDL_SCANCODE_X);
  Window(SDL_WINDOWEVENT_CLOSE);
  EXPECT_EQ(KeyHit('X'), 0);
  EXPECT_TRUE(AppTerminate());
  PostEvent(kEventKeyDown, 'X');
  EXPECT_EQ(KeyHit('X'), 1);
  SetSystemInput(true);
}

}  // namespace
