#include <gtest/gtest.h>

#include <algorithm>

#include "platform/pixmap.h"
#include "platform/pixmap_batch.h"
#include "platform/stream.h"
#include "picture_helpers.h"

namespace {

TPixmapPtr Gradient(int w, int h) {
  auto p = std::make_shared<TPixmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) SetPixel(*p, x, y, x * 7 & 255, y * 13 & 255, (x + y) & 255, (x * y) & 255);
  return p;
}

std::vector<uint8_t> FileBytes(const std::string& path) {
  auto s = ReadStream(path);
  return s ? s->ReadAll() : std::vector<uint8_t>{};
}

TEST(Pixmap, PngRoundTripKeepsEveryPixelAndAlpha) {
  const auto original = Gradient(37, 21);
  const std::string path = TempPath("roundtrip.png");
  ASSERT_TRUE(SavePixmapPNG(*original, path));
  const auto loaded = LoadPixmap(path);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->width, 37);
  EXPECT_EQ(loaded->height, 21);
  EXPECT_TRUE(loaded->hasAlpha);
  EXPECT_EQ(loaded->pixels, original->pixels);
  // The same bytes read through a memory stream (the way data packs hand them over).
  const auto fromStream = LoadPixmap(MemoryStream(FileBytes(path)));
  ASSERT_TRUE(fromStream);
  EXPECT_EQ(fromStream->pixels, original->pixels);
}

