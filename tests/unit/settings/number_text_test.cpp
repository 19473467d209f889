#include "settings/number_text.h"

#include <gtest/gtest.h>

#include "platform/rounding.h"

namespace orvane::settings {
namespace {

TEST(LeadingNumberValue, ReadsDecimalUpToTheFirstCharacterThatCannotContinueIt) {
  EXPECT_EQ(LeadingNumberValue(L"1234"), 1234.0);
  EXPECT_EQ(LeadingNumberValue(L"1234:rest"), 1234.0);
  EXPECT_EQ(LeadingNumberValue(L"-12.5e1x"), -125.0);
  EXPECT_EQ(LeadingNumberValue(L"1e"), 1.0);
  EXPECT_EQ(LeadingNumberValue(L".5"), 0.5);
}

TEST(LeadingNumberValue, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
  EXPECT_EQ(LeadingNumberValue(L"  12 34"), 1234.0);
  EXPECT_EQ(LeadingNumberValue(L"\t1\n2"), 12.0);
  EXPECT_EQ(LeadingNumberValue(L"- 7"), -7.0);
}

TEST(LeadingNumberValue, TextWithoutLeadingNumberIsZero) {
  EXPECT_EQ(LeadingNumberValue(L""), 0.0);
  EXPECT_EQ(LeadingNumberValue(L"abc"), 0.0);
  EXPECT_EQ(LeadingNumberValue(L"x12"), 0.0);
  EXPECT_EQ(LeadingNumberValue(L"&H"), 0.0);
}

TEST(LeadingNumberValue, ReadsHexadecimalAndOctalAsSigned32BitPatterns) {
  EXPECT_EQ(LeadingNumberValue(L"&H1F"), 31.0);
  EXPECT_EQ(LeadingNumberValue(L"&hff zz"), 255.0);
  EXPECT_EQ(LeadingNumberValue(L"&O17"), 15.0);
  EXPECT_EQ(LeadingNumberValue(L"&O19"), 1.0);
  EXPECT_EQ(LeadingNumberValue(L"&HFFFFFFFF"), -1.0);
  EXPECT_EQ(LeadingNumberValue(L"&H100000000"), std::nullopt);
}

TEST(NumericLiteralValue, AcceptsOneLiteralWithBlanksAround) {
  EXPECT_EQ(NumericLiteralValue(L" 2"), 2.0);
  EXPECT_EQ(NumericLiteralValue(L"1.9"), 1.9);
  EXPECT_EQ(NumericLiteralValue(L"-0.5 "), -0.5);
  EXPECT_EQ(NumericLiteralValue(L"+3e2"), 300.0);
}

TEST(NumericLiteralValue, RejectsAnythingElse) {
  EXPECT_EQ(NumericLiteralValue(L""), std::nullopt);
  EXPECT_EQ(NumericLiteralValue(L"abc"), std::nullopt);
  EXPECT_EQ(NumericLiteralValue(L"2x"), std::nullopt);
  EXPECT_EQ(NumericLiteralValue(L"1 2"), std::nullopt);
  EXPECT_EQ(NumericLiteralValue(L"1e"), std::nullopt);
  EXPECT_EQ(NumericLiteralValue(L"1e999"), std::nullopt);
}

}  // namespace
}  // namespace orvane::settings

namespace orvane::platform {
namespace {

struct RoundingCase {
  double value;
  Rounding rounding;
  std::optional<std::int32_t> as32;
  std::optional<std::int16_t> as16;
};

TEST(RoundToInteger, RoundsAsAskedAndRefusesWholeNumbersOutsideTheRange) {
  constexpr auto kEven = Rounding::kHalfToEven;
  constexpr auto kDown = Rounding::kDown;
  const RoundingCase cases[] = {
      {7.5, kEven, 8, 8},
      {6.5, kEven, 6, 6},
      {-6.5, kEven, -6, -6},
      {1234.5, kEven, 1234, 1234},
      {32767.4, kEven, 32767, 32767},
      {32767.5, kEven, 32768, std::nullopt},
      {-32768.5, kEven, -32768, -32768},
      {-32769, kEven, -32769, std::nullopt},
      {2147483647.0, kEven, 2147483647, std::nullopt},
      {2147483648.0, kEven, std::nullopt, std::nullopt},
      {1.9, kDown, 1, 1},
      {-0.5, kDown, -1, -1},
      {32767.9, kDown, 32767, 32767},
      {-32768.5, kDown, -32769, std::nullopt},
      {40000, kDown, 40000, std::nullopt},
  };
  for (const RoundingCase& c : cases) {
    const char* how = c.rounding == kEven ? "half to even" : "down";
    EXPECT_EQ(RoundToInteger<std::int32_t>(c.value, c.rounding), c.as32) << c.value << " " << how;
    EXPECT_EQ(RoundToInteger<std::int16_t>(c.value, c.rounding), c.as16) << c.value << " " << how;
  }
}

}  // namespace
}  // namespace orvane::platform
