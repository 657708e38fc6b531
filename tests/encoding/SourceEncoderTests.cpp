#include <encoding/SourceEncoder.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr float quarterTurnLeft = 0.25f;
    constexpr float straightUp = 0.5f;

    /** Encodes a constant input through the encoder and returns the four outputs. */
    struct EncodedBlock
    {
        explicit EncodedBlock (int numSamples, float value = 1.0f)
            : input (static_cast<size_t> (numSamples), value),
              channels (4, std::vector<float> (static_cast<size_t> (numSamples), 0.0f))
        {
        }

        float* const* outputs()
        {
            pointers = { channels[0].data(), channels[1].data(), channels[2].data(), channels[3].data() };
            return pointers.data();
        }

        std::vector<float> input;
        std::vector<std::vector<float>> channels;
        std::array<float*, 4> pointers {};
    };

    void settle (SourceEncoder& encoder)
    {
        EncodedBlock block (4096);
        encoder.encodeReplace (block.input.data(), block.outputs(), 4096);
    }
} // namespace

TEST (SourceEncoder, startsInFumaFacingFrontWithDistanceGainOfOneToTheLaw)
{
    SourceEncoder encoder;

    EXPECT_FLOAT_EQ (encoder.getWScale(), 0.70710677f);
    EXPECT_FLOAT_EQ (encoder.getDistance(), 1.0f);
    EXPECT_FLOAT_EQ (encoder.getDistanceExponent(), 1.0f);
    EXPECT_FLOAT_EQ (encoder.getDistanceGain(), 0.05f);
    EXPECT_FLOAT_EQ (encoder.getGainW(), 0.05f * 0.70710677f);
    EXPECT_EQ (encoder.getGainX(), 0.0f);
    EXPECT_EQ (encoder.getGainY(), 0.0f);
    EXPECT_EQ (encoder.getGainZ(), 0.0f);
    EXPECT_EQ (encoder.getAppliedGains(), (std::array<float, 4> { 0.0f, 0.0f, 0.0f, 0.0f }));
}

TEST (SourceEncoder, frontSourceTargetsMatchBothConventions)
{
    SourceEncoder encoder;
    encoder.setDistance (0.05f);
    encoder.setAzimuthTurns (0.0f);
    encoder.setElevationHalfTurns (0.0f);

    const auto fuma = encoder.getOutputTargets();
    EXPECT_FLOAT_EQ (fuma[0], 0.35355339f);
    EXPECT_FLOAT_EQ (fuma[1], 0.5f); // X
    EXPECT_EQ (fuma[2], 0.0f); // Y
    EXPECT_EQ (fuma[3], 0.0f); // Z

    encoder.setConvention (1);
    const auto ambiX = encoder.getOutputTargets();
    EXPECT_FLOAT_EQ (ambiX[0], 0.5f);
    EXPECT_EQ (ambiX[1], 0.0f); // Y
    EXPECT_EQ (ambiX[2], 0.0f); // Z
    EXPECT_FLOAT_EQ (ambiX[3], 0.5f); // X
}

TEST (SourceEncoder, anyConventionOtherThanOneIsFuma)
{
    SourceEncoder encoder;
    encoder.setConvention (1);
    encoder.setConvention (7);
    EXPECT_FLOAT_EQ (encoder.getWScale(), 0.70710677f);

    encoder.setDistance (0.0f);
    encoder.setAzimuthTurns (0.0f);
    EXPECT_FLOAT_EQ (encoder.getOutputTargets()[1], encoder.getGainX());
}

TEST (SourceEncoder, quarterTurnPointsLeftAndHalfTurnOfElevationPointsUp)
{
    SourceEncoder encoder;
    encoder.setDistance (0.0f);

    encoder.setAzimuthTurns (quarterTurnLeft);
    EXPECT_NEAR (encoder.getGainX(), 0.0f, 1.0e-7f);
    EXPECT_FLOAT_EQ (encoder.getGainY(), encoder.getDistanceGain());

    encoder.setAzimuthTurns (0.0f);
    encoder.setElevationHalfTurns (straightUp);
    EXPECT_NEAR (encoder.getGainX(), 0.0f, 1.0e-7f);
    EXPECT_NEAR (encoder.getGainY(), 0.0f, 1.0e-7f);
    EXPECT_FLOAT_EQ (encoder.getGainZ(), encoder.getDistanceGain());
}

TEST (SourceEncoder, distanceLawFallsSixDecibelsPerDoublingBeyondTheKnee)
{
    SourceEncoder encoder;

    encoder.setDistance (0.05f);
    EXPECT_EQ (encoder.getDistanceGain(), 0.5f);

    encoder.setDistance (1.0f);
    EXPECT_FLOAT_EQ (encoder.getDistanceGain(), 0.05f);

    encoder.setDistance (0.2f);
    EXPECT_FLOAT_EQ (encoder.getDistanceGain(), 0.25f);
    encoder.setDistance (0.4f);
    EXPECT_FLOAT_EQ (encoder.getDistanceGain(), 0.125f);

    for (const auto exponent : { 0.0f, 1.0f / 3.0f, 5.0f / 3.0f })
    {
        encoder.setDistanceExponent (exponent);
        encoder.setDistance (0.05f);
        EXPECT_EQ (encoder.getDistanceGain(), 0.5f) << "exponent " << exponent;
    }
}

