#include "platform/stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_system.h"

namespace {

std::shared_ptr<TMemoryStream> bytesStream(std::initializer_list<uint8_t> bytes) {
  return MemoryStream(std::vector<uint8_t>(bytes));
}

TEST(StreamLines, CrLfAndBareLfAndUnterminatedLastLine) {
  auto crlf = bytesStream({'a', 13, 10, 'b', 13, 10});
  EXPECT_EQ(crlf->ReadLine(), "a");
  EXPECT_EQ(crlf->ReadLine(), "b");
  EXPECT_TRUE(crlf->Eof());
  EXPECT_EQ(crlf->ReadLine(), "");  // at the end: empty, no error

  auto lf = bytesStream({'a', 10, 'b', 10});
  EXPECT_EQ(lf->ReadLine(), "a");
  EXPECT_EQ(lf->ReadLine(), "b");

  auto last = bytesStream({'x', 'y', 10, 'z', 'w'});
  EXPECT_EQ(last->ReadLine(), "xy");
  EXPECT_EQ(last->ReadLine(), "zw");

  // A zero byte ends a line too, and stray CRs inside a line are dropped.
  auto odd = bytesStream({'p', 13, 'q', 0, 'r'});
  EXPECT_EQ(odd->ReadLine(), "pq");
  EXPECT_EQ(odd->ReadLine(), "r");
}

TEST(StreamLines, WriteLineEndsWithCrLf) {
  auto s = MemoryStream();
  s->WriteLine("hi");
  EXPECT_EQ(s->Bytes(), (std::vector<uint8_t>{'h', 'i', 13, 10}));
}

TEST(StreamStrings, CharactersKeepTheirLowEightBits) {
  auto s = MemoryStream();
  s->WriteString(std::string(1, static_cast<char>(233)));
  s->WriteString(std::u16string(1, char16_t(0x263A)));
  EXPECT_EQ(s->Bytes(), (std::vector<uint8_t>{0xE9, 0x3A}));
  s->Seek(0);
  EXPECT_EQ(s->ReadString(0), "");
  EXPECT_EQ(s->Pos(), 0);
  std::string two = s->ReadString(4);  // only 2 bytes left: the tail is character 0
  ASSERT_EQ(two.size(), 4u);
  EXPECT_EQ(static_cast<uint8_t>(two[0]), 0xE9);
  EXPECT_EQ(two[2], '\0');
  EXPECT_EQ(two[3], '\0');
}

TEST(StreamNumbers, LittleEndianRoundTrip) {
  auto s = MemoryStream();
  s->WriteByte(0x1FF);  // only the low 8 bits
  s->WriteShort(0xBEEF);
  s->WriteInt(-123456789);
  s->WriteLong(-9876543210123LL);
  s->WriteFloat(3.25f);
  s->WriteDouble(-0.1);
  EXPECT_EQ(s->Size(), 1 + 2 + 4 + 8 + 4 + 8);
  EXPECT_EQ(s->Bytes()[1], 0xEF);  // low byte first
  s->Seek(0);
  EXPECT_EQ(s->ReadByte(), 0xFF);
  EXPECT_EQ(s->ReadShort(), 0xBEEF);
  EXPECT_EQ(s->ReadInt(), -123456789);
  EXPECT_EQ(s->ReadLong(), -9876543210123LL);
  EXPECT_EQ(s->ReadFloat(), 3.25f);
  EXPECT_EQ(s->ReadDouble(), -0.1);
}

TEST(StreamNumbers, SignedIntAndShortReadsGiveZeros) {
  EXPECT_EQ(bytesStream({0x01, 0x00, 0x00, 0x80})->ReadInt(), -2147483647);

  // Two bytes left: they fill the low half, the stream ends, then zeros.
  auto s = bytesStream({0xAA, 0xBB, 0x34, 0x12});
  s->Seek(2);
  EXPECT_EQ(s->ReadInt(), 0x1234);
  EXPECT_TRUE(s->Eof());
  EXPECT_EQ(s->ReadInt(), 0);
  EXPECT_EQ(s->ReadFloat(), 0.0f);
  EXPECT_EQ(s->ReadByte(), 0);
}

// A stream whose Read makes no progress although it is not at its end.
class TStuckStream : public TMemoryStream {
 public:
  TStuckStream() : TMemoryStream(std::vector<uint8_t>(8, 1)) {}
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t) override { return 0; }
};

