#include "platform/file_exists.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::platform {
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

}  // namespace
}  // namespace orvane::platform
