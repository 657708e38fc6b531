#include <plugin/aax/AaxBypassParameter.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST (AaxBypassParameter, namesItselfByTheRoomTheHostAllows)
{
    EXPECT_STREQ (AaxBypassParameter::identifier, "MasterBypassID");

    struct Expected
    {
        int maxLength;
        const char* name;
    };

    constexpr Expected expected[] = {
        { 0, "MByp" },
        { 5, "MByp" },
        { 6, "MstByp" },
        { 7, "MstByp" },
        { 8, "Mast Byp" },
        { 12, "Mast Byp" },
        { 13, "Master Bypass" },
        { 255, "Master Bypass" },
    };

    for (const auto& row : expected)
        EXPECT_STREQ (AaxBypassParameter::nameForLength (row.maxLength), row.name) << "room for " << row.maxLength;
}

TEST (AaxBypassParameter, everyNameFitsFromTheShortestUp)
{
    for (auto maxLength = 4; maxLength <= 40; ++maxLength)
        EXPECT_LE (std::strlen (AaxBypassParameter::nameForLength (maxLength)), static_cast<std::size_t> (maxLength)) << "room for " << maxLength;
}

TEST (AaxBypassParameter, valueTextIsOffAtZeroAndBypassedByLengthOtherwise)
{
    for (const auto maxLength : { 3, 7, 8, 13 })
        EXPECT_STREQ (AaxBypassParameter::valueText (0.0, maxLength), "Off") << "room for " << maxLength;

    EXPECT_STREQ (AaxBypassParameter::valueText (1.0, 8), "Bypassed");
    EXPECT_STREQ (AaxBypassParameter::valueText (1.0, 13), "Bypassed");
    EXPECT_STREQ (AaxBypassParameter::valueText (1.0, 7), "Byp");
    EXPECT_STREQ (AaxBypassParameter::valueText (1.0, 3), "Byp");
    EXPECT_STREQ (AaxBypassParameter::valueText (0.5, 8), "Bypassed");
}
