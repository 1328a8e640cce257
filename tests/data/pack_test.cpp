#include "data/pack.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data/pack_tool.h"
#include "platform/file_system.h"
#include "tests/support/temp_dir.h"

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> readAll(const TStreamPtr& stream) { return stream ? stream->ReadAll() : std::vector<uint8_t>{}; }

class PackTest : public TempDirTest {
 protected:
  std::string writeFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
    EXPECT_TRUE(ReplaceFileAtomically(path(name), bytes));
    return path(name);
  }
  // A pack written field by field, for damaged layouts the tool never makes.
  std::string writeRawPack(const std::string& name, int flag, const std::string& entry, int64_t unpacked,
                           int64_t stored, const std::vector<uint8_t>& data) const {
    TMemoryStream pack;
    pack.WriteByte(flag);
    pack.WriteLine(entry);
    pack.WriteLong(unpacked);
    pack.WriteLong(stored);
    pack.WriteBytes(data.data(), static_cast<int64_t>(data.size()));
    return writeFile(name, pack.Bytes());
  }
};

TEST(PackScramble, FirstByteIsNeverTouchedAndScramblingIsItsOwnInverse) {
  std::vector<uint8_t> one = {0x41};
  scrambleBank(one, packKey);
  EXPECT_EQ(one, std::vector<uint8_t>{0x41});

  std::vector<uint8_t> two = {0x41, 0x42};
  scrambleBank(two, packKey);
  EXPECT_EQ(two, (std::vector<uint8_t>{0x41, 0x42 ^ '3'}));

  std::vector<uint8_t> data(100);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
  auto copy = data;
  scrambleBank(copy, packKey);
  EXPECT_EQ(copy[15], data[15] ^ '3');  // key wraps after 14 bytes: index 15 uses key[0]
  EXPECT_NE(copy, data);
  scrambleBank(copy, packKey);
  EXPECT_EQ(copy, data);
}

TEST(PackScramble, TextIncludesTheFirstCharacterAndRestores) {
  const std::string text = "Player One: 1234567890 abcdefghij";
  std::string scrambled = scrambleText(text);
  EXPECT_EQ(scrambled[0], static_cast<char>('P' ^ '3'));
  EXPECT_NE(scrambled, text);
  EXPECT_EQ(scrambleText(scrambled), text);
  const std::u16string wide = u"\u00e9t\u00e9";
  EXPECT_EQ(scrambleText(scrambleText(wide)), wide);
}

TEST(PackCompression, RoundTripsAndKeepsTheUnpackedSize) {
  std::vector<uint8_t> data(10000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>((i * i) >> 3);
  auto packed = compressBank(data, 9);
  ASSERT_FALSE(packed.empty());
  EXPECT_EQ(packed[0], 0x78);  // a zlib header
  EXPECT_EQ(uncompressBank(packed, 10000), data);
  // Asking for more than the stream holds pads with zeros, never overruns.
  auto longer = uncompressBank(packed, 10010);
  ASSERT_EQ(longer.size(), 10010u);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), longer.begin()));
  EXPECT_EQ(longer.back(), 0);
  // Incompressible and empty input still fit.
  std::vector<uint8_t> noise(3000);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
  EXPECT_EQ(uncompressBank(compressBank(noise, 9), 3000), noise);
  EXPECT_TRUE(uncompressBank(compressBank({}, 9), 0).empty());
  // Garbage in, zero-filled bytes of the asked size out; absurd sizes refused.
  EXPECT_EQ(uncompressBank(bytesOf("not a zlib stream"), 64), std::vector<uint8_t>(64, 0));
  EXPECT_TRUE(uncompressBank(packed, kMaxPackEntrySize + 1).empty());
}

TEST_F(PackTest, BuildThenOpenEveryCombinationOfKeyAndCompression) {
  const auto clickBytes = bytesOf("RIFF....WAVEfmt click click click click");
  const auto fontBytes = bytesOf(std::string(3000, 'F') + "end");
  std::string click = writeFile("click.wav", clickBytes);
  std::string font = writeFile("font.ttf", fontBytes);
  for (bool compress : {false, true}) {
    for (std::string key : {std::string(), packKey}) {
      SCOPED_TRACE(std::string(compress ? "compressed" : "plain") + (key.empty() ? ", no key" : ", keyed"));
      std::string error;
      std::string pack = path("data1.dat");
      ASSERT_TRUE(buildPack(pack, {click, font}, key, compress, error)) << error;
      EXPECT_EQ(readAll(openPackStream("font.ttf", pack, key)), fontBytes);
      EXPECT_EQ(readAll(openPackStream("CLICK.WAV", pack, key)), clickBytes);
      EXPECT_EQ(openPackStream("missing.wav", pack, key), nullptr);
      auto stream = openPackStream("click.wav", pack, key);
      ASSERT_NE(stream, nullptr);
      EXPECT_EQ(stream->Pos(), 0);
      EXPECT_EQ(stream->Size(), static_cast<int64_t>(clickBytes.size()));
    }
  }
}

TEST_F(PackTest, FileLayoutIsFlagThenNameLineAndTwoLongs) {
  std::string file = writeFile("a.bin", {1, 2, 3});
  std::string error;
  ASSERT_TRUE(buildPack(path("p.dat"), {file}, packKey, false, error));
  auto bytes = ReadStream(path("p.dat"))->ReadAll();
  std::vector<uint8_t> expected = {0, 'a', '.', 'b', 'i', 'n', 13, 10, 3, 0, 0, 0, 0, 0, 0, 0,
                                   3, 0, 0, 0, 0, 0, 0, 0, 1, 2 ^ '3', 3 ^ '0'};
  EXPECT_EQ(bytes, expected);
}

