#include <processor/ParameterText.h>

#include <gtest/gtest.h>

// What hosts show and read back through the plug-in is tested in the hosted VST3
// test; here, what is no value, and a value that rounds to zero.
TEST (ParameterText, textThatIsNoValueGivesNothingAndZeroHasNoSign)
{
    for (const auto& [index, text] : { std::pair { 0, "left" }, { 0, "30 m" }, { 2, "1.5 dB" }, { 4, "" }, { 4, "- 6" }, { 1, "nan" }, { 1, "1e999" }, { 3, "50 %%" }, { 5, "maybe" }, { 6, "1" }, { -1, "0" } })
        EXPECT_FALSE (ParameterText::fromUnits (index, text).has_value()) << index << " " << text;

    EXPECT_EQ (ParameterText::inUnits (6, 0.5f), "");
    EXPECT_EQ (ParameterText::inUnits (4, 0.8999999f), "0.0 dB");
}