TEST (SourceEncoder, exponentAloneLeavesTheDistanceGainUntilTheNextDistance)
{
    SourceEncoder encoder;
    encoder.setDistance (1.0f);
    const auto before = encoder.getDistanceGain();

    encoder.setDistanceExponent (0.0f);
    EXPECT_EQ (encoder.getDistanceGain(), before);

    encoder.setDistance (1.0f);
    EXPECT_EQ (encoder.getDistanceGain(), 0.5f);
}

TEST (SourceEncoder, stepInTargetGlidesAndSnapsExactlyAfterAbout2160Samples)
{
    SourceEncoder encoder;
    encoder.setConvention (1);
    encoder.setDistance (0.0f);
    encoder.setAzimuthTurns (0.0f);
    encoder.setElevationHalfTurns (0.0f);

    // W in ambiX jumps from 0 to 0.5: one sample at a time, watch it approach.
    EncodedBlock block (1);
    auto samplesToSnap = 0;
    auto previous = 0.0f;

    while (encoder.getAppliedGains()[0] != 0.5f && samplesToSnap < 10000)
    {
        encoder.encodeReplace (block.input.data(), block.outputs(), 1);
        const auto applied = encoder.getAppliedGains()[0];

        EXPECT_GT (applied, previous);
        EXPECT_EQ (block.channels[0][0], applied);
        previous = applied;
        ++samplesToSnap;
    }

    EXPECT_NEAR (samplesToSnap, 2160, 5);

    // Held exactly from then on.
    encoder.encodeReplace (block.input.data(), block.outputs(), 1);
    EXPECT_EQ (encoder.getAppliedGains()[0], 0.5f);
    EXPECT_TRUE (encoder.isSettled());
}

TEST (SourceEncoder, glideFollowsTheOnePoleRuleInDoublePrecision)
{
    SourceEncoder encoder;
    encoder.setConvention (1);
    encoder.setDistance (0.0f);
    encoder.setAzimuthTurns (0.0f);
    encoder.setElevationHalfTurns (0.0f);

    EncodedBlock block (300, 0.5f);
    encoder.encodeReplace (block.input.data(), block.outputs(), 300);

    auto expected = 0.0f;

    for (size_t i = 0; i < 300; ++i)
    {
        expected = static_cast<float> (0.995 * static_cast<double> (expected) + 0.005 * 0.5);
        ASSERT_EQ (block.channels[0][i], 0.5f * expected) << "sample " << i;
    }

    // 63 % of the step after about 200 samples.
    EXPECT_NEAR (block.channels[0][199] / 0.25f, 0.63f, 0.01f);
}

TEST (SourceEncoder, addAccumulatesOntoWhatTheOutputsHold)
{
    SourceEncoder encoder;
    encoder.setConvention (1);
    encoder.setDistance (0.0f);
    settle (encoder);

    EncodedBlock block (64, 0.5f);

    for (auto& channel : block.channels)
        std::fill (channel.begin(), channel.end(), 0.25f);

    encoder.encodeAdd (block.input.data(), block.outputs(), 64);

    for (size_t k = 0; k < 4; ++k)
        for (size_t i = 0; i < 64; ++i)
            ASSERT_EQ (block.channels[k][i], 0.25f + 0.5f * encoder.getOutputTargets()[k]);
}

TEST (SourceEncoder, emptyBlockChangesNothingNotEvenTheAppliedGains)
{
    SourceEncoder encoder;
    encoder.setDistance (0.0f);
    const auto before = encoder.getAppliedGains();

    EncodedBlock block (1, 1.0f);
    block.channels[0][0] = 7.0f;
    encoder.encodeReplace (block.input.data(), block.outputs(), 0);
    encoder.encodeAdd (block.input.data(), block.outputs(), 0);

    EXPECT_EQ (encoder.getAppliedGains(), before);
    EXPECT_EQ (block.channels[0][0], 7.0f);
}

TEST (SourceEncoder, conventionChangeGlidesTheOutputChannels)
{
    SourceEncoder encoder;
    encoder.setConvention (1);
    encoder.setDistance (0.0f);
    encoder.setAzimuthTurns (0.0f);
    settle (encoder);

    encoder.setConvention (0);
    EncodedBlock block (200);
    encoder.encodeReplace (block.input.data(), block.outputs(), 200);

    // X leaves output channel 3 and arrives at output channel 1 gradually.
    EXPECT_GT (block.channels[3][0], 0.49f);
    EXPECT_LT (block.channels[1][0], 0.01f);
    EXPECT_NEAR (block.channels[1][199] / 0.5f, 0.63f, 0.01f);
    EXPECT_NEAR (block.channels[0][199], 0.5f + (0.35355339f - 0.5f) * 0.63f, 0.005f);
}

TEST (SourceEncoder, nonFiniteTargetsRecoverOnceTheSettingsAreFiniteAgain)
{
    SourceEncoder encoder;
    encoder.setDistance (std::nanf (""));
    EncodedBlock block (16);
    encoder.encodeReplace (block.input.data(), block.outputs(), 16);
    EXPECT_TRUE (std::isnan (block.channels[0][15]));

    encoder.setDistance (0.0f);
    encoder.encodeReplace (block.input.data(), block.outputs(), 16);

    for (const auto& channel : block.channels)
        EXPECT_TRUE (std::isfinite (channel[0]));
}