TEST_F(PackTest, ListPrintsEveryEntryWithItsUnpackedSize) {
  std::string a = writeFile("first.loc", std::vector<uint8_t>(1234, 7));
  std::string b = writeFile("second.loc", {});
  std::string error;
  ASSERT_TRUE(buildPack(path("data2.dat"), {a, b}, packKey, true, error));
  std::ostringstream out;
  ASSERT_TRUE(listPack(path("data2.dat"), out, error)) << error;
  EXPECT_EQ(out.str(), "Listing file contents:\nfirst.loc: 1234\nsecond.loc: 0\n");
  EXPECT_EQ(readAll(openPackStream("second.loc", path("data2.dat"), packKey)).size(), 0u);
  EXPECT_FALSE(listPack(path("none.dat"), out, error));
  EXPECT_FALSE(error.empty());
}

TEST_F(PackTest, ExtractWritesTheEntryAndFailsClearly) {
  std::string a = writeFile("fx.wav", bytesOf("some sound bytes"));
  std::string error;
  ASSERT_TRUE(buildPack(path("p.dat"), {a}, packKey, true, error));
  ASSERT_TRUE(extractPackEntry("FX.wav", path("p.dat"), packKey, path("out.wav"), error)) << error;
  EXPECT_EQ(ReadStream(path("out.wav"))->ReadAll(), bytesOf("some sound bytes"));
  EXPECT_FALSE(extractPackEntry("other.wav", path("p.dat"), packKey, path("x.wav"), error));
  EXPECT_NE(error.find("other.wav"), std::string::npos);
  EXPECT_FALSE(FileExists(path("x.wav")));
  EXPECT_FALSE(buildPack(path("q.dat"), {path("nope.wav")}, "", false, error));
  EXPECT_FALSE(FileExists(path("q.dat")));
}

TEST_F(PackTest, EmptyOrMissingPacksYieldNull) {
  EXPECT_EQ(openPackStream("click.wav", path("absent.dat"), packKey), nullptr);
  writeFile("flag_only.dat", {1});
  EXPECT_EQ(openPackStream("click.wav", path("flag_only.dat"), packKey), nullptr);
  EXPECT_EQ(openPackStream("", path("flag_only.dat"), packKey), nullptr);
  writeFile("empty.dat", {});
  EXPECT_EQ(openPackStream("click.wav", path("empty.dat"), ""), nullptr);
}

TEST_F(PackTest, DamagedSizesYieldNullInsteadOfOverreading) {
  const auto data = bytesOf("0123456789");
  // Stored size pointing past the end of the file.
  std::string past = writeRawPack("past.dat", 0, "a.bin", 10, 11, data);
  EXPECT_EQ(openPackStream("a.bin", past, ""), nullptr);
  std::ostringstream out;
  std::string error;
  EXPECT_FALSE(listPack(past, out, error));
  // Negative stored size (would make the scan walk backwards forever).
  EXPECT_EQ(openPackStream("a.bin", writeRawPack("neg.dat", 0, "a.bin", 10, -5, data), ""), nullptr);
  // A wanted entry after a damaged one is not reached.
  EXPECT_EQ(openPackStream("b.bin", writeRawPack("skip.dat", 0, "a.bin", 10, 1 << 30, data), ""), nullptr);
  // Absurd unpacked size of a compressed entry: refused rather than allocated.
  auto packed = compressBank(data, 9);
  EXPECT_EQ(openPackStream("a.bin", writeRawPack("huge.dat", 1, "a.bin", kMaxPackEntrySize + 1,
                                                 static_cast<int64_t>(packed.size()), packed), ""),
            nullptr);
  // High 32 bits are ignored.
  auto ok = openPackStream("a.bin", writeRawPack("high.dat", 0, "a.bin", 10 + (int64_t{1} << 40),
                                                  10 + (int64_t{7} << 32), data), "");
  EXPECT_EQ(readAll(ok), data);
}

TEST_F(PackTest, WronglyKeyedOrCorruptEntriesNeverCrash) {
  std::vector<uint8_t> data(5000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i % 251);
  std::string file = writeFile("tune.wav", data);
  std::string error;
  ASSERT_TRUE(buildPack(path("p.dat"), {file}, packKey, true, error));
  auto wrong = openPackStream("tune.wav", path("p.dat"), "99999999999999");
  ASSERT_NE(wrong, nullptr);
  EXPECT_EQ(wrong->Size(), 5000);
  EXPECT_NE(wrong->ReadAll(), data);
  // Flip bytes through the compressed body.
  auto bytes = ReadStream(path("p.dat"))->ReadAll();
  for (size_t i = 40; i < bytes.size(); i += 37) bytes[i] ^= 0x5A;
  writeFile("bad.dat", bytes);
  auto bad = openPackStream("tune.wav", path("bad.dat"), packKey);
  ASSERT_NE(bad, nullptr);
  EXPECT_EQ(bad->Size(), 5000);
  // Cut off in the middle of the data.
  bytes.resize(bytes.size() / 2);
  writeFile("cut.dat", bytes);
  EXPECT_EQ(openPackStream("tune.wav", path("cut.dat"), packKey), nullptr);
}

}  // namespace
