// The editor's side panel stays readable: a long location name keeps to its
// box, and the solvability line (F5) keeps off the panel's headings.
#include "editor_fixture.h"
#include "platform/text_log.h"

namespace {

class EditorPanelTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    RecordDrawnTexts(true);
  }
  void TearDown() override {
    RecordDrawnTexts(false);
    EditorTest::TearDown();
  }
  // The texts of one frame.
  std::vector<TDrawnText> frameTexts() {
    ClearDrawnTexts();
    frame();
    return DrawnTexts();
  }
};

TEST_F(EditorPanelTest, ALongLocationNameKeepsToItsBox) {
  newLocation("Sands");
  editor->engine->location.name = "New Location Hidden World Far Beyond The River";
  bool seen = false;
  for (const TDrawnText& t : frameTexts()) {
    if (t.text.rfind("New Location", 0) != 0) continue;
    seen = true;
    EXPECT_TRUE(t.box.contains(t.ink)) << "\"" << t.text << "\" runs out of the name's box";
    EXPECT_LE(t.ink.right, 800);
    EXPECT_EQ(t.text.substr(t.text.size() - 3), "...") << "a cut name says it was cut";
  }
  EXPECT_TRUE(seen) << "the name was not drawn";

  // A short name stays whole, in the name's own size.
  editor->engine->location.name = "Sands";
  for (const TDrawnText& t : frameTexts())
    if (t.text.rfind("Sands", 0) == 0) {
      EXPECT_EQ(t.text, "Sands");
    }
}

TEST_F(EditorPanelTest, TheSolvabilityLineKeepsOffTheSidePanel) {
  newLocation("Sands");
  key(kKeyF1 + 4);
  for (int i = 0; i < 4000 && editor->solvability.busy(); ++i) frame();
  const std::string status = editor->solvability.statusText();
  ASSERT_FALSE(status.empty());
  bool seen = false;
  for (const TDrawnText& t : frameTexts()) {
    if (t.text != status) continue;
    seen = true;
    // The side panel, with its "LOCATION" heading, starts at x 608.
    EXPECT_LE(t.ink.right, 608) << "\"" << t.text << "\" is drawn over the side panel";
    EXPECT_GE(t.ink.left, 0);
    EXPECT_LE(t.ink.bottom, 600);
  }
  EXPECT_TRUE(seen) << "the line was not drawn";
}

}  // namespace
