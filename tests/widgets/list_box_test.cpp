#include "widgets/list_box.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "data/name_line.h"
#include "widget_fixture.h"
#include "widgets/button.h"
#include "widgets/request_file.h"

namespace {

class ListBoxTest : public WidgetTest {
 protected:
  std::string stripFile(const std::string& name, int w, int h, int frames) {
    auto img = solidStrip(w, h, frames);
    auto pm = std::make_shared<TPixmap>(w * frames, h);
    for (int f = 0; f < frames; ++f)
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) std::copy_n(img->pixmaps[f]->At(x, y), 4, pm->At(f * w + x, y));
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    EXPECT_TRUE(SavePixmapPNG(*pm, path));
    return path;
  }
};

TEST_F(ListBoxTest, DownArrowStopsAtTheLastPageAndWheelScrolls) {
  auto list = TListBox::Create(100, 100, 200, 166, mouse.get(), text.get(), 4, 0);
  list->lineH = 18;  // as with the game font in slot 4
  list->setPos(-1, -1);
  EXPECT_EQ(list->lines, 9);
  list->addArrows(stripFile("tesmoria_arrows.png", 21, 21, 8), 21, 21, stripFile("tesmoria_track.png", 21, 21, 5));
  for (int i = 1; i <= 20; ++i) list->addItem("item " + std::to_string(i));

  for (int click = 0; click < 15; ++click) {
    moveTo(list->arrX, list->arrDownY);
    endFrame();
    list->update();
    press();
    endFrame();
    list->update();
    release();
    for (int f = 0; f < 5; ++f) {
      endFrame();
      list->update();
    }
  }
  EXPECT_EQ(list->firstItem, 12);
  EXPECT_EQ(list->sliderY, list->trackH);

  // One wheel notch up over the list moves one line.
  moveTo(150, 150);
  endFrame();
  PostEvent(kEventMouseWheel, 1, 150, 150);
  endFrame();
  list->update();
  EXPECT_EQ(list->firstItem, 11);
}

TEST_F(ListBoxTest, EveryArrowClickScrollsAndAHeldArrowRepeats) {
  auto list = TListBox::Create(100, 100, 200, 166, mouse.get(), text.get(), 4, 0);
  list->lineH = 18;
  list->setPos(-1, -1);
  list->addArrows(stripFile("tesmoria_arrows.png", 21, 21, 8), 21, 21, stripFile("tesmoria_track.png", 21, 21, 5));
  for (int i = 1; i <= 40; ++i) list->addItem("item " + std::to_string(i));
  moveTo(list->arrX, list->arrDownY);
  endFrame();

  // Six quick clicks, 50 ms apart, each shorter than a frame: six lines.
  for (int click = 0; click < 6; ++click) {
    press();
    release();
    endFrame();
    list->update();
    endFrame();
    list->update();
  }
  EXPECT_EQ(list->firstItem, 7);

  // Held for a second: one line at once, then repeats after the delay.
  press();
  endFrame();
  list->update();
  EXPECT_EQ(list->firstItem, 8);
  for (int f = 0; f < 15; ++f) {  // 375 ms: still within the delay
    endFrame();
    list->update();
  }
  EXPECT_EQ(list->firstItem, 8);
  for (int f = 0; f < 25; ++f) {
    endFrame();
    list->update();
  }
  EXPECT_GE(list->firstItem, 15);
  const int held = list->firstItem;
  release();
  for (int f = 0; f < 10; ++f) {
    endFrame();
    list->update();
  }
  EXPECT_EQ(list->firstItem, held) << "letting go stops the repeat";

  // The up arrow stops at the top however long it is held.
  moveTo(list->arrX, list->arrUpY);
  press();
  for (int f = 0; f < 200; ++f) {
    endFrame();
    list->update();
  }
  release();
  EXPECT_EQ(list->firstItem, 1);
}

