#include <encoding/SpreadingLaws.h>

#include <gtest/gtest.h>

TEST (SpreadingLaws, widthZeroPutsEveryChannelOnTheSourceDirection)
{
    for (const auto offset : { -135.0f, -30.0f, 0.0f, 90.0f, 180.0f })
        EXPECT_EQ (channelAzimuthTurns (0.6f, 0.0f, offset), channelAzimuthTurns (0.6f, 0.0f, 0.0f));
}

TEST (SpreadingLaws, clockwiseParameterBecomesCounterClockwiseTurns)
{
    // Azimuth 0.75 is 90 degrees to the right: a quarter turn clockwise.
    EXPECT_FLOAT_EQ (channelAzimuthTurns (0.75f, 0.0f, 0.0f), -0.25f);

    // Width 1 on "Stereo" at the front: left channel at +90 degrees, right at -90.
    EXPECT_FLOAT_EQ (channelAzimuthTurns (0.5f, 1.0f, -90.0f), 0.25f);
    EXPECT_FLOAT_EQ (channelAzimuthTurns (0.5f, 1.0f, 90.0f), -0.25f);
}

TEST (SpreadingLaws, offsetsScaleWithWidthAndDoNotWrap)
{
    EXPECT_FLOAT_EQ (channelAzimuthTurns (0.5f, 0.5f, 120.0f), -120.0f * 0.5f / 360.0f);
    EXPECT_FLOAT_EQ (channelAzimuthTurns (1.0f, 2.0f, 180.0f), -1.5f);
}

TEST (SpreadingLaws, elevationIsRaisedToTheFloorAndCentredOnTheHorizon)
{
    EXPECT_EQ (elevationHalfTurns (0.5f, 0.0f), 0.0f);
    EXPECT_EQ (elevationHalfTurns (1.0f, 0.0f), 0.5f);
    EXPECT_EQ (elevationHalfTurns (0.0f, 0.0f), -0.5f);
    EXPECT_FLOAT_EQ (elevationHalfTurns (0.5f, 0.6f), 0.1f);
    EXPECT_FLOAT_EQ (elevationHalfTurns (0.9f, 0.6f), 0.4f);
}

TEST (SpreadingLaws, closeSourcesAreLiftedLinearlyBelowOneMetre)
{
    EXPECT_EQ (minimumElevationForDistance (0.25f), 0.0f);
    EXPECT_EQ (minimumElevationForDistance (0.9f), 0.0f);
    EXPECT_FLOAT_EQ (minimumElevationForDistance (0.1f), 0.6f);
    EXPECT_FLOAT_EQ (minimumElevationForDistance (0.125f), 0.5f);
    EXPECT_FLOAT_EQ (minimumElevationForDistance (0.05f), 0.8f);
    EXPECT_FLOAT_EQ (minimumElevationForDistance (0.0f), 1.0f);
    EXPECT_FLOAT_EQ (minimumElevationForDistance (-0.25f), 2.0f);
}

TEST (SpreadingLaws, attenuationChoicesStepTheExponentByOneThird)
{
    EXPECT_EQ (distanceExponentForChoice (0), 0.0f);
    EXPECT_EQ (distanceExponentForChoice (3), 1.0f);
    EXPECT_EQ (distanceExponentForChoice (1), 1.0f / 3.0f);
    EXPECT_EQ (distanceExponentForChoice (5), 5.0f / 3.0f);
    EXPECT_EQ (distanceExponentForChoice (-3), -1.0f);
}
