// The platform's small rules: files by path, and twips to pixels.
#include "platform/file_exists.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::platform {
namespace {

TEST(FileExists, RemovesOneTrailingBackslashBeforeOpeningAndFindsNoFileWithoutAPath) {
  testing::FakePlatform fake;
  fake.readableFiles.insert(L"C:\\a.txt");

  EXPECT_TRUE(FileExists(fake, L"C:\\a.txt"));
  EXPECT_TRUE(FileExists(fake, L"C:\\a.txt\\"));
  EXPECT_FALSE(FileExists(fake, L"C:\\a.txt\\\\"));
  EXPECT_FALSE(FileExists(fake, L""));
}

TEST(Twips, ThePixelIsTheNearestWithHalvesGoingUp) {
  EXPECT_EQ(TwipsToPixels(7.5, 15), 1);
  EXPECT_EQ(TwipsToPixels(7.4, 15), 0);
  EXPECT_EQ(TwipsToPixels(-7.5, 15), 0);
  EXPECT_EQ(TwipsToPixels(-32.5, 15), -2);
}

}  // namespace
}  // namespace orvane::platform
