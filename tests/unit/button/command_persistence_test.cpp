// The button's public properties, its first-use set-up and its saved properties.
#include <algorithm>

#include "command_fixture.h"

namespace orvane::button {
namespace {

using Entries = std::vector<platform::PropertyBag::Entry>;

const platform::FontDescription kDialogFont{L"ＭＳ Ｐゴシック", 9.75, 400, false, false, false, 128};

class CommandPropertiesTest : public CommandTest {};

TEST_F(CommandPropertiesTest, FirstReadOfEnabledOnANewButtonEnablesItAndDrawsTheNormalFace) {
  // A new button has its design caption and font, and stays disabled until then.
  EXPECT_EQ(caption.text, L"Command");
  EXPECT_EQ(caption.font, kDialogFont);
  EXPECT_EQ(testing::Text(caption.box), L"0 90 1635 195");
  command.OnResize();
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_DISABLE"});
  fake.calls.clear();

  EXPECT_TRUE(command.Enabled());

  EXPECT_TRUE(command.firstRunDone());
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
  EXPECT_EQ(fake.calls.back(), L"Label.SetEnabled(true)");

  command.SetEnabled(false);
  fake.calls.clear();
  EXPECT_FALSE(command.Enabled());  // later reads only give the flag and redraw
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_DISABLE"});
}

TEST_F(CommandPropertiesTest, BeforeFirstUseSetUpAColourWrittenToAnEnabledButtonTurnsBlack) {
  command.SetEnabled(true);
  fake.calls.clear();

  command.SetFontColour(0x0000FF);

  EXPECT_EQ(caption.colour, 0u);
  EXPECT_EQ(fake.calls[0], L"Label.SetColour(255)");
  EXPECT_EQ(fake.calls[2], L"Label.SetColour(0)");
  EXPECT_EQ(fake.calls.back(), L"PropertyChanged(FontColour)");
}

TEST_F(CommandPropertiesTest, AfterLoadingTheFontColourStaysAndReadingItRedraws) {
  LoadAndInitialize();

  command.SetFontColour(0x0000FF);
  fake.calls.clear();

  EXPECT_EQ(command.FontColour(), 0x0000FFu);
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
}

TEST_F(CommandPropertiesTest, VisibleZeroShowsOnlyTheCaptionAndAnyOtherValueTheFaceAgain) {
  LoadAndInitialize();

  command.SetVisible(0);
  EXPECT_EQ(fake.calls, (Calls{L"SetBackgroundStyle(transparent)", L"PropertyChanged(Visible)"}));
  EXPECT_EQ(command.Visible(), 0);
  EXPECT_EQ(caption.text, L"Command");

  for (const std::uint8_t value : {1, 7, 255}) {
    command.SetVisible(0);
    fake.calls.clear();
    command.SetVisible(value);
    EXPECT_EQ(fake.calls.front(), L"SetBackgroundStyle(opaque)");
    EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
    EXPECT_EQ(fake.calls.back(), L"PropertyChanged(Visible)");
    fake.calls.clear();
    EXPECT_EQ(command.Visible(), 255);
    EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
  }
}

TEST_F(CommandPropertiesTest, WritingEnabledReportsItThenDrawsTheDisabledOrNormalFace) {
  Reach(ButtonState::kHot);

  command.SetEnabled(false);
  EXPECT_EQ(fake.calls.front(), L"PropertyChanged(Enabled)");
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_DISABLE"});
  EXPECT_FALSE(caption.enabled);

  fake.calls.clear();
  command.SetEnabled(true);
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
  EXPECT_TRUE(caption.enabled);
}

TEST_F(CommandPropertiesTest, CaptionAndFontChangeTheLabelAndTheWindowsTextAndReportWithoutRedrawing) {
  LoadAndInitialize();

  command.SetCaption(L"ｷｬﾝｾﾙ");
  command.SetFont(kDialogFont);

  EXPECT_EQ(fake.calls, (Calls{L"Label.SetText(ｷｬﾝｾﾙ)", L"SetWindowTitle(1280, ｷｬﾝｾﾙ)",
                               L"PropertyChanged(Caption)", L"Label.SetFont(ＭＳ Ｐゴシック 9.75)",
                               L"PropertyChanged(Font)"}));
  EXPECT_EQ(command.Caption(), L"ｷｬﾝｾﾙ");
  EXPECT_EQ(command.Font(), kDialogFont);
}

TEST_F(CommandPropertiesTest, LoadingNothingGivesAnEnabledOpaqueButtonInTheAmbientFont) {
  surface.style = platform::BackgroundStyle::kTransparent;
  fake.calls.clear();

  command.ReadProperties(platform::PropertyBag{});

  EXPECT_EQ(caption.text, L"Command");
  EXPECT_EQ(caption.font, container.ambientFont);
  EXPECT_EQ(caption.colour, 0u);
  EXPECT_EQ(surface.style, platform::BackgroundStyle::kOpaque);
  EXPECT_TRUE(command.firstRunDone());
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
  EXPECT_EQ(command.buttonState(), ButtonState::kNotInitialized);
}

TEST_F(CommandPropertiesTest, SavingADefaultButtonStoresNothingAndRedraws) {
  LoadAndInitialize();
  command.SetEnabled(false);
  command.SetEnabled(true);
  fake.calls.clear();
  platform::PropertyBag bag;

  command.WriteProperties(bag);

  EXPECT_TRUE(bag.Entries().empty());
  EXPECT_EQ(FacesDrawn(), std::vector<std::wstring>{L"COMMAND_NORMAL"});
}

TEST_F(CommandPropertiesTest, SavingStoresEveryChangedPropertyInItsOrderAndLoadsBackTheSame) {
  command.SetEnabled(false);
  command.SetCaption(L"設定");
  command.SetFont(kDialogFont);
  command.SetFontColour(0x00FF8000);
  command.SetVisible(0);
  platform::PropertyBag bag;

  command.WriteProperties(bag);

  EXPECT_EQ(bag.Entries(), (Entries{{L"Enabled", false},
                                    {L"Caption", std::wstring(L"設定")},
                                    {L"FirstRun", std::int32_t{0}},
                                    {L"Font", kDialogFont},
                                    {L"FontColour", std::int32_t{0x00FF8000}},
                                    {L"Visible", std::int32_t{0}}}));

  testing::FakePlatform otherFake;
  testing::FakeDrawingSurface otherSurface{otherFake.calls};
  testing::FakeTextLabel otherCaption{otherFake.calls};
  testing::FakeWindowTimer otherTimer{otherFake.calls};
  RecordingContainer otherContainer{otherFake.calls};
  Command loaded{{otherSurface, otherCaption, otherTimer, otherFake, kButtonWindow, otherContainer}};
  loaded.ReadProperties(bag);
  platform::PropertyBag saved;
  loaded.WriteProperties(saved);
  EXPECT_EQ(saved.Entries(), bag.Entries());
  EXPECT_EQ(otherCaption.text, L"設定");
  EXPECT_EQ(otherCaption.colour, 0x00FF8000u);
  EXPECT_EQ(otherSurface.style, platform::BackgroundStyle::kTransparent);
  EXPECT_FALSE(loaded.firstRunDone());
}

TEST_F(CommandPropertiesTest, SavedValuesOfTheWrongKindOrRangeAreNotApplied) {
  platform::PropertyBag bag;
  bag.WriteProperty(L"FirstRun", std::int32_t{300}, std::int32_t{1});
  bag.WriteProperty(L"Visible", std::int32_t{5}, std::int32_t{1});
  bag.WriteProperty(L"Caption", std::int32_t{12}, std::wstring(L"Command"));

  command.ReadProperties(bag);

  EXPECT_FALSE(command.firstRunDone());
  EXPECT_EQ(surface.style, platform::BackgroundStyle::kOpaque);
  EXPECT_EQ(caption.text, L"Command");
}

TEST_F(CommandPropertiesTest, TheDialogsButtonsLoadFromTheirCaptionAndFontWithAllElseAtDefaults) {
  for (const wchar_t* text : {L"設定", L"ｷｬﾝｾﾙ", L"..."}) {
    const platform::PropertyBag bag = SavedCommandProperties(text, kDialogFont);
    EXPECT_EQ(bag.Entries(), (Entries{{L"Caption", std::wstring(text)}, {L"Font", kDialogFont}}));

    fake.calls.clear();
    command.ReadProperties(bag);
    command.Initialize();

    EXPECT_EQ(command.Caption(), text);
    const std::wstring named = L"SetWindowTitle(1280, " + std::wstring(text) + L")";
    EXPECT_NE(std::find(fake.calls.begin(), fake.calls.end(), named), fake.calls.end());
    EXPECT_EQ(command.Font(), kDialogFont);
    EXPECT_TRUE(command.firstRunDone());
    EXPECT_EQ(caption.colour, 0u);
    EXPECT_EQ(surface.style, platform::BackgroundStyle::kOpaque);
    EXPECT_TRUE(caption.enabled);
  }
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
