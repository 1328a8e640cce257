#include "app/script.h"

#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "platform/input.h"

namespace {

TEST(ScriptParser, ReadsCommandsAndSkipsComments) {
  std::vector<TScriptCommand> cmds;
  std::string error;
  ASSERT_TRUE(parseScript("# intro\r\n\nmove 10 20  # pointer\nclick\nwaitscreen 1 300\n"
                          "type  Ann # not a comment\nassert showfps off\n",
                          cmds, error))
      << error;
  ASSERT_EQ(cmds.size(), 5u);
  EXPECT_EQ(cmds[0].op, "move");
  EXPECT_EQ(cmds[0].line, 3);
  EXPECT_EQ(cmds[0].args, (std::vector<std::string>{"10", "20"}));
  EXPECT_EQ(cmds[1].op, "click");
  EXPECT_TRUE(cmds[1].args.empty());
  EXPECT_EQ(cmds[2].args, (std::vector<std::string>{"1", "300"}));
  // Typed text is kept as written after the one separating space.
  EXPECT_EQ(cmds[3].rest, " Ann # not a comment");
  EXPECT_EQ(cmds[4].line, 7);
}

TEST(ScriptParser, RejectsMistakesWithTheirLine) {
  const char* bad[] = {
      "jump 3",              // unknown command
      "move 10",             // missing coordinate
      "move 10 x",           // not a number
      "press thumb",         // unknown button
      "key Hyper",           // unknown key
      "wait -1",             // negative frames
      "waitscreen 1",        // no limit
      "waitdrawn Moves",     // no frame limit
      "waitdrawn 50",        // no text
      "assert colour red",   // unknown assertion
      "assert showfps maybe",
      "mark now",
      "assert contains profiles/A.cfg",  // no text to look for
      "assert screen 1 2",
  };
  for (const char* line : bad) {
    std::vector<TScriptCommand> cmds;
    std::string error;
    EXPECT_FALSE(parseScript(std::string("wait 1\n") + line + "\n", cmds, error)) << line;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

TEST(ScriptParser, FileTextAssertionKeepsItsWords) {
  std::vector<TScriptCommand> cmds;
  std::string error;
  ASSERT_TRUE(parseScript("assert contains profiles/A.cfg gfxDepth:\\t0 more words\n", cmds, error)) << error;
  ASSERT_EQ(cmds.size(), 1u);
  EXPECT_EQ(cmds[0].args.size(), 5u);
}

TEST(ScriptParser, KeyNames) {
  EXPECT_EQ(scriptKeyCode("Escape"), kKeyEscape);
  EXPECT_EQ(scriptKeyCode("escape"), kKeyEscape);
  EXPECT_EQ(scriptKeyCode("F"), 'F');
  EXPECT_EQ(scriptKeyCode("f"), 'F');
  EXPECT_EQ(scriptKeyCode("7"), '7');
  EXPECT_EQ(scriptKeyCode("F1"), kKeyF1);
  EXPECT_EQ(scriptKeyCode("F12"), kKeyF12);
  EXPECT_EQ(scriptKeyCode("LShift"), kKeyLShift);
  EXPECT_EQ(scriptKeyCode("123"), 123);
  EXPECT_EQ(scriptKeyCode("F13"), 0);
  EXPECT_EQ(scriptKeyCode("300"), 0);
  EXPECT_EQ(scriptKeyCode(""), 0);
}

// A screenshot shows the screen the commands before it led to: the commands
// after it wait for the next frame, so their input is not in the picture.
TEST(ScriptRunner, CommandsAfterAScreenshotWaitForTheFrameAfterIt) {
  ResetInput();
  SetSystemInput(false);
  std::vector<TScriptCommand> commands;
  std::string error;
  ASSERT_TRUE(parseScript("key A\nscreenshot shot.png\nkey B\n", commands, error)) << error;
  TScriptRunner runner("shot", commands);
  TMainLoop loop([] {});
  auto keysPosted = [] {
    std::string keys;
    while (PollEvent())
      if (CurrentEvent().code == kEventKeyDown) keys += static_cast<char>(CurrentEvent().data);
    return keys;
  };
  ASSERT_TRUE(runner.beforeFrame(loop));
  EXPECT_EQ(keysPosted(), "A") << "only the key before the screenshot comes in its frame";
  ASSERT_TRUE(runner.beforeFrame(loop));
  EXPECT_EQ(keysPosted(), "B");
  EXPECT_TRUE(runner.finished());
  ResetInput();
}

}  // namespace
