#include "app/screen_slots.h"

#include "app/globals.h"
#include "app/screen_factory.h"

TScreenSlot slotOfScreen(int code) {
  switch (code) {
    case kScreenMainMenu: return TScreenSlot::mainMenu;
    case kScreenOptions: return TScreenSlot::options;
    case kScreenHighScores: return TScreenSlot::highScores;
    case kScreenCredits: return TScreenSlot::credits;
    case kScreenMap: return TScreenSlot::map;
    case kScreenGame: return TScreenSlot::game;
    case kScreenCustomMenu: return TScreenSlot::customMenu;
    case kScreenEditor: return TScreenSlot::editor;
    case kScreenRoomRestart: return TScreenSlot::reset;
    default: return TScreenSlot::result;
  }
}

TScreenControllerPtr& TScreenSlots::slot(int code) { return slots_[static_cast<size_t>(slotOfScreen(code))]; }

void TScreenSlots::enter(int code) { slot(code) = createScreenController(code); }

TScreenController* TScreenSlots::controller(int code) const {
  return slots_[static_cast<size_t>(slotOfScreen(code))].get();
}

void TScreenSlots::release(int previous, int running) {
  if (previous == 0) return;
  // The main menu, map, game, restart and editor free their own slot; any
  // other screen left frees the result slot, whose screen is over by then.
  // The slot of the screen now running is never emptied.
  bool ownSlot = previous == kScreenMainMenu || previous == kScreenMap || previous == kScreenGame ||
                 previous == kScreenRoomRestart || previous == kScreenEditor;
  TScreenSlot freed = ownSlot ? slotOfScreen(previous) : TScreenSlot::result;
  if (freed == slotOfScreen(running)) return;
  slots_[static_cast<size_t>(freed)].reset();
}
