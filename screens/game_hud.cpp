// The in-game screen's picture around the room and its four buttons.
#include "screens/gfx_set.h"
#include "data/profile.h"
#include "effects/effects.h"
#include "platform/graphics.h"
#include "screens/game_screen.h"
#include "widgets/button.h"
#include "widgets/text.h"

namespace {

constexpr int kSmallButtons = 2;
// The title box of the top panel runs from x 420 to the buttons at 705.
constexpr int kTitleWidth = 285;

void drawIfLoaded(const TImagePtr& image, float x, float y, int frame = 0) {
  if (image && frame >= 0 && frame < image->FrameCount()) DrawImage(image, x, y, frame);
}

bool buttonClicked(TButton* buttons, const char* label, int y) {
  return buttons && buttons->draw(label, TGame::butX, y, kSmallButtons) == kButtonActivated;
}

}  // namespace

void TGame::drawRoomAndHud(int sunFrame) {
  if (gfx) {
    drawIfLoaded(gfx->mainBg, 0, 0);
    drawIfLoaded(gfx->gameTop, 0, 0);
    drawIfLoaded(gfx->gameSide, 608, 0);
  }
  engine->drawRoom();
  drawAids();

  if (gfx) {
    if (profile) drawIfLoaded(gfx->mapIconsImg, 370, 38, currentLocation().icon);
    drawIfLoaded(gfx->sunIconsImg, 717, 223, sunFrame);
  }

  if (text && profile) {
    text->setFont(1);
    text->draw(engine->location.name, 420, 12);
    // A long room name drops to the smaller font and is cut at the edge of
    // its box rather than running under the buttons.
    text->setFont(6);
    if (TextWidth(levelName) > kTitleWidth) text->setFont(4);
    int vx, vy, vw, vh;
    GetViewport(vx, vy, vw, vh);
    SetViewport(420, 30, kTitleWidth, 40);
    text->draw(levelName, 420, 42);
    SetViewport(vx, vy, vw, vh);
    text->setFont(7);
    const TStatus& room = profile->roomStatus;
    const TStatus& game = profile->locStatus;
    text->draw(std::to_string(int64_t{room.money} + game.money), 736, 330, true);
    text->draw(std::to_string(room.lives + game.lives), 736, 475, true);
  }
  drawMovesAndHintButton();
  if (effects) effects->updateAll();
}

void TGame::askConfirmation(int status, const std::string& message) {
  pendingStatus = status;
  dialogueText = message;
}

void TGame::updateButtons() {
  if (!profile) return;
  const bool campaign = profile->gameType == kGameCampaign;
  const bool custom = profile->gameType == kGameCustom;
  if (buttonClicked(buttons, "RESET", 17))
    askConfirmation(kScreenRoomRestart, "RESET ROOM\\n\\nAre you sure you want to reset this room?");
  if (buttonClicked(buttons, "SKIP", 42)) {
    // Lives found in this room are not spare yet: only the game's count.
    if (profile->locStatus.lives != 0)
      askConfirmation(kPendingSkip,
                      "SKIP ROOM\\n\\nThis will cost you 1 life and you will lose everything collected in this room. "
                      "Are you sure you want to skip this room?");
    else
      askConfirmation(kPendingNotice,
                      "SKIP ROOM\\n\\nSorry, you do not have any spare lives to skip this room (lives collected in "
                      "this room do not count).");
  }
  if (buttonClicked(buttons, "ABANDON", 67))
    askConfirmation(kScreenMap, custom ? "ABANDON GAME\\n\\nAre you sure you want to abandon this game?"
                                       : "ABANDON GAME\\n\\nAre you sure you want to abandon the campaign? You can "
                                         "start again from the map, but all points will be lost.");
  // The main loop stores the room in progress when the screen is left.
  if (buttonClicked(buttons, "MENU", 584)) gameState = campaign ? kScreenMainMenu : kScreenCustomMenu;
}
