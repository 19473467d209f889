#include "settings/number_text.h"

#include <gtest/gtest.h>

namespace orvane::settings {
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
    EXPECT_EQ(LeadingNumberValue(c.text), c.leading) << c.text;
    EXPECT_EQ(NumericLiteralValue(c.text), c.literal) << c.text;
  }
}

}  // namespace
}  // namespace orvane::settings
