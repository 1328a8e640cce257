// Every text the game draws has to be readable: inside its box or the
// picture, measured with the game's own font.
#include <filesystem>
#include <fstream>

#include "platform/text_log.h"
#include "screens/room_about.h"
#include "screens/tutorial.h"
#include "tests/support/location_sources.h"
#include "tests/widgets/widget_fixture.h"
#include "widgets/button.h"
#include "widgets/dialogue.h"

namespace {

// The game font, as the build packs it.
constexpr const char* kGameFont = "/usr/share/fonts/opentype/linux-libertine/LinLibertine_R.otf";

class TextFits : public WidgetTest {
 protected:
  void SetUp() override {
    WidgetTest::SetUp();
    auto font = ReadStream(kGameFont);
    ASSERT_TRUE(font) << "fonts-linuxlibertine is installed by the setup script";
    // Slots and sizes as the game loads them.
    for (auto [slot, size] : {std::pair{2, 19}, {4, 16}, {6, 18}, {8, 20}}) {
      font->Seek(0);
      ASSERT_TRUE(text->Load(slot, font, size, 1));
    }
    buttons = TButton::Create(mouse.get(), text.get(), nullptr);
    ASSERT_TRUE(buttons->add(1, solidStrip(171, 42, 4), 8, -2, -1, true));
    ASSERT_TRUE(buttons->add(2, solidStrip(88, 28, 4), 4, -2, -1, true));
    RecordDrawnTexts(true);
  }
  void TearDown() override {
    RecordDrawnTexts(false);
    WidgetTest::TearDown();
  }
  std::unique_ptr<TButton> buttons;
};

TEST_F(TextFits, TextsPastTheEdgeOrTheirBoxAreFound) {
  text->setFont(2);
  text->draw("inside", 10, 10);
  text->draw("past the right edge", 790, 10);
  text->draw("below", 10, 595);
  SetTextBox(100, 100, 30, 30);
  text->draw("too wide for its box", 100, 100);
  ResetTextBox();
  const std::vector<std::string> faults = TextsOutsideTheirBox(DrawnTexts());
  ASSERT_EQ(faults.size(), 3u);
  EXPECT_NE(faults[0].find("past the right edge"), std::string::npos);
  EXPECT_NE(faults[1].find("below"), std::string::npos);
  EXPECT_NE(faults[2].find("too wide"), std::string::npos);
}

TEST_F(TextFits, LongButtonLabelsDropToASmallerSize) {
  text->setFont(2);
  for (const char* label : {"PLAY CAMPAIGN", "LOAD LOCATION", "MAP LOCATIONS", "CONTINUE GAME", "HIGH SCORES"})
    buttons->draw(label, 598, 342, 1);
  for (const char* label : {"RESET TIPS", "CANCEL", "ABANDON", "CONTINUE", "NEXT LOCATION"})
    buttons->draw(label, 270, 375, 2);
  for (const std::string& fault : TextsOutsideTheirBox(DrawnTexts())) ADD_FAILURE() << fault;
  EXPECT_EQ(text->curFont, 2) << "the caller's slot comes back";
}

// The tips are the longest texts of the game: each has to fit its box above
// the "OK" button, as the in-game screen shows it.
TEST_F(TextFits, EveryHelpTipFitsItsBox) {
  const TImagePtr medium = solidStrip(350, 250, 1);  // "gfx\gui_dialogue_med.png"
  TTutorial tutorial;
  for (int id = 0; id < kHelpItems; ++id) {
    ClearDrawnTexts();
    auto box = TDialogue::Create(10, 100, 25, medium, tutorial.helpInfo[id].message, mouse.get(), text.get(), 2);
    box->setButtons(buttons.get(), 2, 25, "OK", "");
    for (int f = 0; f < 10; ++f) box->update();
    EXPECT_GT(DrawnTexts().size(), 0u);
    for (const std::string& fault : TextsOutsideTheirBox(DrawnTexts())) ADD_FAILURE() << "tip " << id << ": " << fault;
  }
}

// A room's about line fades in whole in the strip under its name; one too
// wide would be cut short there. That holds for the campaign and for the
// custom locations the game ships beside it.
TEST_F(TextFits, EveryShippedAboutLineFitsTheStripUnderTheRoomsName) {
  namespace fs = std::filesystem;
  text->setFont(TRoomAbout::kFont);
  for (auto [folder, rooms] : {std::pair{"assets/locations", 80}, {"assets/custom_locations", 42}}) {
    SCOPED_TRACE(folder);
    int lines = 0;
    for (const fs::path& source : roomSourcesIn(folder)) {
      std::ifstream in(source);
      for (std::string line; std::getline(in, line);) {
        if (line.rfind("about ", 0) != 0) continue;
        ++lines;
        const std::string about = line.substr(6);
        EXPECT_LE(TextWidth(about), TRoomAbout::kRight - TRoomAbout::kLeft) << source.filename() << ": " << about;
      }
    }
    EXPECT_EQ(lines, rooms) << "every room has its about line";
  }
}

}  // namespace
