#include "SpreadingLaws.h"

namespace
{
    constexpr float degreesPerTurn = 360.0f;
    constexpr double centre = 0.5;

    // Below this distance (1 m on the editor's scale) a source is lifted toward the zenith.
    constexpr float liftDistance = 0.25f;
    constexpr float liftSlope = 4.0f;

    constexpr float choicesPerUnitExponent = 3.0f;
} // namespace

float channelAzimuthTurns (float azimuth, float width, float offsetDegrees) noexcept
{
    const auto spread = width * offsetDegrees / degreesPerTurn;
    return static_cast<float> (-(static_cast<double> (spread) + (static_cast<double> (azimuth) - centre)));
}

float elevationHalfTurns (float elevation, float minimumElevation) noexcept
{
    const auto raised = elevation > minimumElevation ? elevation : minimumElevation;
    return static_cast<float> (static_cast<double> (raised) - centre);
}

float minimumElevationForDistance (float distance) noexcept
{
    return distance < liftDistance ? (liftDistance - distance) * liftSlope : 0.0f;
}

float distanceExponentForChoice (int choice) noexcept
{
    return static_cast<float> (choice) / choicesPerUnitExponent;
}
