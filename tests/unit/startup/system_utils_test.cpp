#include "startup/system_utils.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::startup {
namespace {

TEST(FileExists, RemovesOneTrailingBackslashBeforeOpening) {
  testing::FakePlatform fake;
  fake.readableFiles.insert(L"C:\\a.txt");

  EXPECT_TRUE(FileExists(fake, L"C:\\a.txt"));
  EXPECT_TRUE(FileExists(fake, L"C:\\a.txt\\"));
  EXPECT_FALSE(FileExists(fake, L"C:\\a.txt\\\\"));
  EXPECT_EQ(fake.calls.back(), L"CanOpenForReading(C:\\a.txt\\)");
}

TEST(FileExists, EmptyPathIsNoFile) {
  testing::FakePlatform fake;

  EXPECT_FALSE(FileExists(fake, L""));
}

TEST(SetScreenSaverRunningFlag, PassesTheSignExtendedComplementOfClear) {
  testing::FakePlatform fake;

  SetScreenSaverRunningFlag(fake, 0);
  SetScreenSaverRunningFlag(fake, -1);
  SetScreenSaverRunningFlag(fake, 1);

  EXPECT_EQ(fake.calls, (std::vector<std::wstring>{L"SetSystemParameter(97, 4294967295)",
                                                   L"SetSystemParameter(97, 0)",
                                                   L"SetSystemParameter(97, 4294967294)"}));
}

TEST(Zoom, OpensFromTheOriginPointAndClosesBackIntoIt) {
  testing::FakePlatform fake;
  fake.windowRects[42] = {100, 200, 595, 446};
  const ZoomOrigin origin{-5, 300};

  ZoomOpen(fake, origin, 42);
  ZoomClose(fake, origin, 42);

  EXPECT_EQ(fake.calls, (std::vector<std::wstring>{
                            L"GetWindowRect(42)",
                            L"DrawAnimatedRects(42, 3, -5 300 -5 300, 100 200 595 446)",
                            L"GetWindowRect(42)",
                            L"DrawAnimatedRects(42, 3, 100 200 595 446, -5 300 -5 300)",
                        }));
}

}  // namespace
}  // namespace orvane::startup