TEST(StreamErrors, OnlyNoProgressRaisesWithTheFixedTexts) {
  TStuckStream stuck;
  try {
    stuck.ReadInt();
    FAIL() << "expected a read error";
  } catch (const TStreamError& e) {
    EXPECT_STREQ(e.what(), "Error reading from stream");
  }
  try {
    stuck.WriteInt(1);
    FAIL() << "expected a write error";
  } catch (const TStreamError& e) {
    EXPECT_STREQ(e.what(), "Error writing to stream");
  }
}

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tesmoria_fs_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  std::filesystem::path dir_;
};

TEST_F(FileTest, WriteThenReadThroughBackslashPaths) {
  CreateDir(path("sub"));
  std::string windowsStyle = dir_.string() + "\\sub\\f.bin";
  auto out = WriteStream(windowsStyle);
  ASSERT_TRUE(out);
  out->WriteInt(42);
  out->WriteLine("line");
  out->Close();
  EXPECT_EQ(FileSize(windowsStyle), 4 + 6);
  auto in = ReadStream(path("sub/f.bin"));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadInt(), 42);
  EXPECT_EQ(in->ReadLine(), "line");
  EXPECT_TRUE(in->Eof());
}

TEST_F(FileTest, MissingFilesAndFolderListing) {
  EXPECT_EQ(ReadStream(path("nope.txt")), nullptr);
  EXPECT_EQ(FileSize(path("nope.txt")), -1);
  EXPECT_FALSE(DeleteFile(path("nope.txt")));
  std::ofstream(path("b.cfg")) << "x";
  std::ofstream(path("a.cam")) << "y";
  EXPECT_EQ(ReadDir(dir_.string()), (std::vector<std::string>{"a.cam", "b.cfg"}));
  EXPECT_EQ(ReadDir(dir_.string(), false).front(), ".");
  EXPECT_TRUE(DeleteFile(path("a.cam")));
  EXPECT_EQ(ReadDir(dir_.string()).size(), 1u);
}

TEST(PathNames, StripDirAndExtension) {
  EXPECT_EQ(StripDir("profiles\\P1.cam"), "P1.cam");
  EXPECT_EQ(StripDir("a/b/c.loc"), "c.loc");
  EXPECT_EQ(StripDir("plain"), "plain");
  EXPECT_EQ(ExtractExt("locations/abydos.loc"), "loc");
  EXPECT_EQ(ExtractExt("my.folder/noext"), "");
  EXPECT_EQ(ExtractExt("profiles\\.cfg"), "cfg");
  EXPECT_EQ(StripExt("gfx\\bg.png"), "gfx\\bg");
}

TEST_F(FileTest, AtomicReplaceKeepsTheOldFileWhenWritingFails) {
  std::string target = path("deep/profile.cam");
  ASSERT_TRUE(ReplaceFileAtomically(target, {1, 2, 3}));  // creates the folder
  EXPECT_EQ(FileSize(target), 3);
  ASSERT_TRUE(ReplaceFileAtomically(target, {9}));
  EXPECT_EQ(FileSize(target), 1);
  // A folder sitting where the temporary file must go makes the write fail;
  // the previous content must survive.
  std::filesystem::create_directories(target + ".tmp");
  EXPECT_FALSE(ReplaceFileAtomically(target, {7, 7, 7, 7}));
  auto in = ReadStream(target);
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadByte(), 9);
}

}  // namespace
