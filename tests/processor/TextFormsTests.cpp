#include <processor/TextForms.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

TEST (TextForms, realsAreReadFromTheLeadingNumberOfTheText)
{
    const auto inf = std::numeric_limits<double>::infinity();

    const std::pair<const char*, double> cases[] = {
        { "0.5", 0.5 },
        { "  -2.5e-3xyz", -0.0025 },
        { "+1", 1.0 },
        { ".25", 0.25 },
        { "7.", 7.0 },
        { "1e", 1.0 },
        { "abc", 0.0 },
        { "", 0.0 },
        { "-", 0.0 },
        { "+-1", 0.0 },
        { "0x10", 0.0 },
        { "1e999", inf },
        { "-1e999", -inf },
        { "1e9999999999", inf },
        { "1e-99999", 0.0 },
        { "inf", inf },
        { "-inf", -inf },
    };

    for (const auto& [text, expected] : cases)
        EXPECT_EQ (TextForms::readReal (text), expected) << '"' << text << '"';

    EXPECT_TRUE (std::isnan (TextForms::readReal ("nan")));
    EXPECT_TRUE (std::isnan (TextForms::readReal (" NaN")));
}

TEST (TextForms, truncationNarrowsToFloatThenSaturates)
{
    EXPECT_EQ (TextForms::truncateToInt (1.9), 1);
    EXPECT_EQ (TextForms::truncateToInt (-1.9), -1);
    EXPECT_EQ (TextForms::truncateToInt (2147483520.0), 2147483520);
    EXPECT_EQ (TextForms::truncateToInt (2147483647.0), std::numeric_limits<int>::max()); // 2^31 as a float
    EXPECT_EQ (TextForms::truncateToInt (1.0e300), std::numeric_limits<int>::max());
    EXPECT_EQ (TextForms::truncateToInt (-1.0e300), std::numeric_limits<int>::min());
    EXPECT_EQ (TextForms::truncateToInt (std::nan ("")), 0);
}

TEST (TextForms, leadingIntegerReadsAsAtoiWithoutOverflow)
{
    EXPECT_EQ (TextForms::leadingInteger ("42abc"), 42);
    EXPECT_EQ (TextForms::leadingInteger (" \t-7"), -7);
    EXPECT_EQ (TextForms::leadingInteger ("0.9"), 0);
    EXPECT_EQ (TextForms::leadingInteger ("x1"), 0);
    EXPECT_EQ (TextForms::leadingInteger ("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ (TextForms::leadingInteger ("-99999999999999999999"), std::numeric_limits<int>::min());
}

TEST (TextForms, coloursAreWrittenAsLowerCaseHexWithoutLeadingZeros)
{
    EXPECT_EQ (TextForms::hexColour (0xFF0B72F2), "ff0b72f2");
    EXPECT_EQ (TextForms::hexColour (0x0000ABCD), "abcd");
    EXPECT_EQ (TextForms::hexColour (0), "0");
    EXPECT_EQ (TextForms::scanHexDigits ("#FF0B72F2"), 0xFF0B72F2u);
    EXPECT_EQ (TextForms::scanHexDigits ("1 2 3 4 5 6 7 8 9"), 0x23456789u);
}

TEST (TextForms, onlyStrictlyWellFormedUtf8Passes)
{
    EXPECT_TRUE (TextForms::isWellFormedUtf8 ("plain ASCII"));
    EXPECT_TRUE (TextForms::isWellFormedUtf8 ("Ch\xc5\x93ur \xe2\x86\x92 \xf0\x9f\x8e\xa7"));
    EXPECT_TRUE (TextForms::isWellFormedUtf8 (""));

    for (const auto* bad : { "\xc0\x8d", // overlong carriage return
                             "\xe0\x80\xaf", // overlong slash
                             "\xed\xa0\x80", // a surrogate
                             "\xf4\x90\x80\x80", // beyond U+10FFFF
                             "\xf5\x80\x80\x80",
                             "\x80", // a stray continuation byte
                             "\xe2\x86", // cut short
                             "\xc3\x28" }) // a continuation byte missing
        EXPECT_FALSE (TextForms::isWellFormedUtf8 (bad)) << juce::String::toHexString (bad, (int) std::strlen (bad));
}
