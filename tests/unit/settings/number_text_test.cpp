#include "settings/number_text.h"

#include <gtest/gtest.h>

#include "platform/rounding.h"

namespace orvane {
namespace {

using std::nullopt;

TEST(NumberText, LeadingNumbersAreReadLenientlyAndLiteralsStrictly) {
  const struct {
    const wchar_t* text;
    std::optional<double> leading;
    std::optional<double> literal;
  } cases[] = {
      {L"1234", 1234, 1234},       {L" 2", 2, 2},          {L"-0.5 ", -0.5, -0.5},
      {L"+3e2", 300, 300},         {L".5", 0.5, 0.5},      {L"1234:rest", 1234, nullopt},
      {L"-12.5e1x", -125, nullopt}, {L"1e", 1, nullopt},   {L"  12 34", 1234, nullopt},
      {L"\t1\n2", 12, nullopt},    {L"- 7", -7, nullopt},  {L"", 0, nullopt},
      {L"abc", 0, nullopt},        {L"x12", 0, nullopt},   {L"&H", 0, nullopt},
      {L"&H1F", 31, nullopt},      {L"&hff zz", 255, nullopt}, {L"&O17", 15, nullopt},
      {L"&O19", 1, nullopt},       {L"&HFFFFFFFF", -1, nullopt},
      {L"&H100000000", nullopt, nullopt}, {L"1e999", nullopt, nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(settings::LeadingNumberValue(c.text), c.leading) << c.text;
    EXPECT_EQ(settings::NumericLiteralValue(c.text), c.literal) << c.text;
  }
}

TEST(RoundToInteger, RoundsAsAskedAndRefusesWholeNumbersOutsideTheRange) {
  using platform::RoundToInteger;
  constexpr auto kEven = platform::Rounding::kHalfToEven;
  constexpr auto kDown = platform::Rounding::kDown;
  const struct {
    double value;
    platform::Rounding rounding;
    std::optional<std::int32_t> as32;
    std::optional<std::int16_t> as16;
  } cases[] = {
      {7.5, kEven, 8, 8},         {6.5, kEven, 6, 6},      {-6.5, kEven, -6, -6},
      {32767.5, kEven, 32768, nullopt},                    {-32768.5, kEven, -32768, -32768},
      {2147483647.0, kEven, 2147483647, nullopt},          {2147483648.0, kEven, nullopt, nullopt},
      {1.9, kDown, 1, 1},         {-0.5, kDown, -1, -1},   {-32768.5, kDown, -32769, nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToInteger<std::int32_t>(c.value, c.rounding), c.as32) << c.value;
    EXPECT_EQ(RoundToInteger<std::int16_t>(c.value, c.rounding), c.as16) << c.value;
  }
}

}  // namespace
}  // namespace orvane
