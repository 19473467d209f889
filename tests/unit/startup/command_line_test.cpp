#include "startup/command_line.h"

#include <gtest/gtest.h>

#include "platform/program_paths.h"

namespace orvane {
namespace {

TEST(PaneHandle, ReadsTheNumberAfterTheThirdCharacterLikeVal) {
  const struct { const wchar_t* line; platform::WindowHandle handle; } cases[] = {
      // The third character is skipped, whatever it is.
      {L"/p 1234", 1234}, {L"/p:1234", 1234}, {L"/p12345", 2345},
      // Hexadecimal, blanks inside, halves rounded to even.
      {L"/p &H4D2", 1234}, {L"/p 12 34", 1234}, {L"/p 1234.5", 1234}, {L"/p 1235.5", 1236},
      // The largest handle and one past it, in decimal and hexadecimal (a 32-bit pattern is
      // signed); signs; nothing after the separator.
      {L"/p 2147483647", 2147483647}, {L"/p 2147483648", 0}, {L"/p &H7FFFFFFF", 2147483647},
      {L"/p &HFFFFFFFF", -1}, {L"/p &H100000000", 0}, {L"/p +42", 42}, {L"/p -42", -42},
      {L"/p ", 0}, {L"/p", 0},
      // No usable number.
      {L"/p abc", 0}, {L"/p 9999999999", 0},
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
