#include <plugin/aax/AaxChannelConfigurations.h>
#include <plugin/aax/AaxStemFormats.h>

#include <gtest/gtest.h>

TEST (AaxStemFormats, mapsEachChannelCountFromOneToEight)
{
    struct Expected
    {
        int numChannels;
        std::uint32_t format;
    };

    constexpr Expected expected[] = {
        { 1, 0x00000001 }, // mono
        { 2, 0x00010002 }, // stereo
        { 3, 0x00020003 }, // LCR
        { 4, 0x00040004 }, // quad
        { 5, 0x00050005 }, // 5.0
        { 6, 0x00060006 }, // 5.1
        { 7, 0x000B0007 }, // 7.0 DTS
        { 8, 0x000C0008 }, // 7.1 DTS
    };

    for (const auto& row : expected)
        EXPECT_EQ (AaxStemFormats::forChannelCount (row.numChannels), row.format) << row.numChannels << " channels";
}

TEST (AaxStemFormats, anyOtherCountHasNoFormat)
{
    for (const auto numChannels : { 0, -1, 9, 10, 16, 65536 })
        EXPECT_EQ (AaxStemFormats::forChannelCount (numChannels), 0xFF9C0000u) << numChannels << " channels";
}

TEST (AaxChannelConfigurations, offerEveryLayoutInputCountIntoFourChannels)
{
    constexpr int expectedInputs[] = { 1, 2, 4, 6, 8 };

    ASSERT_EQ (AaxChannelConfigurations::configurations.size(), std::size (expectedInputs));

    for (std::size_t index = 0; index < std::size (expectedInputs); ++index)
    {
        const auto& configuration = AaxChannelConfigurations::configurations[index];
        EXPECT_EQ (configuration.numInputs, expectedInputs[index]);
        EXPECT_EQ (configuration.numOutputs, 4);
    }
}
