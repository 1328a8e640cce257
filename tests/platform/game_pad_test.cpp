// A game pad's buttons and stick, pushed into SDL's own queue as a plugged-in
// pad would send them, read back as the keys they stand for.
#include "platform/game_pad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/input.h"

namespace {

class GamePad : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Graphics(kViewWidth, kViewHeight, 0, 60));
    PollSystem();
    ResetInput();
  }
  void TearDown() override {
    ResetInput();
    EndGraphics();
  }
  static void Button(Uint32 type, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.cbutton.which = 7;
    e.cbutton.button = button;
    SDL_PushEvent(&e);
  }
  static void Press(Uint8 button) {
    Button(SDL_CONTROLLERBUTTONDOWN, button);
    Button(SDL_CONTROLLERBUTTONUP, button);
  }
  static void Axis(Uint8 axis, Sint16 value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.which = 7;
    e.caxis.axis = axis;
    e.caxis.value = value;
    SDL_PushEvent(&e);
  }
};

TEST_F(GamePad, ButtonsAreTheKeysTheGameKnows) {
  const std::pair<Uint8, int> buttons[] = {
      {SDL_CONTROLLER_BUTTON_A, kKeyEnter},          {SDL_CONTROLLER_BUTTON_B, kKeyEscape},
      {SDL_CONTROLLER_BUTTON_X, 'H'},                {SDL_CONTROLLER_BUTTON_Y, 'R'},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kKeyBackspace}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kKeyRedo},
      {SDL_CONTROLLER_BUTTON_START, 'P'},            {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kKeyLeft},
      {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kKeyRight}, {SDL_CONTROLLER_BUTTON_DPAD_UP, kKeyUp},
      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kKeyDown}};
  for (const auto& [button, key] : buttons) {
    Press(button);
    EXPECT_EQ(KeyHit(key), 1) << "pad button " << int{button};
    EXPECT_FALSE(KeyDown(key)) << "pad button " << int{button} << " was let go";
  }
  // A: Enter types its control character, as the keyboard's Enter does.
  Press(SDL_CONTROLLER_BUTTON_A);
  EXPECT_EQ(GetChar(), kKeyEnter);
  // The guide button stands for nothing.
  ResetInput();
  Press(SDL_CONTROLLER_BUTTON_GUIDE);
  PollSystem();
  EXPECT_EQ(PollEvent(), 0);
}

TEST_F(GamePad, TheStickPressesAnArrowPastALineAndLetsGoWellInsideIt) {
  Axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
  EXPECT_EQ(KeyHit(kKeyLeft), 1);
  EXPECT_TRUE(KeyDown(kKeyLeft));
  Axis(SDL_CONTROLLER_AXIS_LEFTX, -12000);  // between the lines: still held, not pressed again
  EXPECT_EQ(KeyHit(kKeyLeft), 0);
  EXPECT_TRUE(KeyDown(kKeyLeft));
  Axis(SDL_CONTROLLER_AXIS_LEFTX, -2000);
  EXPECT_FALSE(KeyDown(kKeyLeft));
  // Straight across: left lets go and right presses.
  Axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
  Axis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
  EXPECT_FALSE(KeyDown(kKeyLeft));
  EXPECT_TRUE(KeyDown(kKeyRight));
  Axis(SDL_CONTROLLER_AXIS_LEFTY, 25000);
  EXPECT_TRUE(KeyDown(kKeyDown));
  // Pulled out with the stick held: nothing stays pressed.
  SDL_Event gone{};
  gone.type = SDL_CONTROLLERDEVICEREMOVED;
  gone.cdevice.which = 7;
  SDL_PushEvent(&gone);
  PollSystem();
  EXPECT_FALSE(KeyDown(kKeyRight));
  EXPECT_FALSE(KeyDown(kKeyDown));
  // The right stick and the triggers stand for nothing.
  ResetInput();
  Axis(SDL_CONTROLLER_AXIS_RIGHTX, 30000);
  Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 30000);
  PollSystem();
  EXPECT_EQ(PollEvent(), 0);
}

}  // namespace
