// Draws every widget in each of its states with the game's own pictures and
// font, and saves the picture (widget_gallery.png in the test's folder) for
// a person to look at. It checks that each piece actually drew something.
#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "widget_fixture.h"
#include "widgets/button.h"
#include "widgets/dialogue.h"
#include "widgets/list_box.h"
#include "widgets/text_box.h"

namespace {

class GalleryTest : public WidgetTest {};

// True when the rectangle holds more than one colour.
bool drewSomething(int x, int y, int w, int h) {
  auto pm = GrabPixmap(x, y, w, h);
  for (int i = 4; i < static_cast<int>(pm->pixels.size()); i += 4)
    if (pm->pixels[static_cast<size_t>(i)] != pm->pixels[0]) return true;
  return false;
}

TEST_F(GalleryTest, EveryWidgetInEveryState) {
  const std::string gfxDir = std::string(TESMORIA_GAME_DIR) + "/gfx/";
  if (!FileExists(gfxDir + "gui_buttons.png")) GTEST_SKIP() << "the game's pictures are not built";
  // The game font, as the build packs it.
  auto font = ReadStream("/usr/share/fonts/opentype/linux-libertine/LinLibertine_R.otf");
  if (font) {
    for (int slot : {2, 4, 8}) {
      font->Seek(0);
      text->Load(slot, font, slot == 4 ? 16 : slot == 8 ? 20 : 19, 1);
    }
  }
  text->slot(2)->setMainColour(0, 0, 0, 255, 255, 255);
  text->slot(4)->setMainColour(255, 255, 255, 0, 0, 255);
  auto buttons = TButton::Create(mouse.get(), text.get(), nullptr);
  ASSERT_TRUE(buttons->add(1, gfxDir + "gui_buttons.png", 8, 171, 42, -2, -1, 0, true));
  ASSERT_TRUE(buttons->add(2, gfxDir + "gui_buttons_sml.png", 4, 88, 28, -2, -1, 0, true));
  auto boxes = TTickBox::Create(mouse.get(), nullptr);
  ASSERT_TRUE(boxes->add(1, gfxDir + "gui_tickBox.png", 40, 40));
  auto background = LoadImage(gfxDir + "bg_main.png");
  auto dialoguePicture = LoadImage(gfxDir + "gui_dialogue_lrg.png");
  ASSERT_TRUE(background && dialoguePicture);

  // The pointer rests on the HOVER button; the others show their idle looks.
  moveTo(100, 90);
  endFrame();
  SetBlend(kBlendAlpha);  // as the game draws
  DrawImage(background, 0, 0);
  // Large buttons: idle, hover (pointer over), disabled.
  buttons->draw("IDLE", 100, 40, 1);
  buttons->draw("DISABLED", 100, 140, 1, true);
  buttons->draw("SMALL", 300, 40, 2);
  buttons->draw("OFF", 300, 90, 2, true);
  boxes->draw(420, 40, true, 1);
  boxes->draw(470, 40, false, 1);
  boxes->draw(520, 40, true, 1, true);

  auto dialogue = TDialogue::Create(20, 200, 25, dialoguePicture,
                                    "A dialogue wraps its text at spaces, full stops and commas.\\nA break "
                                    "sequence starts a new line.",
                                    mouse.get(), text.get(), 2);
  dialogue->setButtons(buttons.get(), 2, 25, "OK", "CANCEL");
  auto box = TTextBox::Create(50, 150, 250, "Ramses", mouse.get(), text.get(), 2);
  box->setParentDialogue(dialogue.get());
  box->setBg(255, 255, 255, 0.5f);
  dialogue->ticks = 10;  // past the opening delay that keeps its buttons still
  dialogue->update();
  box->update();

  auto list = TListBox::Create(470, 200, 300, 180, mouse.get(), text.get(), 2, 0);
  list->addArrows(gfxDir + "gui_arrows.png", 21, 21, gfxDir + "gui_arrTrack.png");
  for (const char* name : {"Abydos", "Giza", "Necropolis", "Heliopolis", "Karnak", "Armana", "Edfu",
                           "The Lost Temple", "My own tomb", "Another tomb"})
    list->addItem(name);
  list->setCurItem(2);
  list->update(false);

  EXPECT_EQ(buttons->draw("HOVER", 100, 90, 1), kButtonHover);
  EXPECT_TRUE(drewSomething(20, 20, 160, 140));
  EXPECT_TRUE(drewSomething(400, 20, 150, 40));
  EXPECT_TRUE(drewSomething(20, 200, 410, 320));
  EXPECT_TRUE(drewSomething(470, 200, 300, 180));
  const std::string out = std::string(TESMORIA_GAME_DIR) + "/../widget_gallery.png";
  EXPECT_TRUE(SaveBackBufferPNG(out));
}

}  // namespace
