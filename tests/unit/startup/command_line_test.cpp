#include "startup/command_line.h"

#include <gtest/gtest.h>

#include "platform/program_paths.h"

namespace orvane {
namespace {

TEST(ModeLetter, IsTheSecondCharacterUpperCased) {
  EXPECT_EQ(startup::ModeLetter(L"/s"), L'S');
  EXPECT_EQ(startup::ModeLetter(L"-S"), L'S');
  EXPECT_EQ(startup::ModeLetter(L"xs"), L'S');
  EXPECT_EQ(startup::ModeLetter(L"/c:1234"), L'C');
  EXPECT_EQ(startup::ModeLetter(L"/p 1234"), L'P');
  EXPECT_EQ(startup::ModeLetter(L"/a"), L'A');
}

TEST(ModeLetter, IsNoneForLinesShorterThanTwoCharacters) {
  EXPECT_EQ(startup::ModeLetter(L""), 0);
  EXPECT_EQ(startup::ModeLetter(L"s"), 0);
}

TEST(PaneHandle, SkipsTheThirdCharacterWhateverItIs) {
  EXPECT_EQ(startup::PaneHandle(L"/p 1234"), 1234);
  EXPECT_EQ(startup::PaneHandle(L"/p:1234"), 1234);
  EXPECT_EQ(startup::PaneHandle(L"/p12345"), 2345);
}

TEST(PaneHandle, ReadsHexadecimalBlanksAndRoundsHalvesToEven) {
  EXPECT_EQ(startup::PaneHandle(L"/p &H4D2"), 1234);
  EXPECT_EQ(startup::PaneHandle(L"/p 12 34"), 1234);
  EXPECT_EQ(startup::PaneHandle(L"/p 1234.5"), 1234);
  EXPECT_EQ(startup::PaneHandle(L"/p 1235.5"), 1236);
}

TEST(PaneHandle, IsZeroWithoutUsableNumber) {
  EXPECT_EQ(startup::PaneHandle(L"/p"), 0);
  EXPECT_EQ(startup::PaneHandle(L"/p abc"), 0);
  EXPECT_EQ(startup::PaneHandle(L"/p 9999999999"), 0);
}

TEST(ArgumentsAfterProgramName, DropsTheQuotedOrPlainProgramNameAndTheBlanksAfterIt) {
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"\"C:\\A B\\3dOrvane.scr\" /s"), L"/s");
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"C:\\x\\3dOrvane.scr  /p 1234"), L"/p 1234");
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"3dOrvane.scr"), L"");
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"3dOrvane.scr /c "), L"/c ");
}

TEST(FolderOfFile, HasNoTrailingBackslashExceptAtADrivesRoot) {
  EXPECT_EQ(platform::FolderOfFile(L"C:\\Program Files\\3dOrvane\\3dOrvane.scr"),
            L"C:\\Program Files\\3dOrvane");
  EXPECT_EQ(platform::FolderOfFile(L"D:\\3dOrvane.scr"), L"D:\\");
}

}  // namespace
}  // namespace orvane