TEST_F(ListBoxTest, ViewFollowsTheCurrentItemAndClicksSelect) {
  auto list = TListBox::Create(100, 100, 200, 166, mouse.get(), text.get(), 4, 0);
  list->lineH = 18;
  list->setPos(-1, -1);
  for (int i = 1; i <= 20; ++i) list->addItem("item    " + std::to_string(i));
  list->setCurView(20);
  EXPECT_EQ(list->firstItem, 12);
  list->setCurView(3);
  EXPECT_EQ(list->firstItem, 3);
  EXPECT_EQ(list->getItem(21), "");
  EXPECT_EQ(list->getItem(0), "");

  moveTo(110, 100 + 18 + 5);  // second line = item 4
  endFrame();
  press(2);
  endFrame();
  EXPECT_EQ(list->update(), 0);  // right clicks select nothing
  press(1);
  endFrame();
  EXPECT_EQ(list->update(), 4);
  EXPECT_EQ(list->curItem, 4);
  endFrame();
  EXPECT_EQ(list->update(), 0);
}

TEST_F(ListBoxTest, ASelectionBarLiesBehindTheSelectedLineOnly) {
  auto list = TListBox::Create(100, 100, 200, 166, mouse.get(), text.get(), 4, 0);
  list->lineH = 18;
  for (int i = 1; i <= 3; ++i) list->addItem("room " + std::to_string(i));
  list->setCurItem(2);
  list->setSelectionBar(235, 222, 180, 1.0f);
  SetClsColor(0, 0, 40);
  Cls();
  list->update();
  // The right end of each line holds no text: only the bar or the background.
  auto colourAt = [](int x, int y) {
    auto pm = GrabPixmap(x, y, 1, 1);
    return std::vector<uint8_t>(pm->pixels.begin(), pm->pixels.begin() + 3);
  };
  const int right = 100 + 200 - list->arrW - 6;
  EXPECT_EQ(colourAt(right, 100 + 18 + 9), (std::vector<uint8_t>{235, 222, 180}));
  EXPECT_EQ(colourAt(right, 100 + 9), (std::vector<uint8_t>{0, 0, 40}));
  EXPECT_EQ(colourAt(right, 100 + 36 + 9), (std::vector<uint8_t>{0, 0, 40}));
}

class RequestFileTest : public ListBoxTest {
 protected:
  void SetUp() override {
    ListBoxTest::SetUp();
    // A folder of each test's own: ctest runs these tests side by side.
    dir = std::filesystem::temp_directory_path() /
          ("tesmoria_requester_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
           "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "level.loc") << "x";
    std::ofstream(dir / "notes.txt") << "y";
  }
  void TearDown() override {
    std::filesystem::remove_all(dir);
    ListBoxTest::TearDown();
  }
  std::vector<std::string> listed(TRequestFile& r) {
    std::vector<std::string> names;
    for (int i = 1; i <= r.fileList->itemCount; ++i) names.push_back(r.fileList->getItem(i));
    std::sort(names.begin(), names.end());
    return names;
  }
  std::filesystem::path dir;
};

TEST_F(RequestFileTest, ListsByExtensionWithHiddenExtensions) {
  auto r = TRequestFile::Create(50, 50, 25, solidStrip(400, 350, 1), "Load Location", mouse.get(), text.get(), 2);
  r->setProperties("loc", true, false, dir.string(), false);
  EXPECT_EQ(listed(*r), (std::vector<std::string>{"level"}));
  r->setProperties("", false, false, dir.string(), false);
  EXPECT_EQ(listed(*r), (std::vector<std::string>{"level.loc", "notes.txt"}));
  r->setProperties("", true, false, dir.string(), false);
  EXPECT_EQ(listed(*r), (std::vector<std::string>{"level", "notes"}));
  // A folder that cannot be read keeps what was listed.
  r->dir = (dir / "missing").string();
  r->updateFileList();
  EXPECT_EQ(r->fileList->itemCount, 2);
}

TEST_F(RequestFileTest, SaveModeCopiesTheClickedNameIntoTheBox) {
  auto r = TRequestFile::Create(50, 50, 25, solidStrip(400, 350, 1), "Save Location", mouse.get(), text.get(), 2);
  r->setProperties("loc", true, true, dir.string(), false);
  r->setFilename("draft");
  ASSERT_TRUE(r->textBox);
  EXPECT_EQ(r->textBox->getText(), "draft");
  r->fix(1);
  const int lineY = r->fileList->y + 2;
  moveTo(r->fileList->x + 5, lineY);
  endFrame();
  press();
  endFrame();
  r->update();
  EXPECT_EQ(r->filename, "level");
  EXPECT_EQ(r->textBox->cursor, 5);
  type("2");
  endFrame();
  r->update();
  EXPECT_EQ(r->filename, "level2");
  // Enter in the name box answers as SAVE does (the box reads it before the
  // keys' focus, read at the frame's end, could).
  endFrame();
  EXPECT_EQ(r->update(), 0);
  hitKey(kKeyEnter);
  EXPECT_EQ(r->update(), 1);
  EXPECT_EQ(r->filename, "level2");
}

// A name with a line break or beyond the length the files keep would come
// back from the saved game as another name: such files are not offered, and
// the requester says how many it left out.
TEST_F(RequestFileTest, NamesTheFilesCannotKeepAreLeftOutWithAMessage) {
  std::ofstream(dir / "AAA\nBBB.loc") << "x";
  std::ofstream(dir / (std::string(65, 'L') + ".loc")) << "x";
  std::ofstream(dir / (std::string(64, 'K') + ".loc")) << "x";
  std::ofstream(dir / ".hidden.loc") << "x";  // hidden: not offered, not counted
  auto r = TRequestFile::Create(50, 50, 25, solidStrip(400, 350, 1), "Load Location", mouse.get(), text.get(), 2);
  r->setProperties("loc", true, false, dir.string(), false);
  EXPECT_EQ(listed(*r), (std::vector<std::string>{std::string(64, 'K'), "level"}));
  EXPECT_EQ(r->message.rfind("2 files are left out", 0), 0u) << r->message;
  // The name box of a save takes no more than the files keep.
  r->setProperties("loc", true, true, dir.string(), false);
  ASSERT_TRUE(r->textBox);
  EXPECT_EQ(r->textBox->maxChars, static_cast<int>(kLongestName));
}

}  // namespace

