#pragma once
// The level editor: players build their own locations of up to 12 rooms,
// painting cells from the block catalogue and furnishing them from the
// object catalogue, and save them as location files for the custom game.
// It keeps its own engine for the room being edited, a toolbar of blocks and
// objects, the list of the location's rooms, buttons for the location and
// its rooms, dialogue boxes, keyboard shortcuts, undo and redo, a check that
// the room can be solved, and a test mode that plays the room as the game
// does. The work is split by concern:
//   editor.cpp              making the screen, one frame, leaving it
//   editor_toolbar.cpp      the toolbar, the buttons and the room list
//   editor_items.cpp        placing and picking up, the keyboard's shortcuts
//   editor_keyboard.cpp     editing without a mouse: the cursor cell and the
//                           toolbar's focus
//   editor_dialogues.cpp    the dialogue boxes and their answers
//   editor_files.cpp        loading and saving location files
//   editor_history.cpp      undo and redo
//   editor_solvability.cpp  the solvability check
//   editor_test_play.cpp    test play, with the game's undo, hints and preview
#include <array>
#include <memory>
#include <string>

#include "screens/screen_controller.h"
#include "screens/screen_kit.h"
#include "data/location.h"
#include "engine/engine.h"
#include "screens/cell_cursor.h"
#include "screens/editor_history.h"
#include "screens/editor_solvability.h"
#include "screens/game_history.h"
#include "screens/play_aids.h"
#include "screens/room_hints.h"
#include "screens/room_session.h"
#include "widgets/dialogue.h"
#include "widgets/list_box.h"
#include "widgets/request_file.h"
#include "widgets/text_box.h"

// Object ids on the editor's palette, positions 1..18 (the map is not offered).
extern const std::array<int, 19> editorItems;
#include "widgets/tooltip.h"

class TEditor : public TScreenController, protected TScreenKit {
 public:
  static constexpr int butX1 = 668, butX2 = 756;  // the two button columns
  static constexpr int kMaxRoomObjects = 50;

  // Values of editorStatus: 0 editing, otherwise the open dialogue.
  enum : int {
    kEditing = 0,
    kLoadLocation = 1,
    kSaveLocation = 2,
    kRenameLocation = 3,
    kNewLocation = 4,
    kRenameRoom = 5,
    kDeleteRoom = 6,
    kSaveChanges = 7,
    kMaxObjects = 8,
    kHelp = 9,
    kReplaceFile = 10,  // saving over another location's file
    kNotice = 11,       // a message with "OK" (a file that could not be read or written)
  };

  static constexpr float kEditFog = 0.5f;  // half-dark floor shows what no emitter can reach
  static constexpr float kPlayFog = 1.0f;

  TEnginePtr engine;
  int testMode = 0;
  int curObj = 0;       // object id held by the cursor
  int curBlk = 0;       // block id held by the cursor
  int editorStatus = 0;
  int justClicked = 0;  // this frame's click has been used
  int canDraw = 0;      // a click on the grid has armed painting
  int red = 255, green = 255, blue = 255;  // the cell mark: white, or green / red where the held piece may / may not go
  std::unique_ptr<TToolTip> tooltip;
  std::unique_ptr<TDialogue> dialogue;   // the open dialogue box
  std::unique_ptr<TDialogue> dialogue2;  // the help box
  std::unique_ptr<TTextBox> textBox;     // the naming box's text field
  std::string newName;
  std::unique_ptr<TListBox> roomList;
  std::unique_ptr<TRequestFile> locRequester;
  int diagX = 0, diagY = 0;
  TRoomPtr tempRoom;     // the room copied with Ctrl+C
  int resetStatus = 0;   // close the open dialogue at the end of the frame
  std::string helpText;
  int changed = 0;       // unsaved changes
  int nextEditorStatus = 0;
  int nextStatus = 0;    // screen to go to once the open dialogue closes

  TEditHistory history;
  TSolvabilityCheck solvability;
  std::string boxMessage;  // why the open box refused what was typed
  std::string noticeText;  // text of the kNotice box
  std::string pendingSaveName;  // the name a kReplaceFile question is about
  std::string locationFile;     // name of the file the location was loaded from or saved to

