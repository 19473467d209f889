// The button's saved properties and what loading them shows.
#include <algorithm>

#include "command_fixture.h"

namespace orvane::button {
namespace {

using Entries = std::vector<platform::PropertyBag::Entry>;

const platform::FontDescription kOtherFont{L"MS UI Gothic", 9, 700, false, false, false, 128};

class CommandPropertiesTest : public CommandTest {
 protected:
  // The caption drawn last, as "text, box, font size, colour[, greyed]".
  std::wstring LastCaption() const {
    const std::wstring prefix = L"control 7: DrawCentredText(";
    for (auto call = fake.calls.rbegin(); call != fake.calls.rend(); ++call) {
      if (call->rfind(prefix, 0) == 0) return call->substr(prefix.size(), call->size() - prefix.size() - 1);
    }
    return L"";
  }
};

TEST_F(CommandPropertiesTest, ANewButtonIsDisabledAndDrawsNothingUntilItIsLoaded) {
  EXPECT_EQ(control.className, L"ThreeDOrvane.Command");
  EXPECT_EQ(fake.calls, (Calls{L"form: AddDrawnControl(7, 20 20 117 x 28, ThreeDOrvane.Command)",
                               L"SetWindowTitle(24583, Command)"}));
  command.OnMouseMove();
  command.OnGotFocus();
  EXPECT_EQ(fake.calls.size(), 2u);

  command.OnResize();  // the resize draws even a disabled button
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_DISABLE"});
  EXPECT_EQ(LastCaption(), L"Command, 0, 7, 117, 13, ＭＳ Ｐゴシック 9.75, 000000, greyed");
}

TEST_F(CommandPropertiesTest, LoadingNothingGivesAnEnabledButtonWithTheDesignCaptionInBlack) {
  command.ReadProperties(platform::PropertyBag{});

  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
  EXPECT_EQ(LastCaption(), L"Command, 0, 7, 117, 13, ＭＳ Ｐゴシック 9.75, 000000");
  EXPECT_EQ(fake.calls.back(), L"control 7: Present");
  EXPECT_EQ(command.buttonState(), ButtonState::kNotInitialized);
}

TEST_F(CommandPropertiesTest, TheDialogsButtonsLoadFromTheirCaptionAndFontWithAllElseAtDefaults) {
  for (const wchar_t* text : {L"設定", L"ｷｬﾝｾﾙ", L"..."}) {
    // The dialog's font is the design font, so only the caption is stored.
    const platform::PropertyBag bag = SavedCommandProperties(text, kDesignFont);
    EXPECT_EQ(bag.Entries(), (Entries{{L"Caption", std::wstring(text)}}));

    CommandRig rig;
    rig.command.ReadProperties(bag);

    EXPECT_NE(std::find(rig.fake.calls.begin(), rig.fake.calls.end(),
                        L"SetWindowTitle(24583, " + std::wstring(text) + L")"),
              rig.fake.calls.end());
    EXPECT_EQ(rig.fake.calls.end()[-2], L"control 7: DrawCentredText(" + std::wstring(text) +
                                            L", 0, 7, 117, 13, ＭＳ Ｐゴシック 9.75, 000000)");
  }
}

TEST_F(CommandPropertiesTest, SavedFontColourAndFlagsAreApplied) {
  platform::PropertyBag bag = SavedCommandProperties(L"設定", kOtherFont);
  EXPECT_EQ(bag.Entries(), (Entries{{L"Caption", std::wstring(L"設定")}, {L"Font", kOtherFont}}));
  bag.WriteProperty(L"FontColour", std::int32_t{0x00FF8000}, std::int32_t{0});

  command.ReadProperties(bag);
  EXPECT_EQ(LastCaption(), L"設定, 0, 7, 117, 13, MS UI Gothic 9, FF8000");

  // A button saved disabled loads disabled and shows nothing until it is enabled.
  CommandRig disabled;
  platform::PropertyBag off;
  off.WriteProperty(L"Enabled", false, true);
  disabled.command.ReadProperties(off);
  EXPECT_TRUE(disabled.FacesDrawn().empty());
  disabled.command.SetEnabled(true);
  EXPECT_EQ(disabled.FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
}

TEST_F(CommandPropertiesTest, BeforeTheFirstRunIsDoneTheCaptionIsDrawnBlack) {
  platform::PropertyBag bag;
  bag.WriteProperty(L"FirstRun", std::int32_t{0}, std::int32_t{1});
  bag.WriteProperty(L"FontColour", std::int32_t{0x0000FF}, std::int32_t{0});

  command.ReadProperties(bag);

  EXPECT_EQ(LastCaption(), L"Command, 0, 7, 117, 13, ＭＳ Ｐゴシック 9.75, 000000");
}

TEST_F(CommandPropertiesTest, SavedValuesOfTheWrongKindOrRangeAreNotApplied) {
  platform::PropertyBag bag;
  bag.WriteProperty(L"FirstRun", std::int32_t{300}, std::int32_t{1});
  bag.WriteProperty(L"Caption", std::int32_t{12}, std::wstring(L"Command"));
  bag.WriteProperty(L"FontColour", std::int32_t{0x0000FF}, std::int32_t{0});

  command.ReadProperties(bag);

  // FirstRun stays 0, so the caption is drawn black whatever its colour.
  EXPECT_EQ(LastCaption(), L"Command, 0, 7, 117, 13, ＭＳ Ｐゴシック 9.75, 000000");
}

TEST(PropertyBag, OmitsDefaultsAndReadsMissingKeysAsTheReadDefault) {
  platform::PropertyBag bag;

  bag.WriteProperty(L"Caption", std::wstring(L"Command"), std::wstring(L"Command"));
  bag.WriteProperty(L"FontColour", std::int32_t{255}, std::int32_t{0});
  EXPECT_EQ(bag.Entries(), (Entries{{L"FontColour", std::int32_t{255}}}));
  EXPECT_EQ(bag.ReadProperty(L"Caption", std::wstring(L"Command1")),
            platform::PropertyValue(std::wstring(L"Command1")));
  EXPECT_EQ(bag.ReadProperty(L"FontColour", std::int32_t{0}),
            platform::PropertyValue(std::int32_t{255}));

  bag.WriteProperty(L"FontColour", std::int32_t{0}, std::int32_t{0});  // back to the default
  EXPECT_TRUE(bag.Entries().empty());
}

}  // namespace
}  // namespace orvane::button
