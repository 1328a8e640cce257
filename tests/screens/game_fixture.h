#pragma once
// Drives the in-game screen headless: a real 800 x 600 surface on SDL's
// dummy driver, the screens' kit filled with plain stand-in pictures and the
// DejaVu font, a virtual clock advanced 25 ms per frame, input fed as the
// window system would, and a fresh folder holding a two-room location.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "screens/gfx_set.h"
#include "data/high_scores.h"
#include "data/location.h"
#include "data/options.h"
#include "data/profile.h"
#include "engine/catalogue.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/pixmap.h"
#include "screens/game_screen.h"
#include "tests/screens/screen_test_kit.h"
#include "tests/support/solid_strip.h"
#include "widgets/button.h"
#include "widgets/mouse.h"
#include "widgets/text.h"

class GameScreenTest : public ::testing::Test, public TScreenTestSlots {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Graphics(800, 600, 0, 0)); }

  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "tesmoria-game-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    previous_ = CurrentDir();
    ASSERT_TRUE(ChangeDir(folder_));
    std::filesystem::create_directories("locations");
    std::filesystem::create_directories("profiles");
    writeLocation();

    SetSystemInput(false);
    ResetInput();
    ResetDrawState();
    UseVirtualClock(100000);
    mouseObj = std::make_unique<TMouse>();
    textObj = TText::Create(mouseObj.get());
    auto font = ReadStream("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    ASSERT_TRUE(font) << "fonts-dejavu-core is installed by the setup script";
    for (int slot = 1; slot <= 8; ++slot) {
      font->Seek(0);
      ASSERT_TRUE(textObj->Load(slot, font, 12 + slot, 1));
    }
    buttonSet = TButton::Create(mouseObj.get(), textObj.get(), nullptr);
    ASSERT_TRUE(buttonSet->add(2, solidStrip(88, 28, 4), 4, -2, -1, true));
    pictures = std::make_unique<TGfx>();
    pictures->gui_dialogueSmlImg = solidStrip(300, 150, 1);
    pictures->gui_dialogueMedImg = solidStrip(400, 250, 1);
    pictures->gui_dialogueLrgImg = solidStrip(420, 320, 1);
    player = std::make_unique<TProfile>();
    player->name = "Tester";
    player->gameType = kGameCustom;
    player->newLocation(kCustomSlot);
    player->locs[kCustomSlot].name = "Test";
    player->locStatus.lives = 2;
    player->helpItems.fill(1);  // tips are tested on their own
    settings = std::make_unique<TOptions>();
    scores = std::make_unique<THighScores>();

    mouse = mouseObj.get();
    text = textObj.get();
    buttons = buttonSet.get();
    gfx = pictures.get();
    profile = player.get();
    options = settings.get();
    highScores = scores.get();
    gameState = kScreenGame;
    textInputActive = 0;
  }

  void TearDown() override {
    SetSystemInput(true);
    UseRealClock();
    ChangeDir(previous_);
    std::filesystem::remove_all(folder_);
  }

  // Room 1 ("Room 1"): an emitter at (1, 5) shining along row 5 at a white
  // glyph at (12, 5), a sarcophagus at (6, 5) in the way, a mirror at (3, 8).
  // Room 2 ("Tomb"): the same with a free path, so it solves itself.
  static void writeLocation() {
    TLocation loc;
    loc.name = "Test";
    for (int index = 1; index <= 2; ++index) {
      loc.addRoom();
      TRoom& room = *loc.room[index];
      for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 10; ++r) room.blk[c][r] = kBlockFloor1;
      room.blk[1][5] = kBlockEmitter;
      room.blk[12][5] = kBlockWhiteGlyph;
      room.obj[++room.roomObjects] = {3, 8, kObjMirror};
      if (index == 1) room.obj[++room.roomObjects] = {6, 5, kObjSarcophagus};
    }
    loc.room[2]->name = "Tomb";
    ASSERT_TRUE(loc.write(TLocation::filePath("Test")));
  }

  // Room pictures whose cells, objects and arrows the pointer can find
  // (whole squares, centred as the game centres them).
  void usePointablePictures() {
    pictures->blockImg = solidStrip(50, 50, 25);
    pictures->objectImg = solidStrip(60, 60, 25);
    pictures->arrowImg = solidStrip(50, 50, 8);
    for (const TImagePtr& image : {pictures->blockImg, pictures->objectImg, pictures->arrowImg}) MidHandleImage(image);
  }

  // One main-loop frame around the screen's update.
  void frame(TGame& game) {
    Cls();
    game.update();
    mouseObj->update();
    AdvanceVirtualClock(25);
  }
  void frames(TGame& game, int n) {
    for (int i = 0; i < n; ++i) frame(game);
  }

  // Clicks the small button at (TGame::butX, y): press, hold past 100 ms,
  // release; returns after the frame in which it fired (and in which the
  // pause ran any confirmation it asked for).
  void clickButton(TGame& game, int y) {
    game.dialogueText.clear();
    PostEvent(kEventMouseMove, 0, TGame::butX, y);
    frame(game);
    PostEvent(kEventMouseDown, 1, TGame::butX, y);
    frame(game);
    PostEvent(kEventMouseUp, 1, TGame::butX, y);
    for (int i = 0; i < 8 && game.dialogueText.empty() && gameState == kScreenGame; ++i) frame(game);
  }

  // Answers the confirmation box the pause shows: button 1 (YES / OK) or 2
  // (NO), or 0 for its last button, once the box takes clicks; seen, when
  // given, looks at the box each frame. Gives up after many frames by
  // closing the window, so a test never hangs.
  void answerWith(int choice, TGame& game, std::function<void(const TDialogue&)> seen = {}) {
    auto count = std::make_shared<int>(0);
    setModalFrameHook([choice, count, &game, seen] {
      AdvanceVirtualClock(25);
      const int n = ++*count;
      if (n > 2000) PostEvent(kEventAppTerminate);
      if (!game.dialogue) return true;
      if (seen) seen(*game.dialogue);
      const int button = choice != 0 ? choice : game.dialogue->buttonText[2].empty() ? 1 : 2;
      const int x = game.dialogue->x + game.dialogue->bxOffset[button];
      const int y = game.dialogue->y + game.dialogue->byOffset;
      if (n == 20) PostEvent(kEventMouseMove, 0, x, y);
      if (n == 22) PostEvent(kEventMouseDown, 1, x, y);
      if (n == 24) PostEvent(kEventMouseUp, 1, x, y);
      return true;
    });
  }

  std::unique_ptr<TMouse> mouseObj;
  std::unique_ptr<TText> textObj;
  std::unique_ptr<TButton> buttonSet;
  std::unique_ptr<TGfx> pictures;
  std::unique_ptr<TProfile> player;
  std::unique_ptr<TOptions> settings;
  std::unique_ptr<THighScores> scores;

 private:
  std::string folder_, previous_;
};
