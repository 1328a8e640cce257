#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/image.h"
#include "picture_helpers.h"

namespace {

class ImageLoading : public ::testing::Test {
 protected:
  void SetUp() override { ResetDrawState(); }
  void TearDown() override { ResetDrawState(); }
};

TEST_F(ImageLoading, AnimImageCutsFramesInReadingOrder) {
  // 128 x 64 picture of 32 x 32 cells; each cell's red channel holds its number.
  auto sheet = std::make_shared<TPixmap>(128, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 128; ++x) SetPixel(*sheet, x, y, static_cast<uint8_t>((y / 32) * 4 + x / 32), 0, 0, 255);
  const auto image = LoadAnimImage(sheet, 32, 32, 0, 8, 0);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->FrameCount(), 8);
  EXPECT_EQ(image->width, 32);
  EXPECT_EQ(image->height, 32);
  for (int f = 0; f < 8; ++f) {
    EXPECT_EQ(image->pixmaps[f]->At(0, 0)[0], f);
    EXPECT_EQ(image->pixmaps[f]->At(31, 31)[0], f);
  }
  const auto tail = LoadAnimImage(sheet, 32, 32, 5, 3, 0);
  ASSERT_TRUE(tail);
  EXPECT_EQ(tail->pixmaps[0]->At(0, 0)[0], 5);

  EXPECT_FALSE(LoadAnimImage(sheet, 32, 32, 0, 9, 0));
  EXPECT_FALSE(LoadAnimImage(sheet, 32, 32, 6, 3, 0));
  EXPECT_FALSE(LoadAnimImage(sheet, 0, 32, 0, 1, 0));
  EXPECT_FALSE(LoadAnimImage(sheet, 32, 32, 0, 0, 0));
  EXPECT_FALSE(LoadAnimImage(TPixmapPtr{}, 32, 32, 0, 1, 0));
  EXPECT_FALSE(LoadAnimImage(TempPath("missing.png"), 32, 32, 0, 1, 0));
}

TEST_F(ImageLoading, MaskColourOnlyAppliesToPicturesWithoutAlpha) {
  auto rgb = SolidPixmap(4, 4, 255, 0, 255, 255, false);
  SetPixel(*rgb, 1, 1, 10, 20, 30, 255);
  SetMaskColor(255, 0, 255);
  const auto masked = LoadImage(rgb, kImageMasked);
  ASSERT_TRUE(masked);
  EXPECT_EQ(masked->pixmaps[0]->Alpha(0, 0), 0);
  EXPECT_EQ(masked->pixmaps[0]->Alpha(1, 1), 255);
  EXPECT_EQ(masked->mask_r, 255);
  EXPECT_EQ(rgb->Alpha(0, 0), 255) << "the source picture is left alone";

  const auto unmasked = LoadImage(rgb, 0);
  EXPECT_EQ(unmasked->pixmaps[0]->Alpha(0, 0), 255);

  // A picture with its own alpha keeps it, masked or not.
  auto rgba = SolidPixmap(4, 4, 255, 0, 255, 77);
  EXPECT_EQ(LoadImage(rgba, kImageMasked)->pixmaps[0]->Alpha(2, 2), 77);
}

TEST_F(ImageLoading, AutoFlagsAutoMidHandleAndCreateImage) {
  AutoImageFlags(kImageFiltered);
  auto pic = SolidPixmap(20, 10, 1, 2, 3);
  EXPECT_EQ(LoadImage(pic)->flags, kImageFiltered);
  EXPECT_EQ(LoadImage(pic, kImageMasked)->flags, kImageMasked);

  AutoMidHandle(true);
  const auto mid = LoadImage(pic);
  EXPECT_FLOAT_EQ(mid->handle_x, 10);
  EXPECT_FLOAT_EQ(mid->handle_y, 5);
  AutoMidHandle(false);
  const auto plain = LoadImage(pic);
  EXPECT_FLOAT_EQ(plain->handle_x, 0);
  MidHandleImage(plain);
  EXPECT_FLOAT_EQ(plain->handle_y, 5);
  SetImageHandle(plain, 3, 4);
  EXPECT_FLOAT_EQ(plain->handle_x, 3);

  const auto blank = CreateImage(5, 6, 3, 0);
  ASSERT_TRUE(blank);
  EXPECT_EQ(blank->FrameCount(), 3);
  EXPECT_TRUE(blank->flags & kImageDynamic);
  EXPECT_EQ(blank->pixmaps[2]->Alpha(4, 5), 0);
  EXPECT_FALSE(CreateImage(0, 6));
  EXPECT_EQ(ImageWidth(nullptr), 0);
}

}  // namespace