  explicit TEditor(const TScreenKit& kit);
  ~TEditor() override;

  void update() override;
  // With unsaved changes the editor asks first and then goes on itself.
  bool holdLeave(int requested) override;
  void leave() override;

  void drawGui();
  void checkInputKeys();
  void updateItems();
  int checkChanged(int status);
  void diagLocConfirm();
  void diagLocNew();
  void diagLocRename();
  void diagLocLoad();
  void diagLocSave();
  void diagRoomRename();
  void diagRoomDel();
  void diagMaxObj();
  void setRoomList();

  bool locationOpen() const { return !engine->location.name.empty(); }
  bool roomOpen() const { return !engine->roomName.empty(); }
  // Just before an edit: keeps the state it starts from for undo, marks the
  // location changed and drops a solvability result that no longer holds.
  void beginEdit();
  void undoEdit();
  void redoEdit();

  // The keyboard's cursor cell over the room, and whether the keys walk the
  // toolbar and the buttons (else they are the room's).
  const TCellCursor& keyCursor() const { return keyCursor_; }
  bool keysOnToolbar() const { return keysOnToolbar_; }

 private:
  int strokeOpen_ = 0;  // one held-down painting stroke is one undo step
  TCellCursor keyCursor_;
  bool keysOnToolbar_ = false;

  // editor_keyboard.cpp
  // This frame's arrows (without Shift or Ctrl), Space, Enter, Tab and
  // Delete, for the cursor or the toolbar's focus.
  void editingKeys(const TArrowHits& arrows);
  void keysToToolbar();
  void keysToRoom();
  // The toolbar's place of the chosen block or object in the focus's
  // reading order (the blocks' row, then the objects'), the first without one.
  int chosenToolPlace() const;
  // Whether the arrows, Tab and Enter are the room's cursor's this frame
  // (else the focus's, which reads them after the screen has drawn).
  bool roomHasKeys() const;
  // The keys of the frame's end: the room's, the toolbar's or a box's.
  void handKeys();
  // Escape while the toolbar's focus shows gives the keys back to the room
  // rather than leaving the editor: true then.
  bool backOutOfToolbar(int requested);
  void drawKeyCursor();

  // editor_test_play.cpp
  void startTestPlay();
  void endTestPlay();
  void testFrame();
  void testPlayAids();
  TRoomSession testSession_;  // undo, hints and the preview of test play
  void editFrame();
  void runDialogue();
  void closeDialogues();
  // Replaces the open dialogue by another one at once.
  void switchDialogue(int status);
  void openBox(const std::string& text, const std::string& button1, const std::string& button2, int margin);
  void openNamingBox(const std::string& title, const std::string& preset);
  // The naming box's frame: 1 when an acceptable name was confirmed (in
  // newName), 2 on CANCEL, else 0. maxLength 0 = only the box's width.
  int runNamingBox(bool fileName);
  void runNotice();
  void runReplaceQuestion();
  void useRoomListChoice(int n);
  // The toolbar's block or object to paint with (the other one 0).
  void chooseTool(int block, int object);
  // The held block or object, drawn at (x, y).
  void drawHeldPiece(float x, float y) const;
  // Whether the held block or object may go on cell (a, b), the room's limit
  // of objects aside.
  bool heldFitsAt(int a, int b) const;
  // One click of the held block or object on cell (a, b), from the mouse or
  // the keyboard: painted where it may go.
  void paintHeldAt(int a, int b);
  // The cell mark over (a, b), coloured for the held piece.
  void markCell(int a, int b);
  void placeHeldItem(int a, int b);
  void pickUp(int a, int b);
  void finishedLoad(TLocation& loaded);
  // Writes the location under name; false (with a notice open) on failure.
  bool saveAs(const std::string& name);
  void rebuildAfterHistory();
  void drawSolvability();
  void drawLocationName();
  // The location's name box on the side panel, and the F5 line over the
  // room's bottom wall.
  static constexpr int kNameX = 623, kNameY = 100, kNameBoxWidth = 168, kNameBoxHeight = 32;
  static constexpr int kStatusX = 306, kStatusY = 557;
};
