#include "settings/number_text.h"

#include <gtest/gtest.h>

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

TEST(RoundToInt32, RoundsHalvesToEvenWithinTheRange) {
  EXPECT_EQ(RoundToInt32(1234.5), 1234);
  EXPECT_EQ(RoundToInt32(1235.5), 1236);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(RoundToInt32(2147483648.0), std::nullopt);
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRefusesWhatEndsOutsideTheRange) {
  EXPECT_EQ(RoundToInt16(7.5), 8);
  EXPECT_EQ(RoundToInt16(6.5), 6);
  EXPECT_EQ(RoundToInt16(-6.5), -6);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_EQ(RoundToInt16(-32769), std::nullopt);
}

TEST(FloorToInt16, TakesTheWholeNumberAtOrBelowWithinTheRange) {
  EXPECT_EQ(FloorToInt16(1.9), 1);
  EXPECT_EQ(FloorToInt16(-0.5), -1);
  EXPECT_EQ(FloorToInt16(32767.9), 32767);
  EXPECT_EQ(FloorToInt16(40000), std::nullopt);
  EXPECT_EQ(FloorToInt16(-32768.5), std::nullopt);
}

}  // namespace
}  // namespace orvane::settings
