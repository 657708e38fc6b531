#include <scene/AdmOscMapping.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
    struct PolarCase
    {
        float azimuth, elevation, distance; // normalised parameters
        AdmOsc::Polar expected;
    };

    struct CartesianCase
    {
        AdmOsc::Cartesian position;
        AdmOsc::Polar expected;
    };
} // namespace

TEST (AdmOscMapping, parametersBecomeAdmPolarWithAzimuthPositiveToTheLeft)
{
    const auto nan = std::numeric_limits<float>::quiet_NaN();
    const PolarCase cases[] {
        { 0.5f, 0.5f, 0.25f, { 0.0f, 0.0f, 0.25f } },
        { 0.25f, 0.75f, 1.0f, { 90.0f, 45.0f, 1.0f } }, // the instance's -90 is left
        { 0.75f, 0.0f, 0.0f, { -90.0f, -90.0f, 0.0f } },
        { 1.0f, 1.0f, 0.5f, { -180.0f, 90.0f, 0.5f } },
        { 1.5f, -2.0f, 7.0f, { -180.0f, -90.0f, 1.0f } }, // out of range: the nearest end
        { nan, nan, nan, { 0.0f, 0.0f, 0.25f } },          // not a number: the defaults
    };

    for (const auto& c : cases)
    {
        const auto polar = AdmOsc::polarFromParameters (c.azimuth, c.elevation, c.distance);
        EXPECT_FLOAT_EQ (polar.azimuth + 0.0f, c.expected.azimuth + 0.0f) << c.azimuth;
        EXPECT_FLOAT_EQ (polar.elevation, c.expected.elevation) << c.elevation;
        EXPECT_FLOAT_EQ (polar.distance, c.expected.distance) << c.distance;
    }
}

TEST (AdmOscMapping, receivedAnglesWrapOrClampAndComeBackToTheSameParameters)
{
    EXPECT_FLOAT_EQ (AdmOsc::azimuthParameter (30.0f), 0.5f - 30.0f / 360.0f);
    EXPECT_FLOAT_EQ (AdmOsc::azimuthParameter (190.0f), AdmOsc::azimuthParameter (-170.0f));
    EXPECT_FLOAT_EQ (AdmOsc::azimuthParameter (-720.0f), 0.5f);
    EXPECT_FLOAT_EQ (AdmOsc::elevationParameter (100.0f), 1.0f);
    EXPECT_FLOAT_EQ (AdmOsc::elevationParameter (-100.0f), 0.0f);
    EXPECT_FLOAT_EQ (AdmOsc::distanceParameter (1.5f), 1.0f);
    EXPECT_FLOAT_EQ (AdmOsc::widthParameter (-0.5f), 0.0f);

    for (auto v = 0.0f; v <= 1.0f; v += 0.125f)
    {
        const auto polar = AdmOsc::polarFromParameters (v, v, v);
        EXPECT_NEAR (AdmOsc::azimuthParameter (polar.azimuth), v, 1.0e-6f);
        EXPECT_NEAR (AdmOsc::elevationParameter (polar.elevation), v, 1.0e-6f);
    }
}

TEST (AdmOscMapping, gainIsLinearWithinTheParametersMinus90ToPlus10Decibels)
{
    EXPECT_FLOAT_EQ (AdmOsc::gainFromParameter (0.9f), 1.0f);
    EXPECT_NEAR (AdmOsc::gainFromParameter (1.0f), std::sqrt (10.0f), 1.0e-5f);
    EXPECT_NEAR (AdmOsc::gainFromParameter (0.0f), std::pow (10.0f, -4.5f), 1.0e-9f);
    EXPECT_FLOAT_EQ (AdmOsc::gainParameter (1.0f), 0.9f);
    EXPECT_FLOAT_EQ (AdmOsc::gainParameter (0.5f), (20.0f * std::log10 (0.5f) + 90.0f) / 100.0f);
    EXPECT_FLOAT_EQ (AdmOsc::gainParameter (0.0f), 0.0f);
    EXPECT_FLOAT_EQ (AdmOsc::gainParameter (-1.0f), 0.0f);
    EXPECT_FLOAT_EQ (AdmOsc::gainParameter (1.0e6f), 1.0f);
}

TEST (AdmOscMapping, cartesianPointsConvertWithTheRenderersAxisConvention)
{
    const auto corner = juce::radiansToDegrees (std::asin (1.0f / std::sqrt (3.0f)));
    const CartesianCase cases[] {
        { { 0.0f, 1.0f, 0.0f }, { 0.0f, 0.0f, 1.0f } },     // front
        { { -1.0f, 0.0f, 0.0f }, { 90.0f, 0.0f, 1.0f } },   // left
        { { 1.0f, 0.0f, 0.0f }, { -90.0f, 0.0f, 1.0f } },   // right
        { { 0.0f, -0.5f, 0.0f }, { -180.0f, 0.0f, 0.5f } }, // behind
        { { 0.0f, 0.0f, 1.0f }, { 0.0f, 90.0f, 1.0f } },    // above
        { { 1.0f, 1.0f, 1.0f }, { -45.0f, corner, 1.0f } }, // a corner, beyond the sphere
        { { 0.0f, 0.0f, 0.0f }, { 0.0f, 0.0f, 0.0f } },     // the centre
        { { 0.0f, 3.0f, 0.0f }, { 0.0f, 0.0f, 1.0f } },     // outside the cube: clamped
    };

    for (const auto& c : cases)
    {
        const auto polar = AdmOsc::polarFromCartesian (c.position);
        EXPECT_NEAR (polar.azimuth, c.expected.azimuth, 1.0e-4f) << c.position.x << " " << c.position.y << " " << c.position.z;
        EXPECT_NEAR (polar.elevation, c.expected.elevation, 1.0e-4f);
        EXPECT_NEAR (polar.distance, c.expected.distance, 1.0e-6f);

        if (polar.distance < 1.0f)
        {
            const auto back = AdmOsc::cartesianFromPolar (polar);
            EXPECT_NEAR (back.x, c.position.x, 1.0e-6f);
            EXPECT_NEAR (back.y, c.position.y, 1.0e-6f);
            EXPECT_NEAR (back.z, c.position.z, 1.0e-6f);
        }
    }
}

TEST (AdmOscMapping, addressesNameTheObjectAndTheProperty)
{
    EXPECT_EQ (AdmOsc::addressOf (1, AdmOsc::Kind::aed), "/adm/obj/1/aed");
    EXPECT_EQ (AdmOsc::addressOf (42, AdmOsc::Kind::gain), "/adm/obj/42/gain");

    for (size_t i = 0; i < AdmOsc::kinds.size(); ++i)
        EXPECT_EQ (static_cast<size_t> (AdmOsc::kinds[i].kind), i) << "the table is in the order of the kinds";
}