TEST(Pixmap, SeveralFilesDecodedSideBySideKeepTheirOrder) {
  // More files than cores, of different sizes, with a missing and a broken
  // one among them: each result is the one file's picture, or null.
  std::vector<std::string> paths;
  std::vector<TPixmapPtr> originals;
  for (int i = 0; i < 9; ++i) {
    originals.push_back(Gradient(10 + 17 * i, 5 + 3 * i));
    paths.push_back(TempPath("several_" + std::to_string(i) + ".png"));
    ASSERT_TRUE(SavePixmapPNG(*originals.back(), paths.back()));
  }
  paths.insert(paths.begin() + 3, TempPath("several_missing.png"));
  const std::string broken = TempPath("several_broken.png");
  const uint8_t cut[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
  WriteStream(broken)->WriteBytes(cut, sizeof cut);
  paths.push_back(broken);
  auto expectEachInItsPlace = [&](const std::vector<TPixmapPtr>& loaded) {
    ASSERT_EQ(loaded.size(), paths.size());
    EXPECT_FALSE(loaded[3]);
    EXPECT_FALSE(loaded.back());
    for (size_t i = 0; i < originals.size(); ++i) {
      const TPixmapPtr& got = loaded[i < 3 ? i : i + 1];
      ASSERT_TRUE(got) << i;
      EXPECT_EQ(got->width, originals[i]->width) << i;
      EXPECT_EQ(got->pixels, originals[i]->pixels) << i;
    }
  };
  expectEachInItsPlace(LoadPixmaps(paths));
  // Decoded behind the caller's back by any number of helpers (none: all
  // in take), taken once; a batch never taken still ends cleanly.
  for (unsigned helpers : {0u, 1u, 3u, 20u}) {
    SCOPED_TRACE(helpers);
    TPixmapBatch batch(paths, helpers);
    expectEachInItsPlace(batch.take());
    const std::vector<TPixmapPtr> again = batch.take();
    EXPECT_TRUE(std::none_of(again.begin(), again.end(), [](const TPixmapPtr& p) { return p != nullptr; }));
  }
  { TPixmapBatch untaken(paths, 2); }
  EXPECT_TRUE(LoadPixmaps({}).empty());
}

TEST(Pixmap, JpegRoundTripIsCloseAndHasNoAlphaChannel) {
  const auto original = SolidPixmap(40, 30, 200, 100, 50);
  const std::string path = TempPath("roundtrip.jpg");
  ASSERT_TRUE(SavePixmapJPEG(*original, path, 85));
  const auto loaded = LoadPixmap(path);
  ASSERT_TRUE(loaded);
  EXPECT_FALSE(loaded->hasAlpha);
  ASSERT_EQ(loaded->width, 40);
  const uint8_t* px = loaded->At(20, 15);
  EXPECT_NEAR(px[0], 200, 4);
  EXPECT_NEAR(px[1], 100, 4);
  EXPECT_NEAR(px[2], 50, 4);
  EXPECT_EQ(px[3], 255);
}

TEST(Pixmap, BrokenFilesGiveNull) {
  EXPECT_FALSE(LoadPixmap(TempPath("no_such_file.png")));
  EXPECT_FALSE(LoadPixmap(TStreamPtr{}));
  const uint8_t garbage[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  EXPECT_FALSE(DecodePixmap(garbage, sizeof garbage));
  EXPECT_FALSE(DecodePixmap(nullptr, 0));

  const std::string png = TempPath("cut.png"), jpg = TempPath("cut.jpg");
  ASSERT_TRUE(SavePixmapPNG(*Gradient(64, 64), png));
  ASSERT_TRUE(SavePixmapJPEG(*Gradient(64, 64), jpg, 90));
  for (const std::string& path : {png, jpg}) {
    std::vector<uint8_t> bytes = FileBytes(path);
    // Truncated halfway, and with only the header: never a crash.
    for (size_t keep : {bytes.size() / 2, size_t{20}, size_t{4}}) {
      std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(keep));
      const auto p = DecodePixmap(cut.data(), cut.size());
      if (p) {
        EXPECT_EQ(p->pixels.size(), static_cast<size_t>(p->width) * p->height * 4);
      }
    }
  }
  // A PNG truncated inside its image data is refused outright.
  std::vector<uint8_t> bytes = FileBytes(png);
  bytes.resize(bytes.size() / 2);
  EXPECT_FALSE(DecodePixmap(bytes.data(), bytes.size()));
}

TEST(Pixmap, CorruptedBytesNeverCrashTheDecoders) {
  const std::string png = TempPath("mutate.png"), jpg = TempPath("mutate.jpg");
  ASSERT_TRUE(SavePixmapPNG(*Gradient(32, 24), png));
  ASSERT_TRUE(SavePixmapJPEG(*Gradient(32, 24), jpg, 75));
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  for (const std::string& path : {png, jpg}) {
    const std::vector<uint8_t> good = FileBytes(path);
    for (int round = 0; round < 300; ++round) {
      std::vector<uint8_t> bad = good;
      const int flips = 1 + static_cast<int>(next() % 8);
      for (int i = 0; i < flips; ++i) bad[next() % bad.size()] = static_cast<uint8_t>(next() >> 16);
      const auto p = DecodePixmap(bad.data(), bad.size());
      if (p) {
        ASSERT_GT(p->width, 0);
        ASSERT_EQ(p->pixels.size(), static_cast<size_t>(p->width) * p->height * 4);
      }
    }
  }
}

TEST(Pixmap, WindowCopiesAndPadsOutsideWithTransparentBlack) {
  const auto p = Gradient(10, 10);
  const auto w = p->Window(8, -1, 4, 3);
  ASSERT_EQ(w->width, 4);
  ASSERT_EQ(w->height, 3);
  EXPECT_EQ(w->Alpha(0, 0), 0);  // row -1 is outside
  EXPECT_EQ(std::vector<uint8_t>(w->At(0, 1), w->At(0, 1) + 4), std::vector<uint8_t>(p->At(8, 0), p->At(8, 0) + 4));
  EXPECT_EQ(std::vector<uint8_t>(w->At(1, 2), w->At(1, 2) + 4), std::vector<uint8_t>(p->At(9, 1), p->At(9, 1) + 4));
  EXPECT_EQ(w->At(2, 1)[3], 0);  // column 10 is outside
  EXPECT_EQ(w->At(3, 2)[0], 0);
}

TEST(Pixmap, SavingAnEmptyPixmapFails) {
  TPixmap empty;
  EXPECT_FALSE(SavePixmapPNG(empty, TempPath("empty.png")));
  EXPECT_FALSE(SavePixmapJPEG(empty, TempPath("empty.jpg"), 80));
}

}  // namespace
