#include "startup/command_line.h"

#include <gtest/gtest.h>

#include "platform/program_paths.h"

namespace orvane {
namespace {

TEST(PaneHandle, ReadsTheNumberAfterTheThirdCharacterLikeVal) {
  const struct {
    const wchar_t* line;
    platform::WindowHandle handle;
  } cases[] = {
      // The third character is skipped, whatever it is.
      {L"/p 1234", 1234}, {L"/p:1234", 1234}, {L"/p12345", 2345},
      // Hexadecimal, blanks inside, halves rounded to even.
      {L"/p &H4D2", 1234}, {L"/p 12 34", 1234}, {L"/p 1234.5", 1234}, {L"/p 1235.5", 1236},
      // No usable number.
      {L"/p", 0}, {L"/p abc", 0}, {L"/p 9999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(startup::PaneHandle(c.line), c.handle) << c.line;
}

TEST(ProgramPaths, ArgumentsFollowTheProgramNameAndFoldersEndWithoutABackslashBelowTheRoot) {
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"\"C:\\A B\\3dOrvane.scr\" /s"), L"/s");
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"C:\\x\\3dOrvane.scr  /p 1234"), L"/p 1234");
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"3dOrvane.scr"), L"");
  EXPECT_EQ(platform::ArgumentsAfterProgramName(L"3dOrvane.scr /c "), L"/c ");
  EXPECT_EQ(platform::FolderOfFile(L"C:\\Program Files\\3dOrvane\\3dOrvane.scr"),
            L"C:\\Program Files\\3dOrvane");
  EXPECT_EQ(platform::FolderOfFile(L"D:\\3dOrvane.scr"), L"D:\\");
}

}  // namespace
}  // namespace orvane
