// Files that are not ordinary files (FIFOs, devices, links put in the way),
// a second game on the same folder, and the signals that end a game. None of
// them may hang the game, exhaust its memory or make it write outside its
// folders.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "platform/file_system.h"
#include "platform/folder_lock.h"
#include "platform/stop_signals.h"
#include "platform/stream.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

class SpecialFilesTest : public TempDirTest {};

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs a read and says how long it took: a FIFO nobody writes to would make
// a blocking open wait for ever (the test would then time out).
template <typename Read>
double secondsFor(Read read) {
  const auto start = std::chrono::steady_clock::now();
  read();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST_F(SpecialFilesTest, FifosAndDevicesAreRefusedAtOnceWithAReason) {
  const std::string fifo = path("Oasis.loc");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const std::string zeroLink = path("Ann.undo");
  fs::create_symlink("/dev/zero", zeroLink);
  for (const std::string& special : {fifo, zeroLink, std::string("/dev/zero"), std::string("/dev/null")}) {
    std::vector<uint8_t> bytes;
    std::string reason;
    TFileRead result = TFileRead::read;
    EXPECT_LT(secondsFor([&] { result = ReadFileContents(special, bytes, &reason); }), 2.0) << special;
    EXPECT_EQ(result, TFileRead::unreadable) << special;
    EXPECT_NE(reason.find("not an ordinary file"), std::string::npos) << special << ": " << reason;
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(ReadStream(special), nullptr) << special;
    EXPECT_LT(OpenRegularFile(special), 0) << special;
    const std::string why = ReadFileOrWhy(special, bytes);
    EXPECT_EQ(why.rfind(special + ": ", 0), 0u) << why;
  }
}

TEST_F(SpecialFilesTest, EachKindOfFileHasItsSizeLimit) {
  const std::string big = path("big.cam");
  std::vector<uint8_t> content(5000, 'x');
  ASSERT_TRUE(ReplaceFileAtomically(big, content));
  std::vector<uint8_t> bytes;
  std::string reason;
  EXPECT_EQ(ReadFileContents(big, bytes, &reason, 4999), TFileRead::unreadable);
  EXPECT_NE(reason.find("larger than the 4999 bytes"), std::string::npos) << reason;
  EXPECT_EQ(ReadFileContents(big, bytes, &reason, 5000), TFileRead::read);
  EXPECT_EQ(bytes, content);
  // Ordinary files and links to them still read, and a missing file is
  // missing, not unreadable.
  fs::create_symlink(big, path("link.cam"));
  EXPECT_EQ(ReadFileContents(path("link.cam"), bytes, &reason, 5000), TFileRead::read);
  EXPECT_EQ(ReadFileContents(path("none.cam"), bytes, &reason), TFileRead::missing);
  EXPECT_NE(ReadStream(big), nullptr);
  // Streams (pictures, sounds, packs) stop at the largest asset; a sparse
  // file takes no room on the disk.
  const std::string huge = path("huge.png");
  { std::ofstream(huge) << "x"; }
  fs::resize_file(huge, file_limits::kAsset + 1);
  EXPECT_EQ(ReadStream(huge), nullptr);
  EXPECT_LT(OpenRegularFile(huge, &reason), 0);
  EXPECT_NE(reason.find("larger than"), std::string::npos) << reason;
}

TEST_F(SpecialFilesTest, ALinkAtTheTemporaryFileIsRemovedNeverWrittenThrough) {
  const std::string outside = path("outside.txt");
  { std::ofstream(outside) << "keep me"; }
  const std::string target = path("Ann.cam");
  fs::create_symlink(outside, target + kReplacementSuffix);
  ASSERT_TRUE(ReplaceFileAtomically(target, {'n', 'e', 'w'}));
  EXPECT_EQ(contentOf(outside), "keep me");
  EXPECT_EQ(contentOf(target), "new");
  EXPECT_FALSE(fs::is_symlink(target));
  EXPECT_FALSE(fs::exists(fs::symlink_status(target + kReplacementSuffix)));

  // A link to a folder outside, and a stale temporary file, the same.
  fs::create_directory(path("elsewhere"));
  fs::create_directory_symlink(path("elsewhere"), target + kReplacementSuffix);
  ASSERT_TRUE(ReplaceFileAtomically(target, {'2'}));
  EXPECT_TRUE(fs::is_empty(path("elsewhere")));
  { std::ofstream(target + kReplacementSuffix) << "stale half-written save"; }
  ASSERT_TRUE(ReplaceFileAtomically(target, {'3'}));
  EXPECT_EQ(contentOf(target), "3");
}

TEST_F(SpecialFilesTest, ToolsMayAskForNoFoldersToBeMade) {
  const std::string nested = path("no/such/folder/out.dat");
  std::string reason;
  EXPECT_FALSE(ReplaceFileAtomically(nested, {'x'}, &reason, false));
  EXPECT_FALSE(fs::exists(path("no")));
  EXPECT_TRUE(ReplaceFileAtomically(nested, {'x'}, &reason, true));
}

TEST_F(SpecialFilesTest, OneGameAtATimeOnAFolder) {
  // flock belongs to the open file, so a second open in this process stands
  // for a second game.
  std::string reason;
  EXPECT_EQ(LockFolder(dir_.string(), &reason), TFolderLock::held) << reason;
  EXPECT_EQ(LockFolder(dir_.string(), &reason), TFolderLock::busy);
  EXPECT_TRUE(fs::exists(path(kFolderLockFile)));
  // Another folder is free.
  fs::create_directory(path("other"));
  EXPECT_EQ(LockFolder(path("other"), &reason), TFolderLock::held) << reason;
  EXPECT_EQ(LockFolder(path("missing"), &reason), TFolderLock::failed);
}

TEST(StopSignals, EachEndingSignalIsOneCloseRequest) {
  CatchStopSignals();
  EXPECT_FALSE(TakeStopRequest());
  for (int signalNumber : {SIGHUP, SIGINT, SIGQUIT, SIGTERM}) {
    ASSERT_EQ(std::raise(signalNumber), 0);
    EXPECT_EQ(LastStopSignal(), signalNumber);
    EXPECT_TRUE(TakeStopRequest()) << signalNumber;
    EXPECT_FALSE(TakeStopRequest()) << signalNumber;
  }
  std::signal(SIGHUP, SIG_DFL);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGQUIT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}
