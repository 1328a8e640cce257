#pragma once
// A scrolling list of text lines with up/down arrows, a draggable slider
// thumb on a track and mouse-wheel scrolling; clicking a line selects it.
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "platform/image.h"

class TMouse;
class TText;
class TButton;

class TListBox {
 public:
  // Button kinds of the arrows and the thumb.
  static constexpr int arr_up = 1;
  static constexpr int arr_down = 2;
  static constexpr int arr_slider = 3;

  int x = 0, y = 0, w = 0, h = 0;
  TMouse* mouseObj = nullptr;
  TText* textObj = nullptr;
  int fontID = 0;
  int maxItems = 0;
  int lineH = 0;
  int lines = 0;
  int itemCount = 0;
  int firstItem = 1;
  int curItem = 0;
  int arrStatus1 = 0, arrStatus2 = 0;
  std::list<std::string> itemList;
  std::unique_ptr<TButton> arrows;
  int arrW = 0, arrH = 0;
  int arrX = 0, arrUpY = 0, arrDownY = 0;
  int mouseCollide = 0;
  TImagePtr arrTrackImg;
  int trackX = 0, trackY = 0, trackH = 0;
  float trackScale = 0;
  std::unique_ptr<TButton> slider;
  int sliderY = 0;
  int sliderBaseY = 0;
  float sliderInc = 0;
  float sliderPos = 0;
  int sliderStatus = 0;
  int sliderActive = 0;
  int sliderFirstClick = 0;
  int sliderCollide = 0;
  // A bar behind the selected line, for lists whose highlight colour would
  // not show on their background (blue on the editor's dark blue panel).
  bool selectionBar = false;
  int bar_r = 0, bar_g = 0, bar_b = 0;
  float barAlpha = 0;
  int heldArrow = 0;       // arrow held down since its press (arr_up or arr_down), 0 = none
  uint32_t repeatAt = 0;   // clock reading of the held arrow's next step

  static std::unique_ptr<TListBox> Create(int x, int y, int w, int h, TMouse* mouse, TText* text, int fontID,
                                          int maxItems);
  ~TListBox();
  void initialse();
  // Arrow strip: 8 cells (up x4 states, down x4); track strip: the track,
  // then the thumb in 4 states. An empty track path gives arrows only.
  void addArrows(const std::string& arrowPath, int cellWidth, int cellHeight, const std::string& trackPath);
  void addItem(const std::string& text);
  void clearItems();
  void setCurItem(int n) { curItem = n; }
  void setSelectionBar(int r, int g, int b, float alpha) {
    selectionBar = true, bar_r = r, bar_g = g, bar_b = b, barAlpha = alpha;
  }
  void setCurView(int n);
  void setPos(int nx, int ny);
  void setSliderPos();
  void setFirstItem();
  // Shows the list count lines further down (up, when negative), within its ends.
  void scrollBy(int count);
  // Draws the list; returns the item left-clicked this frame, or 0.
  int update(bool disabled = false);
  std::string getItem(int n) const;

 private:
  void drawSelectionBar(int top) const;
  // Lines one arrow scrolls this frame: one per new press on it, then one
  // per repeat step while it stays held.
  int arrowSteps(int state, int arrowY, int arrow);
};