namespace {

// The keys walk a list longer than its box: past the last line shown the
// list scrolls under the focus, and back past the first it scrolls back.
TEST_F(ListBoxTest, TheKeysFocusScrollsTheListToWalkItWhole) {
  auto list = TListBox::Create(100, 100, 200, 166, mouse.get(), text.get(), 4, 0);
  list->lineH = 18;
  list->setPos(-1, -1);
  ASSERT_EQ(list->lines, 9);
  list->addArrows(stripFile("tesmoria_arrows.png", 21, 21, 8), 21, 21, stripFile("tesmoria_track.png", 21, 21, 5));
  for (int i = 1; i <= 20; ++i) list->addItem("item " + std::to_string(i));
  // One frame with a key hit before it: the item chosen, if any.
  auto withKey = [&](int key) {
    hitKey(key);
    endFrame();
    return list->update();
  };
  list->update();
  withKey(kKeyDown);  // shows the focus on the first line
  for (int i = 0; i < 8; ++i) withKey(kKeyDown);
  EXPECT_EQ(list->firstItem, 1);
  EXPECT_EQ(withKey(kKeyEnter), 9);
  withKey(kKeyDown);
  EXPECT_EQ(list->firstItem, 2);
  EXPECT_GT(list->sliderY, 0) << "the thumb follows";
  EXPECT_EQ(withKey(kKeyEnter), 10);
  for (int i = 0; i < 10; ++i) withKey(kKeyDown);
  EXPECT_EQ(list->firstItem, 12);
  EXPECT_EQ(withKey(kKeyEnter), 20);
  // Up walks back to the first line shown, then the list scrolls back.
  for (int i = 0; i < 8; ++i) withKey(kKeyUp);
  EXPECT_EQ(list->firstItem, 12);
  withKey(kKeyUp);
  EXPECT_EQ(list->firstItem, 11);
  EXPECT_EQ(withKey(kKeyEnter), 11);
  // A list that fits its box never scrolls: Down past its end goes round.
  list->clearItems();
  for (int i = 1; i <= 3; ++i) list->addItem("short " + std::to_string(i));
  list->firstItem = 1;
  endFrame();
  list->update();
  for (int i = 0; i < 4; ++i) withKey(kKeyDown);  // shown on the first, then round
  EXPECT_EQ(list->firstItem, 1);
  EXPECT_EQ(withKey(kKeyEnter), 1);
}

}  // namespace
