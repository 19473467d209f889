// The platform's small rules: files by path, twips to pixels, saved properties.
#include "platform/file_exists.h"
#include "platform/property_bag.h"
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

TEST(PropertyBag, StoresOnlyWhatDiffersFromTheDefaultAndReadsTheRestAsTheReadersDefault) {
  PropertyBag bag;

  bag.WriteProperty(L"Caption", std::wstring(L"Command"), std::wstring(L"Command"));
  bag.WriteProperty(L"FontColour", std::int32_t{255}, std::int32_t{0});
  EXPECT_EQ(bag.Entries(), (std::vector<PropertyBag::Entry>{{L"FontColour", std::int32_t{255}}}));
  EXPECT_EQ(bag.ReadProperty(L"Caption", std::wstring(L"Command1")), PropertyValue(std::wstring(L"Command1")));
  EXPECT_EQ(bag.ReadProperty(L"FontColour", std::int32_t{0}), PropertyValue(std::int32_t{255}));

  bag.WriteProperty(L"FontColour", std::int32_t{0}, std::int32_t{0});  // back to the default
  EXPECT_TRUE(bag.Entries().empty());
}

}  // namespace
}  // namespace orvane::platform
