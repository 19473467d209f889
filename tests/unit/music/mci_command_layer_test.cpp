#include "music/mci_command_layer.h"

#include <gtest/gtest.h>

#include "fakes/fake_multimedia.h"

namespace orvane::music {
namespace {

TEST(MciCommandLayer, EveryCommandComesBackAsACodeAndATextThroughItsOwnBuffers) {
  const std::wstring noDescription = L"Error (文字列が取れません)";
  const struct {
    std::wstring command;
    testing::FakeMultimedia::Answer answer;
    bool described;
    std::int32_t code;
    std::wstring text;
    std::vector<std::wstring> calls;
  } cases[] = {
      {L"status cdaudio position track 3", {0, L"03:00:00:00"}, true, 0, L"03:00:00:00",
       {L"mci status cdaudio position track 3 [512]"}},
      // A shorter reply carries nothing over from a longer one.
      {L"status cdaudio media present", {0, L""}, true, 0, L"", {L"mci status cdaudio media present [512]"}},
      {L"open cdaudio", {266, {}}, true, 266, L"The specified device is not open.",
       {L"mci open cdaudio [512]", L"error text 266 [256]"}},
      {L"bogus", {999, {}}, false, 999, noDescription, {L"mci bogus [512]", L"error text 999 [256]"}},
      // The empty command is not sent.
      {L"", {}, true, -1, L"コマンド文字列が指定されていません", {}},
  };
  testing::FakeMultimedia mci;
  MciCommandLayer layer{mci};
  for (const auto& c : cases) {
    mci.Script(c.command, c.answer);
    if (!c.described) mci.errorDescription.reset();
    mci.calls.clear();
    std::wstring text;

    EXPECT_EQ(layer.SendMciCommand(c.command, text), c.code) << c.command;

    EXPECT_EQ(text, c.text) << c.command;
    EXPECT_EQ(mci.calls, c.calls) << c.command;
  }
}

}  // namespace
}  // namespace orvane::music
